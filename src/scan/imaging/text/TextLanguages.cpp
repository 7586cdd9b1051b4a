// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/text/TextLanguages.h"

#include "support/Translations.h"

#include <QCoreApplication>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <array>

namespace quillon {

namespace {

const QString kEnglish = QStringLiteral("eng");
const QString kOrientationData = QStringLiteral("osd");

// Where Debian and most other systems install the data, newest first.
constexpr std::array<const char*, 4> kDataDirectories{
    "/usr/share/tesseract-ocr/5/tessdata",
    "/usr/share/tesseract-ocr/4.00/tessdata",
    "/usr/share/tessdata",
    "/usr/local/share/tessdata",
};

bool Installed(const QString& directory, const QString& code) {
    return !directory.isEmpty() && QFileInfo(directory + QLatin1Char('/') + code + ".traineddata").isFile();
}

// Debian names each language's package after the code, "_" written as "-".
QString PackageOf(const QString& code) {
    return QStringLiteral("tesseract-ocr-") + code.toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
}

// "German (deu)" when the code names a language people know by name; in a
// translated program, by its own name ("Deutsch (deu)"), as the window lists it.
QString Described(const QString& code) {
    const QLocale::Language language = QLocale::codeToLanguage(code.section(QLatin1Char('_'), 0, 0), QLocale::ISO639Part2);
    if (language == QLocale::AnyLanguage) return QStringLiteral("\"%1\"").arg(code);
    const QString native = TranslatedLanguage().isEmpty() ? QString() : QLocale(language, QLocale::World).nativeLanguageName();
    return QStringLiteral("%1 (%2)").arg(native.isEmpty() ? QLocale::languageToString(language) : native, code);
}

// The folder looked in is named: TESSDATA_PREFIX may point away from the packages' data.
QString MissingData(const QString& code, const QString& purpose, const QString& directory) {
    return QCoreApplication::translate("Imaging", "%1 needs the language data for %2, which is not installed. Install the package %3, "
                          "or choose other languages. (Looked in %4.)")
        .arg(purpose, Described(code), PackageOf(code), directory.isEmpty() ? QCoreApplication::translate("Imaging", "no folder") : directory);
}

TextLanguages Problem(const QString& sentence) { return {QString(), QString(), sentence}; }

}  // namespace

QString TextDataDirectory() {
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    if (!prefix.isEmpty()) {
        // Older engines took the folder above the data; both are found.
        const QString below = QDir::cleanPath(prefix + QStringLiteral("/tessdata"));
        const bool dataBelow = QDir(below).exists() && QDir(prefix).entryList({"*.traineddata"}, QDir::Files).isEmpty();
        return dataBelow ? below : QDir::cleanPath(prefix);
    }
    for (const char* directory : kDataDirectories)
        if (QFileInfo(QString::fromLatin1(directory)).isDir()) return QString::fromLatin1(directory);
    return {};
}

QString TextLanguageOfLocale(const QLocale& locale) {
    if (locale.language() == QLocale::C) return kEnglish;
    // The engine reads Chinese in two models, one for each script.
    if (locale.language() == QLocale::Chinese)
        return locale.script() == QLocale::TraditionalChineseScript ? QStringLiteral("chi_tra")
                                                                    : QStringLiteral("chi_sim");
    return QLocale::languageToCode(locale.language(), QLocale::ISO639Part2T);
}

QStringList InstalledTextLanguages(const QString& dataDirectory) {
    if (dataDirectory.isEmpty()) return {};
    QStringList codes;
    for (const QFileInfo& file : QDir(dataDirectory).entryInfoList({QStringLiteral("*.traineddata")}, QDir::Files,
                                                                    QDir::Name)) {
        const QString code = file.completeBaseName();
        // "equ" holds mathematical symbols, not a language.
        if (code != kOrientationData && code != QLatin1String("equ")) codes.append(code);
    }
    return codes;
}

TextLanguages ChooseTextLanguages(const QString& stored, const QLocale& locale, const QString& dataDirectory) {
    const QString purpose = QCoreApplication::translate("Imaging", "Reading the pages' text");
    QString codes = stored.trimmed();
    if (codes.isEmpty()) {
        const QString own = TextLanguageOfLocale(locale);
        codes = !own.isEmpty() && Installed(dataDirectory, own) ? own : kEnglish;
    } else {
        // Codes only: the value becomes part of a file name.
        static const QRegularExpression list(QStringLiteral("^[A-Za-z][A-Za-z0-9_]{1,30}(\\+[A-Za-z][A-Za-z0-9_]{1,30})*$"));
        if (!list.match(codes).hasMatch())
            return Problem(QCoreApplication::translate("Imaging", "The text-recognition languages \"%1\" are not a list of language codes. "
                                          "Write codes joined by \"+\", for example \"deu+eng\".")
                               .arg(codes));
    }
    for (const QString& code : codes.split(QLatin1Char('+'))) {
        if (Installed(dataDirectory, code)) continue;
        if (code.compare(kOrientationData, Qt::CaseInsensitive) != 0 &&
            QLocale::codeToLanguage(code.section(QLatin1Char('_'), 0, 0), QLocale::ISO639Part2) == QLocale::AnyLanguage)
            return Problem(QCoreApplication::translate("Imaging", "\"%1\" is no language that text recognition knows. Choose language codes "
                                          "such as \"eng\" or \"deu+eng\".")
                               .arg(code));
        return Problem(MissingData(code, purpose, dataDirectory));
    }
    if (!Installed(dataDirectory, kOrientationData))
        return Problem(QCoreApplication::translate("Imaging", "Turning pages upright needs the data for finding which way up a page is, which "
                                      "is not installed. Install the package tesseract-ocr-osd. (Looked in %1.)")
                           .arg(dataDirectory));
    return {codes, dataDirectory, QString()};
}

}  // namespace quillon
