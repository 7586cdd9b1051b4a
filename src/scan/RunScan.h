// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScanOutcome.h"

class QString;

namespace quillon {

class OptionControls;
class RegistryStore;
class ScannerLibrary;
class UserInterface;

// One scan job, from reading the options to the final message. Runs
// synchronously on the calling thread; every way out but a cancelled save
// dialog unloads the library's source manager exactly once.
ScanOutcome RunScan(OptionControls& controls, ScannerLibrary& library, const RegistryStore& store, UserInterface& ui);

// True for source names that show an HP device, which must be closed and
// reopened between flatbed pages.
bool IsHpSourceName(const QString& sourceName);

}  // namespace quillon
