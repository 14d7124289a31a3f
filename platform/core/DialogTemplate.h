#pragma once

#include <vector>

// A modal dialog as a table: its window and its controls in dialog units,
// in tab order. The shell builds the real dialog from it, so the table is
// the one place its layout, texts and ids are written down. The texts are
// English; the dialog shows each line of them translated, looked up in the
// control's translation context, else the template's.
enum class ControlKind { PushButton, Static, Edit, Icon };

// The push buttons that end a dialog, and what DoModal gives back for them.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

enum ControlStyle : unsigned {
    CS_DEFAULT = 0x1,   // the default push button
    CS_TABSTOP = 0x2,   // reached with Tab; other controls never take the focus
    CS_GROUP = 0x4,     // starts a group of controls
    CS_CENTER = 0x8,    // text centred horizontally
    CS_VCENTER = 0x10,  // single line, centred vertically
    CS_READONLY = 0x20, // an edit field the player cannot change
    CS_BORDER = 0x40,   // a framed edit field
    CS_NOPREFIX = 0x80, // ampersands shown as typed
};

struct DialogControl {
    ControlKind kind;
    int id; // kNoId for a control nobody addresses
    int x, y, cx, cy;
    const char* text;
    unsigned style;
    const char* context = nullptr;
};

struct DialogTemplate {
    static constexpr int kNoId = 65535;
    int id;
    const char* caption;
    const char* fontFace;
    int pointSize;
    int cx, cy;      // the client area
    bool systemMenu; // a close box in the caption
    std::vector<DialogControl> controls;
    const char* context = nullptr; // none: the texts are shown as they are
};
