#pragma once

#include <QtGlobal>

// The instructions, block by block, in the order the view joins them: F1
// shows the first six, the printed page carries all seven. In English; the
// view joins them in the player's language.
namespace InstructionTexts {
//: The instructions begin here; F1 shows them, and the printed page, which must hold all of
//: them on one page, also carries the last block. Keep to about the length of the English.
//: The counters' names in quotes are the labels above the board, without their colons.
inline constexpr const char* kWelcome = QT_TRANSLATE_NOOP(
    "Instructions",
    "Welcome to O.R.L.I.X.! The object of the game is to trace a selected outline as closely "
    "as possible with the four arrow keys, near the bottom right of your keyboard: you trace "
    "over the light green outline with a black pen. When the game comes up, small images near "
    "the top left corner of the screen stand for the outlines; left-click one and its outline "
    "appears in the centre of the screen, with a black dot on it: your first move, already "
    "made for you. Above the outline are three numbers. 'Hit Count' starts at one and goes up "
    "by one each time the pen covers a green pixel of the outline. 'Move Count' starts at one "
    "and goes up by one for each arrow-key press and each move of the pen by a right-click on "
    "the outline. 'Moves Left', the presses and pen moves you have left, starts one below the "
    "number shown inside the outline and goes down by one with each of them. When it reaches "
    "zero the game ends, and your hits and misses appear below the outline with your score, "
    "from 0 to 100. To play: ");

//: One step a line, each number followed by three blanks.
inline constexpr const char* kSteps = QT_TRANSLATE_NOOP(
    "Instructions",
    "1.   Left-click one of the small images near the top left of the screen.\n"
    "2.   Find the starting point of the tracing: the black dot on the outline.\n"
    "3.   Trace the outline as closely as you can with the arrow keys.\n"
    "4.   If necessary, move the pen by right-clicking a green pixel of the outline.\n"
    "5.   Keep tracing until your moves are used up ('Moves Left' is zero).\n"
    "6.   Read your score below the outline.\n"
    "7.   To play again, press the End key and go back to step 1.");

inline constexpr const char* kHint = QT_TRANSLATE_NOOP(
    "Instructions",
    "Hint: Of the two directions from the starting point, take the easier one first.");

inline constexpr const char* kBrr = QT_TRANSLATE_NOOP(
    "Instructions",
    "If you hear a brr sound it means that you clicked or pressed a key that was not enabled "
    "at that moment, or that you clicked in the wrong place; no harm is done. Your scores last "
    "for as long as the program runs: press F2 to see them at any time.");

inline constexpr const char* kScreenSize =
    QT_TRANSLATE_NOOP("Instructions", "The game works best at a screen resolution of 800x600.");

inline constexpr const char* kPublisher = QT_TRANSLATE_NOOP(
    "Instructions", "O.R.L.I.X. is produced by the O.R.L.I.X. project.\n"
                    "These materials may not be copied or distributed without our permission.\n"
                    "Copyright (c) 2026 The O.R.L.I.X. project. All rights reserved.\n"
                    "The O.R.L.I.X. project, P.O. Box 418, Example Town, EX 00418\n"
                    "E-mail: games@example.org");

inline constexpr const char* kDownload = QT_TRANSLATE_NOOP(
    "Instructions",
    "More free games from the O.R.L.I.X. project wait for you on our download site, "
    "downloads.example.org: open its Games page and search for \"O.R.L.I.X. project\".");
} // namespace InstructionTexts
