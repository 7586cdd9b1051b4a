// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/RegistryStore.h"
#include "settings/SettingsCatalogue.h"

#include <QStringList>

namespace quillon {

// How one stored option is taken, judged alike for the window and for
// quillon-scan: the value its control takes, and what the user is told.
struct StoredOptionJudgement {
    int value = 0;        // the list position or check state the control takes
    bool unread = false;  // the store could not be read: the default stands in for what may be stored
    // A stored value that cannot be used (no position of the list, no check
    // state, no number, too long to be read), as a sentence naming the option
    // and the default used instead. Empty when the value is used, or missing
    // or empty (the empty text, left by the Defaults button, means the default).
    QString unusable;
};

// items: the list's items in order; none for a check box.
StoredOptionJudgement JudgeStoredOption(const OptionSpec& option, const RegistryStore::Reading& stored,
                                        const QStringList& items);

}  // namespace quillon
