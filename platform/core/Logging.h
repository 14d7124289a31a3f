#pragma once

#include <QLoggingCategory>

// The program's log categories (named in LogLines.h). Their debug output is
// off unless enabled with QT_LOGGING_RULES, e.g. "orlix.*.debug=true"; their
// warnings, what went wrong and what the program did instead, are on.
Q_DECLARE_LOGGING_CATEGORY(lcKeys)
Q_DECLARE_LOGGING_CATEGORY(lcSound)
Q_DECLARE_LOGGING_CATEGORY(lcAudio)
Q_DECLARE_LOGGING_CATEGORY(lcPaint)
Q_DECLARE_LOGGING_CATEGORY(lcDialogs)
Q_DECLARE_LOGGING_CATEGORY(lcWindow)
Q_DECLARE_LOGGING_CATEGORY(lcResources)
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
