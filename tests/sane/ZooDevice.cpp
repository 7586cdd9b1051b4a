// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZooDevice.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quillon::testing {

namespace {

constexpr double kMmPerInch = 25.4;

bool Contains(const std::string& text, const char* word) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower.find(word) != std::string::npos;
}

}  // namespace

ZooDevice::Option& ZooDevice::Add(const std::string& name, SANE_Value_Type type, SANE_Unit unit) {
    auto option = std::make_unique<Option>();
    option->name = name;
    SANE_Option_Descriptor& d = option->descriptor;
    d.type = type;
    d.unit = unit;
    d.size = sizeof(SANE_Word);
    d.cap = SANE_CAP_SOFT_SELECT | SANE_CAP_SOFT_DETECT;
    options_.push_back(std::move(option));
    Option& added = *options_.back();
    added.descriptor.name = added.name.c_str();
    added.descriptor.title = added.name.c_str();
    added.descriptor.desc = "";
    return added;
}

void ZooDevice::AddStringList(const std::string& name, const std::vector<std::string>& values) {
    Option& option = Add(name, SANE_TYPE_STRING, SANE_UNIT_NONE);
    option.strings = values;
    for (const std::string& value : option.strings) option.list.push_back(value.c_str());
    option.list.push_back(nullptr);
    option.descriptor.constraint_type = SANE_CONSTRAINT_STRING_LIST;
    option.descriptor.constraint.string_list = option.list.data();
    std::size_t longest = 1;
    for (const std::string& value : values) longest = std::max(longest, value.size() + 1);
    option.descriptor.size = static_cast<SANE_Int>(longest);
    option.text = values.empty() ? std::string() : values.front();
}

ZooDevice::ZooDevice(ZooScanner& scanner) : scanner_(scanner) {
    ++scanner_.opens;
    const BackendProfile& profile = scanner_.profile;
    Add("", SANE_TYPE_INT, SANE_UNIT_NONE).descriptor.cap = SANE_CAP_SOFT_DETECT;  // option 0: the count
    if (!profile.sources.empty()) AddStringList("source", profile.sources);
    AddStringList("mode", profile.modes);
    Option& resolution = Add("resolution", SANE_TYPE_INT, SANE_UNIT_DPI);
    if (!profile.resolutions.empty()) {
        resolution.words.push_back(static_cast<SANE_Word>(profile.resolutions.size()));
        resolution.words.insert(resolution.words.end(), profile.resolutions.begin(), profile.resolutions.end());
        resolution.descriptor.constraint_type = SANE_CONSTRAINT_WORD_LIST;
        resolution.descriptor.constraint.word_list = resolution.words.data();
        resolution.word = profile.resolutions.front();
    } else {
        resolution.range = {profile.resolutionMin, profile.resolutionMax, 1};
        resolution.descriptor.constraint_type = SANE_CONSTRAINT_RANGE;
        resolution.descriptor.constraint.range = &resolution.range;
        resolution.word = profile.resolutionMin;
    }
    const SANE_Value_Type geometryType = profile.geometryInPixels ? SANE_TYPE_INT : SANE_TYPE_FIXED;
    const SANE_Unit geometryUnit = profile.geometryInPixels ? SANE_UNIT_PIXEL : SANE_UNIT_MM;
    for (const char* name : {"tl-x", "tl-y", "br-x", "br-y"}) {
        Option& option = Add(name, geometryType, geometryUnit);
        option.descriptor.constraint_type = SANE_CONSTRAINT_RANGE;
        option.descriptor.constraint.range = &option.range;
    }
    if (profile.pageSizeOptions)
        for (const char* name : {"page-width", "page-height"}) {
            Option& option = Add(name, SANE_TYPE_FIXED, SANE_UNIT_MM);
            option.descriptor.constraint_type = SANE_CONSTRAINT_RANGE;
            option.descriptor.constraint.range = &option.range;
        }
    if (profile.duplexOption && std::strcmp(profile.duplexOption, "adf-mode") == 0) AddStringList("adf-mode", profile.adfModes);
    if (profile.duplexOption && std::strcmp(profile.duplexOption, "duplex") == 0) Add("duplex", SANE_TYPE_BOOL, SANE_UNIT_NONE);
    if (profile.sensor) Add(profile.sensor, SANE_TYPE_BOOL, SANE_UNIT_NONE).descriptor.cap = SANE_CAP_HARD_SELECT | SANE_CAP_SOFT_DETECT;
    options_.front()->word = static_cast<SANE_Word>(options_.size());
    SetAreaRanges();
    for (const char* name : {"br-x", "br-y", "page-width", "page-height"})
        if (Option* option = Find(name)) option->word = option->range.max;  // the whole area at first
}

ZooDevice::Option* ZooDevice::Find(const std::string& name) {
    for (auto& option : options_)
        if (option->name == name) return option.get();
    return nullptr;
}

std::string ZooDevice::Text(const std::string& name) {
    Option* option = Find(name);
    return option ? option->text : std::string();
}

double ZooDevice::Number(const std::string& name) {
    Option* option = Find(name);
    if (!option) return 0;
    return option->descriptor.type == SANE_TYPE_FIXED ? SANE_UNFIX(option->word) : option->word;
}

bool ZooDevice::FeederSelected() {
    if (!Find("source")) return false;  // no choice of source: a flatbed
    const std::string source = Text("source");
    return !Contains(source, "flatbed") && !Contains(source, "normal") && source != "fb" &&
           !Contains(source, "transparency") && !Contains(source, "card");
}

bool ZooDevice::DuplexSelected() {
    if (Contains(Text("source"), "duplex")) return true;
    if (Contains(Text("adf-mode"), "duplex")) return true;
    Option* duplex = Find("duplex");
    return duplex && duplex->word == SANE_TRUE;
}

// The ranges of the scan area follow the source: a feeder often takes longer
// paper than the glass.
void ZooDevice::SetAreaRanges() {
    const auto& areas = scanner_.profile.areaMm;
    auto area = areas.find(Find("source") ? Text("source") : std::string());
    if (area == areas.end()) area = areas.begin();
    const double dpi = std::max(1.0, Number("resolution"));
    for (const char* name : {"tl-x", "br-x", "tl-y", "br-y", "page-width", "page-height"}) {
        Option* option = Find(name);
        if (!option) continue;
        const bool across = name[std::strlen(name) - 1] == 'x' || std::strcmp(name, "page-width") == 0;
        const double mm = across ? area->second.first : area->second.second;
        if (option->descriptor.type == SANE_TYPE_FIXED)
            option->range = {0, SANE_FIX(mm), 0};
        else
            option->range = {0, static_cast<SANE_Word>(std::lround(mm / kMmPerInch * dpi)), 1};
        option->word = std::clamp(option->word, option->range.min, option->range.max);
    }
}

void ZooDevice::OnSourceChanged(SANE_Int* info) {
    const BackendProfile& profile = scanner_.profile;
    SetAreaRanges();
    if (profile.sourceResetsArea)
        for (const char* name : {"br-x", "br-y"}) Find(name)->word = Find(name)->range.max;
    if (profile.sourceResetsModeAndResolution) {
        Option* mode = Find("mode");
        for (const std::string& value : mode->strings)
            if (Contains(value, "color")) mode->text = value;
        Option* resolution = Find("resolution");
        resolution->word = profile.resolutions.empty() ? profile.resolutionMin : profile.resolutions.front();
    }
    if (info) *info |= SANE_INFO_RELOAD_OPTIONS | SANE_INFO_RELOAD_PARAMS;
}

const SANE_Option_Descriptor* ZooDevice::Descriptor(int index) {
    if (index < 0 || index >= OptionCount()) return nullptr;
    Option& option = *options_[static_cast<std::size_t>(index)];
    // The sensor is active only where it means something: on a feeder.
    if (scanner_.profile.sensor && option.name == scanner_.profile.sensor) {
        if (FeederSelected()) option.descriptor.cap &= ~SANE_CAP_INACTIVE;
        else option.descriptor.cap |= SANE_CAP_INACTIVE;
    }
    return &option.descriptor;
}

SANE_Status ZooDevice::Control(int index, SANE_Action action, void* value, SANE_Int* info) {
    if (info) *info = 0;
    if (index < 0 || index >= OptionCount()) return SANE_STATUS_INVAL;
    if (scanning_) return SANE_STATUS_DEVICE_BUSY;  // as many backends answer while a page is started
    Option& option = *options_[static_cast<std::size_t>(index)];
    const SANE_Option_Descriptor& d = *Descriptor(index);
    if (action == SANE_ACTION_GET_VALUE) {
        if (d.cap & SANE_CAP_INACTIVE) return SANE_STATUS_INVAL;
        if (scanner_.profile.sensor && option.name == scanner_.profile.sensor) {
            *static_cast<SANE_Bool*>(value) =
                scanner_.sheetsInFeeder > 0 || scanner_.sensorAlwaysLoaded ? SANE_TRUE : SANE_FALSE;
        } else if (d.type == SANE_TYPE_STRING) {
            std::strcpy(static_cast<char*>(value), option.text.c_str());
        } else {
            *static_cast<SANE_Word*>(value) = option.word;
        }
        return SANE_STATUS_GOOD;
    }
    if (action != SANE_ACTION_SET_VALUE || !SANE_OPTION_IS_SETTABLE(d.cap) || (d.cap & SANE_CAP_INACTIVE))
        return SANE_STATUS_INVAL;
    if (d.type == SANE_TYPE_STRING) {
        const std::string text(static_cast<const char*>(value));
        if (std::find(option.strings.begin(), option.strings.end(), text) == option.strings.end()) return SANE_STATUS_INVAL;
        option.text = text;
        if (option.name == "source") OnSourceChanged(info);
        return SANE_STATUS_GOOD;
    }
    SANE_Word word = *static_cast<const SANE_Word*>(value);
    if (d.constraint_type == SANE_CONSTRAINT_RANGE) {
        word = std::clamp(word, option.range.min, option.range.max);
    } else if (d.constraint_type == SANE_CONSTRAINT_WORD_LIST) {
        const auto end = option.words.begin() + 1 + option.words.front();
        if (std::find(option.words.begin() + 1, end, word) == end) return SANE_STATUS_INVAL;
    }
    if (word != *static_cast<const SANE_Word*>(value) && info) *info |= SANE_INFO_INEXACT;
    option.word = word;
    if (option.name == "resolution") SetAreaRanges();  // a range in pixels follows the resolution
    return SANE_STATUS_GOOD;
}

SANE_Status ZooDevice::Start() {
    if (FeederSelected()) {
        // A sheet gives one page, or two in duplex, back after front.
        const int perSheet = DuplexSelected() ? 2 : 1;
        const int pageOfSheet = scanner_.pagesDelivered % perSheet;
        if (pageOfSheet == 0) {
            if (scanner_.sheetsInFeeder == 0) return SANE_STATUS_NO_DOCS;
            --scanner_.sheetsInFeeder;
        }
    }
    ++scanner_.pagesDelivered;
    const std::string mode = Text("mode");
    const bool lineart = Contains(mode, "lineart") || mode == "bw" || Contains(mode, "binary");
    const bool grey = Contains(mode, "gray") || Contains(mode, "grey") ||
                      (lineart && FeederSelected() && scanner_.profile.feederHasNoLineart);
    const bool colour = !lineart && !grey;
    const double dpi = Number("resolution");
    const auto pixels = [&](const char* low, const char* high) {
        const double span = Number(high) - Number(low);
        return static_cast<SANE_Int>(scanner_.profile.geometryInPixels ? std::lround(span)
                                                                    : std::floor(span / kMmPerInch * dpi));
    };
    parameters_ = {};
    parameters_.format = colour ? SANE_FRAME_RGB : SANE_FRAME_GRAY;
    parameters_.last_frame = SANE_TRUE;
    parameters_.pixels_per_line = pixels("tl-x", "br-x");
    parameters_.lines = pixels("tl-y", "br-y");
    parameters_.depth = grey || colour ? 8 : 1;
    parameters_.bytes_per_line =
        parameters_.depth == 1 ? (parameters_.pixels_per_line + 7) / 8 : parameters_.pixels_per_line * (colour ? 3 : 1);
    if (parameters_.pixels_per_line <= 0 || parameters_.lines <= 0) return SANE_STATUS_INVAL;
    bytesLeft_ = static_cast<long long>(parameters_.bytes_per_line) * parameters_.lines;
    offset_ = 0;
    scanning_ = true;
    return SANE_STATUS_GOOD;
}

SANE_Status ZooDevice::GetParameters(SANE_Parameters& parameters) {
    parameters = parameters_;
    return SANE_STATUS_GOOD;
}

// A white page with a band of dark lines near its top: ink the blank test sees.
SANE_Status ZooDevice::Read(SANE_Byte* data, SANE_Int maxLength, SANE_Int* length) {
    *length = 0;
    if (!scanning_) return SANE_STATUS_CANCELLED;
    if (bytesLeft_ == 0) {
        scanning_ = false;
        return SANE_STATUS_EOF;
    }
    const SANE_Int count = static_cast<SANE_Int>(std::min<long long>(maxLength, bytesLeft_));
    const bool mono = parameters_.depth == 1;
    for (SANE_Int i = 0; i < count; ++i) {
        const long long line = (offset_ + i) / parameters_.bytes_per_line;
        const bool ink = line % 20 < 4 && line < parameters_.lines / 3;
        data[i] = mono ? (ink ? 0xFF : 0x00) : (ink ? 0x10 : 0xF0);  // in SANE's black and white, 1 is black
    }
    offset_ += count;
    bytesLeft_ -= count;
    *length = count;
    return SANE_STATUS_GOOD;
}

}  // namespace quillon::testing
