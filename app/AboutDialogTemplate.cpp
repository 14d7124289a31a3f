#include "AboutDialogTemplate.h"

#include <QtGlobal>
#include <string>

namespace {
constexpr const char* kContext = "AboutBox";
// Three lines in a box about 190 pixels wide.
const char* VersionLines() {
    static const std::string lines =
        std::string(QT_TRANSLATE_NOOP("AboutBox", "O.R.L.I.X. Version K418 ")) + "\n" +
        QT_TRANSLATE_NOOP("AboutBox", "To see instructions press F1") + "\n" +
        QT_TRANSLATE_NOOP("AboutBox", "To see past scores press F2");
    return lines.c_str();
}
constexpr const char* kRights = QT_TRANSLATE_NOOP("AboutBox", "(c) 2026 O.R.L.I.X. project");

DialogTemplate Build() {
    constexpr int none = DialogTemplate::kNoId;
    return {
        AboutDialogTemplate::kId,
        QT_TRANSLATE_NOOP("AboutBox", "About O.R.L.I.X."),
        "MS Sans Serif",
        8,
        217,
        55,
        true,
        {
            // The application's icon; an icon control shows no text.
            {ControlKind::Icon, none, 11, 17, 20, 20, "", 0},
            {ControlKind::Static, none, 40, 10, 119, 25, VersionLines(), CS_NOPREFIX | CS_GROUP},
            {ControlKind::Static, none, 40, 36, 119, 8, kRights, CS_GROUP},
            {ControlKind::PushButton, 1, 178, 7, 32, 14, QT_TRANSLATE_NOOP("AboutBox", "OK"),
             CS_DEFAULT | CS_TABSTOP | CS_GROUP},
        },
        kContext};
}
} // namespace

const DialogTemplate& AboutDialogTemplate::Get() {
    static const DialogTemplate t = Build();
    return t;
}
