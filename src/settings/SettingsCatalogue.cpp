// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsCatalogue.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace quillon {

namespace {

constexpr std::array<OptionSpec, kOptionCount> kOptions{{
    {OptionId::ScanType, "ScanType", "TxtScanType", OptionKind::List, 1},
    {OptionId::DPI, "DPI", "TxtDPI", OptionKind::List, 3},
    {OptionId::DuplexSetting, "DuplexSetting", "TxtDuplexSetting", OptionKind::List, 1},
    {OptionId::PageRejectionCoverage, "PageRejectionCoverage", "TxtPageRejectionCoverage", OptionKind::List, 0},
    {OptionId::Format, "Format", "TxtFormat", OptionKind::List, 1},
    {OptionId::PaperSize, "PaperSize", "TxtPaperSize", OptionKind::List, 0},
    {OptionId::Quality, "Quality", "TxtQuality", OptionKind::List, 3},
    {OptionId::AllowMultiplePages, "AllowMultiplePages", "ChkAllowMultiplePages", OptionKind::Check, 1},
    {OptionId::TryADFFirst, "TryADFFirst", "ChkTryADFFirst", OptionKind::Check, 1},
    {OptionId::AutoCrop, "AutoCrop", "ChkAutoCrop", OptionKind::Check, 0},
    {OptionId::AutoDeskew, "AutoDeskew", "ChkAutoDeskew", OptionKind::Check, 0},
    {OptionId::AutoContrast, "AutoContrast", "ChkAutoContrast", OptionKind::Check, 1},
    {OptionId::WIA, "WIA", "ChkWIA", OptionKind::Check, 0},
    {OptionId::SplitDocuments, "SplitDocuments", "ChkSplitDocuments", OptionKind::Check, 0},
    {OptionId::ReviewPages, "ReviewPages", "ChkReviewPages", OptionKind::Check, 0},
}};

constexpr std::array<OptionId, 14> kResetByDefaults{
    OptionId::AutoCrop,     OptionId::AutoDeskew,    OptionId::WIA,
    OptionId::DPI,          OptionId::Quality,       OptionId::DuplexSetting,
    OptionId::Format,       OptionId::PageRejectionCoverage, OptionId::ScanType,
    OptionId::AllowMultiplePages, OptionId::TryADFFirst, OptionId::AutoContrast, OptionId::SplitDocuments,
    OptionId::ReviewPages,
};

// New formats go at the end: stored positions keep their meaning.
constexpr std::array<FormatItem, 5> kFormats{{
    {"JPEG", ".jpg", false, false},
    {"PDF", ".pdf", true, false},
    {"PNG", ".png", false, false},
    {"TIFF", ".tiff", true, false},
    {QT_TRANSLATE_NOOP("Settings", "Searchable PDF"), ".pdf", true, true},
}};

// The other spellings of the catalogue's file extensions that files carry.
constexpr std::pair<const char*, const char*> kOtherSpellings[] = {{".jpeg", ".jpg"}, {".tif", ".tiff"}};

// New qualities go at the end: stored positions keep their meaning.
constexpr std::array<QualityItem, 7> kQualities{{
    {QT_TRANSLATE_NOOP("Settings", "Poor - Smallest Size"), 1},
    {QT_TRANSLATE_NOOP("Settings", "Low"), 25},
    {QT_TRANSLATE_NOOP("Settings", "Moderate"), 50},
    {QT_TRANSLATE_NOOP("Settings", "Good - Default"), 75},
    {QT_TRANSLATE_NOOP("Settings", "High"), 90},
    {QT_TRANSLATE_NOOP("Settings", "Highest - Largest Size"), 100},
    {QT_TRANSLATE_NOOP("Settings", "Compact - Text Pages"), 75, true},
}};

// Paper codes as scanners number them: 1 A4, 3 US Letter, 4 US Legal, 5 A5.
// New sizes go at the end: stored positions keep their meaning.
constexpr std::array<PaperSizeItem, 5> kPaperSizes{{
    {QT_TRANSLATE_NOOP("Settings", "Default"), -1},
    {QT_TRANSLATE_NOOP("Settings", "Letter"), 3},
    {QT_TRANSLATE_NOOP("Settings", "Legal"), 4},
    {"A4", 1},
    {"A5", 5},
}};

template <typename Item, std::size_t N>
const Item* RowAt(const std::array<Item, N>& rows, int position) {
    return position >= 0 && position < static_cast<int>(N) ? &rows[static_cast<std::size_t>(position)] : nullptr;
}

// The labels as the window shows them, in the user's language: a format's
// or a paper's own name (PDF, A4) is the same in every language.
QString Shown(const char* label) { return QCoreApplication::translate("Settings", label); }

template <typename Item>
QStringList Labels(std::span<const Item> rows) {
    QStringList labels;
    for (const Item& row : rows) labels.append(Shown(row.label));
    return labels;
}

}  // namespace

std::span<const FormatItem> FormatItems() { return kFormats; }
std::span<const QualityItem> QualityItems() { return kQualities; }
std::span<const PaperSizeItem> PaperSizeItems() { return kPaperSizes; }
const FormatItem* FormatAt(int position) { return RowAt(kFormats, position); }

QString CatalogueExtension(const QString& extension) {
    const QString lower = extension.toLower();
    for (const auto& [other, usual] : kOtherSpellings)
        if (lower == QLatin1String(other)) return QString::fromLatin1(usual);
    return lower;
}

QStringList ExtensionSpellings(const QString& catalogueExtension) {
    QStringList spellings{catalogueExtension};
    for (const auto& [other, usual] : kOtherSpellings)
        if (catalogueExtension == QLatin1String(usual)) spellings.append(QString::fromLatin1(other));
    return spellings;
}
const QualityItem* QualityAt(int position) { return RowAt(kQualities, position); }
const PaperSizeItem* PaperSizeAt(int position) { return RowAt(kPaperSizes, position); }

bool MultiPageOptionsApply(int formatPosition, int wiaState) {
    const FormatItem* format = FormatAt(formatPosition);
    return !(format && !format->multiPage) && wiaState != 1;
}

std::span<const OptionSpec, kOptionCount> AllOptions() { return kOptions; }

const OptionSpec& Option(OptionId id) { return kOptions[static_cast<std::size_t>(id)]; }

QString ValueName(OptionId id) { return QString::fromLatin1(Option(id).valueName); }

std::span<const OptionId> OptionsResetByDefaults() { return kResetByDefaults; }

QStringList CoverageItems(QChar decimalSeparator) {
    QStringList items;
    // The sum is carried from step to step, not recomputed from the position.
    for (double coverage = 0.001; coverage < 0.051; coverage += 0.001) {
        QString text = QString::number(coverage, 'g', 15);  // 'g' drops trailing zeros
        text.replace(QLatin1Char('.'), decimalSeparator);
        items.append(text);
    }
    return items;
}

QStringList OptionItems(OptionId id) {
    switch (id) {
        case OptionId::ScanType:
            return {Shown(QT_TRANSLATE_NOOP("Settings", "Black & White")), Shown(QT_TRANSLATE_NOOP("Settings", "Grayscale")),
                    Shown(QT_TRANSLATE_NOOP("Settings", "Color"))};
        case OptionId::DPI: return {"75", "100", "150", "200", "300", "600"};
        case OptionId::DuplexSetting:
            return {Shown(QT_TRANSLATE_NOOP("Settings", "Front Only")), Shown(QT_TRANSLATE_NOOP("Settings", "Duplex")),
                    Shown(QT_TRANSLATE_NOOP("Settings", "Manual Duplex (turn the stack)"))};
        case OptionId::PageRejectionCoverage: return CoverageItems(QLocale().decimalPoint().at(0));
        case OptionId::Format: return Labels(FormatItems());
        case OptionId::PaperSize: return Labels(PaperSizeItems());
        case OptionId::Quality: return Labels(QualityItems());
        default: return {};
    }
}

QString StoredForm(int value) {
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(std::abs(static_cast<long long>(value)));
}

std::optional<double> ParseNumericText(const QString& text) {
    static const QRegularExpression numeric(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)\s*$)"));
    if (!numeric.match(text).hasMatch()) return std::nullopt;
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number)) return std::nullopt;
    return number;
}

std::optional<int> UsableValue(const OptionSpec& option, const QString& storedText, int listItemCount) {
    const std::optional<double> number = ParseNumericText(storedText);
    if (!number) return std::nullopt;
    if (option.kind == OptionKind::List) {
        const double position = std::floor(*number);
        if (position >= 0 && position < listItemCount) return static_cast<int>(position);
        return std::nullopt;
    }
    const double state = std::nearbyint(*number);  // halves to the even neighbour
    if (state == 0 || state == 1) return static_cast<int>(state);
    return std::nullopt;
}

int LoadedValue(const OptionSpec& option, const QString& storedText, int listItemCount) {
    return UsableValue(option, storedText, listItemCount).value_or(option.defaultValue);
}

std::span<const OptionId> OptionsForcedForSingleImages() {
    static constexpr std::array kForced{OptionId::AllowMultiplePages, OptionId::SplitDocuments, OptionId::DuplexSetting,
                                        OptionId::ReviewPages};
    return kForced;
}

QString KeptValueName(OptionId id) { return ValueName(id) + QStringLiteral("Kept"); }

}  // namespace quillon
