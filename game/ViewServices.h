#pragma once

class IBitmapLoader;
class IShell;
class ISoundPlayer;
class ScoreHistory;

// The outside services the game view draws on; none is owned by the view.
struct ViewServices {
    ISoundPlayer* sound = nullptr;
    const IBitmapLoader* bitmaps = nullptr;
    IShell* shell = nullptr;
    ScoreHistory* scores = nullptr; // the history the scores dialog shows
};
