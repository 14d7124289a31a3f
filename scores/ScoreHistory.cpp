#include "ScoreHistory.h"

void ScoreHistory::RecordScore(int outline, const std::string& text) {
    if (!IsOutline(outline))
        return;
    auto& row = m_strScore[outline];
    for (int slot = kSlots - 1; slot > 0; --slot)
        row[slot] = row[slot - 1];
    row[0] = text;
}

const std::string& ScoreHistory::Score(int outline, int slot) const {
    return m_strScore.at(outline).at(slot);
}

void ScoreHistory::SetScore(int outline, int slot, const std::string& text) {
    m_strScore.at(outline).at(slot) = text;
}

// The first three rows were numbered before the rest: their newest slots
// took 1001 to 1003 and their older slots follow from 1004; from the Diamond
// on, each row's seven ids run on from 1022.
int ScoreHistory::FieldId(int outline, int slot) {
    if (outline <= 3)
        return slot == 0 ? 1000 + outline : 1004 + 6 * (outline - 1) + (slot - 1);
    return 1022 + 7 * (outline - 4) + slot;
}
