#pragma once

// Plays the built-in sounds by resource id. A sound that is missing, or a
// machine without audio, plays nothing; neither call ever hangs.
class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    // Returns at once; replaces a sound still playing.
    virtual void PlaySoundAsync(int id) = 0;
    // Holds the input until the sound has been heard to its end; returns
    // sooner when there is no output, the server has stopped answering or
    // the sound device lags far behind.
    virtual void PlaySoundWait(int id) = 0;
};
