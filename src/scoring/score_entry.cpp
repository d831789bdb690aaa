#include "scoring/score_entry.h"

#include "data/utilities.h"
#include "scoring/net_scores.h"

namespace teebrook {
namespace {

int boxValue(const std::string& text) {
  return toInteger(val(text));
}
std::string shown(double v) {
  return std::to_string(static_cast<long long>(roundHalfEven(v)));
}

}  // namespace

void clrscore(PlayerRecord& p) {
  p.holeScores.fill(0);
  p.netHoleScores.fill(0);
  p.grossTotal = 0;
  p.netTotal = 0;
}

void storeRound(PlayerRecord& p, const std::array<Int, 18>& holes, const std::array<Int, 18>& nets,
                double grossTotal, double netTotal, const SettingsRecord& s, const CourseRecord& c,
                const Date& today) {
  p.netTotal = netTotal;
  p.grossTotal = grossTotal;
  p.holeScores = holes;
  p.netHoleScores = nets;
  retro(p, s, c);
  if (s.calcHandicaps.is("Y")) p.scoreDate = dateText(today);
}

void enterRound(PlayerRecord& p, const std::array<Int, 18>& holes, const SettingsRecord& s,
                const CourseRecord& c, const Date& today) {
  std::array<Int, 18> nets{};
  int gross = 0, net = 0;
  for (std::size_t h = 0; h < 18; ++h) {
    nets[h] = ranker(c, p.sex, p.handicap, static_cast<int>(h), holes[h]);
    gross += holes[h];
    net += nets[h];
  }
  storeRound(p, holes, nets, gross, net, s, c, today);
}

void ScoreEntry::clrfrm() {
  holes.fill("");
  total.clear();
  netTotal.clear();
  playerName.clear();
  playerFlight.clear();
  playerHandicap.clear();
  holeNets.fill(0);
  scoreDirty = false;
}

bool ScoreEntry::selectPlayer(int record) {
  Feedback& fb = s_.platform.feedback;
  if (scoreDirty &&
      fb.ask("Save Before Clearing?)", "Attention", Buttons::YesNo, Icon::Question) == Answer::Yes) {
    save();
  }
  clrfrm();
  clrplyr(s_.player);
  entryRec = 0;
  // A record that cannot be read must not be shown: its boxes would later be saved over it.
  if (!readPlayer(s_, record)) {
    fb.message("Player " + std::to_string(record) + " could not be read from " + s_.tournamentPath + ".",
               "Attention", Icon::Warning);
    clrplyr(s_.player);
    return false;
  }
  entryRec = record;
  playerName = s_.player.lastName.trimmed() + " " + s_.player.firstName.str();
  playerFlight = std::to_string(s_.player.flight);
  playerHandicap = std::to_string(s_.player.handicap);
  loading = true;
  gettnt();
  return true;
}

void ScoreEntry::fillLabels() {
  const PlayerRecord& p = s_.player;
  if (showPars) {
    int sum = 0;
    const auto& par = pars(s_.course, p.sex);
    for (std::size_t h = 0; h < 18; ++h) {
      if (par[h] > 0) {
        labels[h] = std::to_string(par[h]);
        sum += par[h];
      }
    }
    if (sum > 0) labels[18] = std::to_string(sum);
  } else {
    const auto& si = strokeIndexes(s_.course, p.sex);
    for (std::size_t h = 0; h < 18; ++h) {
      if (si[h] > 0) labels[h] = std::to_string(si[h]);
    }
    labels[18].clear();
  }
}

void ScoreEntry::gettnt() {
  const PlayerRecord& p = s_.player;
  fillLabels();
  for (std::size_t h = 0; h < 18; ++h) {
    if (p.holeScores[h] > 0) holes[h] = std::to_string(p.holeScores[h]);
    if (p.netHoleScores[h] > 0) holeNets[h] = p.netHoleScores[h];
  }
  if (p.grossTotal > 0) total = shown(p.grossTotal);
  if (p.netTotal > 0) netTotal = shown(p.netTotal);
  loading = false;
  scoreDirty = false;
}

ScoreEntry::Action ScoreEntry::holeChanged(int h, const std::string& text) {
  holes[static_cast<std::size_t>(h)] = text;
  if (loading) {
    scoreDirty = false;
    return {};
  }
  scoreDirty = true;
  const int v = boxValue(text);
  // A single 1 may be the first digit of 10 to 19: a hole in one is 1 and Tab.
  if (h < 17 && v > 1 && v < 20) return {Focus::Hole, h + 1, false};
  if (h == 17 && v > 1) return {Focus::Save, -1, true};
  return {};
}

ScoreEntry::Action ScoreEntry::holeClicked(int) {
  if (playerShown()) return {};
  s_.platform.feedback.message("Select a Player", "Attention", Icon::Warning);
  total.clear();
  scoreDirty = false;
  return {Focus::List, -1, false};
}

ScoreEntry::Action ScoreEntry::holeLeft(int h) {
  auto& box = holes[static_cast<std::size_t>(h)];
  Action a;
  int v = boxValue(box);
  if (v >= 20) {
    box.clear();
    v = 0;  // the net of an emptied box, not of the refused value
    a = {Focus::Hole, h, true};
  } else if (!box.empty()) {
    box = std::to_string(v);
  }
  holeNets[static_cast<std::size_t>(h)] = ranker(s_.course, s_.player.sex, s_.player.handicap, h, v);
  int gross = 0, net = 0;
  for (std::size_t k = 0; k < 18; ++k) {
    gross += boxValue(holes[k]);
    net += holeNets[k];
  }
  if (gross > 0) total = std::to_string(gross);
  if (net > 0) netTotal = std::to_string(net);
  return a;
}

ScoreEntry::Action ScoreEntry::totalLeft() {
  Action a;
  const int t = boxValue(total);
  if (boxValue(holes[0]) == 0 && boxValue(holes[9]) == 0 && t > 0) {
    netTotal = std::to_string(t - boxValue(playerHandicap));
    a.focus = Focus::Save;
  }
  if (val(total) > 200) total = "200";
  if (val(total) < 0) total = "0";
  return a;
}

ScoreEntry::Action ScoreEntry::save() {
  if (total.empty()) return {};
  if (!playerShown() || entryRec < 1) return {Focus::None, -1, true};
  PlayerRecord& p = s_.player;
  std::array<Int, 18> scores{};
  for (std::size_t h = 0; h < 18; ++h) scores[h] = toInteger(val(holes[h]));
  // A started nine must be complete.
  for (int first : {0, 9}) {
    if (scores[static_cast<std::size_t>(first)] <= 0) continue;
    for (int h = first; h < first + 9; ++h) {
      if (scores[static_cast<std::size_t>(h)] <= 0) return {Focus::Hole, h, true};
    }
  }
  s_.platform.feedback.busy(true);
  storeRound(p, scores, holeNets, val(total), val(netTotal), s_.settings, s_.course,
             s_.platform.clock.today());
  if (!writePlayer(s_, entryRec)) {
    s_.platform.feedback.busy(false);
    s_.platform.feedback.message("The score could not be saved: " + s_.tournamentFile.error(), "Attention",
                                 Icon::Warning);
    return {Focus::Save, -1, false};
  }
  rebuildTotalOrders(s_);
  reopen(s_);
  clrfrm();
  clrscore(p);
  s_.platform.feedback.busy(false);
  return {Focus::List, -1, false};
}

ScoreEntry::Action ScoreEntry::clearScore() {
  if (boxValue(holes[0]) == 0 && boxValue(holes[9]) == 0) return {Focus::None, -1, true};
  if (entryRec < 1) return {Focus::None, -1, true};
  Feedback& fb = s_.platform.feedback;
  if (fb.ask("Clear Score?", "Attention", Buttons::YesNo, Icon::Question) != Answer::Yes) return {};
  fb.busy(true);
  clrscore(s_.player);
  holes.fill("");
  holeNets.fill(0);
  total.clear();
  netTotal.clear();
  scoreDirty = false;
  if (!writePlayer(s_, entryRec)) {
    fb.busy(false);
    fb.message("The score could not be cleared: " + s_.tournamentFile.error(), "Attention", Icon::Warning);
    return {};
  }
  rebuildTotalOrders(s_);
  readPlayer(s_, entryRec);
  fb.busy(false);
  return {};
}

void ScoreEntry::togglePars() {
  showPars = !showPars;
  fillLabels();
}

}  // namespace teebrook
