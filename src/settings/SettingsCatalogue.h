// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <span>

namespace quillon {

// The options, lists first, each group in the order the window loads them;
// options added later come last.
enum class OptionId {
    ScanType,
    DPI,
    DuplexSetting,
    PageRejectionCoverage,
    Format,
    PaperSize,
    Quality,
    AllowMultiplePages,
    TryADFFirst,
    AutoCrop,
    AutoDeskew,
    AutoContrast,
    WIA,
    SplitDocuments,  // a batch split into one file per document, at separator sheets
    ReviewPages,     // a batch's pages shown to the user before they are saved
};
constexpr int kOptionCount = 15;

enum class OptionKind { List, Check };

struct OptionSpec {
    OptionId id;
    const char* valueName;    // the stored value's name
    const char* controlName;  // the control of the main window that holds it
    OptionKind kind;
    int defaultValue;         // list position or check state
};

// Values stored under the program's key that belong to no option control.
inline const QString kWiaCheckValueName = QStringLiteral("WIACHECK");
inline const QString kLastDirectoryValueName = QStringLiteral("LastDirectory");
// The text-recognition languages ("deu+eng"); when absent, the user's own.
inline const QString kOcrLanguageValueName = QStringLiteral("OcrLanguage");

std::span<const OptionSpec, kOptionCount> AllOptions();
const OptionSpec& Option(OptionId id);
QString ValueName(OptionId id);

// List items that carry a meaning for the scan, one row each: the label the
// list shows (in English; OptionItems gives it in the user's language) and
// what choosing it means.
struct FormatItem {
    const char* label;
    const char* extension;  // of the output file
    bool multiPage;         // false: one image per file (JPEG, PNG)
    bool searchable;        // a PDF with the recognised text under the image
};
struct QualityItem {
    const char* label;
    int jpegQuality;
    bool compactPages = false;  // PDF pages of text as a sharp ink mask over the paper
};
struct PaperSizeItem {
    const char* label;
    int paperCode;  // the scanner's paper-size code; -1: none is sent
};
std::span<const FormatItem> FormatItems();

// An output file's extension as the catalogue spells it (".jpg" for ".JPEG",
// ".tiff" for ".tif"), or in small letters when it names no format.
QString CatalogueExtension(const QString& extension);
// The spellings files carry of a catalogue extension: the catalogue's first.
QStringList ExtensionSpellings(const QString& catalogueExtension);
std::span<const QualityItem> QualityItems();
std::span<const PaperSizeItem> PaperSizeItems();

// The row chosen at a list position, or null for none (-1) and out of range.
const FormatItem* FormatAt(int position);
const QualityItem* QualityAt(int position);
const PaperSizeItem* PaperSizeAt(int position);

// The duplex list's positions.
constexpr int kDuplexFrontOnly = 0;
constexpr int kDuplexBothSides = 1;
constexpr int kDuplexManual = 2;  // both sides from a one-sided feeder: the user turns the stack

// Whether several pages and both sides can apply to a scan: not into a
// single-image format (JPEG, PNG), nor from a WIA scanner (check state 1).
// Where they cannot, multiple pages are off and duplex is front only.
bool MultiPageOptionsApply(int formatPosition, int wiaState);

// The items of a list option, in list order, as the window shows them: in the
// user's language, the coverage items with the user's decimal separator.
QStringList OptionItems(OptionId id);

// The rejection-coverage items: 0.001 stepping by 0.001 while below 0.051,
// accumulated in double precision, at most 15 significant digits.
QStringList CoverageItems(QChar decimalSeparator);

// The twelve options the Defaults button empties, in the order it empties them.
std::span<const OptionId> OptionsResetByDefaults();

// The options that a single-image format or a WIA scanner forces (multiple
// pages, splitting, duplex), and, for each, the stored value that keeps the
// user's own choice while it is forced ("AllowMultiplePagesKept"), so that it
// comes back when the options apply again, after a restart too.
std::span<const OptionId> OptionsForcedForSingleImages();
QString KeptValueName(OptionId id);

// The stored form of a position or state: one sign place, then the digits (" 3", "-1").
QString StoredForm(int value);

// A decimal number, possibly signed and with a fraction, blanks around allowed.
std::optional<double> ParseNumericText(const QString& text);

// The position or state a stored text names: its number rounded (down for a
// list, to the nearest with halves to even for a check box); nothing when the
// text is not numeric or names no position of the list / no check state.
std::optional<int> UsableValue(const OptionSpec& option, const QString& storedText, int listItemCount);

// What a stored text loads as: its usable value, or else the option's default.
int LoadedValue(const OptionSpec& option, const QString& storedText, int listItemCount);

}  // namespace quillon
