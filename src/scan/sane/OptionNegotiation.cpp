// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/OptionNegotiation.h"

#include "scan/sane/SaneOptions.h"
#include "scan/ScannerLog.h"

#include <array>
#include <cmath>

namespace quillon {

namespace {

// Options through which backends apply their own cropping, deskewing and contrast.
constexpr std::array<const char*, 3> kDeviceCrop{"swcrop", "auto-crop", "autocrop"};
constexpr std::array<const char*, 3> kDeviceDeskew{"swdeskew", "auto-deskew", "deskew"};
constexpr std::array<const char*, 3> kDeviceContrast{"auto-contrast", "autocontrast", "auto-levels"};

template <std::size_t N>
const char* FirstSettable(const SaneOptions& options, const std::array<const char*, N>& names) {
    for (const char* name : names)
        if (options.IsSettable(name)) return name;
    return nullptr;
}

}  // namespace

void OptionNegotiation::ApplyAll(SaneOptions& options) {
    if (request_.pixelType >= 0) ApplyMode(options);
    if (request_.dpi > 0) ApplyResolution(options);
    if (request_.widthMm > 0) ApplyPaper(options);
    ApplyEnhancements(options);
}

void OptionNegotiation::SetPixelType(SaneOptions& options, int pixelType) {
    request_.pixelType = pixelType;
    ApplyMode(options);
}

std::optional<double> OptionNegotiation::SetResolution(SaneOptions& options, double dpi) {
    request_.dpi = static_cast<int>(std::lround(dpi));
    return ApplyResolution(options);
}

bool OptionNegotiation::SetPaper(SaneOptions& options, const PaperDimensions& paper) {
    request_.widthMm = paper.widthMm;
    request_.heightMm = paper.heightMm;
    return ApplyPaper(options);
}

bool OptionNegotiation::ApplyMode(SaneOptions& options) {
    const int pixelType = request_.pixelType;
    const QStringList modes = options.Choices("mode");
    QString mode = MatchMode(modes, pixelType);
    // Without the mode asked, the nearest richer one; the page is converted here.
    for (int richer = pixelType + 1; mode.isEmpty() && richer <= 2; ++richer) mode = MatchMode(modes, richer);
    const bool done = mode.isEmpty() ? !options.Exists("mode") : options.SetString("mode", mode);
    const bool lineart = !mode.isEmpty() && MatchMode({mode}, 0) == mode;
    if (options.IsSettable("depth")) {
        // Black and white from a device without a lineart mode: its grey at
        // one bit, where it offers that, rather than grey thresholded here.
        const std::optional<double> depth = options.SetNumber("depth", lineart || pixelType == 0 ? 1 : 8);
        if (!lineart && pixelType == 0 && (!depth || *depth != 1)) options.SetNumber("depth", 8);
    }
    log_.Write(QStringLiteral("mode %1 for %2%3").arg(mode).arg(pixelType).arg(done ? "" : " refused"));
    return done;
}

std::optional<double> OptionNegotiation::ApplyResolution(SaneOptions& options) {
    const double dpi = request_.dpi;
    std::optional<double> actual = options.SetNumber("resolution", dpi);
    if (!actual) {
        actual = options.SetNumber("x-resolution", dpi);
        options.SetNumber("y-resolution", dpi);
    }
    if (!actual) actual = options.GetNumber("resolution");
    if (actual && std::lround(*actual) != std::lround(dpi))
        log_.Write(QStringLiteral("resolution %1 asked, %2 given: resampled here").arg(dpi).arg(*actual));
    return actual;
}

int OptionNegotiation::DeviceResolution(const SaneOptions* options) const {
    std::optional<double> dpi = options ? options->GetNumber("resolution") : std::nullopt;
    if (!dpi && options) dpi = options->GetNumber("x-resolution");
    return dpi ? static_cast<int>(std::lround(*dpi)) : request_.dpi;
}

bool OptionNegotiation::ApplyPaper(SaneOptions& options) {
    const double heightMm = request_.heightMm, widthMm = request_.widthMm;
    const int dpi = DeviceResolution(&options) > 0 ? DeviceResolution(&options) : 300;
    // Geometry in the option's own unit (millimetres, or pixels at the
    // resolution), within the range the current source reports.
    const auto inUnit = [&](const char* name, double mm) {
        return options.Unit(name) == SANE_UNIT_PIXEL ? mm / 25.4 * dpi : mm;
    };
    if (options.IsSettable("page-width")) options.SetNumber("page-width", inUnit("page-width", widthMm));
    if (options.IsSettable("page-height")) options.SetNumber("page-height", inUnit("page-height", heightMm));
    options.SetNumber("tl-x", 0);
    options.SetNumber("tl-y", 0);
    const std::optional<double> width = options.SetNumber("br-x", inUnit("br-x", widthMm));
    const std::optional<double> height = options.SetNumber("br-y", inUnit("br-y", heightMm));
    const bool exact = width && height && std::fabs(*width - inUnit("br-x", widthMm)) < 1.0 &&
                       std::fabs(*height - inUnit("br-y", heightMm)) < 1.0;
    if (!exact) log_.Write(QStringLiteral("paper %1 x %2 mm only in part: the page is completed here").arg(widthMm).arg(heightMm));
    return width && height;
}

void OptionNegotiation::ApplyEnhancements(SaneOptions& options) {
    const auto apply = [&](const auto& deviceOptions, bool wanted, bool& byDevice) {
        const char* option = FirstSettable(options, deviceOptions);
        byDevice = option && options.SetBool(option, wanted) && wanted;
    };
    apply(kDeviceContrast, wantContrast_, deviceContrast_);
    apply(kDeviceCrop, wantCrop_, deviceCrop_);
    apply(kDeviceDeskew, wantDeskew_, deviceDeskew_);
}

}  // namespace quillon
