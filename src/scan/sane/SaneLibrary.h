// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/SourceLibrary.h"

#include <chrono>
#include <functional>
#include <memory>

namespace quillon {

class SaneDevice;
class SaneSource;

// The parts a SANE library is made of, made before the library over them.
struct SaneLibraryParts {
    SaneLibraryParts(ScannerDialogs& dialogs, QString settingsFolder, QString logPath);
    ~SaneLibraryParts();
    std::unique_ptr<ScannerLog> log;
    std::unique_ptr<SaneSource> source;
};

// The scanner library on SANE: the library over a source of pages, with
// SANE's devices as the source, and the choice of scanner a program makes
// (a scanner named for its run, the search started ahead, the one
// remembered). State numbers follow TWAIN: 1 nothing loaded, 3 a job begun,
// 4 a device open, 5 scanning, 6 a page started and waiting (the feeder's
// look-ahead), 7 a page being transferred.
class SaneLibrary : private SaneLibraryParts, public SourceLibrary {
public:
    // The chosen scanner is remembered in the folder given, and the log kept
    // at the path given; empty texts mean the program's own folders.
    explicit SaneLibrary(ScannerDialogs& dialogs, QString settingsFolder = {}, QString logPath = {});
    ~SaneLibrary() override;

    // How a device is opened by name: null on failure, with SANE's status in
    // *status. A test may wrap the real one.
    using DeviceOpener = std::function<std::unique_ptr<SaneDevice>(const QString& name, int* status)>;
    void SetDeviceOpener(DeviceOpener opener);
    // Which devices there are, in place of SANE's list; a test may name its own.
    using DeviceLister = std::function<QList<ScannerChoice>()>;
    void SetDeviceLister(DeviceLister lister);

    // The scanners there are, by SANE name with vendor and model.
    QList<ScannerChoice> Devices() override;
    // Starts the search for scanners now, unless a scanner is named; the
    // next choice of a scanner takes its result, and waits for it if need be
    // as a step that can be cancelled.
    void SearchAhead() override;
    // The scanner to use from now on, by any name SANE opens (a backend's name
    // alone opens its first device): no search for scanners, no dialog, and
    // the scanner chosen last stays as it was.
    void UseDevice(const QString& name) override;
    // The scanner chosen last in the window (empty: none yet).
    QString RememberedDevice() const override;
    // A scanner chosen from the list is used for this run only: the one
    // remembered stays as it was.
    void ForgetChoices() override;
    // The longest a scanner may send nothing, while a page starts or is read,
    // before the scan ends with "The scanner stopped answering." (60 s).
    void SetSilenceLimit(std::chrono::milliseconds limit) override;

    // Sets any option of the open device by its SANE name, from text.
    bool SetDeviceOption(const QString& name, const QString& value);
    // The resolution the device reported after the last setting (0: not known).
    int resolution() const;
};

}  // namespace quillon
