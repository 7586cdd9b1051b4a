// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the desktop entry and the AppStream metadata with their texts in
// every language Quillon has a translation for: after each translatable line
// of the English file comes the same line for each language (Name[de]=...,
// <summary xml:lang="de">...). The texts are translated with the program's
// own (translations/quillon_*.ts, context "Desktop entry").
//
//   quillon_desktop_files DESKTOP_IN METAINFO_IN FOLDER_OF_QM_FILES DESKTOP_OUT METAINFO_OUT
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr const char* kContext = "Desktop entry";

// Every text of the two files that a person reads in a menu or a software
// centre; each must be in the English files exactly so.
constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("Desktop entry", "Quillon"),
    QT_TRANSLATE_NOOP("Desktop entry", "Document Scanner"),
    QT_TRANSLATE_NOOP("Desktop entry", "Scan paper documents to PDF, TIFF, JPEG or PNG"),
    // The words a menu's search finds the program by, each ended by ";".
    QT_TRANSLATE_NOOP("Desktop entry", "scan;scanner;document;PDF;TIFF;"),
    QT_TRANSLATE_NOOP("Desktop entry", "Scan paper documents into one compact file"),
    QT_TRANSLATE_NOOP("Desktop entry",
                      "Quillon scans from the document feeder or the flatbed into one PDF or multi-page TIFF, or a "
                      "single JPEG or PNG image, leaving out blank pages. A searchable PDF carries the text read from "
                      "its pages, with pages scanned sideways or upside down turned upright."),
};

struct Language {
    QString code;
    std::unique_ptr<QTranslator> translator;
};

bool IsTranslatable(const QString& text) {
    for (const char* source : kTexts)
        if (text == QString::fromUtf8(source)) return true;
    return false;
}

QString Translated(const Language& language, const QString& text) {
    const QString translation = language.translator->translate(kContext, text.toUtf8().constData());
    return translation.isEmpty() ? text : translation;
}

QString Escaped(const QString& text) { return text.toHtmlEscaped().replace(QStringLiteral("&quot;"), QStringLiteral("\"")); }

bool Fail(const QString& why) {
    std::fprintf(stderr, "quillon_desktop_files: %s\n", qPrintable(why));
    return false;
}

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool Write(const QString& path, const QString& text) {
    QFile file(path);
    return (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0) ||
           Fail(QStringLiteral("cannot write %1").arg(path));
}

// Name=Quillon is followed by Name[de]=Quillon, and so on.
bool TranslateDesktopEntry(const QString& in, const QString& out, const std::vector<Language>& languages) {
    static const QRegularExpression keys(QStringLiteral("^(Name|GenericName|Comment|Keywords)=(.*)$"));
    QStringList lines;
    for (const QString& line : Read(in).split(QLatin1Char('\n'))) {
        lines.append(line);
        const QRegularExpressionMatch match = keys.match(line);
        if (!match.hasMatch()) continue;
        if (!IsTranslatable(match.captured(2)))
            return Fail(QStringLiteral("%1: \"%2\" is not among the texts to translate").arg(in, match.captured(2)));
        for (const Language& language : languages)
            lines.append(QStringLiteral("%1[%2]=%3").arg(match.captured(1), language.code,
                                                         Translated(language, match.captured(2))));
    }
    return Write(out, lines.join(QLatin1Char('\n')));
}

// <name>, <summary> and each <p> of the description are followed by the
// same element with xml:lang, at the same indentation.
bool TranslateMetainfo(const QString& in, const QString& out, const std::vector<Language>& languages) {
    static const QRegularExpression element(QStringLiteral("^( *)<(name|summary|p)>(.*?)</\\2>$"),
                                            QRegularExpression::MultilineOption |
                                                QRegularExpression::DotMatchesEverythingOption);
    const QString text = Read(in);
    QString result;
    qsizetype done = 0;
    for (auto it = element.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        // A paragraph wraps over several lines; its text is the words.
        const QString words = match.captured(3).simplified();
        if (!IsTranslatable(words))
            return Fail(QStringLiteral("%1: \"%2\" is not among the texts to translate").arg(in, words));
        result += text.mid(done, match.capturedEnd() - done);
        for (const Language& language : languages)
            result += QStringLiteral("\n%1<%2 xml:lang=\"%3\">%4</%2>")
                          .arg(match.captured(1), match.captured(2), language.code,
                               Escaped(Translated(language, words)));
        done = match.capturedEnd();
    }
    result += text.mid(done);
    return Write(out, result);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 6) return Fail(QStringLiteral("give DESKTOP_IN METAINFO_IN QM_FOLDER DESKTOP_OUT METAINFO_OUT")), 1;
    std::vector<Language> languages;
    const QDir folder(arguments[3]);
    for (const QString& file : folder.entryList({QStringLiteral("quillon_*.qm")}, QDir::Files, QDir::Name)) {
        Language language{file.mid(8).chopped(3), std::make_unique<QTranslator>()};
        if (!language.translator->load(folder.filePath(file))) return Fail(QStringLiteral("cannot read %1").arg(file)), 1;
        languages.push_back(std::move(language));
    }
    return TranslateDesktopEntry(arguments[1], arguments[4], languages) &&
                   TranslateMetainfo(arguments[2], arguments[5], languages)
               ? 0
               : 1;
}
