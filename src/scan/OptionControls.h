// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsCatalogue.h"

#include <QString>

namespace quillon {

// What the scan job reads of the option controls at the moment SCAN is
// pressed, and the status line it writes.
class OptionControls {
public:
    virtual ~OptionControls() = default;
    virtual int CheckState(OptionId id) const = 0;     // 0 or 1
    virtual int SelectedIndex(OptionId id) const = 0;  // -1 when nothing is selected
    virtual QString EditText(OptionId id) const = 0;   // the text in a list's edit field
    // Replaces the status line and repaints it at once.
    virtual void SetStatusText(const QString& text) = 0;
};

}  // namespace quillon
