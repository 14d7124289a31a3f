#pragma once

#include <QLoggingCategory>

// Off unless enabled with QT_LOGGING_RULES, e.g. "orlix.*.debug=true"; the
// end-to-end tests watch them to see what reached the game.
Q_DECLARE_LOGGING_CATEGORY(lcKeys)    // keys delivered to the view
Q_DECLARE_LOGGING_CATEGORY(lcSound)   // sounds asked for
Q_DECLARE_LOGGING_CATEGORY(lcAudio)   // the audio output opening, failing or lost
Q_DECLARE_LOGGING_CATEGORY(lcPaint)   // repaints of the view
Q_DECLARE_LOGGING_CATEGORY(lcDialogs) // what the modal boxes show
Q_DECLARE_LOGGING_CATEGORY(lcWindow)  // how the window manager placed the window
