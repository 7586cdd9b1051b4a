// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/PageSource.h"

#include "scan/ScannerErrors.h"

namespace quillon {

ChosenSource PageSource::Choose(ScannerDialogs& dialogs) {
    const QList<ScannerChoice> sources = Sources();
    if (sources.size() == 1) return {sources.front().deviceName, {}};  // nothing to choose between
    const int choice = dialogs.ChooseScanner(sources, sources.isEmpty() ? -1 : 0);
    if (choice >= 0 && choice < sources.size()) return {sources[choice].deviceName, {}};
    if (sources.isEmpty()) return {{}, {kScannerErrorNoSource, QStringLiteral("no source")}};
    return {};
}

QString PageSource::LabelOf(const QString& name) {
    for (const ScannerChoice& choice : Sources())
        if (choice.deviceName == name) return choice.label;
    return name;
}

}  // namespace quillon
