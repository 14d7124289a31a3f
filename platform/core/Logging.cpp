#include "Logging.h"

#include "LogLines.h"

Q_LOGGING_CATEGORY(lcKeys, LogCategory::kKeys, QtWarningMsg)
Q_LOGGING_CATEGORY(lcSound, LogCategory::kSound, QtWarningMsg)
Q_LOGGING_CATEGORY(lcAudio, LogCategory::kAudio, QtWarningMsg)
Q_LOGGING_CATEGORY(lcPaint, LogCategory::kPaint, QtWarningMsg)
Q_LOGGING_CATEGORY(lcDialogs, LogCategory::kDialogs, QtWarningMsg)
Q_LOGGING_CATEGORY(lcWindow, LogCategory::kWindow, QtWarningMsg)
Q_LOGGING_CATEGORY(lcResources, LogCategory::kResources, QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, LogCategory::kSettings, QtWarningMsg)
