#include "ScoresDialogTemplate.h"

#include "OutlineCatalogue.h"
#include "ScoreHistory.h"

#include <QtGlobal>
#include <array>
#include <string>

namespace {
//: The dialog's caption, which the window manager draws in about 500 pixels.
constexpr const char* kCaption = QT_TRANSLATE_NOOP(
    "ScoresDialog", "Scores by Image. Score 0 is the Most Recent and Score -6 is the Oldest");
// The fixed-pitch font lines the header's columns up over the fields.
//: In a fixed-pitch font, each heading above its column: the first at character 12, the
//: second at 21, and every further one 10 characters to the right; 79 characters at most.
constexpr const char* kHeader = QT_TRANSLATE_NOOP(
    "ScoresDialog",
    "Image      Score 0  Score -1  Score -2  Score -3  Score -4  Score -5  Score -6");
// Left edge of each slot's column, slot 0 first.
constexpr std::array<int, ScoreHistory::kSlots> kSlotX{48, 87, 127, 167, 207, 248, 288};
constexpr int kFirstRowY = 30, kRowPitch = 16, kFieldWidth = 28, kFieldHeight = 13;
// Below the last row: the Exit button, then the dialog's bottom edge.
constexpr int kRowsEnd = kFirstRowY + kRowPitch * ScoreHistory::kOutlines;
constexpr int kExitY = kRowsEnd + 8, kDialogHeight = kRowsEnd + 24;

// The names column: one outline a row, each beside its fields, translated as
// on the board.
const char* Names() {
    static const std::string names = [] {
        std::string text;
        for (const OutlineEntry& entry : OutlineCatalogue::Entries())
            text += (text.empty() ? "" : "\n\n") + std::string(entry.name);
        return text;
    }();
    return names.c_str();
}

DialogTemplate Build() {
    DialogTemplate t{ScoresDialogTemplate::kId,
                     kCaption,
                     "Fixedsys",
                     9,
                     326,
                     kDialogHeight,
                     false,
                     {},
                     "ScoresDialog"};
    t.controls = {
        {ControlKind::PushButton, 1, 138, kExitY, 50, 14, QT_TRANSLATE_NOOP("ScoresDialog", "Exit"),
         CS_DEFAULT | CS_TABSTOP},
        {ControlKind::Static, DialogTemplate::kNoId, 6, 12, 316, 11, kHeader, CS_VCENTER},
        {ControlKind::Static, DialogTemplate::kNoId, 5, kFirstRowY + 2, 34,
         kRowPitch * ScoreHistory::kOutlines - 3, Names(), 0, "Outline"},
    };
    // In ascending id order, which runs row by row only from the Diamond on.
    std::array<DialogControl, ScoreHistory::kOutlines * ScoreHistory::kSlots> fields{};
    for (int outline = 1; outline <= ScoreHistory::kOutlines; ++outline)
        for (int slot = 0; slot < ScoreHistory::kSlots; ++slot) {
            const int id = ScoreHistory::FieldId(outline, slot);
            const int y = kFirstRowY + kRowPitch * (outline - 1);
            fields[size_t(id - 1001)] = {ControlKind::Edit,
                                         id,
                                         kSlotX[size_t(slot)],
                                         y,
                                         kFieldWidth,
                                         kFieldHeight,
                                         "",
                                         CS_READONLY | CS_BORDER | CS_CENTER};
        }
    fields[0].style |= CS_GROUP;
    t.controls.insert(t.controls.end(), fields.begin(), fields.end());
    return t;
}
} // namespace

const DialogTemplate& ScoresDialogTemplate::Get() {
    static const DialogTemplate t = Build();
    return t;
}
