#pragma once

class IBitmapLoader;
class IScoreRecorder;
class IShell;
class ISoundPlayer;

// The outside services the game view draws on; none is owned by the view.
struct ViewServices {
    ISoundPlayer* sound = nullptr;
    const IBitmapLoader* bitmaps = nullptr;
    IShell* shell = nullptr;
    IScoreRecorder* scores = nullptr; // the history the scores dialog shows
};
