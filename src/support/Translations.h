// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace quillon {

// The translation to use for the user's languages, most wanted first, as the
// desktop gives them ("de-DE", "pt-BR"; from LANGUAGE, else LC_ALL,
// LC_MESSAGES or LANG): the first that has one among the available ones
// ("de", "pt_BR"), or none (the empty text) for English, the language of the
// program's own texts. English, C or POSIX before any translated language
// means English.
QString ChooseTranslation(const QStringList& userLanguages, const QStringList& available);

// Where the programs find their translations (quillon_de.qm, ...): beside
// the program, in ../share/quillon/translations, in the build tree as installed.
QString TranslationsFolder();

// The languages of the translations found in a folder ("de", "pt_BR").
QStringList AvailableTranslations(const QString& folder);

// Makes the program speak the user's language, where there is a translation,
// Qt's own buttons and dialogs with it. Needs the application object; returns
// the language chosen, empty for English.
QString InstallTranslations();
// The same for one language ("de"), whatever the user's are; the empty text
// for English, which removes any translation installed before.
QString InstallTranslation(const QString& language);
void RemoveTranslations();
// The language installed, empty for English.
QString TranslatedLanguage();

}  // namespace quillon
