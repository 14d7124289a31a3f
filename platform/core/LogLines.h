#pragma once

#include <array>

// The program's log categories, and the lines of them that the end-to-end
// tests and the start-up measurements follow, each as its category and the
// words it begins with. Those take the wording from here (the tests through
// `orlix-testtool log-lines`), so it is written once. The lines are debug
// output, seen with QT_LOGGING_RULES="orlix.*.debug=true" and
// QT_MESSAGE_PATTERN="%{category}: %{message}"; warnings are on by default.
namespace LogCategory {
inline constexpr const char* kKeys = "orlix.keys";           // keys and clicks for the view
inline constexpr const char* kSound = "orlix.sound";         // sounds asked for
inline constexpr const char* kAudio = "orlix.audio";         // the sound output
inline constexpr const char* kPaint = "orlix.paint";         // repaints of the view
inline constexpr const char* kDialogs = "orlix.dialogs";     // what the modal boxes show
inline constexpr const char* kWindow = "orlix.window";       // the window and its manager
inline constexpr const char* kResources = "orlix.resources"; // built-in pictures, sounds, faces
inline constexpr const char* kSettings = "orlix.settings";   // the settings file
} // namespace LogCategory

struct LogLine {
    const char* name; // the tests' name for it: LOG_<name>
    const char* category;
    const char* text; // what the line begins with, after "category: "
};

namespace LogLines {
using namespace LogCategory;
// Then the client size and the bounds of the part repainted.
inline constexpr LogLine kRepaint{"REPAINT", kPaint, "OnDraw"};
inline constexpr LogLine kFirstFrame{"FIRST_FRAME", kPaint, "first frame on screen"};
// Then the virtual-key code.
inline constexpr LogLine kKey{"KEY", kKeys, "OnKeyDown"};
// Then the point clicked.
inline constexpr LogLine kLeftClick{"LEFT_CLICK", kKeys, "OnLButtonDown"};
// Then the sound's id.
inline constexpr LogLine kSoundAsync{"SOUND_ASYNC", kSound, "async"};
inline constexpr LogLine kSoundWait{"SOUND_WAIT", kSound, "wait"};
// Then how long the input was held, in ms, and why it ended: "heard",
// "stalled", "no output" or "limit".
inline constexpr LogLine kSoundWaited{"SOUND_WAITED", kSound, "held input for"};
inline constexpr LogLine kOutputOpen{"OUTPUT_OPEN", kAudio, "output open"};
inline constexpr LogLine kOutputIdle{"OUTPUT_IDLE", kAudio, "output paused after a silence"};
// Then the length of its text.
inline constexpr LogLine kMessageBox{"MESSAGE_BOX", kDialogs, "message box"};
// Then the field's id, its text in quotes and its geometry.
inline constexpr LogLine kScoreField{"SCORE_FIELD", kDialogs, "field"};
// Then the platform's name.
inline constexpr LogLine kPlatform{"PLATFORM", kWindow, "platform"};
// Then what the window manager has told of the window.
inline constexpr LogLine kShown{"SHOWN", kWindow, "shown"};
// Then why: what the window manager told, or no window manager, or the time
// limit.
inline constexpr LogLine kSettled{"SETTLED", kWindow, "settled:"};
// A warning: the window manager never settled the window. Then the limit.
inline constexpr LogLine kSettledLate{"SETTLED_LATE", kWindow, "window not settled within"};

inline constexpr std::array kAll{kRepaint,    kFirstFrame,  kKey,        kLeftClick,  kSoundAsync,
                                 kSoundWait,  kSoundWaited, kOutputOpen, kOutputIdle, kMessageBox,
                                 kScoreField, kPlatform,    kShown,      kSettled,    kSettledLate};
} // namespace LogLines
