// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace quillon {

// The languages text recognition reads pages in, in the engine's own codes
// joined by "+" ("deu+eng"), and the folder its language data comes from.
struct TextLanguages {
    QString codes;
    QString dataDirectory;
    QString problem;  // a plain sentence when recognition cannot run; codes are then empty
    // Read as the engine's own program reads: every page whole, on one
    // thread, never in parts. Benchmarks compare the two.
    bool asTheEngineAlone = false;
};

// The folder holding the installed language data: TESSDATA_PREFIX when it is
// set (or its tessdata folder, as older engines had it), else the first of the
// usual places that exists; empty when none does.
QString TextDataDirectory();

// The engine's code for a locale's language ("deu" for German), or empty when
// it has none.
QString TextLanguageOfLocale(const QLocale& locale);

// The languages whose data is installed in the folder, by code, in order;
// orientation detection's data is not a language.
QStringList InstalledTextLanguages(const QString& dataDirectory);

// The languages to read pages in. A stored choice ("deu+eng") is taken as it
// stands and each of its languages must be installed; without one, the
// locale's language when its data is installed, else English. Orientation
// detection's data is needed as well. A problem names the package to install.
TextLanguages ChooseTextLanguages(const QString& stored, const QLocale& locale, const QString& dataDirectory);

}  // namespace quillon
