// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PendingRegistryBackend.h"

#include <QSet>

namespace quillon {

// A key of the store below, with the values kept for it on top: they read as
// stored, and what is set through it is kept until its flush writes it.
class PendingKey : public RegistryKey {
public:
    PendingKey(PendingRegistryBackend& layer, std::uint32_t hive, QString path, std::unique_ptr<RegistryKey> below,
               LookupResult belowResult)
        : layer_(layer), hive_(hive), path_(std::move(path)), below_(std::move(below)), belowResult_(belowResult) {}

    ~PendingKey() override {
        // Closing a key keeps what was set through it, as the registry does.
        if (unwritten_) Flush();
    }

    LookupResult QueryValue(const QString& name, RegistryValue& value) override {
        const auto kept = layer_.pending_.constFind(ValueSlot(hive_, path_, name));
        if (kept != layer_.pending_.constEnd()) {
            value = kept->value;
            return LookupResult::Found;
        }
        // A store that could not be read is not taken for one without the value.
        return below_ ? below_->QueryValue(name, value) : belowResult_;
    }
    bool SetValue(const QString& name, const RegistryValue& value) override {
        layer_.Keep(hive_, path_, name, value);
        unwritten_ = true;
        return true;
    }
    bool Flush() override {
        if (!unwritten_) return true;
        unwritten_ = false;
        const bool written = layer_.WriteKey(hive_, path_);
        layer_.Announce();
        return written;
    }

private:
    PendingRegistryBackend& layer_;
    std::uint32_t hive_;
    QString path_;
    std::unique_ptr<RegistryKey> below_;
    LookupResult belowResult_;
    bool unwritten_ = false;
};

std::unique_ptr<RegistryKey> PendingRegistryBackend::OpenKey(std::uint32_t hive, const QString& path,
                                                             LookupResult& result) {
    std::unique_ptr<RegistryKey> below = below_.OpenKey(hive, path, result);
    if (!HasKeptUnder(hive, path)) return below;
    const LookupResult belowResult = result;
    result = LookupResult::Found;
    return std::make_unique<PendingKey>(*this, hive, path, std::move(below), belowResult);
}

std::unique_ptr<RegistryKey> PendingRegistryBackend::CreateKey(std::uint32_t hive, const QString& path) {
    // The key below is made when the values are written: a key that cannot
    // be made now still takes them.
    return std::make_unique<PendingKey>(*this, hive, path, nullptr, LookupResult::Missing);
}

void PendingRegistryBackend::Keep(std::uint32_t hive, const QString& path, const QString& name,
                                  const RegistryValue& value) {
    pending_.insert(ValueSlot(hive, path, name), Kept{hive, path, ValueSlot(hive, path, QString()), name, value});
}

bool PendingRegistryBackend::HasKeptUnder(std::uint32_t hive, const QString& path) const {
    const QString keySlot = ValueSlot(hive, path, QString());
    for (const Kept& kept : pending_)
        if (kept.keySlot == keySlot) return true;
    return false;
}

bool PendingRegistryBackend::WriteKey(std::uint32_t hive, const QString& path) {
    const QString keySlot = ValueSlot(hive, path, QString());
    const std::unique_ptr<RegistryKey> key = below_.CreateKey(hive, path);
    bool written = key != nullptr;
    for (auto kept = pending_.cbegin(); written && kept != pending_.cend(); ++kept)
        if (kept->keySlot == keySlot) written = key->SetValue(kept->name, kept->value);
    written = written && key->Flush();
    if (!written) return false;
    for (auto kept = pending_.begin(); kept != pending_.end();)
        kept = kept->keySlot == keySlot ? pending_.erase(kept) : std::next(kept);
    return true;
}

bool PendingRegistryBackend::WritePending(bool waitForLocks) {
    below_.SetWaitForLocks(waitForLocks);
    QSet<QString> tried;
    const QList<Kept> kept = pending_.values();
    for (const Kept& value : kept)
        if (!tried.contains(value.keySlot)) {
            tried.insert(value.keySlot);
            WriteKey(value.hive, value.path);
        }
    below_.SetWaitForLocks(true);
    Announce();
    return pending_.isEmpty();
}

void PendingRegistryBackend::Announce() {
    if (HasPending() == announced_) return;
    announced_ = HasPending();
    if (onPendingChanged_) onPendingChanged_();
}

}  // namespace quillon
