// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainLayout.h"

#include <array>
#include <cmath>

namespace quillon {

namespace {

using K = ControlKind;

constexpr std::array<ControlLayout, 25> kControls{{
    {"btnScan", K::CommandButton, "SCAN", 6360, 240, 2535, 1575, ""},
    {"ChkTryADFFirst", K::CheckBox, "Try ADF First", 240, 240, 1335, 255,
     "Will try to feed from the ADF (if available) first, otherwise it will then try the flatbed."},
    {"ChkAllowMultiplePages", K::CheckBox, "Allow Multiple Pages", 1680, 240, 1815, 255,
     "Controls whether the ADF will scan all available pages or whether the user will be prompted to add "
     "additional pages."},
    {"TxtDPI", K::ComboBox, "", 1080, 840, 1695, 315, ""},
    {"Label1", K::Label, "DPI", 240, 840, 735, 255, "Sets the Initial Scan Quality."},
    {"TxtScanType", K::ComboBox, "", 4200, 840, 1935, 315, ""},
    {"Label2", K::Label, "Scan Type", 3000, 840, 1095, 255, "Sets the Scan Color Settings."},
    {"TxtDuplexSetting", K::ComboBox, "", 1080, 1200, 1695, 315, ""},
    {"Label3", K::Label, "Duplex", 240, 1200, 735, 255, "Sets the Sides of the Paper Scaned."},
    {"TxtPageRejectionCoverage", K::ComboBox, "", 4200, 1200, 1935, 315, ""},
    {"Label4", K::Label, "Page Rejection", 3000, 1200, 1095, 255,
     "Sets the percantage of ink coverage per page necessary to include the page."},
    {"LblText", K::Label, "", 120, 2280, 9015, 375, ""},
    {"LblCopyright", K::Label, "Quillon document scanner \xC2\xB7 v 1.07", 3720, 2760, 5535, 255, ""},
    {"ChkAutoCrop", K::CheckBox, "Auto Crop", 1680, 480, 1095, 315,
     "Automatically crops the excess area from the scan. (Used for photos only)"},
    {"ChkAutoDeskew", K::CheckBox, "Auto Deskew", 3600, 240, 1335, 255,
     "Will automatically rotate pages that are not aligned correctly in the scanner."},
    {"TxtFormat", K::ComboBox, "", 1080, 1560, 1695, 315, ""},
    {"Label5", K::Label, "Format", 240, 1560, 735, 255, "Sets the resulting file format."},
    {"ChkWIA", K::CheckBox, "WIA", 3600, 480, 735, 315,
     "Changes various internal settings to be work better with Windows Image Aquisition (WIA) scanners."},
    {"btnDefaults", K::CommandButton, "Defaults", 5040, 210, 855, 325, ""},
    {"ChkAutoContrast", K::CheckBox, "Auto Contrast", 240, 480, 1335, 315, "Automatically adjusts contrast levels."},
    {"TxtQuality", K::ComboBox, "", 4200, 1560, 1935, 315, ""},
    {"Label6", K::Label, "Quality (Size)", 3000, 1560, 1095, 255, "Sets the result file format compression."},
    {"TxtPaperSize", K::ComboBox, "", 1080, 1920, 1695, 315, ""},
    {"Label7", K::Label, "Paper Size", 240, 1920, 975, 255, ""},
    // Added below SCAN: one file per document of a batch.
    {"ChkSplitDocuments", K::CheckBox, "Split at Separator Sheets", 6360, 1920, 2535, 315,
     "Starts a new file at each separator sheet in the stack: a printed Patch T sheet, or the sheet that "
     "quillon-scan --print-separator makes. The separator sheets themselves are not kept."},
}};

}  // namespace

std::span<const ControlLayout> MainControls() { return kControls; }

int TwipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / 1440.0));
}

}  // namespace quillon
