// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace quillon {

enum class ControlKind { CommandButton, CheckBox, ComboBox, Label };

// One control of the main window. Positions and sizes are in twips (1/1440 inch)
// from the top-left corner of the client area.
struct ControlLayout {
    const char* name;
    ControlKind kind;
    const char* caption;
    int left, top, width, height;
    const char* toolTip;  // empty: none
};

constexpr int kClientWidthTwips = 9270;
constexpr int kClientHeightTwips = 3275;

// Every control, in tab order.
std::span<const ControlLayout> MainControls();

// Twips to pixels at a screen's logical resolution (15 twips a pixel at 96 dpi).
int TwipsToPixels(int twips, double logicalDpi);

}  // namespace quillon
