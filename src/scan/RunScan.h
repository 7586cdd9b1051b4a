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

// One scan job, from reading the options to the final message. Runs
// synchronously on the calling thread; every way out but a cancelled save
// dialog unloads the library's source manager exactly once.
ScanOutcome RunScan(OptionControls& controls, ScannerLibrary& library, const RegistryStore& store, UserInterface& ui);

// True for source names that show an HP device, which must be closed and
// reopened between flatbed pages.
bool IsHpSourceName(const QString& sourceName);

}  // namespace quillon
