// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/OutputFileChooser.h"

#include "settings/SettingsCatalogue.h"
#include "settings/RegistryStore.h"
#include "support/ErrorReport.h"
#include "support/OutputPathCheck.h"
#include "support/PathHelpers.h"
#include "support/UserInterface.h"
#include "support/FileDialog.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quillon {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(OutputFileChooser)
};

// The remembered folder when it is usable, else the desktop (or the empty text,
// which opens the dialog in its own default folder). The desktop is asked once,
// so a failing lookup is reported once.
QString InitialFolder(const RegistryStore& store, UserInterface& ui) {
    const QString remembered = store.Get(kLastDirectoryValueName);
    if (remembered != kNotFound && !IsBlank(remembered) && PathExists(remembered, true)) return remembered;
    return GetDesktopPath(ui);
}

// The dialog's one filter entry: what the file is, in words, and the names
// its kind goes by ("TIFF image (*.tif *.tiff)").
struct FileKind {
    const char* extension;
    const char* description;
    const char* patterns;  // separated by ';'
};
constexpr FileKind kFileKinds[] = {
    {".pdf", QT_TRANSLATE_NOOP("OutputFileChooser", "PDF document"), "*.pdf"},
    {".tiff", QT_TRANSLATE_NOOP("OutputFileChooser", "TIFF image"), "*.tif;*.tiff"},
    {".tif", QT_TRANSLATE_NOOP("OutputFileChooser", "TIFF image"), "*.tif;*.tiff"},
    {".jpg", QT_TRANSLATE_NOOP("OutputFileChooser", "JPEG image"), "*.jpg;*.jpeg"},
    {".jpeg", QT_TRANSLATE_NOOP("OutputFileChooser", "JPEG image"), "*.jpg;*.jpeg"},
    {".png", QT_TRANSLATE_NOOP("OutputFileChooser", "PNG image"), "*.png"},
};

QString FilterFor(const QString& extension) {
    QString description = Text::tr("%1 file", "a file format's name").arg(extension.mid(1).toUpper());
    QString patterns = QLatin1Char('*') + extension;
    for (const FileKind& kind : kFileKinds) {
        if (extension.compare(QLatin1String(kind.extension), Qt::CaseInsensitive) != 0) continue;
        description = Text::tr(kind.description);
        patterns = QString::fromLatin1(kind.patterns);
    }
    QString shown = patterns;
    shown.replace(QLatin1Char(';'), QLatin1Char(' '));
    QString filter;
    return AddFilterItem(filter, description + QStringLiteral(" (") + shown + QLatin1Char(')'), patterns);
}

bool HasAcceptableExtension(const QString& path) {
    const qsizetype length = GetFileExtension(path).size();  // the dot and 3 or 4 characters
    return length >= 4 && length <= 5;
}

}  // namespace

QString ChooseOutputFile(const QString& extension, const RegistryStore& store, UserInterface& ui, bool* refused) {
    QString result;
    try {
        const QString filter = FilterFor(extension);
        for (;;) {
            std::uint32_t flags = kOfnExplorer | kOfnHideReadOnly;
            FileDialogArguments arguments;
            arguments.flags = &flags;
            arguments.initialFolder = InitialFolder(store, ui);
            arguments.filter = filter;
            arguments.title = Text::tr("Save File");
            arguments.open = false;
            const QString path = ShowFileDialog(ui, arguments);
            if (path.isEmpty()) return QString();  // cancelled: nothing is remembered
            if (!HasAcceptableExtension(path)) {
                ui.ShowMessage(Text::tr("ERROR: Invalid File Selection. Please try again."), Text::tr("Quillon Error"),
                               MessageIcon::Critical, MessageButtons::Ok);
                continue;
            }
            // A file that may not be replaced is said before any scan is made.
            if (const QString refusal = OutputPathRefusal(path); !refusal.isEmpty()) {
                ui.ShowMessage(refusal, Text::tr("Quillon Error"), MessageIcon::Critical, MessageButtons::Ok);
                if (ui.CanChooseAgain()) continue;
                if (refused) *refused = true;
                return QString();
            }
            result = path;
            break;
        }
        const QString folder = GetFolderPart(result);
        if (PathExists(folder, true)) store.Set(kLastDirectoryValueName, folder);
    } catch (...) {
        ReportCurrentFailure(ui);
    }
    return result;
}

}  // namespace quillon
