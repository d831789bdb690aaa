#include "results/scoring_methods.h"

#include <algorithm>

#include "data/utilities.h"
#include "scoring/net_scores.h"

namespace teebrook {
namespace {

// Half (or a share) of a hole is not rounded; only the final deduction is.
double sumWorst(const std::array<int, 6>& w, int n) {
  double s = 0;
  for (int i = 0; i < n; ++i) s += w[static_cast<std::size_t>(i)];
  return s;
}

double halfUp(int v) {
  return roundHalfEven(v / 2.0 + 0.01);
}

void sortTotals(TotalIndex& order) {
  std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.key < b.key; });
}

}  // namespace

double callawayDeduction(int t, const std::array<int, 6>& w, bool eighteen) {
  if (eighteen) {
    if (t <= 72) return 0;
    if (t <= 75) return halfUp(w[0]) + (t - 75);  // -2, -1, 0
    if (t >= 136) return sumWorst(w, 6) + 1;
    // Bands of five from 76: whole holes, then half of the next one, in turn.
    const int band = (t - 76) / 5;                       // 0 for 76..80
    const int adjust = (t - 76) % 5 - 2;                 // -2 .. +2
    if (band == 11) return sumWorst(w, 6) + 1 + adjust;  // 131 to 135
    const int whole = band / 2 + 1;                      // W1, W1, W1+W2, W1+W2, ...
    double d = sumWorst(w, whole);
    if (band % 2 == 1) d += w[static_cast<std::size_t>(whole)] / 2.0;  // and half of the next
    return d + adjust;
  }
  if (t <= 36) return 0;
  if (t >= 66) return sumWorst(w, 3) + 1;
  // Groups of 3 and 2 strokes: a quarter, half and three quarters of each worst hole in turn.
  struct Step {
    int from, to;
    int whole;
    double share;
  };
  static constexpr Step kSteps[] = {{37, 37, 0, 0.25}, {38, 40, 0, 0.5}, {41, 42, 0, 0.75}, {43, 45, 1, 0},
                                    {46, 47, 1, 0.25}, {48, 50, 1, 0.5}, {51, 52, 1, 0.75}, {53, 55, 2, 0},
                                    {56, 57, 2, 0.25}, {58, 60, 2, 0.5}, {61, 62, 2, 0.75}, {63, 65, 3, 0}};
  for (const Step& s : kSteps) {
    if (t < s.from || t > s.to) continue;
    double d = sumWorst(w, s.whole) + s.share * w[static_cast<std::size_t>(s.whole)];
    if (s.from == 37) return d - 0.5;
    if (s.to - s.from == 2) return d + (t - s.from - 1);  // -1, 0, +1
    return d + (t == s.from ? -0.5 : 0.5);                // -0.5, +0.5
  }
  return 0;
}

CallawayScore callawayScore(const std::array<Int, 18>& holes, const std::array<Int, 18>& pars) {
  CallawayScore r;
  std::array<int, 18> v{};
  int reduction = 0;
  for (std::size_t h = 0; h < 18; ++h) {
    v[h] = holes[h];
    // Double-par cap.
    if (v[h] > 0 && pars[h] > 0 && v[h] > 2 * pars[h]) {
      reduction += v[h] - 2 * pars[h];
      v[h] = 2 * pars[h];
    }
  }
  r.reduction = toInteger(reduction);
  const bool eighteen = holes[8] > 0 && holes[17] > 0;
  // The worst holes among 1 to 16 (18 holes) or 1 to 17 (9 holes): the last holes are never deducted.
  const int deductible = eighteen ? 16 : 17;
  std::sort(v.begin(), v.begin() + deductible);
  std::array<int, 6> worst{};
  for (int i = 0; i < 6; ++i)
    worst[static_cast<std::size_t>(i)] = v[static_cast<std::size_t>(deductible - 1 - i)];
  int total = 0;
  for (int x : v) total += x;
  double d = callawayDeduction(total, worst, eighteen);
  d = std::clamp(d, 0.0, eighteen ? 50.0 : 25.0);
  r.deduction = d;
  r.handicap = toInteger(d + 0.01);
  r.net = total - r.handicap + d * 0.002;
  return r;
}

HiddenScore hiddenScore(const PlayerRecord& p, const SettingsRecord& s, const std::array<Int, 18>& par) {
  int over = 0;
  for (Int hole : s.hiddenHoles) {
    if (hole < 1 || hole > 18) continue;
    const auto h = static_cast<std::size_t>(hole - 1);
    over += std::clamp(p.holeScores[h] - par[h], 0, std::max<int>(par[h], 0));
  }
  HiddenScore r;
  r.handicap = toInteger(s.handicapMultiplier * over + 0.01);
  r.net = p.grossTotal - r.handicap + r.handicap * 0.014;
  return r;
}

namespace {

// Scores the candidates (record numbers, in the order they enter the ranking), writes their records
// and returns them ranked by net; equal nets keep their order of entry. No players: a beep.
template <class Score>
TotalIndex scoreAll(State& s, std::vector<PlayerRecord>& players, const std::vector<int>& candidates,
                    Score score) {
  TotalIndex order;
  if (players.empty()) {
    s.platform.feedback.beep();
    return order;
  }
  if (s.currentCourse > 0) readCourse(s, s.currentCourse);
  std::vector<bool> changed(players.size());
  for (int record : candidates) {
    PlayerRecord& p = players[static_cast<std::size_t>(record - 1)];
    order.push_back({record, score(p)});
    changed[static_cast<std::size_t>(record - 1)] = true;
  }
  writeChangedRecords(s.tournamentFile, players, changed);
  sortTotals(order);
  return order;
}

}  // namespace

TotalIndex callwy(State& s, std::vector<PlayerRecord>& players) {
  std::vector<int> candidates;
  for (std::size_t i = 0; i < players.size(); ++i) {
    if (players[i].grossTotal > 0) candidates.push_back(static_cast<int>(i) + 1);
  }
  return scoreAll(s, players, candidates, [&](PlayerRecord& p) {
    const CallawayScore c = callawayScore(p.holeScores, pars(s.course, p.sex));
    p.callawayReduction = c.reduction;
    p.callawayHandicap = c.handicap;
    p.callawayNet = c.net;
    return c.net;
  });
}

TotalIndex hidhole(State& s, std::vector<PlayerRecord>& players) {
  std::vector<int> candidates;
  for (const auto& e : s.grossOrder) {
    if (!(e.key > 0) || e.record < 1 || e.record > static_cast<int>(players.size())) continue;
    if (players[static_cast<std::size_t>(e.record - 1)].inCompetition.is("Y")) candidates.push_back(e.record);
  }
  return scoreAll(s, players, candidates, [&](PlayerRecord& p) {
    const HiddenScore h = hiddenScore(p, s.settings, pars(s.course, p.sex));
    p.hiddenHandicap = h.handicap;
    p.hiddenNet = h.net;
    return h.net;
  });
}

}  // namespace teebrook
