// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainLayout.h"

#include <QtGlobal>

#include <array>
#include <cmath>

namespace quillon {

namespace {

using K = ControlKind;

// The captions and tooltips are the English texts, translated where the window shows them.

constexpr std::array<ControlLayout, 26> kControls{{
    {"btnScan", K::CommandButton, QT_TRANSLATE_NOOP("quillon::Main", "SCAN"), 6360, 240, 2535, 1575, ""},
    {"ChkTryADFFirst", K::CheckBox, QT_TRANSLATE_NOOP("quillon::Main", "Try ADF First"), 240, 240, 1335, 255,
     QT_TRANSLATE_NOOP("quillon::Main", "Will try to feed from the ADF (if available) first, otherwise it will then try the flatbed.")},
    {"ChkAllowMultiplePages", K::CheckBox, QT_TRANSLATE_NOOP("quillon::Main", "Allow Multiple Pages"), 1680, 240, 1815, 255,
     QT_TRANSLATE_NOOP("quillon::Main", "Controls whether the ADF will scan all available pages or whether the user will be prompted to add "
     "additional pages.")},
    {"TxtDPI", K::ComboBox, "", 1080, 840, 1695, 315, ""},
    {"Label1", K::Label, QT_TRANSLATE_NOOP("quillon::Main", "DPI"), 240, 840, 735, 255, QT_TRANSLATE_NOOP("quillon::Main", "Sets the Initial Scan Quality.")},
    {"TxtScanType", K::ComboBox, "", 4200, 840, 1935, 315, ""},
    {"Label2", K::Label, QT_TRANSLATE_NOOP("quillon::Main", "Scan Type"), 3000, 840, 1095, 255, QT_TRANSLATE_NOOP("quillon::Main", "Sets the Scan Color Settings.")},
    {"TxtDuplexSetting", K::ComboBox, "", 1080, 1200, 1695, 315, ""},
    {"Label3", K::Label, QT_TRANSLATE_NOOP("quillon::Main", "Duplex"), 240, 1200, 735, 255, QT_TRANSLATE_NOOP("quillon::Main", "Sets the Sides of the Paper Scaned.")},
    {"TxtPageRejectionCoverage", K::ComboBox, "", 4200, 1200, 1935, 315, ""},
    {"Label4", K::Label, QT_TRANSLATE_NOOP("quillon::Main", "Page Rejection"), 3000, 1200, 1095, 255,
     QT_TRANSLATE_NOOP("quillon::Main", "Sets the percantage of ink coverage per page necessary to include the page.")},
    {"LblText", K::Label, "", 120, 2600, 9015, 375, ""},
    {"LblCopyright", K::Label, QT_TRANSLATE_NOOP("quillon::Main", "Quillon document scanner \xC2\xB7 v 1.07"), 3720, 3080, 5535, 255, ""},
    {"ChkAutoCrop", K::CheckBox, QT_TRANSLATE_NOOP("quillon::Main", "Auto Crop"), 1680, 480, 1095, 315,
     QT_TRANSLATE_NOOP("quillon::Main", "Automatically crops the excess area from the scan. (Used for photos only)")},
    {"ChkAutoDeskew", K::CheckBox, QT_TRANSLATE_NOOP("quillon::Main", "Auto Deskew"), 3600, 240, 1335, 255,
     QT_TRANSLATE_NOOP("quillon::Main", "Will automatically rotate pages that are not aligned correctly in the scanner.")},
    {"TxtFormat", K::ComboBox, "", 1080, 1560, 1695, 315, ""},
    {"Label5", K::Label, QT_TRANSLATE_NOOP("quillon::Main", "Format"), 240, 1560, 735, 255, QT_TRANSLATE_NOOP("quillon::Main", "Sets the resulting file format.")},
    {"ChkWIA", K::CheckBox, QT_TRANSLATE_NOOP("quillon::Main", "WIA"), 3600, 480, 735, 315,
     QT_TRANSLATE_NOOP("quillon::Main", "Changes various internal settings to be work better with Windows Image Aquisition (WIA) scanners.")},
    {"btnDefaults", K::CommandButton, QT_TRANSLATE_NOOP("quillon::Main", "Defaults"), 5040, 210, 855, 325, ""},
    {"ChkAutoContrast", K::CheckBox, QT_TRANSLATE_NOOP("quillon::Main", "Auto Contrast"), 240, 480, 1335, 315, QT_TRANSLATE_NOOP("quillon::Main", "Automatically adjusts contrast levels.")},
    {"TxtQuality", K::ComboBox, "", 4200, 1560, 1935, 315, ""},
    {"Label6", K::Label, QT_TRANSLATE_NOOP("quillon::Main", "Quality (Size)"), 3000, 1560, 1095, 255, QT_TRANSLATE_NOOP("quillon::Main", "Sets the result file format compression.")},
    {"TxtPaperSize", K::ComboBox, "", 1080, 1920, 1695, 315, ""},
    {"Label7", K::Label, QT_TRANSLATE_NOOP("quillon::Main", "Paper Size"), 240, 1920, 975, 255, ""},
    // Added below SCAN: one file per document of a batch.
    {"ChkSplitDocuments", K::CheckBox, QT_TRANSLATE_NOOP("quillon::Main", "Split at Separator Sheets"), 6360, 1920, 2535, 315,
     QT_TRANSLATE_NOOP("quillon::Main", "Starts a new file at each separator sheet in the stack: a printed Patch T sheet, or the sheet that "
     "quillon-scan --print-separator makes. The separator sheets themselves are not kept.")},
    // Below it: the pages shown before they are saved.
    {"ChkReviewPages", K::CheckBox, QT_TRANSLATE_NOOP("quillon::Main", "Review Pages Before Saving"), 6360, 2235, 2535, 315,
     QT_TRANSLATE_NOOP("quillon::Main", "Shows the scanned pages before the file is written: turn, delete, reorder or keep "
     "pages the blank test left out, and scan more.")},
}};

}  // namespace

std::span<const ControlLayout> MainControls() { return kControls; }

int TwipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / 1440.0));
}

}  // namespace quillon
