// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/OptionControls.h"

#include <QString>

namespace quillon {

// The working values of one scan, read from the option controls when SCAN is pressed.
struct ScanJob {
    bool tryFeederFirst = false;
    int autoCrop = 0;
    int autoDeskew = 0;
    int autoContrast = 0;
    int duplexIndex = -1;  // forced to 0 for JPEG and PNG output
    double blankThreshold = 0;
    int dpi = 0;
    bool allowMultiplePages = false;
    int pixelType = -1;
    bool wia = false;
    bool hideSourceUI = true;
    QString extension;
    bool searchable = false;  // a PDF with the pages' text
    int paperSizeCode = -1;  // -1: no paper size is sent
    int jpegQuality = 75;
    bool compactPages = false;
    bool splitDocuments = false;  // one file per document, at separator sheets (multiple pages only)
    bool reviewPages = false;     // the pages shown to the user before they are saved (multiple pages only)
    QString outputPath;
    QString sourceName;

    // Reads the controls in the job's order. A text that is no number (an empty
    // resolution, say) throws a Failure.
    static ScanJob FromControls(const OptionControls& controls);
};

// The user's text as a number, with the user's decimal separator or a point.
double TextToDouble(const QString& text);
// The same, rounded to a whole 32-bit number (halves to even).
int TextToInt32(const QString& text);

// The format's extension by its position in the format list (".pdf" when none is selected).
QString ExtensionOfFormat(int formatIndex);
// The paper-size code by its position in the list; -1 for "Default" and anything else.
int PaperSizeCodeOf(int paperIndex);
// The JPEG quality by its position in the quality list; 75 when none is selected.
int JpegQualityOf(int qualityIndex);

}  // namespace quillon
