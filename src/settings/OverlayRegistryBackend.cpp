// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/OverlayRegistryBackend.h"

namespace quillon {

class OverlayKey : public RegistryKey {
public:
    OverlayKey(OverlayRegistryBackend& overlay, std::uint32_t hive, QString path, std::unique_ptr<RegistryKey> below)
        : overlay_(overlay), hive_(hive), path_(std::move(path)), below_(std::move(below)) {}

    LookupResult QueryValue(const QString& name, RegistryValue& value) override {
        const auto found = overlay_.written_.constFind(ValueSlot(hive_, path_, name));
        if (found != overlay_.written_.constEnd()) {
            value = *found;
            return LookupResult::Found;
        }
        return below_ ? below_->QueryValue(name, value) : LookupResult::Missing;
    }
    bool SetValue(const QString& name, const RegistryValue& value) override {
        overlay_.written_.insert(ValueSlot(hive_, path_, name), value);
        return true;
    }
    bool Flush() override { return true; }

private:
    OverlayRegistryBackend& overlay_;
    std::uint32_t hive_;
    QString path_;
    std::unique_ptr<RegistryKey> below_;
};

std::unique_ptr<RegistryKey> OverlayRegistryBackend::OpenKey(std::uint32_t hive, const QString& path,
                                                             LookupResult& result) {
    std::unique_ptr<RegistryKey> below = below_.OpenKey(hive, path, result);
    const QString prefix = ValueSlot(hive, path, QString());
    bool written = false;
    for (auto it = written_.constBegin(); it != written_.constEnd() && !written; ++it) written = it.key().startsWith(prefix);
    if (!below && !written) return nullptr;
    result = LookupResult::Found;
    return std::make_unique<OverlayKey>(*this, hive, path, std::move(below));
}

std::unique_ptr<RegistryKey> OverlayRegistryBackend::CreateKey(std::uint32_t hive, const QString& path) {
    LookupResult ignored = LookupResult::Missing;
    return std::make_unique<OverlayKey>(*this, hive, path, below_.OpenKey(hive, path, ignored));
}

}  // namespace quillon
