// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/sane/SaneDevice.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quillon::testing {

// How one SANE backend presents itself, as its source in sane-backends (or
// HPLIP) has it: option names, value lists, per-source scan areas, what a
// change of source resets, and its paper sensor.
struct BackendProfile {
    const char* name;    // the backend, as SANE names it ("epson2")
    const char* vendor;  // what sane_get_devices reports
    const char* model;
    std::vector<std::string> sources;
    std::vector<std::string> modes;
    std::vector<int> resolutions;  // a word list; empty: the range below
    int resolutionMin = 50, resolutionMax = 1200;
    // The largest scan area of each source, in millimetres.
    std::map<std::string, std::pair<double, double>> areaMm;
    bool geometryInPixels = false;  // INT pixels at the resolution instead of FIXED mm
    bool pageSizeOptions = false;   // page-width/page-height, as sheet-fed scanners have
    const char* duplexOption = nullptr;  // "adf-mode" (a list) or "duplex" (a switch)
    std::vector<std::string> adfModes;   // the values of adf-mode
    const char* sensor = nullptr;        // the feeder's paper sensor ("page-loaded", ...)
    // What a change of source does.
    bool sourceResetsArea = false;        // to the new source's largest (airscan), with RELOAD_OPTIONS
    bool sourceResetsModeAndResolution = false;  // to colour and the lowest resolution (pixma, HPLIP)
    bool feederHasNoLineart = false;      // black and white on the feeder comes as grey (escl)
};

// The physical scanner behind a backend: the sheets in its feeder outlast any
// one open handle.
struct ZooScanner {
    explicit ZooScanner(const BackendProfile& profile, int sheets = 3) : profile(profile), sheetsInFeeder(sheets) {}
    const BackendProfile& profile;
    int sheetsInFeeder;
    bool sensorAlwaysLoaded = false;  // a sensor that reports paper whether or not there is any
    int pagesDelivered = 0;
    int opens = 0;
};

// One open handle of an emulated backend.
class ZooDevice : public SaneDevice {
public:
    explicit ZooDevice(ZooScanner& scanner);

    SANE_Status Start() override;
    SANE_Status GetParameters(SANE_Parameters& parameters) override;
    SANE_Status Read(SANE_Byte* data, SANE_Int maxLength, SANE_Int* length) override;
    void Cancel() override { scanning_ = false; }
    int OptionCount() override { return static_cast<int>(options_.size()); }
    const SANE_Option_Descriptor* Descriptor(int index) override;
    SANE_Status Control(int index, SANE_Action action, void* value, SANE_Int* info) override;

private:
    struct Option {
        SANE_Option_Descriptor descriptor{};
        std::string name;
        std::vector<std::string> strings;       // the value list of a string option
        std::vector<SANE_String_Const> list;    // ... as SANE wants it, null-ended
        std::vector<SANE_Word> words;           // a word list, counted first
        SANE_Range range{};
        std::string text;                       // a string option's value
        SANE_Word word = 0;                     // any other option's value
    };
    Option& Add(const std::string& name, SANE_Value_Type type, SANE_Unit unit);
    void AddStringList(const std::string& name, const std::vector<std::string>& values);
    Option* Find(const std::string& name);
    std::string Text(const std::string& name);
    double Number(const std::string& name);
    void SetAreaRanges();
    void OnSourceChanged(SANE_Int* info);
    bool FeederSelected();
    bool DuplexSelected();

    ZooScanner& scanner_;
    std::vector<std::unique_ptr<Option>> options_;
    bool scanning_ = false;
    SANE_Parameters parameters_{};
    long long bytesLeft_ = 0;
    long long offset_ = 0;
};

// The sixteen emulated backends.
const std::vector<BackendProfile>& ZooBackends();
// Devices with values that are odd but legal: no source option, no grey
// mode, a scan area in pixels, a glass too short for Legal.
const std::vector<BackendProfile>& OddDevices();

}  // namespace quillon::testing
