#pragma once

// The hit percentage of a finished game, rounded half up: budget T, misses M.
// A budget below 1 has no score; 0 is answered rather than dividing by it.
inline int ComputeScore(int total, int misses) {
    if (total < 1)
        return 0;
    return (total / 2 + (total - misses) * 100) / total;
}
