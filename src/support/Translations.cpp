// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace quillon {

namespace {

const QString kPrefix = QStringLiteral("quillon_");
// What is installed: set on the main thread, before any other thread asks for a text.
struct Installed {
    std::unique_ptr<QTranslator> own, qt;
    QString language;
} installed;

bool IsEnglish(const QString& language) {
    const QString name = language.section(QLatin1Char('.'), 0, 0);  // "C.UTF-8"
    return name == QLatin1String("C") || name == QLatin1String("POSIX") ||
           QLocale(name).language() == QLocale::English;
}

}  // namespace

QString ChooseTranslation(const QStringList& userLanguages, const QStringList& available) {
    for (const QString& wanted : userLanguages) {
        if (wanted.isEmpty()) continue;
        if (IsEnglish(wanted)) return {};
        const QLocale locale(wanted);
        if (locale.language() == QLocale::C) continue;  // a name the locale data does not know
        // The translation for the language as spoken there ("pt_BR"), else for the language ("de").
        const QString exact = locale.name();  // "de_DE", "pt_BR"
        const QString language = exact.section(QLatin1Char('_'), 0, 0);
        for (const QString& candidate : {exact, language})
            if (available.contains(candidate)) return candidate;
        // "de_AT" still reads the German that is filed as "de_DE".
        for (const QString& offered : available)
            if (offered.section(QLatin1Char('_'), 0, 0) == language) return offered;
    }
    return {};
}

QString TranslationsFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quillon/translations"));
}

QStringList AvailableTranslations(const QString& folder) {
    QStringList languages;
    for (const QString& file : QDir(folder).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files))
        languages.append(file.mid(kPrefix.size()).chopped(3));
    return languages;
}

QString InstallTranslations() {
    return InstallTranslation(
        ChooseTranslation(QLocale::system().uiLanguages(), AvailableTranslations(TranslationsFolder())));
}

QString InstallTranslation(const QString& language) {
    RemoveTranslations();
    if (language.isEmpty()) return {};
    auto own = std::make_unique<QTranslator>();
    if (!own->load(kPrefix + language, TranslationsFolder())) return {};
    // Qt's own words (Yes, No, Cancel, the save dialog's), in the same language;
    // installed first, so that ours win where both say one.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, qtFolder) ||
        qt->load(QStringLiteral("qtbase_") + language.section(QLatin1Char('_'), 0, 0), qtFolder)) {
        QCoreApplication::installTranslator(qt.get());
        installed.qt = std::move(qt);
    }
    QCoreApplication::installTranslator(own.get());
    installed.own = std::move(own);
    installed.language = language;
    return language;
}

void RemoveTranslations() {
    for (std::unique_ptr<QTranslator>* translator : {&installed.own, &installed.qt})
        if (*translator) QCoreApplication::removeTranslator(translator->get()), translator->reset();
    installed.language.clear();
}

QString TranslatedLanguage() { return installed.language; }

}  // namespace quillon
