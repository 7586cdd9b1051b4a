// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace quillon {

class SaneOptions;

// What a device's options say of its feeder and of scanning both sides,
// beyond its sources: backends name these in their own ways.

// 2: a source that scans both sides; 1: a mode or switch of the feeder that
// does; 0: neither.
int DuplexSupport(const SaneOptions& options);

// Both sides by the feeder's mode (adfModes: its choices) or its switch,
// where no source gives them; or, off, one side again. On: whether it took.
bool SetFeederDuplex(SaneOptions& options, const QStringList& adfModes, bool on);

// The source that serves the feeder (both sides kept, where wanted and
// offered) or the flatbed.
QString SourceFor(const QStringList& sources, bool feeder, bool duplex);

// A sensor that finds no paper in the feeder is believed; one that finds
// paper is not enough, since some devices report it wrongly.
bool SensedEmpty(const SaneOptions& options);

}  // namespace quillon
