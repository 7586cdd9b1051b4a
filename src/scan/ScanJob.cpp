#include "scan/ScanJob.h"

#include "scan/modCapture.h"
#include "support/ErrorReport.h"

#include <QLocale>

#include <array>
#include <cmath>
#include <limits>

namespace quillon {

namespace {

constexpr int kFailureOverflow = 6;
constexpr int kFormatJpeg = 0;
constexpr int kFormatPng = 2;

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
        throw Failure(kFailureOverflow, QStringLiteral("Overflow: \"%1\" is too large a number.").arg(text));
    return static_cast<int>(rounded);
}

QString ExtensionOfFormat(int formatIndex) {
    static const std::array<const char*, 4> kExtensions{".jpg", ".pdf", ".png", ".tiff"};
    if (formatIndex < 0 || formatIndex >= static_cast<int>(kExtensions.size())) return QStringLiteral(".pdf");
    return QString::fromLatin1(kExtensions[formatIndex]);
}

int PaperSizeCodeOf(int paperIndex) {
    switch (paperIndex) {
        case 1: return kPaperUsLetter;
        case 2: return kPaperUsLegal;
        default: return -1;
    }
}

int JpegQualityOf(int qualityIndex) {
    static const std::array<int, 6> kQualities{1, 25, 50, 75, 90, 100};
    if (qualityIndex < 0 || qualityIndex >= static_cast<int>(kQualities.size())) return 75;
    return kQualities[qualityIndex];
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
    if (format == kFormatJpeg || format == kFormatPng) job.duplexIndex = 0;  // single images are one-sided
    job.paperSizeCode = PaperSizeCodeOf(controls.SelectedIndex(OptionId::PaperSize));
    job.jpegQuality = JpegQualityOf(controls.SelectedIndex(OptionId::Quality));
    return job;
}

}  // namespace quillon
