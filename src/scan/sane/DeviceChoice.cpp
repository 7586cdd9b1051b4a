// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/DeviceChoice.h"

#include "scan/ScannerErrors.h"
#include "scan/imaging/writers/SafeOutputFile.h"
#include "scan/sane/DeviceSearch.h"
#include "scan/LibraryStep.h"
#include "scan/ScannerLog.h"
#include "scan/sane/SystemRefusal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <sane/sane.h>

#include <unistd.h>

namespace quillon {

DeviceChoice::DeviceChoice(ScannerDialogs& dialogs, QString settingsFolder, ScannerLog& log)
    : dialogs_(dialogs), settingsFolder_(std::move(settingsFolder)), log_(log) {}

DeviceChoice::~DeviceChoice() = default;

// Runs on the search's own thread when started ahead, with its own copy of
// the lister: a search left to end on its own needs nothing of the library.
QList<ScannerChoice> DeviceChoice::FindDevices(const Lister& lister) {
    if (lister) return lister();
    QList<ScannerChoice> devices;
    const SANE_Device** list = nullptr;
    if (sane_get_devices(&list, SANE_FALSE) != SANE_STATUS_GOOD || !list) return devices;
    for (; *list; ++list) {
        const SANE_Device& d = **list;
        const QString label = (QString::fromUtf8(d.vendor) + QLatin1Char(' ') + QString::fromUtf8(d.model)).simplified();
        devices.append({QString::fromUtf8(d.name), label.isEmpty() ? QString::fromUtf8(d.name) : label});
    }
    return devices;
}

void DeviceChoice::SearchAhead() {
    log_.Write(QStringLiteral("looking for scanners ahead"));
    search_ = std::make_unique<DeviceSearch>([lister = lister_] { return FindDevices(lister); });
}

bool DeviceChoice::Searching() const { return search_ && !search_->Ended(); }

void DeviceChoice::DropSearch() { search_.reset(); }

bool DeviceChoice::Refresh() {
    devices_.clear();
    if (!search_) {
        devices_ = FindDevices(lister_);
        return true;
    }
    if (!search_->Ended()) {
        bool ended = false;
        search_->ResetWait();
        LibraryStep waiting([&] { ended = search_->Wait(); }, [this] { search_->GiveUpWaiting(); });
        dialogs_.RunStep(QCoreApplication::translate("SaneLibrary", "Looking for scanners..."), waiting);
        if (!ended || waiting.cancelled()) return false;
    }
    devices_ = search_->Result();
    search_.reset();
    return true;
}

bool DeviceChoice::Choose(int* error, QString* detail) {
    if (devices_.isEmpty()) {
        if (QString refusal = SystemRefusal(); !refusal.isEmpty()) {
            *error = kScannerErrorSystem;
            *detail = std::move(refusal);
            return false;
        }
    }
    const QString remembered = chosen();
    int preselected = devices_.isEmpty() ? -1 : 0;
    for (int i = 0; i < devices_.size(); ++i)
        if (devices_[i].deviceName == remembered) preselected = i;
    const int choice = dialogs_.ChooseScanner(devices_, preselected);
    if (choice < 0 || choice >= devices_.size()) {
        // No scanner at all is no cancel: the caller can tell the two apart.
        if (devices_.isEmpty()) *error = kScannerErrorNoSource, *detail = QStringLiteral("no scanner found");
        return false;
    }
    chosen_ = devices_[choice].deviceName;
    if (remembers_) Remember(chosen_);
    log_.Write(QStringLiteral("chose ") + chosen_);
    return true;
}

QString DeviceChoice::Remembered() const {
    QFile file(settingsFolder_ + QStringLiteral("/scanner.conf"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith("device=")) return QString::fromUtf8(line.mid(7)).trimmed();
    return {};
}

void DeviceChoice::Remember(const QString& deviceName) const {
    QDir().mkpath(settingsFolder_);
    // Replaced whole, never written through: a link in its place is replaced
    // by the file, and the file it pointed to stays as it was.
    SafeOutputFile file;
    const QByteArray text = "# The scanner chosen last in Quillon\ndevice=" + deviceName.toUtf8() + "\n";
    if (!file.Open(settingsFolder_ + QStringLiteral("/scanner.conf")) ||
        ::write(file.fd(), text.constData(), static_cast<size_t>(text.size())) != text.size() || !file.Commit())
        log_.Write(QStringLiteral("the chosen scanner could not be remembered: ") + file.error());
}

// By SANE's device name first; a label names the chosen device when it is
// that device's, and otherwise the first device with it: two scanners of
// the same model have the same label and stay two.
QString DeviceChoice::DeviceNamed(const QString& name) const {
    QString deviceName = name == named_ ? name : QString();
    for (const ScannerChoice& device : devices_)
        if (device.deviceName == name) deviceName = device.deviceName;
    for (const ScannerChoice& device : devices_)
        if (deviceName.isEmpty() && device.label == name && device.deviceName == chosen_) deviceName = device.deviceName;
    for (const ScannerChoice& device : devices_)
        if (deviceName.isEmpty() && device.label == name) deviceName = device.deviceName;
    return deviceName;
}

QString DeviceChoice::LabelOf(const QString& deviceName) const {
    for (const ScannerChoice& device : devices_)
        if (device.deviceName == deviceName) return device.label;
    return deviceName;
}

}  // namespace quillon
