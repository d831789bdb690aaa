#include "data/demo_league.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <vector>

#include "data/utilities.h"
#include "players/roster_form.h"
#include "scoring/handicap.h"
#include "scoring/net_scores.h"
#include "scoring/score_entry.h"

namespace teebrook {
namespace {

struct CourseSpec {
  const char* name;
  std::array<Int, 18> menPars, menSi, ladiesPars, ladiesSi;
  float menRating, ladiesRating;
  Int menSlope, ladiesSlope;
};

// Two sets of tees of one course numbered 1 to 18, and a nine-numbered municipal course.
const std::array<CourseSpec, 3> kCourses = {{
    {"TEEBROOK CC BLUE TEES",
     {4, 5, 3, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4},
     {7, 3, 17, 1, 11, 15, 9, 5, 13, 8, 16, 2, 12, 4, 18, 10, 6, 14},
     {4, 5, 3, 5, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4},
     {5, 3, 17, 1, 13, 15, 9, 7, 11, 10, 16, 2, 12, 4, 18, 8, 6, 14},
     72.4f,
     78.1f,
     131,
     140},
    {"TEEBROOK CC WHITE TEES",
     {4, 5, 3, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4},
     {7, 3, 17, 1, 11, 15, 9, 5, 13, 8, 16, 2, 12, 4, 18, 10, 6, 14},
     {4, 5, 3, 5, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4},
     {5, 3, 17, 1, 13, 15, 9, 7, 11, 10, 16, 2, 12, 4, 18, 8, 6, 14},
     70.3f,
     75.6f,
     126,
     133},
    {"RIVERSIDE MUNICIPAL",
     {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 4, 4, 5, 3, 4, 4, 5},
     {3, 5, 9, 1, 7, 2, 8, 6, 4, 4, 8, 2, 6, 1, 9, 5, 7, 3},
     {4, 4, 3, 5, 4, 4, 3, 5, 5, 4, 3, 4, 4, 5, 3, 4, 5, 5},
     {3, 5, 9, 1, 7, 2, 8, 6, 4, 4, 8, 2, 6, 1, 9, 5, 7, 3},
     68.6f,
     71.2f,
     117,
     122},
}};

constexpr std::array kMenFirst = {"JAMES",  "ROBERT", "MICHAEL", "WILLIAM", "DAVID",   "RICHARD",
                                  "JOSEPH", "THOMAS", "CHARLES", "DANIEL",  "MATTHEW", "ANTHONY",
                                  "MARK",   "DONALD", "STEVEN",  "PAUL",    "ANDREW",  "KENNETH",
                                  "GEORGE", "BRIAN",  "EDWARD",  "RONALD"};
constexpr std::array kLadiesFirst = {"MARY",  "PATRICIA", "LINDA",   "BARBARA", "ELIZABETH", "JENNIFER",
                                     "SUSAN", "MARGARET", "DOROTHY", "KAREN",   "NANCY",     "BETTY",
                                     "HELEN", "SANDRA",   "DONNA",   "CAROL"};
constexpr std::array kLast = {
    "ANDERSON", "BAKER",     "CAMPBELL", "CARTER", "COLLINS", "DAVIDSON", "EDWARDS", "FISHER",
    "FLEMING",  "GRAHAM",    "HARRIS",   "HUGHES", "JOHNSON", "KELLY",    "LAWSON",  "MACDONALD",
    "MARTIN",   "MITCHELL",  "MORGAN",   "MURPHY", "NELSON",  "O'BRIEN",  "PARKER",  "PATTERSON",
    "REYNOLDS", "ROBERTSON", "SANDERS",  "SCOTT",  "STEWART", "SULLIVAN", "TAYLOR",  "THOMPSON",
    "TURNER",   "WALKER",    "WALLACE",  "WATSON", "WILSON",  "WRIGHT",   "YOUNG",   "ZIMMERMAN"};
constexpr std::array kStreets = {"MAPLE AVENUE",   "OAK STREET", "FAIRWAY DRIVE",  "ELM ROAD",
                                 "LAKEVIEW COURT", "PINE LANE",  "CEDAR CRESCENT", "HIGHLAND ROAD"};
struct Town {
  const char* city;
  const char* zip;
  const char* area;
};
constexpr std::array<Town, 4> kTowns = {{{"SPRINGFIELD, IL", "62704", "217"},
                                         {"CHATHAM, IL", "62629", "217"},
                                         {"ROCHESTER, IL", "62563", "217"},
                                         {"PETERSBURG, IL", "62675", "217"}}};

class Dice {
 public:
  explicit Dice(Random& r) : r_(r) {}
  int between(int lo, int hi) { return lo + static_cast<int>(r_.next() * (hi - lo + 1)); }
  double uniform() { return r_.next(); }
  template <class A>
  const char* pick(const A& a) {
    return a[static_cast<std::size_t>(between(0, static_cast<int>(a.size()) - 1))];
  }

 private:
  Random& r_;
};

Int escLimitFor(int handicap) {
  if (handicap <= 9) return 2;
  if (handicap <= 19) return 7;
  if (handicap <= 29) return 8;
  if (handicap <= 39) return 9;
  return 10;
}

Date daysBefore(const Date& d, int days) {
  using namespace std::chrono;
  const sys_days day =
      sys_days{year{d.year} / month{static_cast<unsigned>(d.month)} / static_cast<unsigned>(d.day)} -
      std::chrono::days{days};
  const year_month_day ymd{day};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

CourseRecord courseOf(const CourseSpec& c) {
  CourseRecord r;
  r.courseName = c.name;
  r.menPars = c.menPars;
  r.menHandicapHoles = c.menSi;
  r.ladiesPars = c.ladiesPars;
  r.ladiesHandicapHoles = c.ladiesSi;
  for (int h = 0; h < 18; ++h) {
    r.menParTotal = static_cast<Int>(r.menParTotal + c.menPars[static_cast<std::size_t>(h)]);
    r.ladiesParTotal = static_cast<Int>(r.ladiesParTotal + c.ladiesPars[static_cast<std::size_t>(h)]);
  }
  r.menRatings[2] = c.menRating;
  r.ladiesRatings[2] = c.ladiesRating;
  r.menSlopes[2] = c.menSlope;
  r.ladiesSlopes[2] = c.ladiesSlope;
  return r;
}

void fillSettings(SettingsRecord& st) {
  st.allowStats = "Y";
  st.calcHandicaps = "Y";
  st.groupNines = "N";
  st.usaMethod = "Y";
  st.showTips = "Y";
  st.tieBreakMethod = "R";
  st.startTime = 480;  // 08:00 AM
  st.teeInterval = 8;
  st.menPercent = 100;
  st.ladiesPercent = 100;
  st.handicapMultiplier = 3;
  st.hiddenHoles = {2, 5, 7, 11, 14, 17};
  st.pointValues = {0, 1, 2, 4, 8, 16};
  st.seasonBestN = 8;
  st.entryMode = 1;
  st.lastCompetition = 1;
  st.maxCourses = 1000;
}

// One season of play for a player of the given ability (strokes over the rating on a slope of 113).
void playSeason(PlayerRecord& p, double ability, const CourseSpec& c, int rounds, const Date& today,
                Dice& dice) {
  const double rating = p.sex == 0 ? c.menRating : c.ladiesRating;
  const int slope = p.sex == 0 ? c.menSlope : c.ladiesSlope;
  const int par = p.sex == 0 ? 72 : 73;
  std::vector<int> scores(static_cast<std::size_t>(rounds));  // oldest first
  for (int& s : scores)
    s = static_cast<int>(std::lround(rating + ability * slope / 113.0 + dice.between(-3, 7)));
  const int posted = std::min(rounds, kHistory);
  for (int k = 0; k < posted; ++k) {  // history: newest in slot 0
    const auto slot = static_cast<std::size_t>(k);
    const int score = scores[static_cast<std::size_t>(rounds - 1 - k)];
    p.postedScores[slot] = static_cast<Int>(score);
    p.postedDiffs[slot] = differential(score, rating, slope);
    p.postedDates[slot] = dateText(daysBefore(today, 7 * (k + 1)));
    p.puttsHistory[slot] = static_cast<Int>(dice.between(27, 38));
    p.greensHistory[slot] =
        static_cast<Int>(std::clamp(dice.between(2, 14) - static_cast<int>(ability / 4), 0, 18));
    p.fairwaysHistory[slot] = static_cast<Int>(dice.between(3, 13));
    p.sandSavesHistory[slot] = static_cast<Int>(dice.between(0, 3));
  }
  p.scoresPosted = static_cast<Int>(rounds);
  const bool established = p.postedScores[4] != 0;
  p.handicapIndex = established ? std::min(indexFromBestdiff(p), indexCap(p.sex, true))
                                : static_cast<Single>(std::round(ability * 10) / 10);
  p.handicap = std::max<Int>(courseHandicap(p.handicapIndex, slope), -3);
  p.escLimit = established ? escLimitFor(p.handicap) : Int{10};
  const int first = std::max(0, rounds - kRounds);
  for (int k = 0; k < rounds; ++k) {
    const int gross = scores[static_cast<std::size_t>(k)];
    const int net = gross - p.handicap;
    const int points = std::max(0, 36 + par - gross);
    p.seasonGross += gross;
    p.seasonNet += net;
    p.seasonPointsGross = static_cast<Int>(p.seasonPointsGross + points);
    p.seasonPointsNet = static_cast<Int>(p.seasonPointsNet + points + p.handicap);
    p.seasonCallaway = static_cast<Int>(p.seasonCallaway + net + dice.between(-2, 2));
    p.seasonHidden = static_cast<Int>(p.seasonHidden + net + dice.between(-3, 3));
    if (k < first) continue;
    const auto slot = static_cast<std::size_t>(k - first);
    p.roundGross[slot] = gross;
    p.roundNet[slot] = net;
    p.roundPointsGross[slot] = static_cast<Int>(points);
    p.roundPointsNet[slot] = static_cast<Int>(points + p.handicap);
    p.roundCallaway[slot] = static_cast<Int>(net + dice.between(-2, 2));
    p.roundHidden[slot] = static_cast<Int>(net + dice.between(-3, 3));
  }
  p.roundsRecorded = static_cast<Int>(std::min(rounds, kRounds));
}

}  // namespace

std::optional<std::string> makeDemoLeague(State& s, const DemoOptions& o) {
  if (o.players < 1 || o.players > kMaxPlayers) return "--players takes a number from 1 to 32767";
  if (o.rounds < 0 || o.rounds > 999) return "--rounds takes a number from 0 to 999";
  if (!s.courseFile.writable() || !s.settingsFile.writable()) {
    return "Teebrook cannot write to the data folder " + s.dataFolder.string();
  }
  if (s.courseFile.count() > 0)
    return "The data folder already holds course settings; the demo league needs an empty folder.";
  std::error_code ec;
  if (std::filesystem::exists(s.pathOf(kDemoTournament), ec) &&
      std::filesystem::file_size(s.pathOf(kDemoTournament), ec) > 0) {
    return std::string("The data folder already holds ") + kDemoTournament +
           "; the demo league needs an empty folder.";
  }

  for (std::size_t i = 0; i < kCourses.size(); ++i) {
    s.course = courseOf(kCourses[i]);
    if (!writeCourse(s, static_cast<int>(i) + 1)) return s.courseFile.error();
  }
  s.courseCount = s.courseFile.count();
  s.currentCourse = 2;
  readCourse(s, s.currentCourse);
  const CourseSpec& course = kCourses[1];

  Dice dice(s.platform.random);
  const Date today = s.platform.clock.today();
  std::vector<PlayerRecord> players(static_cast<std::size_t>(o.players));
  for (int i = 0; i < o.players; ++i) {
    PlayerRecord& p = players[static_cast<std::size_t>(i)];
    p.sex = static_cast<Int>(dice.uniform() < 0.25 ? 1 : 0);
    p.firstName = dice.pick(p.sex == 0 ? std::span<const char* const>(kMenFirst)
                                       : std::span<const char* const>(kLadiesFirst));
    p.lastName = dice.pick(kLast);
    const Town& town = kTowns[static_cast<std::size_t>(dice.between(0, kTowns.size() - 1))];
    p.street = std::to_string(dice.between(10, 9899)) + " " + dice.pick(kStreets);
    p.cityStateProv = town.city;
    p.zipCode = town.zip;
    p.phone = std::string(town.area) + "-555-0" + std::to_string(dice.between(100, 999));
    p.homeCourse = "TEEBROOK CC";
    p.inCompetition = dice.uniform() < 0.95 ? "Y" : "N";
    p.courseNumber = static_cast<Int>(s.currentCourse);
    const double ability = (p.sex == 0 ? 1.0 : 4.0) + 26.0 * std::pow(dice.uniform(), 1.3);
    playSeason(p, ability, course, o.rounds, today, dice);
    const int g = i / 4 + 1, pos = i % 4 + 1;
    p.groupNumber = static_cast<Int>(g);
    p.groupPosition = static_cast<Int>(pos);
    p.groupSlot = static_cast<Int>((g - 1) * 4 + pos);
    p.flight = 1;
  }

  fillSettings(s.settings);
  writeSettings(s);
  RecordFile file;
  if (!file.open(s.pathOf(kDemoTournament), kPlayerLength) || !file.writeRun(1, encodeAll(players))) {
    return file.error();
  }
  file.close();

  // Three flights by Auto Set, and this week's round for most of the league.
  if (!openTournamentFile(s, kDemoTournament).ok) return s.tournamentFile.error();
  bldidx(s);
  autoSetFlights(s, 3);
  players = readPlayers(s);
  std::vector<bool> played(players.size());
  for (std::size_t i = 0; i < players.size(); ++i) {
    PlayerRecord& p = players[i];
    if (dice.uniform() < 0.15) continue;  // not out this week
    const auto& par = pars(s.course, p.sex);
    const auto& si = strokeIndexes(s.course, p.sex);
    std::array<Int, 18> holes{};
    for (std::size_t h = 0; h < 18; ++h) {
      // Strokes over par follow the handicap: more on the harder holes.
      const double expected = p.handicap / 18.0 + (si[h] > 0 && si[h] <= p.handicap % 18 ? 0.5 : 0);
      const double noise = dice.uniform() * 2.2 - 1.0;
      holes[h] = static_cast<Int>(std::clamp<long>(std::lround(par[h] + expected + noise), 1, 12));
    }
    enterRound(p, holes, s.settings, s.course, today);
    played[i] = true;
  }
  if (!writeChangedRecords(s.tournamentFile, players, played)) return s.tournamentFile.error();
  rebuildTotalOrders(s);
  return std::nullopt;
}

}  // namespace teebrook
