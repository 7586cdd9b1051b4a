// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/SaneLibrary.h"

#include "scan/ScannerLog.h"
#include "scan/sane/SaneDevice.h"
#include "scan/sane/SaneSource.h"
#include "support/XdgFolders.h"

namespace quillon {

SaneLibraryParts::SaneLibraryParts(ScannerDialogs& dialogs, QString settingsFolder, QString logPath)
    : log(std::make_unique<ScannerLog>(logPath.isEmpty() ? ScannerLog::DefaultPath() : std::move(logPath))),
      source(std::make_unique<SaneSource>(
          dialogs, settingsFolder.isEmpty() ? QuillonFolder(XdgBase::Config) : std::move(settingsFolder), *log)) {}

SaneLibraryParts::~SaneLibraryParts() = default;

SaneLibrary::SaneLibrary(ScannerDialogs& dialogs, QString settingsFolder, QString logPath)
    : SaneLibraryParts(dialogs, std::move(settingsFolder), std::move(logPath)), SourceLibrary(dialogs, *source, *log) {}

// The library lets go of its document before the device goes with the parts.
SaneLibrary::~SaneLibrary() = default;

void SaneLibrary::SetDeviceOpener(DeviceOpener opener) { source->SetDeviceOpener(std::move(opener)); }

void SaneLibrary::SetDeviceLister(DeviceLister lister) { source->SetDeviceLister(std::move(lister)); }

QList<ScannerChoice> SaneLibrary::Devices() { return source->Sources(); }

void SaneLibrary::SearchAhead() {
    if (source->SearchAhead()) EnsureInitialised();
}

void SaneLibrary::UseDevice(const QString& name) { source->UseDevice(name); }

QString SaneLibrary::RememberedDevice() const { return source->RememberedDevice(); }

void SaneLibrary::ForgetChoices() { source->ForgetChoices(); }

void SaneLibrary::SetSilenceLimit(std::chrono::milliseconds limit) { source->SetSilenceLimit(limit); }

bool SaneLibrary::SetDeviceOption(const QString& name, const QString& value) {
    const bool done = source->SetDeviceOption(name, value);
    Log(QStringLiteral("option %1=%2").arg(name, value), done ? 1 : 0);
    return done;
}

int SaneLibrary::resolution() const { return source->resolution(); }

}  // namespace quillon
