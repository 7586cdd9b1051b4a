// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillon {

// The per-user base folders of the XDG layout that Quillon keeps files in.
enum class XdgBase {
    Config,  // $XDG_CONFIG_HOME, usually ~/.config
    State,   // $XDG_STATE_HOME, usually ~/.local/state
};

// Quillon's own folder under the base, without a trailing separator. A
// variable that is unset, empty or not absolute is ignored, as the layout says.
QString QuillonFolder(XdgBase base);

}  // namespace quillon
