#pragma once

#include "DialogTemplate.h"

class QWidget;

// The About box: the game's icon, version and keys, and a rights line. It
// keeps no data; OK, Esc and its close box all just close it.
class CAboutDlg {
public:
    static constexpr int IDD = 100;

    // Runs the box centred over owner until it is closed: IDOK for its OK
    // button, IDCANCEL otherwise.
    int DoModal(QWidget* owner);
};
