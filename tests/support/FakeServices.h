#pragma once

#include "IShell.h"
#include "ISoundPlayer.h"

#include <functional>
#include <string>
#include <vector>

// Records every sound the game asks for, in order; onWait, if set, runs
// where a waited sound would hold the input.
class RecordingSoundPlayer : public ISoundPlayer {
public:
    struct Played {
        int id;
        bool waited;
        friend bool operator==(const Played&, const Played&) = default;
    };
    void PlaySoundAsync(int id) override { played.push_back({id, false}); }
    void PlaySoundWait(int id) override {
        played.push_back({id, true});
        if (onWait)
            onWait();
    }
    std::vector<Played> played;
    std::function<void()> onWait;
};

// Records the titles and board texts set, the exits asked for and the modal boxes shown;
// exiting only records, and a box returns at once.
class FakeShell : public IShell {
public:
    void SetMainWindowTitle(const std::string& title) override { titles.push_back(title); }
    void SetBoardText(const std::string& name, const std::string& description) override {
        boardTexts.push_back({name, description});
    }
    void ExitProcess(int status) override { exits.push_back(status); }
    void ShowMessageBox(const std::string& text) override { messageBoxes.push_back(text); }
    void RunScoresDialog() override { ++scoresDialogs; }
    std::vector<std::string> titles;
    std::vector<std::pair<std::string, std::string>> boardTexts;
    std::vector<int> exits;
    std::vector<std::string> messageBoxes;
    int scoresDialogs = 0;
};
