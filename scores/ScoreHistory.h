#pragma once

#include "IScoreRecorder.h"
#include "OutlineCatalogue.h"

#include <array>
#include <string>

// The last seven scores of each outline, for as long as the program runs.
// Slot 0 is the newest, slot 6 the oldest; a slot holds the score text
// exactly as the game end formatted it, or nothing.
class ScoreHistory : public IScoreRecorder {
public:
    static constexpr int kOutlines = OutlineCatalogue::kCount;
    static constexpr int kSlots = 7;

    // Files text as the newest score of the outline (1..kOutlines); the
    // oldest is dropped. Any other outline number records nothing.
    void RecordScore(int outline, const std::string& text) override;

    // outline 1..kOutlines, slot 0..6
    const std::string& Score(int outline, int slot) const;
    void SetScore(int outline, int slot, const std::string& text);

    static bool IsOutline(int outline) { return outline >= 1 && outline <= kOutlines; }
    // The id of the scores dialog's field that shows the slot.
    static int FieldId(int outline, int slot);

private:
    // Row 0 is unused, so rows are the outline numbers.
    std::array<std::array<std::string, kSlots>, kOutlines + 1> m_strScore;
};
