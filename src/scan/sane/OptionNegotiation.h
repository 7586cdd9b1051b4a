// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/PaperDimensions.h"
#include "scan/imaging/pages/ConformPage.h"

#include <optional>

namespace quillon {

class SaneOptions;
class ScannerLog;

// What the job asked of the scanner (mode, resolution, paper, the automatic
// functions), set through the device's options. It is kept and applied
// again after every change of source, since many backends reset it then
// (airscan the scan area, pixma and HPLIP mode and resolution). Descriptors
// are looked up afresh on every call, so a set that answers
// SANE_INFO_RELOAD_OPTIONS is always followed by new ones. What the device
// cannot do is left to the page's own processing.
class OptionNegotiation {
public:
    explicit OptionNegotiation(ScannerLog& log) : log_(log) {}

    // A device opened: nothing asked of it yet.
    void Forget() {
        request_ = {};
        wantContrast_ = wantCrop_ = wantDeskew_ = false;
        deviceContrast_ = deviceCrop_ = deviceDeskew_ = false;
    }
    // Everything asked so far, again.
    void ApplyAll(SaneOptions& options);

    // A mode the device lacks is no failure: the page is converted here.
    void SetPixelType(SaneOptions& options, int pixelType);
    // The resolution the device took, if it tells.
    std::optional<double> SetResolution(SaneOptions& options, double dpi);
    // Whether the device took the scan area, wholly or in part.
    bool SetPaper(SaneOptions& options, const PaperDimensions& paper);
    // The automatic functions: by the device where it offers them (said by
    // deviceContrast() and the others), else by the page's processing.
    void SetEnhancements(SaneOptions& options, bool contrast, bool crop, bool deskew) {
        wantContrast_ = contrast, wantCrop_ = crop, wantDeskew_ = deskew;
        ApplyEnhancements(options);
    }
    bool deviceContrast() const { return deviceContrast_; }
    bool deviceCrop() const { return deviceCrop_; }
    bool deviceDeskew() const { return deviceDeskew_; }

    // The device's resolution now, which is what its next page will have.
    int DeviceResolution(const SaneOptions* options) const;
    // What the page must be, where the device could not make it so.
    const PageRequest& page() const { return request_; }

private:
    bool ApplyMode(SaneOptions& options);
    std::optional<double> ApplyResolution(SaneOptions& options);
    bool ApplyPaper(SaneOptions& options);
    void ApplyEnhancements(SaneOptions& options);

    ScannerLog& log_;
    PageRequest request_;
    bool wantContrast_ = false, wantCrop_ = false, wantDeskew_ = false;
    bool deviceContrast_ = false, deviceCrop_ = false, deviceDeskew_ = false;
};

}  // namespace quillon
