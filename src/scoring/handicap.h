#pragma once
// Handicap arithmetic: course handicap, index, allowance, differentials and the best-differential
// average of the 20-round history.
#include "data/records.h"

namespace teebrook {

// Course handicap from an index: rounded(slope × index / 113 + 0.01).
Int courseHandicap(double index, int slope);
// Index from a playing handicap: rounded(113 / slope × handicap × 10) / 10; 0 for a slope of 0.
Single indexFromHandicap(int handicap, int slope);
// The percentage allowance of a handicap (100 leaves it as it is).
Int percentAllowance(int handicap, int percent);
// Handicap differential of an adjusted score, to one decimal; 0 for a slope of 0.
Single differential(int adjustedScore, double rating, int slope);
// Ten times the average of the best differentials of the history; 0 when fewer than five count.
Single bestdiff(const PlayerRecord& p);
// 96 % of the best-differential average, cut to one decimal, before any cap.
Single indexFromBestdiff(const PlayerRecord& p);
// The highest index: men 36.4 and ladies 40.4 for an 18-hole round, 18.2 and 20.2 otherwise.
Single indexCap(int sex, bool eighteenHoles);

}  // namespace teebrook
