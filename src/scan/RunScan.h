// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScanOutcome.h"

#include <QString>
#include <QtGlobal>

namespace quillon {

class OptionControls;
class PageReviewer;
class RegistryStore;
class ScannerLibrary;
class UserInterface;

// Manual duplex: the question after the fronts, in English; the job asks it
// in the user's language. A user interface may word it, as the job's other
// questions, in its own way.
inline constexpr const char* kTurnTheStackQuestionText = QT_TRANSLATE_NOOP(
    "RunScan",
    "Turn the stack over, without changing its order, and load it into the feeder again. Click YES to scan the back "
    "sides or NO to keep the front sides only.");
inline const QString kTurnTheStackQuestion = QString::fromUtf8(kTurnTheStackQuestionText);

// One scan job, from reading the options to the final message. Runs
// synchronously on the calling thread; every way out but a cancelled save
// dialog unloads the library's source manager exactly once. With a reviewer,
// the pages of a batch are shown to the user before they are saved, when
// the options ask for that.
ScanOutcome RunScan(OptionControls& controls, ScannerLibrary& library, const RegistryStore& store, UserInterface& ui,
                    PageReviewer* reviewer = nullptr);

// True for source names that show an HP device, which must be closed and
// reopened between flatbed pages.
bool IsHpSourceName(const QString& sourceName);

}  // namespace quillon
