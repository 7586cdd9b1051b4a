// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/sane/SaneDevice.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quillon {

// A device's options by their SANE names, in the descriptor's own type and
// unit: numbers are clamped to the constraint and read back after setting.
class SaneOptions {
public:
    explicit SaneOptions(SaneDevice& device) : device_(device) {}

    // True when the option exists, is active and can be set.
    bool IsSettable(const char* name) const;
    bool Exists(const char* name) const { return Find(name) >= 0; }
    SANE_Unit Unit(const char* name) const;

    std::optional<QString> GetString(const char* name) const;
    bool SetString(const char* name, const QString& value);
    // The values a string option allows.
    QStringList Choices(const char* name) const;

    std::optional<bool> GetBool(const char* name) const;
    bool SetBool(const char* name, bool value);

    std::optional<double> GetNumber(const char* name) const;
    // Sets an INT or FIXED option to the allowed value nearest to the one
    // asked, and returns the value the device then reports.
    std::optional<double> SetNumber(const char* name, double value);
    // The range of a number option, where it has one.
    std::optional<std::pair<double, double>> Range(const char* name) const;

    // Sets any option from text, by its type (used for device settings by name).
    bool SetFromText(const char* name, const QString& value);

private:
    int Find(const char* name) const;
    const SANE_Option_Descriptor* Settable(const char* name, int* index) const;

    SaneDevice& device_;
};

// Best matches among a device's values, by what they mean.
QString MatchMode(const QStringList& modes, int pixelType);  // empty: none
QString MatchFlatbedSource(const QStringList& sources);
QString MatchFeederSource(const QStringList& sources, bool duplex);
bool IsFeederSource(const QString& source);
bool IsCardSource(const QString& source);
bool IsDuplexSource(const QString& source);

}  // namespace quillon
