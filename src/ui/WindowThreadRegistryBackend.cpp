// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowThreadRegistryBackend.h"

#include "ui/OnWindowThread.h"

namespace quillon {

namespace {

// A key of the owned store, used and closed on the window's thread.
class WindowThreadKey : public RegistryKey {
public:
    WindowThreadKey(std::unique_ptr<RegistryKey> owned, QObject* window) : owned_(std::move(owned)), window_(window) {}
    ~WindowThreadKey() override {
        OnWindowThread(window_, [this] { owned_.reset(); });
    }
    LookupResult QueryValue(const QString& name, RegistryValue& value) override {
        return OnWindowThread(window_, [&] { return owned_->QueryValue(name, value); });
    }
    bool SetValue(const QString& name, const RegistryValue& value) override {
        return OnWindowThread(window_, [&] { return owned_->SetValue(name, value); });
    }
    bool Flush() override {
        return OnWindowThread(window_, [&] { return owned_->Flush(); });
    }

private:
    std::unique_ptr<RegistryKey> owned_;
    QObject* window_;
};

std::unique_ptr<RegistryKey> Wrapped(std::unique_ptr<RegistryKey> key, QObject* window) {
    if (!key) return nullptr;
    return std::make_unique<WindowThreadKey>(std::move(key), window);
}

}  // namespace

std::unique_ptr<RegistryKey> WindowThreadRegistryBackend::OpenKey(std::uint32_t hive, const QString& path,
                                                                  LookupResult& result) {
    std::unique_ptr<RegistryKey> key;
    OnWindowThread(window_, [&] { key = owned_.OpenKey(hive, path, result); });
    return Wrapped(std::move(key), window_);
}

std::unique_ptr<RegistryKey> WindowThreadRegistryBackend::CreateKey(std::uint32_t hive, const QString& path) {
    std::unique_ptr<RegistryKey> key;
    OnWindowThread(window_, [&] { key = owned_.CreateKey(hive, path); });
    return Wrapped(std::move(key), window_);
}

QString WindowThreadRegistryBackend::TakeNotice() {
    return OnWindowThread(window_, [this] { return owned_.TakeNotice(); });
}

}  // namespace quillon
