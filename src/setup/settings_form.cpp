#include "setup/settings_form.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "data/utilities.h"

namespace teebrook {
namespace {

std::string number(double v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<float>(v));
  return std::string(buf, r.ptr);
}

std::string nonZero(long v) {
  return v != 0 ? std::to_string(v) : std::string();
}

}  // namespace

SettingsForm loadSettingsForm(const SettingsRecord& s) {
  SettingsForm f;
  f.seasonBest = s.seasonBestN > 0 ? std::to_string(s.seasonBestN) : "";
  f.menPercent = s.menPercent > 0 ? std::to_string(s.menPercent) : "100";
  f.ladiesPercent = s.ladiesPercent > 0 ? std::to_string(s.ladiesPercent) : "100";
  f.loadedMenPercent = s.menPercent;
  f.loadedLadiesPercent = s.ladiesPercent;
  if (s.startTime > 0) f.startTime = ampmtime(s.startTime);
  f.increment = s.teeInterval > 0 ? number(s.teeInterval) : "7.5";
  const std::string method = s.tieBreakMethod.trimmedRaw();
  f.tieBreak = method == "G" ? 1 : method == "H" ? 2 : 0;
  if (s.tripleBogeyPoints != 0) f.tripleBogey = std::to_string(toInteger(s.tripleBogeyPoints));
  f.allowStats = s.allowStats.is("Y");
  f.calcHandicaps = s.calcHandicaps.is("Y");
  if (f.calcHandicaps) {
    f.usa = !s.usaMethod.is("N");
    f.groupNines = s.groupNines.is("Y");
  }
  f.showTips = s.showTips.is("Y");
  f.byFoursomes = false;
  for (std::size_t i = 0; i < 6; ++i) {
    f.points[i] = nonZero(s.pointValues[i]);
    f.hiddenHoles[i] = nonZero(s.hiddenHoles[i]);
  }
  if (s.handicapMultiplier != 0) f.multiplier = number(s.handicapMultiplier);
  return f;
}

std::string shapeStartTime(const std::string& typed) {
  std::string d = numonly(typed);
  if (d.empty()) return "";
  std::string clock;
  if (d.size() <= 2) {
    clock = d + ":00";
  } else if (d.size() == 3) {
    clock = d.substr(0, 1) + ":" + d.substr(1);
  } else {
    clock = d.substr(0, 2) + ":" + d.substr(2, 2);
  }
  // Shown as a clock time on a 12-hour face: 1:30 is 01:30 AM here, though timein reads it as 13:30.
  const int hours = std::stoi(clock.substr(0, clock.find(':')));
  const int minutes = std::stoi(clock.substr(clock.find(':') + 1));
  const int h12 = hours % 12 == 0 ? 12 : hours % 12;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d %s", h12, minutes % 100, hours % 24 >= 12 ? "PM" : "AM");
  return buf;
}

void normalisePoints(SettingsForm& f) {
  for (std::size_t i = 2; i < 6; ++i) {
    const double v = std::abs(val(f.points[i]));
    f.points[i] = v == 0 ? "" : number(v);
  }
  for (std::size_t i = 0; i < 2; ++i) {
    if (!f.points[i].empty() && val(f.points[i]) == 0) f.points[i].clear();
  }
  if (!f.tripleBogey.empty() && val(f.tripleBogey) == 0) f.tripleBogey.clear();
}

void randomHiddenHoles(SettingsForm& f, Random& random) {
  for (int nine = 0; nine < 2; ++nine) {
    std::array<int, 3> holes{};
    for (int k = 0; k < 3; ++k) {
      int h = 0;
      do {
        h = 1 + static_cast<int>(random.next() * 9) + 9 * nine;
      } while (std::find(holes.begin(), holes.begin() + k, h) != holes.begin() + k);
      holes[static_cast<std::size_t>(k)] = h;
    }
    std::sort(holes.begin(), holes.end());
    for (int k = 0; k < 3; ++k)
      f.hiddenHoles[static_cast<std::size_t>(3 * nine + k)] =
          std::to_string(holes[static_cast<std::size_t>(k)]);
  }
}

void saveSettingsForm(State& s, SettingsForm& f) {
  SettingsRecord& st = s.settings;
  countPlayers(s);
  st.menPercent = toInteger(val(f.menPercent));
  st.ladiesPercent = toInteger(val(f.ladiesPercent));
  const bool changed = st.menPercent != f.loadedMenPercent || st.ladiesPercent != f.loadedLadiesPercent;
  if (changed && s.playerCount > 0 &&
      s.platform.feedback.ask("Change Player Handicaps to New Percentage?", "Attention", Buttons::YesNo,
                              Icon::Question) == Answer::Yes) {
    s.platform.feedback.busy(true);
    std::vector<PlayerRecord> players = readPlayers(s);
    for (std::size_t i = 0; i < players.size(); ++i) {
      PlayerRecord& p = players[i];
      const int was = p.sex == 1 ? f.loadedLadiesPercent : f.loadedMenPercent;
      const int now = p.sex == 1 ? st.ladiesPercent : st.menPercent;
      if (was <= 0) continue;  // no old percentage to scale from
      p.handicap = toInteger(p.handicap * (static_cast<double>(now) / was) + 0.001);
      writeRecord(s.tournamentFile, static_cast<int>(i) + 1, p);
    }
    s.platform.feedback.busy(false);
  }
  const auto time = timein(f.startTime);
  st.startTime = static_cast<Int>(f.startTime.empty() ? 0 : time.value_or(0));
  st.teeInterval = static_cast<Single>(val(f.increment));
  st.seasonBestN = toInteger(val(f.seasonBest));
  st.hostDirectory = "";
  st.allowStats = f.allowStats ? "Y" : "N";
  if (!f.calcHandicaps) {
    st.calcHandicaps = "N";
    st.groupNines = "";
    st.usaMethod = "";
    f.groupNines = false;
  } else {
    st.calcHandicaps = "Y";
    st.usaMethod = f.usa ? "Y" : "N";
    st.groupNines = f.groupNines ? "Y" : "N";
  }
  st.tieBreakMethod = f.tieBreak == 1 ? "G" : f.tieBreak == 2 ? "H" : "R";
  st.showTips = f.showTips ? "Y" : "N";
  st.entryMode = static_cast<Int>(f.byFoursomes ? 2 : 1);
  st.tripleBogeyPoints = static_cast<Single>(val(f.tripleBogey));
  for (std::size_t i = 0; i < 6; ++i) {
    st.pointValues[i] = toInteger(val(f.points[i]));
    st.hiddenHoles[i] = toInteger(std::abs(val(f.hiddenHoles[i])));
  }
  st.handicapMultiplier = static_cast<Single>(val(f.multiplier));
  writeSettings(s);
}

}  // namespace teebrook
