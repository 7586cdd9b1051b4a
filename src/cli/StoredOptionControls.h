// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/OptionControls.h"

#include <QMap>
#include <QStringList>

#include <array>

namespace quillon {

class RegistryStore;

// The option controls as the window would load them from the store, with the
// command line's overrides on top and the window's availability rule applied:
// JPEG, PNG and WIA give one page, front only. The status line goes to
// standard error.
class StoredOptionControls : public OptionControls {
public:
    StoredOptionControls(const RegistryStore& store, const QMap<OptionId, int>& overrides,
                         const QMap<OptionId, QString>& texts);

    int CheckState(OptionId id) const override;
    int SelectedIndex(OptionId id) const override;
    QString EditText(OptionId id) const override;
    void SetStatusText(const QString& text) override;

    // Some stored option could not be read (the store is locked or broken):
    // scanning with defaults in its place would not be what the user stored.
    bool storeUnread() const { return storeUnread_; }
    // A sentence for each stored value that cannot be used, naming the
    // option and the default used instead.
    const QStringList& unusableValues() const { return unusableValues_; }

private:
    bool storeUnread_ = false;
    QStringList unusableValues_;
    std::array<int, kOptionCount> values_{};
    QMap<OptionId, QString> texts_;
};

}  // namespace quillon
