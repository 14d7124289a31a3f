#pragma once

#include <QtGlobal>

// Texts the board shows, in English; the view draws them in the player's
// language (BoardTexts). The notes are for the translators, who see them
// beside each text.
namespace GameTexts {
//: Below the board while tracing: two lines, each centred on one line of its own across the
//: window, also in a window 800 pixels wide. "Delete" is the key's name on the keyboard.
inline constexpr const char* kRepositionHint = QT_TRANSLATE_NOOP(
    "Board", "To reposition the tracing pen, right click at the desired point on the outline.\n"
             "To cancel this selection, press Delete.");
//: Below the board once a game is over, on one line. "End" is the key's name on the keyboard.
inline constexpr const char* kPlayAgain =
    QT_TRANSLATE_NOOP("Board", "To play again, press the End Key.");
//: One line under the pictures at the top left, 620 pixels wide at most.
inline constexpr const char* kPrompt =
    QT_TRANSLATE_NOOP("Board", "Select an outline by left clicking on one of the images above.");
//: One line along the bottom of the window, which may be only 800 pixels wide: the English
//: takes nearly all of it. The key names are those printed on the keyboard.
inline constexpr const char* kHelpLine = QT_TRANSLATE_NOOP(
    "Board", "To view the instructions, press F1; to print them, press the Ctrl and P keys. "
             "To Quit, press the Alt and F4 keys.");
//: The column at the right of the board, 140 pixels wide and about 23 lines tall in an
//: 800 x 600 window: short words, three paragraphs.
inline constexpr const char* kAdvice = QT_TRANSLATE_NOOP(
    "Board",
    "Try a screen size of 800x600 if possible. If not, try the smallest available screen "
    "size. This will make it easier to see the outlines.\n\n"
    "Remember: All shapes are made up of horizontal and vertical segments. There is no such "
    "thing as a slanted line or a curve.\n\n"
    "To see past scores from this session, press F2.");

// The counters above the board and the results below it: a label ending in a
// blank, followed by the number.
//: Counter above the board; the number follows the blank. At most 20 bytes.
inline constexpr const char* kMovesLeft = QT_TRANSLATE_NOOP("Board", "Moves Left: ");
//: Counter above the board; the number follows the blank. At most 20 bytes.
inline constexpr const char* kMoveCount = QT_TRANSLATE_NOOP("Board", "Move Count: ");
//: Counter above the board; the number follows the blank. At most 20 bytes.
inline constexpr const char* kHitCount = QT_TRANSLATE_NOOP("Board", "Hit Count: ");
//: Result below the board; the number follows the blank. At most 20 bytes.
inline constexpr const char* kMisses = QT_TRANSLATE_NOOP("Board", "Misses: ");
//: Result below the board; the number follows the blank. At most 20 bytes.
inline constexpr const char* kHits = QT_TRANSLATE_NOOP("Board", "Hits: ");
//: Result below the board, from 0 to 100; the number follows the blank. At most 20 bytes.
inline constexpr const char* kScore = QT_TRANSLATE_NOOP("Board", "Score: ");

// The window title: the notice, the date and time, the version.
//: Start of the window title, before the date and time.
inline constexpr const char* kRightsNotice =
    QT_TRANSLATE_NOOP("WindowTitle", "O.R.L.I.X. Copyright (c) 2026, all rights reserved -- ");
//: End of the window title, after the date and time.
inline constexpr const char* kVersionSuffix = QT_TRANSLATE_NOOP("WindowTitle", " -- Version K418");
} // namespace GameTexts
