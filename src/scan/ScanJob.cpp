// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/ScanJob.h"

#include "scan/ScannerLibrary.h"
#include "settings/SettingsCatalogue.h"
#include "support/ErrorReport.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <limits>

namespace quillon {

static_assert(kPaperA4 == 1 && kPaperUsLetter == 3 && kPaperUsLegal == 4 && kPaperA5 == 5,
              "the catalogue's paper codes are the library's");

namespace {

constexpr int kFailureOverflow = 6;
constexpr int kDefaultJpegQuality = 75;

}  // namespace

double TextToDouble(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    double number = QLocale().toDouble(trimmed, &ok);
    if (!ok) number = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(number)) ThrowTypeMismatch(text);
    return number;
}

int TextToInt32(const QString& text) {
    const double rounded = std::nearbyint(TextToDouble(text));
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        throw Failure(kFailureOverflow,
                      QCoreApplication::translate("ErrorReport", "Overflow: \"%1\" is too large a number.").arg(text));
    return static_cast<int>(rounded);
}

QString ExtensionOfFormat(int formatIndex) {
    const FormatItem* format = FormatAt(formatIndex);
    return QString::fromLatin1(format ? format->extension : ".pdf");
}

int PaperSizeCodeOf(int paperIndex) {
    const PaperSizeItem* paper = PaperSizeAt(paperIndex);
    return paper ? paper->paperCode : -1;
}

int JpegQualityOf(int qualityIndex) {
    const QualityItem* quality = QualityAt(qualityIndex);
    return quality ? quality->jpegQuality : kDefaultJpegQuality;
}

ScanJob ScanJob::FromControls(const OptionControls& controls) {
    ScanJob job;
    job.tryFeederFirst = controls.CheckState(OptionId::TryADFFirst) != 0;
    job.autoCrop = controls.CheckState(OptionId::AutoCrop);
    job.autoDeskew = controls.CheckState(OptionId::AutoDeskew);
    job.autoContrast = controls.CheckState(OptionId::AutoContrast);
    job.duplexIndex = controls.SelectedIndex(OptionId::DuplexSetting);
    job.blankThreshold = TextToDouble(controls.EditText(OptionId::PageRejectionCoverage));
    job.dpi = TextToInt32(controls.EditText(OptionId::DPI));
    job.allowMultiplePages = controls.CheckState(OptionId::AllowMultiplePages) != 0;
    job.pixelType = controls.SelectedIndex(OptionId::ScanType);
    job.wia = controls.CheckState(OptionId::WIA) == 1;
    job.hideSourceUI = !job.wia;
    const int format = controls.SelectedIndex(OptionId::Format);
    job.extension = ExtensionOfFormat(format);
    job.searchable = FormatAt(format) && FormatAt(format)->searchable;
    if (FormatAt(format) && !FormatAt(format)->multiPage) job.duplexIndex = 0;  // single images are one-sided
    job.paperSizeCode = PaperSizeCodeOf(controls.SelectedIndex(OptionId::PaperSize));
    job.jpegQuality = JpegQualityOf(controls.SelectedIndex(OptionId::Quality));
    const QualityItem* quality = QualityAt(controls.SelectedIndex(OptionId::Quality));
    job.compactPages = quality && quality->compactPages;
    job.splitDocuments = controls.CheckState(OptionId::SplitDocuments) == 1 && job.allowMultiplePages && !job.wia;
    job.reviewPages = controls.CheckState(OptionId::ReviewPages) == 1 && job.allowMultiplePages && !job.wia;
    return job;
}

}  // namespace quillon
