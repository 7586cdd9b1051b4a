// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"

#include <functional>
#include <memory>

namespace quillon {

class DeviceSearch;
class ScannerLog;

// Which scanner a job uses: the one named for the program's run, or one the
// user chooses from the scanners found, with the one chosen last offered
// first. The choice is remembered in scanner.conf of the settings folder.
class DeviceChoice {
public:
    using Lister = std::function<QList<ScannerChoice>()>;

    DeviceChoice(ScannerDialogs& dialogs, QString settingsFolder, ScannerLog& log);
    ~DeviceChoice();

    // Which devices there are, in place of SANE's list.
    void SetLister(Lister lister) { lister_ = std::move(lister); }
    // The scanner named for the run (empty: none): no search, no dialog.
    void UseDevice(const QString& name) { named_ = name; }
    const QString& named() const { return named_; }
    // A scanner chosen from the list is not remembered.
    void ForgetChoices() { remembers_ = false; }

    // Starts the search for scanners on a thread of its own; the next
    // Refresh takes its result.
    void SearchAhead();
    // A search was started ahead and its result not yet taken.
    bool SearchStarted() const { return search_ != nullptr; }
    // A search started ahead has not yet ended.
    bool Searching() const;
    // Lets go of a search that has ended.
    void DropSearch();
    // The scanners there are now: a search started ahead is waited for, as a
    // step that can be cancelled (false).
    bool Refresh();
    const QList<ScannerChoice>& devices() const { return devices_; }

    // The named scanner is the one chosen.
    void ChooseNamed() { chosen_ = named_; }
    // The user chooses among the scanners found: true when one is chosen.
    // With none found, why in *error and *detail (the system refusing to
    // open files, or no scanner at all); a cancelled choice is no error.
    bool Choose(int* error, QString* detail);
    // The scanner chosen in this run, or else the one chosen last in the window.
    QString chosen() const { return chosen_.isEmpty() ? Remembered() : chosen_; }
    // The scanner chosen last in the window (empty: none yet).
    QString Remembered() const;

    // The device a name means: SANE's name of a device found or named, or a
    // device's label (empty: none).
    QString DeviceNamed(const QString& name) const;
    // The label of a device found, else its SANE name.
    QString LabelOf(const QString& deviceName) const;

private:
    static QList<ScannerChoice> FindDevices(const Lister& lister);
    void Remember(const QString& deviceName) const;

    ScannerDialogs& dialogs_;
    const QString settingsFolder_;
    ScannerLog& log_;
    Lister lister_;
    QList<ScannerChoice> devices_;
    QString chosen_;
    QString named_;
    bool remembers_ = true;
    std::unique_ptr<DeviceSearch> search_;  // under way, started ahead
};

}  // namespace quillon
