#include "Logging.h"

Q_LOGGING_CATEGORY(lcKeys, "orlix.keys", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSound, "orlix.sound", QtWarningMsg)
Q_LOGGING_CATEGORY(lcAudio, "orlix.audio", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPaint, "orlix.paint", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDialogs, "orlix.dialogs", QtWarningMsg)
Q_LOGGING_CATEGORY(lcWindow, "orlix.window", QtWarningMsg)
