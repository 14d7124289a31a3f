#include "AboutDialogTemplate.h"

namespace {
constexpr const char* kVersionLines = "O.R.L.I.X. Version K418 \n"
                                      "To see instructions press F1\n"
                                      "To see past scores press F2";
constexpr const char* kRights = "(c) 2026 O.R.L.I.X. project";

DialogTemplate Build() {
    constexpr int none = DialogTemplate::kNoId;
    return {
        AboutDialogTemplate::kId,
        "About O.R.L.I.X.",
        "MS Sans Serif",
        8,
        217,
        55,
        true,
        {
            // The application's icon; an icon control shows no text.
            {ControlKind::Icon, none, 11, 17, 20, 20, "", 0},
            {ControlKind::Static, none, 40, 10, 119, 25, kVersionLines, CS_NOPREFIX | CS_GROUP},
            {ControlKind::Static, none, 40, 36, 119, 8, kRights, CS_GROUP},
            {ControlKind::PushButton, 1, 178, 7, 32, 14, "OK", CS_DEFAULT | CS_TABSTOP | CS_GROUP},
        }};
}
} // namespace

const DialogTemplate& AboutDialogTemplate::Get() {
    static const DialogTemplate t = Build();
    return t;
}
