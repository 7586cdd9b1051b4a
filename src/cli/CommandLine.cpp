// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstring>

#include <algorithm>

namespace quillon {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(QuillonScan)
};

struct Word {
    const char* text;
    int value;
};

// The position a word names, or -1.
int ValueOf(const QString& word, std::initializer_list<Word> words) {
    for (const Word& w : words)
        if (word.compare(QLatin1String(w.text), Qt::CaseInsensitive) == 0) return w.value;
    return -1;
}

// The other spellings of the catalogue's file extensions that files carry.
constexpr std::pair<const char*, const char*> kExtensionSpellings[] = {{"jpeg", "jpg"}, {"tif", "tiff"}};

// The paper sizes as typed: their labels in small letters.
QStringList PaperWords() {
    QStringList words;
    for (const PaperSizeItem& item : PaperSizeItems()) words.append(QString::fromLatin1(item.label).toLower());
    return words;
}

// The output extensions with their other spellings: ".pdf, .tif/.tiff, .jpg/.jpeg or .png".
QString ExtensionList() {
    QStringList shown;
    for (const FormatItem& format : FormatItems()) {
        QString name = QString::fromLatin1(format.extension);
        for (const auto& [other, usual] : kExtensionSpellings)
            if (name.mid(1) == QLatin1String(usual)) name = name + "/." + QLatin1String(other);
        if (!shown.contains(name)) shown.append(name);
    }
    const QString last = shown.takeLast();
    return Text::tr("%1 or %2", "the last of a list of choices").arg(shown.join(", "), last);
}

}  // namespace

int FormatOfOutput(const QString& path) {
    QString suffix = QFileInfo(path).suffix().toLower();
    for (const auto& [other, usual] : kExtensionSpellings)
        if (suffix == QLatin1String(other)) suffix = QLatin1String(usual);
    const auto formats = FormatItems();
    for (std::size_t i = 0; i < formats.size(); ++i)
        if (!formats[i].searchable && QLatin1String(formats[i].extension).mid(1) == suffix) return static_cast<int>(i);
    return -1;
}

QString UsageText() {
    // The last quality is "Compact - Text Pages", named rather than numbered.
    const int lastQuality = static_cast<int>(QualityItems().size()) - 2;
    return Text::tr(
        "Usage: quillon-scan [OPTIONS] OUTPUT\n"
        "Scans into OUTPUT (%1) with the options stored by Quillon,\n"
        "changed for this run only by the options given. The stored options are never changed.\n"
        "\n"
        "  -d, --device NAME         the SANE device to use, as SANE names it; a backend's name alone\n"
        "                            (\"test\") opens its first device (default: the scanner chosen last)\n"
        "  -L, --list-devices        list the scanners, one a line: SANE name, then vendor and model\n"
        "      --source auto|feeder|flatbed\n"
        "                            auto: the feeder, or the flatbed when it is empty\n"
        "      --duplex, --no-duplex both sides, or the front only\n"
        "      --duplex manual       both sides from a feeder that scans one: the fronts, then the stack\n"
        "                            turned over for the backs; the pages come out interleaved\n"
        "      --mode bw|grey|colour black and white, grey (gray) or colour (color)\n"
        "      --dpi N               %2\n"
        "      --paper %3\n"
        "      --quality 0..%4|compact  0 smallest file, %5 the default, %4 best; compact: a PDF's pages\n"
        "                            of text as sharp text over a small picture of the paper, several\n"
        "                            times smaller (other formats as the default)\n"
        "      --blank-threshold X   pages with less ink than X (0.001 to 0.05) are left out; 0 keeps all\n"
        "      --contrast, --no-contrast, --crop, --no-crop, --deskew, --no-deskew\n"
        "      --single, --multiple  one image, as with multiple pages unchecked, or many pages into\n"
        "                            one file, as with it checked\n"
        "      --split, --no-split   one file per document, at separator sheets (Patch T, or the sheet\n"
        "                            --print-separator makes): OUTPUT, then OUTPUT-2, OUTPUT-3, ...\n"
        "      --print-separator FILE.pdf  writes a separator sheet to print (a Letter and an A4 page)\n"
        "      --searchable          a searchable PDF: the pages' text under the image, pages turned upright;\n"
        "                            read in the languages chosen in Quillon, else your own\n"
        "      --languages CODES     with --searchable: read in these languages, joined by + (deu+eng)\n"
        "      --timeout SECONDS     how long the scanner may send nothing before the scan ends (60)\n"
        "  -q, --quiet               no progress, and no message on success\n"
        "      --help, --version\n"
        "\n"
        "Questions are asked on the terminal. Without one, \"Scan Another Page?\" is answered No, and an\n"
        "empty feeder falls back to the flatbed (--source auto) or ends the scan (--source feeder).\n"
        "\n"
        "Exit status: 0 the file was written; 1 a usage error, or the stored options could not be read;\n"
        "2 no scanner, or it could not be opened;\n"
        "3 the scan failed and nothing was written (an older file is kept); 4 some pages were saved,\n"
        "then the scan failed; 128+N ended by signal N (130 after Ctrl-C), no partial file left.\n")
        .arg(ExtensionList(), OptionItems(OptionId::DPI).join(", "), PaperWords().join('|'))
        .arg(lastQuality)
        .arg(Option(OptionId::Quality).defaultValue);
}

ParsedCommand ParseCommandLine(const QStringList& given) {
    // "--duplex manual" (or --duplex=manual) is the one flag with a word after it.
    QStringList arguments = given;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--duplex=manual")) arguments[i] = QStringLiteral("--manual-duplex");
        if (arguments[i] == QLatin1String("--duplex") && i + 1 < arguments.size() &&
            arguments[i + 1] == QLatin1String("manual")) {
            arguments[i] = QStringLiteral("--manual-duplex");
            arguments.removeAt(i + 1);
        }
    }
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption device({"d", "device"}, "", "NAME"), list({"L", "list-devices"}, ""),
        source("source", "", "SOURCE"), duplex("duplex", ""), noDuplex("no-duplex", ""),
        manualDuplex("manual-duplex", ""), mode("mode", "", "MODE"),
        dpi("dpi", "", "N"), paper("paper", "", "PAPER"), quality("quality", "", "Q"),
        blank("blank-threshold", "", "X"), contrast("contrast", ""), noContrast("no-contrast", ""), crop("crop", ""),
        noCrop("no-crop", ""), deskew("deskew", ""), noDeskew("no-deskew", ""), single("single", ""), multiple("multiple", ""), searchable("searchable", ""),
        languages("languages", "", "CODES"), split("split", ""), noSplit("no-split", ""),
        printSeparator("print-separator", "", "FILE"), quiet({"q", "quiet"}, ""), help("help", ""), version("version", ""), timeout("timeout", "", "SECONDS");
    parser.addOptions({device, list, source, duplex, noDuplex, manualDuplex, mode, dpi, paper, quality, blank, contrast, noContrast,
                       crop, noCrop, deskew, noDeskew, single, multiple, searchable, languages, split, noSplit, printSeparator, quiet, help, version, timeout});

    ParsedCommand parsed;
    ScanCommand& command = parsed.command;
    const auto fail = [&](const QString& error) {
        parsed.error = error;
        return parsed;
    };
    if (!parser.parse(arguments)) return fail(parser.errorText());
    command.help = parser.isSet(help);
    command.version = parser.isSet(version);
    command.listDevices = parser.isSet(list);
    command.quiet = parser.isSet(quiet);
    command.device = parser.value(device);
    command.printSeparator = parser.value(printSeparator);
    if (command.help || command.version || command.listDevices) return parsed;
    if (!command.printSeparator.isEmpty()) {
        if (!command.printSeparator.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            return fail(Text::tr("--print-separator writes a .pdf file."));
        return parsed;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) return fail(Text::tr("Give one OUTPUT file."));
    command.output = positional.first();
    // A path the system would refuse is refused here, with the system's reason.
    if (QFile::encodeName(QFileInfo(command.output).absoluteFilePath()).size() >= PATH_MAX)
        return fail(QStringLiteral("%1: %2").arg(command.output.left(60) + QStringLiteral("..."),
                                                 QString::fromLocal8Bit(std::strerror(ENAMETOOLONG))));
    const int format = FormatOfOutput(command.output);
    if (format < 0)
        return fail(Text::tr("%1 names no format Quillon writes: use %2.").arg(command.output, ExtensionList()));
    command.overrides[OptionId::Format] = format;
    if (parser.isSet(searchable)) {
        const auto formats = FormatItems();
        const auto item = std::find_if(formats.begin(), formats.end(), [](const FormatItem& f) { return f.searchable; });
        if (QString::fromLatin1(formats[format].extension) != QString::fromLatin1(item->extension))
            return fail(Text::tr("--searchable needs a .pdf OUTPUT."));
        command.overrides[OptionId::Format] = static_cast<int>(item - formats.begin());
    }

    if (parser.isSet(languages)) {
        if (!parser.isSet(searchable)) return fail(Text::tr("--languages is for --searchable."));
        // Checked as the scan starts, with the package to install for a missing one.
        command.languages = parser.value(languages).trimmed();
        if (command.languages.isEmpty()) return fail(Text::tr("--languages takes codes joined by +, such as deu+eng."));
    }

    const auto both = [&](const QCommandLineOption& on, const QCommandLineOption& off, OptionId id) -> bool {
        if (parser.isSet(on) && parser.isSet(off)) return false;
        if (parser.isSet(on)) command.overrides[id] = 1;
        if (parser.isSet(off)) command.overrides[id] = 0;
        return true;
    };
    if (!both(duplex, noDuplex, OptionId::DuplexSetting) || !both(contrast, noContrast, OptionId::AutoContrast) ||
        !both(crop, noCrop, OptionId::AutoCrop) || !both(deskew, noDeskew, OptionId::AutoDeskew) ||
        !both(split, noSplit, OptionId::SplitDocuments))
        return fail(Text::tr("An option and its --no- form cannot both be given."));
    if (parser.isSet(manualDuplex)) {
        if (parser.isSet(duplex) || parser.isSet(noDuplex))
            return fail(Text::tr("Give one of --duplex, --duplex manual and --no-duplex."));
        command.overrides[OptionId::DuplexSetting] = kDuplexManual;
    }
    if (parser.isSet(single) && parser.isSet(multiple)) return fail(Text::tr("Give one of --single and --multiple."));
    if (parser.isSet(single)) command.overrides[OptionId::AllowMultiplePages] = 0;
    if (parser.isSet(multiple)) command.overrides[OptionId::AllowMultiplePages] = 1;

    if (parser.isSet(source)) {
        const int value = ValueOf(parser.value(source), {{"auto", 1}, {"feeder", 2}, {"flatbed", 3}});
        if (value < 0) return fail(Text::tr("--source takes auto, feeder or flatbed."));
        command.source = static_cast<SourceChoice>(value);
        command.overrides[OptionId::TryADFFirst] = command.source == SourceChoice::Flatbed ? 0 : 1;
    }
    if (parser.isSet(mode)) {
        const int value = ValueOf(parser.value(mode), {{"bw", 0}, {"grey", 1}, {"gray", 1}, {"colour", 2}, {"color", 2}});
        if (value < 0) return fail(Text::tr("--mode takes bw, grey or colour."));
        command.overrides[OptionId::ScanType] = value;
    }
    if (parser.isSet(dpi)) {
        const int position = OptionItems(OptionId::DPI).indexOf(parser.value(dpi));
        if (position < 0) return fail(Text::tr("--dpi takes one of %1.").arg(OptionItems(OptionId::DPI).join(", ")));
        command.overrides[OptionId::DPI] = position;
    }
    if (parser.isSet(paper)) {
        const int value = PaperWords().indexOf(parser.value(paper).toLower());
        if (value < 0) return fail(Text::tr("--paper takes %1.").arg(PaperWords().join(", ")));
        command.overrides[OptionId::PaperSize] = value;
    }
    if (parser.isSet(quality)) {
        bool ok = false;
        const int compact = static_cast<int>(QualityItems().size()) - 1;
        int value = parser.value(quality).toInt(&ok);
        if (parser.value(quality).compare(QLatin1String("compact"), Qt::CaseInsensitive) == 0) value = compact, ok = true;
        if (!ok || value < 0 || value > compact)
            return fail(Text::tr("--quality takes 0 to %1, or compact.").arg(compact - 1));
        command.overrides[OptionId::Quality] = value;
    }
    if (parser.isSet(timeout)) {
        bool ok = false;
        command.silenceSeconds = parser.value(timeout).toInt(&ok);
        if (!ok || command.silenceSeconds < 1) return fail(Text::tr("--timeout takes a number of seconds, 1 or more."));
    }
    if (parser.isSet(blank)) {
        const QString text = parser.value(blank);
        const int position = CoverageItems(QLatin1Char('.')).indexOf(text);
        if (position >= 0) {
            command.overrides[OptionId::PageRejectionCoverage] = position;
        } else if (text == QLatin1String("0")) {
            command.texts[OptionId::PageRejectionCoverage] = text;  // no page is blank below nothing
        } else {
            return fail(Text::tr("--blank-threshold takes 0, or 0.001 to 0.05 in steps of 0.001."));
        }
    }
    return parsed;
}

}  // namespace quillon
