#pragma once
// Net scores of holes: strokes received by stroke index, and the tie-break fractions of the totals.
#include <array>

#include "data/records.h"

namespace teebrook {

// The stroke indexes and pars of the player's sex (0 men, otherwise ladies).
const std::array<Int, 18>& strokeIndexes(const CourseRecord& c, int sex);
const std::array<Int, 18>& pars(const CourseRecord& c, int sex);

// Net score of hole h (0..17) for a gross score g, as score entry computes it while typing: the
// numbering of the stroke indexes is decided on the nine that holds the hole. Never below 0.
Int ranker(const CourseRecord& c, int sex, int handicap, int h, int g);

// The net hole scores after a handicap change (`rerank`): the numbering is decided on the nine
// that was played. Holes without a score stay 0.
std::array<Int, 18> rerankNets(const CourseRecord& c, int sex, int handicap,
                               const std::array<Int, 18>& gross);

// The tie-break fraction that `retro` adds to a total, from the scores counted (gross or net) of the
// holes with a gross score; 0 for a method other than "R", "G" or "H".
double tieBreakFraction(char method, const std::array<Int, 18>& gross, const std::array<Int, 18>& counted,
                        const std::array<Int, 18>& strokeIndex);

// Adds the fractions of the settings' method to both totals; false (nothing added) when the method
// is none of "R", "G", "H".
bool retro(PlayerRecord& p, const SettingsRecord& s, const CourseRecord& c);

}  // namespace teebrook
