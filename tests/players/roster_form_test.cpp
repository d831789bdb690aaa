#include "players/roster_form.h"

#include <gtest/gtest.h>

#include "support/fixtures.h"

namespace teebrook {
namespace {

struct RosterTest : ::testing::Test {
  RosterTest() {
    run.useCourse(test::makeCourse());  // men's slope 125, ladies' 130
  }
  std::vector<std::string> lastNames() {
    std::vector<std::string> out;
    for (const auto& p : run.players()) out.push_back(p.lastName.trimmed());
    return out;
  }
  test::Started run;
};

TEST_F(RosterTest, HandicapBoxes) {
  run.openTournament({});
  RosterForm f(run.state);
  f.open("");
  EXPECT_EQ(f.percentText, "100%");
  f.boxes.index = "12.4";
  f.indexLeft();
  EXPECT_EQ(f.boxes.handicap, "14");  // 12.4 × 125 / 113 = 13.72
  run.state.settings.menPercent = 80;
  f.indexLeft();
  EXPECT_EQ(f.boxes.handicap, "11");  // 0.8 × 14 + 0.01 = 11.21
  run.state.settings.menPercent = 100;
  f.boxes.index = "";
  f.boxes.handicap = "14";
  f.handicapLeft();
  EXPECT_EQ(f.boxes.index, "12.7");  // 113 / 125 × 14 = 12.656
  f.boxes.handicap = "15";
  f.handicapLeft();  // the index box holds a value now: nothing happens
  EXPECT_EQ(f.boxes.index, "12.7");
  f.sexChanged(1);                    // the ladies' slope, 130
  EXPECT_EQ(f.boxes.handicap, "15");  // 12.7 × 130 / 113 = 14.6
  // No course: the index from a handicap shows 0, the handicap from an index is not written.
  run.state.course = CourseRecord{};
  f.boxes = PlayerBoxes{};
  f.boxes.handicap = "9";
  f.handicapLeft();
  EXPECT_EQ(f.boxes.index, "0");
  f.boxes.index = "20";
  f.boxes.handicap = "";
  f.indexLeft();
  EXPECT_EQ(f.boxes.handicap, "");
}

TEST_F(RosterTest, FlightsFromTheLimits) {
  std::array<Int, 9> limits{9, 18, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(flightOf(limits, 5), 1);
  EXPECT_EQ(flightOf(limits, 12), 2);
  EXPECT_EQ(flightOf(limits, 25), 0);  // above every limit: kept
  EXPECT_EQ(flightOf({}, 5), 0);       // no limits set
  run.openTournament({});
  run.state.settings.flightLimits = limits;
  RosterForm f(run.state);
  f.open("");
  f.boxes.flight = "3";
  f.boxes.index = "21";  // handicap 23
  f.indexLeft();
  EXPECT_EQ(f.boxes.flight, "3");
  f.boxes.index = "10";  // handicap 11
  f.indexLeft();
  EXPECT_EQ(f.boxes.flight, "2");
}

TEST_F(RosterTest, AddEditAndTheOrders) {
  run.openTournament({test::makePlayer("BAKER", "BO", 12)});
  bldidx(run.state);
  RosterForm f(run.state);
  f.open("");
  EXPECT_FALSE(f.add());  // no last name
  EXPECT_EQ(run.fakes.feedback.beeps, 1);
  EXPECT_EQ(run.fakes.feedback.tips.back(), "Enter a Last Name!");
  f.boxes.lastName = "adams";
  f.boxes.firstName = "al";
  f.boxes.handicap = "5";
  f.boxes.flight = "0";
  f.boxes.sex = 1;
  f.boxes.homeCourse = "oak hills";
  ASSERT_TRUE(f.add());
  auto ps = run.players();
  ASSERT_EQ(ps.size(), 2u);
  EXPECT_EQ(ps[1].lastName.raw(), "ADAMS          ");  // capitals, padded
  EXPECT_EQ(ps[1].flight, 1);                          // 0 is stored as 1
  EXPECT_EQ(ps[1].sex, 1);
  EXPECT_EQ(ps[1].courseNumber, 1);
  EXPECT_TRUE(ps[1].inCompetition.is("Y"));
  EXPECT_EQ(run.state.nameOrder.front().record, 2);
  EXPECT_EQ(run.state.handicapOrder.front().record, 2);
  EXPECT_EQ(run.state.settings.ladiesCount, 1);
  EXPECT_EQ(f.boxes.lastName, "");  // the screen is cleared

  // Edit keeps the fields without a box and reranks a player with a score.
  PlayerRecord scored = ps[0];
  scored.holeScores.fill(5);
  scored.grossTotal = 90;
  scored.netTotal = 78;
  scored.postedScores[0] = 88;
  writeRecord(run.state.tournamentFile, 1, scored);
  ASSERT_TRUE(f.selectPlayer(1));
  EXPECT_EQ(f.boxes.lastName, "BAKER");
  EXPECT_EQ(f.boxes.handicap, "12");
  f.boxes.lastName = "ZANE";
  f.boxes.handicap = "18";
  ASSERT_TRUE(f.edit());
  ps = run.players();
  EXPECT_EQ(ps[0].lastName.trimmed(), "ZANE");
  EXPECT_EQ(ps[0].postedScores[0], 88);
  EXPECT_EQ(ps[0].netTotal, 72);  // 90 less 18 strokes
  EXPECT_EQ(run.state.nameOrder.back().record, 1);
  EXPECT_EQ(run.state.handicapOrder.back().record, 1);
  EXPECT_EQ(run.state.netOrder.back().key, 72);
}

TEST_F(RosterTest, SearchAndOpenOnThePlayerOfTheMainWindow) {
  run.openTournament(
      {test::makePlayer("SMITH", "A"), test::makePlayer("SMALL", "B"), test::makePlayer("JONES", "C")});
  bldidx(run.state);
  RosterForm f(run.state);
  f.open(" 3");
  ASSERT_EQ(f.players.size(), 1u);
  EXPECT_EQ(f.selected, 3);
  EXPECT_EQ(f.boxes.lastName, "JONES");
  f.search = "sm";
  f.findPlayers();
  EXPECT_EQ(f.players.size(), 2u);
  RosterForm c(run.state);
  c.open("C");
  EXPECT_TRUE(c.clearTab);
  EXPECT_EQ(c.selected, 0);
}

TEST_F(RosterTest, DeleteAsksKeepsABackupAndRebuilds) {
  run.openTournament({test::makePlayer("A"), test::makePlayer("B"), test::makePlayer("C"),
                      test::makePlayer("D"), test::makePlayer("E")},
                     "FIVE.TNT");
  bldidx(run.state);
  RosterForm f(run.state);
  f.open("");
  EXPECT_FALSE(f.deletePlayer());
  EXPECT_EQ(run.fakes.feedback.messages.back().text, "Select a Player");
  f.selectPlayer(3);
  run.fakes.feedback.answers = {Answer::No};
  EXPECT_FALSE(f.deletePlayer());
  EXPECT_EQ(run.fakes.feedback.questions.back().text, "Delete Selected Player?");
  EXPECT_EQ(lastNames(), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
  f.selectPlayer(3);
  ASSERT_TRUE(f.deletePlayer());
  EXPECT_EQ(lastNames(), (std::vector<std::string>{"A", "B", "D", "E"}));
  const auto backup = test::readTournament(run.folder / "FIVE.bak");
  EXPECT_EQ(backup.size(), 5u);
  EXPECT_EQ(run.state.nameOrder.size(), 4u);
  EXPECT_EQ(f.players.size(), 4u);
  EXPECT_TRUE(f.exit());  // the main window lists its players afresh
}

TEST_F(RosterTest, DeletingTheOnlyPlayer) {
  PlayerRecord only = test::makePlayer("ONLY");
  only.groupNumber = 3;
  run.openTournament({only}, "ONE.TNT");
  bldidx(run.state);
  RosterForm f(run.state);
  f.open("");
  f.selectPlayer(1);
  ASSERT_TRUE(f.deletePlayer());
  EXPECT_EQ(std::filesystem::file_size(run.folder / "ONE.TNT"), 0u);
  EXPECT_EQ(test::readTournament(run.folder / "ONE.bak").size(), 1u);
  SettingsRecord s;
  decode(test::readBytes(run.folder / "tntdef.txt"), s);
  EXPECT_EQ(s.menCount, 0);
  EXPECT_EQ(s.ladiesCount, 0);
  EXPECT_EQ(s.groupCount, 0);
}

TEST_F(RosterTest, AutoSetFlights) {
  std::vector<PlayerRecord> ten;
  for (int i = 0; i < 10; ++i) ten.push_back(test::makePlayer("P" + std::to_string(i), "X", 2 * i + 1));
  ten.push_back(test::makePlayer("OUT", "X", 0));
  ten.back().inCompetition = "N";
  ten.back().flight = 4;
  run.openTournament(ten);
  bldidx(run.state);
  RosterForm f(run.state);
  f.open("");
  EXPECT_FALSE(f.autoSet());
  EXPECT_EQ(run.fakes.feedback.messages.back().text, "Select Number of Flights");
  f.spin(1);
  f.spin(1);
  f.spin(1);
  EXPECT_EQ(f.flightCountText(), "3");
  ASSERT_TRUE(f.autoSet());
  const auto ps = run.players();
  std::vector<int> flights;
  for (const auto& p : ps) flights.push_back(p.flight);
  EXPECT_EQ(flights, (std::vector<int>{1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 0}));
  EXPECT_EQ(run.state.settings.flightLimits, (std::array<Int, 9>{5, 11, 17, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(f.limits[2], "17");
  EXPECT_GT(ps[9].handicap, 17);  // the 10th is in flight 3, above its limit

  // Two players and three flights: both in flight 1, no limit.
  test::Started two;
  two.openTournament({test::makePlayer("A", "X", 4), test::makePlayer("B", "X", 8)});
  bldidx(two.state);
  RosterForm g(two.state);
  g.open("");
  g.spin(-1);  // below 1 comes 9
  EXPECT_EQ(g.flightCountText(), "9");
  g.flightCount = 3;
  ASSERT_TRUE(g.autoSet());
  EXPECT_EQ(two.players()[1].flight, 1);
  EXPECT_EQ(two.state.settings.flightLimits[0], 0);
}

TEST_F(RosterTest, ManualFlightsAndLimitBoxes) {
  std::vector<PlayerRecord> ps = {test::makePlayer("A", "X", 5), test::makePlayer("B", "X", 12),
                                  test::makePlayer("C", "X", 25), test::makePlayer("D", "X", 3)};
  ps[2].flight = 7;
  ps[3].inCompetition = "N";
  ps[3].flight = 5;
  run.openTournament(ps);
  bldidx(run.state);
  RosterForm f(run.state);
  f.open("");
  f.limits = {"9", "18", "", "", "", "", "", "", ""};
  f.limitsLeft();
  EXPECT_EQ(run.state.settings.flightLimits[1], 18);
  ASSERT_TRUE(f.manual());
  const auto after = run.players();
  EXPECT_EQ(after[0].flight, 1);
  EXPECT_EQ(after[1].flight, 2);
  EXPECT_EQ(after[2].flight, 7);  // above every limit
  EXPECT_EQ(after[3].flight, 5);  // not in competition
  f.flightCount = 2;
  EXPECT_EQ(f.perFlightText(), "1");  // per-flight mark: players in flight 2
}

TEST_F(RosterTest, ClearTabRunsTheReset) {
  PlayerRecord p = test::makePlayer("A");
  p.holeScores.fill(4);
  p.grossTotal = 72;
  run.openTournament({p});
  run.state.settings.allowStats = "N";
  run.state.settings.calcHandicaps = "Y";
  RosterForm f(run.state);
  f.open("C");
  EXPECT_EQ(f.check2Caption, "Update Handicaps");
  EXPECT_FALSE(f.check2Enabled);
  f.clearScoresToggled(true);
  EXPECT_TRUE(f.check2Enabled);
  f.updateHandicaps = true;
  f.addToTotals = true;
  run.fakes.feedback.answers = {Answer::Cancel};
  EXPECT_FALSE(f.resetOk());
  EXPECT_EQ(run.fakes.feedback.questions.back().text, "Continue?\nBe Sure to Print or Save Before Clearing!");
  ASSERT_TRUE(f.resetOk());
  EXPECT_EQ(run.fakes.feedback.messages.back().text, "Done");
  const auto after = run.players()[0];
  EXPECT_EQ(after.roundGross[0], 72);
  EXPECT_EQ(after.postedScores[0], 72);
  EXPECT_EQ(after.grossTotal, 0);
}

TEST_F(RosterTest, ExitAsksForUnsavedChanges) {
  run.openTournament({test::makePlayer("A")});
  bldidx(run.state);
  RosterForm f(run.state);
  f.open(" 1");
  f.boxes.firstName = "CHANGED";
  f.changed = true;
  EXPECT_FALSE(f.exit());
  EXPECT_EQ(run.fakes.feedback.questions.back().title, "Save Entries?");
  EXPECT_EQ(run.players()[0].firstName.trimmed(), "CHANGED");
}

}  // namespace
}  // namespace teebrook
