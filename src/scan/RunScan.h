// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScanOutcome.h"

#include <QString>

namespace quillon {

class OptionControls;
class RegistryStore;
class ScannerLibrary;
class UserInterface;

// The job's two questions, which a user interface may word in its own way.
inline const QString kFeederQuestion = QStringLiteral(
    "Please load the documents into the Auto-Document Feeder.\r\rClick YES to retry or\rClick NO to use the flatbed "
    "or other scan head (if equipped).");
inline const QString kAnotherPageQuestion = QStringLiteral("Scan Another Page?");
// Manual duplex: after the fronts, and when the backs were not as many.
inline const QString kTurnTheStackQuestion = QStringLiteral(
    "Turn the stack over, without changing its order, and load it into the feeder again. Click YES to scan the back "
    "sides or NO to keep the front sides only.");
inline const QString kUnmatchedSidesQuestion = QStringLiteral(
    "Click YES to save every page, the unmatched ones at the end, or NO to keep the front sides only.");

// One scan job, from reading the options to the final message. Runs
// synchronously on the calling thread; every way out but a cancelled save
// dialog unloads the library's source manager exactly once.
ScanOutcome RunScan(OptionControls& controls, ScannerLibrary& library, const RegistryStore& store, UserInterface& ui);

// True for source names that show an HP device, which must be closed and
// reopened between flatbed pages.
bool IsHpSourceName(const QString& sourceName);

}  // namespace quillon
