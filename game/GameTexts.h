#pragma once

// Texts the board shows.
namespace GameTexts {
inline constexpr const char* kRepositionHint =
    "To reposition the tracing pen, right click at the desired point on the outline.\n"
    "To cancel this selection, press Delete.";
inline constexpr const char* kPlayAgain = "To play again, press the End Key.";
inline constexpr const char* kPrompt =
    "Select an outline by left clicking on one of the images above.";
inline constexpr const char* kHelpLine =
    "To view the instructions, press F1; to print them, press the Ctrl and P keys. "
    "To Quit, press the Alt and F4 keys.";
inline constexpr const char* kAdvice =
    "Try a screen size of 800x600 if possible. If not, try the smallest available screen "
    "size. This will make it easier to see the outlines.\n\n"
    "Remember: All shapes are made up of horizontal and vertical segments. There is no such "
    "thing as a slanted line or a curve.\n\n"
    "To see past scores from this session, press F2.";
} // namespace GameTexts
