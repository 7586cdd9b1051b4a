// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsCatalogue.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace quillon {

// Where the scan may come from: "auto" tries the feeder first and falls back
// to the flatbed when it is empty, "feeder" only tries the feeder.
enum class SourceChoice { Stored, Auto, Feeder, Flatbed };

// What quillon-scan was asked to do.
struct ScanCommand {
    QString output;
    QString device;         // a SANE device name; empty: the scanner chosen last
    QStringList from;       // image files or folders scanned in place of a scanner
    QString languages;      // a searchable PDF's text languages ("deu+eng"); empty: the stored ones
    QString printSeparator;  // a PDF to write a separator sheet into, in place of a scan
    SourceChoice source = SourceChoice::Stored;
    bool listDevices = false;
    bool quiet = false;
    int silenceSeconds = 60;  // the longest the scanner may send nothing
    bool help = false;
    bool version = false;
    // Overrides of the stored options, by option: a list's position or a
    // check box's state; and the text of a list where it is no item ("0").
    QMap<OptionId, int> overrides;
    QMap<OptionId, QString> texts;
};

struct ParsedCommand {
    ScanCommand command;
    QString error;  // a usage error, said before any device is opened
};

ParsedCommand ParseCommandLine(const QStringList& arguments);

// The help text, with every option.
QString UsageText();

// The format list's position for an output path, by its extension; -1 for none.
int FormatOfOutput(const QString& path);

}  // namespace quillon
