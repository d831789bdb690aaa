#include "scoring/posting.h"

#include <algorithm>
#include <cmath>

#include "data/utilities.h"
#include "scoring/handicap.h"
#include "scoring/net_scores.h"
#include "scoring/score_entry.h"

namespace teebrook {
namespace {

double ratingOf(const CourseRecord& c, int sex) {
  return sex == 0 ? c.menRatings[2] : c.ladiesRatings[2];
}
int slopeOf(const CourseRecord& c, int sex) {
  return sex == 0 ? c.menSlopes[2] : c.ladiesSlopes[2];
}

template <class T, std::size_t N>
void shiftHistory(std::array<T, N>& a) {
  std::move_backward(a.begin(), a.end() - 1, a.end());
}

enum class Holes { Eighteen, Nine, Unknown };

Int escLimitOf(int h, Holes holes, bool groupNines, Int current) {
  if (holes == Holes::Eighteen) {
    if (h >= 1 && h <= 9) return 2;
    if (h >= 10 && h <= 19) return 7;
    if (h >= 20 && h <= 29) return 8;
    if (h >= 30 && h <= 39) return 9;
    if (h >= 40 && h <= 49) return 10;
  } else if (holes == Holes::Nine && !groupNines) {
    if (h >= 1 && h <= 4) return 2;
    if (h >= 5 && h <= 9) return 7;
    if (h >= 10 && h <= 14) return 8;
    if (h >= 15 && h <= 19) return 9;
    if (h >= 20 && h <= 24) return 10;
  }
  return current;
}

}  // namespace

void posthcp(PlayerRecord& p, const SettingsRecord& s, const CourseRecord& c) {
  // 1. The hole count and the handicap up to which pars steer the stroke control.
  Holes holes = Holes::Unknown;
  int threshold = 0;
  const bool front = p.holeScores[8] > 0, back = p.holeScores[17] > 0;
  if (front && back) {
    holes = Holes::Eighteen;
    threshold = 9;
  } else if (front || back) {
    holes = Holes::Nine;
    threshold = 4;
  } else if (p.grossTotal > 60) {
    holes = Holes::Eighteen;
  } else if (p.grossTotal > 20 && p.grossTotal < 60) {
    holes = Holes::Nine;
  }
  // 2. Until five scores are posted every hole counts up to 10.
  if (p.postedScores[4] == 0) p.escLimit = 10;
  // 3. Equitable stroke control: absolute limits above the threshold, par plus the limit below it.
  int excess = 0;
  for (std::size_t h = 0; h < 18; ++h) {
    const int score = p.holeScores[h];
    if (score <= 0) continue;
    if (p.handicap > threshold) {
      excess += std::max(0, score - p.escLimit);
    } else if (c.menPars[h] > 0) {
      excess += std::max(0, score - c.menPars[h] - p.escLimit);
    }
  }
  int adjusted = toInteger(p.grossTotal) - excess;
  // 4. Round putts.
  int putts = p.putts < 1 ? 0 : p.putts;
  // 5. Two nines make one posting.
  const bool groupNines = s.groupNines.is("Y");
  bool joined = false;
  if (holes == Holes::Nine && groupNines) {
    if (p.pendingNineScore < 1 || adjusted < 1) {
      // Nothing to post yet: this nine waits for the next. An unplayed round leaves a waiting nine alone.
      if (adjusted > 0) {
        p.pendingNineScore = static_cast<Int>(adjusted);
        p.pendingNinePutts = static_cast<Int>(putts);
        p.pendingNineSandSaves = p.sandSaves;
        p.pendingNineFairways = p.fairwaysHit;
        p.pendingNineGreens = p.greensInReg;
      }
      p.putts = p.sandSaves = p.fairwaysHit = p.greensInReg = 0;
      return;
    }
    adjusted += p.pendingNineScore;
    putts += p.pendingNinePutts;
    p.sandSaves = static_cast<Int>(p.sandSaves + p.pendingNineSandSaves);
    p.fairwaysHit = static_cast<Int>(p.fairwaysHit + p.pendingNineFairways);
    p.greensInReg = static_cast<Int>(p.greensInReg + p.pendingNineGreens);
    joined = true;
  }
  // 6. The differential against the rating and slope of the player's tees.
  const bool postable = adjusted >= 1;
  const int slope = slopeOf(c, p.sex);
  const Single diff = differential(adjusted, ratingOf(c, p.sex), slope);
  // 7, 8. Newest in slot 0.
  if (postable) {
    shiftHistory(p.postedScores);
    shiftHistory(p.postedDiffs);
    shiftHistory(p.postedDates);
    p.postedDiffs[0] = diff;
    p.postedDates[0] = p.scoreDate;
    p.postedScores[0] = toInteger(adjusted);
    p.scoresPosted = static_cast<Int>(std::min(p.scoresPosted + 1, 32767));
  }
  if (putts > 0) {
    shiftHistory(p.puttsHistory);
    p.puttsHistory[0] = static_cast<Int>(putts);
  }
  if (p.greensInReg > 0) {
    shiftHistory(p.greensHistory);
    p.greensHistory[0] = p.greensInReg;
  }
  if (p.sandSaves > 0) {
    shiftHistory(p.sandSavesHistory);
    p.sandSavesHistory[0] = p.sandSaves;
  }
  if (p.fairwaysHit > 0) {
    shiftHistory(p.fairwaysHistory);
    p.fairwaysHistory[0] = p.fairwaysHit;
  }
  p.putts = p.sandSaves = p.fairwaysHit = p.greensInReg = 0;
  if (joined) {
    p.pendingNineScore = p.pendingNinePutts = p.pendingNineSandSaves = 0;
    p.pendingNineFairways = p.pendingNineGreens = 0;
  }
  // 9. The index, the handicap and the per-hole limit.
  if (s.calcHandicaps.is("Y") && p.postedScores[4] != 0) {
    p.handicapIndex = std::min(indexFromBestdiff(p), indexCap(p.sex, holes == Holes::Eighteen));
    if (postable) p.handicap = std::max<Int>(toInteger(p.handicapIndex * slope / 113.0), -3);
    if (holes == Holes::Nine && !groupNines && p.handicap < -2) p.handicap = -2;
    p.escLimit = escLimitOf(p.handicap, holes, groupNines, p.escLimit);
  }
}

void recomputeIndex(PlayerRecord& p, const CourseRecord& c) {
  if (p.postedScores[4] == 0) return;
  p.handicapIndex = std::min(indexFromBestdiff(p), indexCap(p.sex, true));
  p.handicap = std::max<Int>(toInteger(p.handicapIndex * slopeOf(c, p.sex) / 113.0), -3);
}

bool rerank(State& s, int record) {
  PlayerRecord& p = s.player;
  p.netHoleScores = rerankNets(s.course, p.sex, p.handicap, p.holeScores);
  int sum = 0;
  for (Int n : p.netHoleScores) sum += n;
  p.netTotal = sum;
  if (!writePlayer(s, record)) return false;
  for (auto& e : s.netOrder) {
    if (e.record == record) e.key = p.netTotal;
  }
  srtidx(s, 23);
  return true;
}

bool upscore(State& s, const UpscoreOptions& o) {
  Feedback& fb = s.platform.feedback;
  std::vector<std::uint8_t> bytes;
  if (!s.tournamentFile.readAll(bytes)) {
    fb.message("The players could not be read: " + s.tournamentFile.error(), "Attention", Icon::Warning);
    return false;
  }
  std::vector<PlayerRecord> players = decodeAll<PlayerRecord>(bytes);
  s.playerCount = static_cast<int>(players.size());
  if (players.empty()) {
    fb.beep();
    return true;
  }
  fb.busy(true);
  // Every player's round goes into the same slot, so a player who missed rounds has 0 in them.
  int r = 0;
  for (const auto& p : players) r = std::max<int>(r, p.roundsRecorded);
  for (auto& p : players) {
    if (o.add) {
      const Int hidden = toInteger(p.hiddenNet), callaway = toInteger(p.callawayNet);
      if (r < kRounds) {
        const auto k = static_cast<std::size_t>(r);
        p.roundGross[k] = roundHalfEven(p.grossTotal);
        p.roundNet[k] = roundHalfEven(p.netTotal);
        p.roundPointsGross[k] = p.pointsGross;
        p.roundHidden[k] = hidden;
        p.roundCallaway[k] = callaway;
        p.roundPointsNet[k] = p.pointsNet;
      }
      p.seasonGross = roundHalfEven(p.seasonGross) + p.grossTotal;
      p.seasonNet = roundHalfEven(p.seasonNet) + p.netTotal;
      p.seasonPointsGross = static_cast<Int>(p.seasonPointsGross + p.pointsGross);
      p.seasonHidden = static_cast<Int>(p.seasonHidden + hidden);
      p.seasonCallaway = static_cast<Int>(p.seasonCallaway + callaway);
      p.seasonPointsNet = static_cast<Int>(p.seasonPointsNet + p.pointsNet);
      p.roundsRecorded = static_cast<Int>(std::min(r + 1, 32767));
    }
    if (o.clear) {
      if (o.update) posthcp(p, s.settings, s.course);
      clrscore(p);
      p.pointsGross = p.pointsNet = 0;
      p.callawayNet = 0;
      p.callawayHandicap = p.callawayReduction = 0;
      p.hiddenNet = 0;
      p.hiddenHandicap = 0;
      if (p.robinSize > 0) p.robinRound = static_cast<Int>(p.robinRound + 1);
      p.robinAdded = "";
    }
    if (o.season) {
      p.roundGross.fill(0);
      p.roundNet.fill(0);
      p.roundPointsGross.fill(0);
      p.roundPointsNet.fill(0);
      p.roundCallaway.fill(0);
      p.roundHidden.fill(0);
      p.seasonGross = p.seasonNet = 0;
      p.seasonPointsGross = p.seasonPointsNet = p.seasonCallaway = p.seasonHidden = 0;
      p.roundsRecorded = 0;
    }
  }
  // One pass over the file: only records that changed are written.
  const std::vector<std::uint8_t> after = encodeAll(players);
  std::vector<bool> changed(players.size());
  for (std::size_t i = 0; i < players.size(); ++i) {
    const auto at = static_cast<std::ptrdiff_t>(i * kPlayerLength);
    changed[i] = !std::equal(after.begin() + at, after.begin() + at + kPlayerLength, bytes.begin() + at);
  }
  const bool ok = writeMarkedRecords(s.tournamentFile, after, changed);
  fb.busy(false);
  if (!ok) {
    fb.message("The players could not be written: " + s.tournamentFile.error(), "Attention", Icon::Warning);
    return false;
  }
  s.player = players.back();
  fb.message("Done", "Attention", Icon::Information);
  return true;
}

}  // namespace teebrook
