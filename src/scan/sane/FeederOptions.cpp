// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/FeederOptions.h"

#include "scan/sane/SaneOptions.h"

#include <array>
#include <optional>

namespace quillon {

namespace {
// Options through which backends report paper in the feeder.
constexpr std::array<const char*, 6> kPaperSensors{"page-loaded", "adf-loaded", "doc-in-adf", "paper-in-adf",
                                                   "adf-paper", "paper-loaded"};
}  // namespace

int DuplexSupport(const SaneOptions& options) {
    if (!MatchFeederSource(options.Choices("source"), true).isEmpty()) return 2;
    if (options.Choices("adf-mode").filter("duplex", Qt::CaseInsensitive).size() > 0 || options.IsSettable("duplex"))
        return 1;
    return 0;
}

bool SetFeederDuplex(SaneOptions& options, const QStringList& adfModes, bool on) {
    if (on) {
        const QStringList duplexModes = adfModes.filter("duplex", Qt::CaseInsensitive);
        if (!duplexModes.isEmpty()) return options.SetString("adf-mode", duplexModes.first());
        return options.SetBool("duplex", true);
    }
    const QStringList simplex = adfModes.filter("simplex", Qt::CaseInsensitive);
    if (!simplex.isEmpty()) options.SetString("adf-mode", simplex.first());
    if (options.IsSettable("duplex")) options.SetBool("duplex", false);
    return true;
}

QString SourceFor(const QStringList& sources, bool feeder, bool duplex) {
    if (!feeder) return MatchFlatbedSource(sources);
    QString value;
    if (duplex) value = MatchFeederSource(sources, true);
    if (value.isEmpty()) value = MatchFeederSource(sources, false);
    return value;
}

bool SensedEmpty(const SaneOptions& options) {
    for (const char* sensor : kPaperSensors) {
        const std::optional<bool> loaded = options.GetBool(sensor);
        if (loaded) return !*loaded;
    }
    return false;
}

}  // namespace quillon
