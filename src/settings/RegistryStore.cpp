// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/RegistryStore.h"

#include <QStringList>

#include <cmath>
#include <limits>
#include <optional>

namespace quillon {

bool IsPredefinedHive(std::uint32_t hive) {
    return hive >= kHkeyClassesRoot && hive <= 0x80000006u;
}

QString ValueSlot(std::uint32_t hive, const QString& path, const QString& name) {
    const QStringList parts = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    return (QString::number(hive) + QLatin1Char('\\') + parts.join(QLatin1Char('\\')) + QLatin1Char('\\') + name).toLower();
}

namespace {

// A text converted to a signed 32-bit number the way a DWORD write needs it:
// rounded to the nearest whole number, halves to even; nothing when it is no
// number or does not fit.
std::optional<std::int32_t> ToInt32(const QString& text) {
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number)) return std::nullopt;
    const double rounded = std::nearbyint(number);  // default rounding mode: halves to even
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

}  // namespace

QString RenderRegistryValue(const RegistryValue& value) {
    const QByteArray& data = value.data;
    if (value.type == kRegDword) {
        std::uint32_t number = 0;
        for (int i = 0; i < 4 && i < data.size(); ++i)
            number |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
        // At least three digits; larger numbers keep all of theirs.
        return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
    }
    if (value.type == kRegBinary) return QString::fromLatin1(data.toHex().toUpper());
    // Text types: the data without its terminating NUL. Text stored by hand
    // (sqlite3's UPDATE) has no NUL, and is read whole.
    if (data.endsWith('\0')) return QString::fromUtf8(data.left(data.size() - 1));
    return QString::fromUtf8(data);
}

RegistryStore::Reading RegistryStore::ReadRegistryString(std::uint32_t hive, const QString& keyPath,
                                                         const QString& valueName) const {
    try {
        if (!IsPredefinedHive(hive)) return {kNotFound};
        LookupResult result = LookupResult::Missing;
        const std::unique_ptr<RegistryKey> key = backend_.OpenKey(hive, keyPath, result);
        if (key) {
            RegistryValue value;
            result = key->QueryValue(valueName, value);
            if (result == LookupResult::Found) {
                if (value.data.size() > kRegistryReadBufferBytes) return {kNotFound, false, value.data.size()};
                return {RenderRegistryValue(value)};
            }
        }
        return {kNotFound, result == LookupResult::Failed};
    } catch (...) {
        return {kNotFound, true};
    }
}

void RegistryStore::SetRegistryString(std::uint32_t hive, const QString& keyPath,
                                      const QString& valueName, std::uint32_t valueType,
                                      const QString& value) const {
    try {
        if (!IsPredefinedHive(hive)) return;
        const std::unique_ptr<RegistryKey> key = backend_.CreateKey(hive, keyPath);
        if (!key) return;
        if (valueType == kRegDword) {
            if (const auto number = ToInt32(value)) {
                const auto bits = static_cast<std::uint32_t>(*number);
                QByteArray data(4, '\0');
                for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
                key->SetValue(valueName, RegistryValue{kRegDword, data});
            }
        } else if (valueType == kRegSz) {
            QByteArray data = value.toUtf8();
            data.append('\0');
            key->SetValue(valueName, RegistryValue{kRegSz, data});
        }
        key->Flush();
    } catch (...) {
        // A failed write is not reported; the value is simply not stored.
    }
}

}  // namespace quillon
