// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/EndDocument.h"

#include "scan/imaging/ImagingSession.h"
#include "scan/sane/LibraryStep.h"

#include <QCoreApplication>

namespace quillon {

int EndDocument(ImagingSession& session, ScannerDialogs& dialogs, bool* cancelled) {
    int result = 1;
    LibraryStep ending([&] { result = session.EndDocument(); },
                       [&session] { session.replacesAFile() ? session.GiveUp() : session.SkipText(); },
                       [&session] { return session.EndingCaption(); }, &session);
    dialogs.RunStep(QCoreApplication::translate("SaneLibrary", "Saving the document..."), ending);
    *cancelled = ending.cancelled();
    return result;
}

}  // namespace quillon
