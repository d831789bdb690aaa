#include "scoring/net_scores.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace teebrook {
namespace {

bool eighteenNumbered(const std::array<Int, 18>& si, int firstHole) {
  return std::any_of(si.begin() + firstHole, si.begin() + firstHole + 9, [](Int s) { return s > 9; });
}

// Strokes off a hole of stroke index s for handicap H; a course of 18 holes per round of strokes
// (18-numbering) or 9 (9-numbering).
int strokesOff(int s, int H, int perRound) {
  if (H <= perRound) return s <= H ? 1 : 0;
  if (H <= 2 * perRound) return 1 + (s <= H - perRound ? 1 : 0);
  return 2 + (s <= H - 2 * perRound ? 1 : 0);
}

}  // namespace

const std::array<Int, 18>& strokeIndexes(const CourseRecord& c, int sex) {
  return sex == 0 ? c.menHandicapHoles : c.ladiesHandicapHoles;
}

const std::array<Int, 18>& pars(const CourseRecord& c, int sex) {
  return sex == 0 ? c.menPars : c.ladiesPars;
}

Int ranker(const CourseRecord& c, int sex, int handicap, int h, int g) {
  const auto& si = strokeIndexes(c, sex);
  const int s = si[static_cast<std::size_t>(h)];
  const int perRound = eighteenNumbered(si, h < 9 ? 0 : 9) ? 18 : 9;
  int net = g - strokesOff(s, handicap, perRound);
  // A plus handicap gives strokes back on the hardest holes, never on an empty one.
  if (handicap < 0 && s <= -handicap && net > 0) ++net;
  return static_cast<Int>(std::max(net, 0));
}

std::array<Int, 18> rerankNets(const CourseRecord& c, int sex, int handicap,
                               const std::array<Int, 18>& gross) {
  const auto& si = strokeIndexes(c, sex);
  int perRound = 9;
  if (gross[8] > 0) {
    perRound = eighteenNumbered(si, 0) ? 18 : 9;
  } else if (gross[17] > 0) {
    perRound = eighteenNumbered(si, 9) ? 18 : 9;
  }
  std::array<Int, 18> nets{};
  for (std::size_t h = 0; h < 18; ++h) {
    if (gross[h] <= 0) continue;  // a hole without a score stays 0, plus handicap or not
    const int s = si[h];
    int net =
        handicap < 0 ? gross[h] + (s <= -handicap ? 1 : 0) : gross[h] - strokesOff(s, handicap, perRound);
    nets[h] = static_cast<Int>(std::max(net, 0));
  }
  return nets;
}

double tieBreakFraction(char method, const std::array<Int, 18>& gross, const std::array<Int, 18>& counted,
                        const std::array<Int, 18>& strokeIndex) {
  double sum = 0;
  switch (method) {
    case 'R': {
      // Last-to-first: each scored hole from the 18th back to the 2nd weighs 0.3 of the one after it.
      double weight = 0.04;
      for (int h = 17; h >= 1; --h) {
        if (gross[static_cast<std::size_t>(h)] <= 0) continue;
        weight *= 0.3;
        sum += counted[static_cast<std::size_t>(h)] * weight;
      }
      break;
    }
    case 'G': {
      // The last 9, 6, 3 and 1 scored holes, then the 9, 6, 3 and 1 before those.
      std::vector<int> fromEnd;
      for (int h = 17; h >= 0; --h) {
        if (gross[static_cast<std::size_t>(h)] > 0) fromEnd.push_back(counted[static_cast<std::size_t>(h)]);
      }
      const auto run = [&](std::size_t first, std::size_t n) {
        if (fromEnd.size() < first + n) return 0;
        int s = 0;
        for (std::size_t i = first; i < first + n; ++i) s += fromEnd[i];
        return s;
      };
      sum = 0.003 * run(0, 9) + 0.001 * run(0, 6) + 0.0005 * run(0, 3) + 0.0001 * run(0, 1) +
            0.00006 * run(9, 9) + 0.00002 * run(9, 6) + 0.000005 * run(9, 3) + 0.000001 * run(9, 1);
      break;
    }
    case 'H': {
      // The harder the hole, the more it weighs; an index outside 1 to 18 takes the weight before it.
      static constexpr double kWeights[18] = {
          0.02,          0.01,           0.005,           0.0025,       0.00125,
          0.000625,      0.0003125,      0.00015625,      0.000078125,  0.0000390625,
          0.00001953125, 0.000009765625, 0.0000048828125, 0.0000024414, 0.0000012207,
          0.00000061035, 0.00000030516,  0.00000015259};
      double weight = 0;
      for (std::size_t h = 0; h < 18; ++h) {
        if (gross[h] <= 0) continue;
        const int s = strokeIndex[h];
        if (s >= 1 && s <= 18) weight = kWeights[s - 1];
        sum += counted[h] * weight;
      }
      break;
    }
    default:
      break;
  }
  return sum;
}

bool retro(PlayerRecord& p, const SettingsRecord& s, const CourseRecord& c) {
  const std::string method = s.tieBreakMethod.trimmedRaw();
  if (method != "R" && method != "G" && method != "H") return false;
  const auto& si = strokeIndexes(c, p.sex);
  p.grossTotal += tieBreakFraction(method[0], p.holeScores, p.holeScores, si);
  p.netTotal += tieBreakFraction(method[0], p.holeScores, p.netHoleScores, si);
  return true;
}

}  // namespace teebrook
