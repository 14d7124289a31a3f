#pragma once

#include "IShell.h"
#include "ISoundPlayer.h"

#include <string>
#include <vector>

// Records every sound the game asks for, in order.
class RecordingSoundPlayer : public ISoundPlayer {
public:
    struct Played {
        int id;
        bool waited;
        friend bool operator==(const Played&, const Played&) = default;
    };
    void PlaySoundAsync(int id) override { played.push_back({id, false}); }
    void PlaySoundWait(int id) override { played.push_back({id, true}); }
    std::vector<Played> played;
};

// Records the titles set and the exits asked for; exiting only records.
class FakeShell : public IShell {
public:
    void SetMainWindowTitle(const std::string& title) override { titles.push_back(title); }
    void ExitProcess(int status) override { exits.push_back(status); }
    std::vector<std::string> titles;
    std::vector<int> exits;
};
