#include "KeyDispatch.h"

#include "VirtualKeys.h"

namespace {
constexpr unsigned kTracing = KeyDispatch::StateBit(GameState::Tracing);
constexpr unsigned kSelecting = KeyDispatch::StateBit(GameState::Selecting);
constexpr unsigned kFinished = KeyDispatch::StateBit(GameState::Finished);
constexpr unsigned kAny = KeyDispatch::kAnyState;
constexpr unsigned kAnyKey = KeyDispatch::kAnyKey;

// Ctrl is silent so that the accelerators' first key makes no sound.
constexpr KeyDispatch::Rule kRules[] = {
    {VK_CONTROL, kAny, KeyAction::Nothing},
    {VK_F1, kAny, KeyAction::Instructions},
    {VK_F2, kAny, KeyAction::Scores},
    {VK_END, kFinished, KeyAction::PlayAgain},
    {kAnyKey, kSelecting | kFinished, KeyAction::Refuse},
    {VK_DELETE, kTracing, KeyAction::Cancel},
    {VK_LEFT, kTracing, KeyAction::MoveLeft},
    {VK_UP, kTracing, KeyAction::MoveUp},
    {VK_RIGHT, kTracing, KeyAction::MoveRight},
    {VK_DOWN, kTracing, KeyAction::MoveDown},
    {kAnyKey, kTracing, KeyAction::Refuse},
};
} // namespace

std::span<const KeyDispatch::Rule> KeyDispatch::Rules() {
    return kRules;
}

KeyAction KeyDispatch::Lookup(unsigned key, GameState state) {
    for (const Rule& rule : kRules)
        if ((rule.key == kAnyKey || rule.key == key) && (rule.states & StateBit(state)))
            return rule.action;
    return KeyAction::Refuse;
}
