// The rows of the window's layout tables: each page class owns the rows of
// its page, and the control builder (formlayout.cpp) creates them.
#pragma once

#include "formlayout.h"
#include "settings.h"

namespace ui {

enum class Kind { Label, Text, Check, Option, Button, Frame, Shape, Picture };

enum Flag : unsigned {
    Plain = 0,
    Hidden = 1 << 0,
    Disabled = 1 << 1,
    AlignRight = 1 << 2,
    Heading = 1 << 3, // a section heading: centred, bold Arial 9 point
    Wrap = 1 << 4,
    CodeText = 1 << 5, // a keystroke's code text: starts with "Text4"
};

// One control of a layout table. `parent` names a frame created earlier in
// the same table; null places the control on the table's container. A label's
// `buddy` names the control it captions in the same table; that control is
// named by the caption unless it has an `accessibleName` of its own (where
// the caption alone does not say what the control is).
struct ControlRow {
    Kind kind;
    const char *name;
    const char *caption;
    Twips at;
    const char *toolTip = nullptr;
    unsigned flags = Plain;
    const char *parent = nullptr;
    const char *buddy = nullptr;
    const char *accessibleName = nullptr;
};

constexpr int kTextHeight = 285;
constexpr int kLineHeight = 255;

// A keystroke slot's frame; its caption and code text stand in the settings
// table (config::kSlots). `name` is what the slot is called where the
// frame's caption alone would not tell: the name of every control in the
// frame starts with it.
struct SlotRow {
    const char *frame;
    const char *name;
    Twips at;
    unsigned codeFlags = Plain;
    const char *toolTip = nullptr;
};

// The keystroke pages' frames.
constexpr int kFrameTop = 540;
constexpr int kFrameWidth = 1815;
constexpr int kFrameHeight = 2655;

// A numeric setting's text box and its caption, as the settings table names them.
constexpr const char *box(config::Numeric which)
{
    return config::setting(which).control;
}

constexpr const char *caption(config::Numeric which)
{
    return config::setting(which).caption;
}

} // namespace ui
