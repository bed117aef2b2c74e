// The shape of the utility's window as the plain window rebuilds it: every
// control with its class, container, place, text, font and state, as read
// from the real window by ostraval-bench-describe at build time.
#pragma once

namespace bench::shape {

enum class Kind { Label, Text, Check, Option, Button, Frame, Shape, List, Tabs, Page };

// Control flags.
enum : unsigned { Hidden = 1, Disabled = 2, WordWrap = 4, ReadOnly = 8 };

struct Font {
    const char16_t *family;
    double pointSize;
    bool bold;
};

struct Control {
    Kind kind;
    int parent; // index of the containing control; -1 for the window
    const char *name;
    int x, y, width, height;
    const char16_t *text; // caption, text or page title; nullptr for none
    int font;             // index into the fonts of a font set on the control; -1 inherits
    int detail;           // Label, Text: alignment; Check, Option: checked;
                          // Shape: frame style; List: current row
    int rows;             // List: index into the row lists
    unsigned textColour;  // Label: its text's colour (0xAARRGGBB) when not the palette's
                          // window text; 0 otherwise
    unsigned flags;
};

struct RowList {
    const char16_t *const *rows;
    int count;
};

struct Window {
    const char16_t *title;
    int width, height;
    int font;
};

} // namespace bench::shape
