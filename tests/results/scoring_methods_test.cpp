#include "results/scoring_methods.h"

#include <gtest/gtest.h>

#include "support/fixtures.h"

namespace teebrook {
namespace {

const CourseRecord kCourse = test::makeCourse();

// An 18-hole round of the given scores on holes 1 to 16, and 4 on 17 and 18.
std::array<Int, 18> round18(std::initializer_list<int> first16) {
  std::array<Int, 18> h{};
  std::size_t i = 0;
  for (int v : first16) h[i++] = static_cast<Int>(v);
  h[16] = h[17] = 4;
  return h;
}

TEST(Callaway, DeductionTableExamples) {
  const struct {
    int total;
    std::array<int, 6> worst;
    bool eighteen;
    double d;
  } cases[] = {
      {72, {9, 8, 7, 6, 5, 4}, true, 0},   {73, {7, 5, 5, 5, 5, 5}, true, 2},
      {75, {7, 5, 5, 5, 5, 5}, true, 4},   {76, {7, 6, 5, 5, 5, 5}, true, 5},
      {80, {7, 6, 5, 5, 5, 5}, true, 9},   {85, {8, 7, 5, 5, 5, 5}, true, 13.5},
      {88, {8, 7, 5, 5, 5, 5}, true, 15},  {93, {8, 7, 6, 5, 5, 5}, true, 18},
      {133, {9, 8, 7, 6, 6, 6}, true, 43}, {140, {9, 8, 7, 6, 6, 6}, true, 43},
      {36, {6, 5, 5, 0, 0, 0}, false, 0},  {37, {6, 5, 5, 0, 0, 0}, false, 1},
      {38, {6, 5, 5, 0, 0, 0}, false, 2},  {42, {8, 5, 5, 0, 0, 0}, false, 6.5},
      {47, {8, 6, 5, 0, 0, 0}, false, 10}, {66, {9, 8, 7, 0, 0, 0}, false, 25},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(callawayDeduction(c.total, c.worst, c.eighteen), c.d) << c.total;
  }
}

TEST(Callaway, ScoresOfWholeRounds) {
  // T = 73 with a worst deductible hole of 7: A = 4, D = 2, net 71.004.
  auto s = callawayScore(round18({7, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 3, 3}), kCourse.menPars);
  EXPECT_DOUBLE_EQ(s.deduction, 2);
  EXPECT_EQ(s.handicap, 2);
  EXPECT_NEAR(s.net, 71.004, 1e-9);
  // T = 85 with W1 = 8 and W2 = 7: D = 13.5, handicap 14, net 71.027.
  s = callawayScore(round18({8, 7, 5, 5, 5, 5, 5, 5, 4, 4, 4, 4, 4, 4, 4, 4}), kCourse.menPars);
  EXPECT_DOUBLE_EQ(s.deduction, 13.5);
  EXPECT_EQ(s.handicap, 14);
  EXPECT_NEAR(s.net, 71.027, 1e-9);
  // A double par cap: 11 on a par 4 counts 8, reduction 3; holes 17 and 18 are never deducted.
  auto h = round18({11, 5, 3, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4});
  h[16] = 9;  // par 5, the worst hole, but the 17th
  s = callawayScore(h, kCourse.menPars);
  EXPECT_EQ(s.reduction, 3);
  // T = 8 + 59 + 9 + 4 = 80: W1 = 8 (hole 1, capped), the last of 76 to 80: 8 + 2 = 10.
  EXPECT_DOUBLE_EQ(s.deduction, 10);
  EXPECT_EQ(s.handicap, 10);
  // The caps: 50 for 18 holes, 25 for 9.
  std::array<Int, 18> awful;
  awful.fill(10);
  EXPECT_DOUBLE_EQ(callawayScore(awful, kCourse.menPars).deduction, 50);
  // A 9-hole round on the front nine: hole 9 can be deducted; T = 37 with W1 = 6 gives 1.
  std::array<Int, 18> nine{};
  for (std::size_t i = 0; i < 9; ++i) nine[i] = 4;
  nine[8] = 6;
  nine[4] = 3;
  s = callawayScore(nine, kCourse.menPars);
  EXPECT_DOUBLE_EQ(s.deduction, 1.0);
  EXPECT_EQ(s.handicap, 1);
}

TEST(HiddenHole, OverParOnTheHiddenHoles) {
  SettingsRecord st;
  st.hiddenHoles = {1, 2, 3, 10, 11, 12};
  st.handicapMultiplier = 1.5f;
  PlayerRecord p;
  p.holeScores.fill(0);
  const auto& par = kCourse.menPars;  // 4 5 3 ... 4 3 5
  const int over[6] = {1, 0, 2, 0, 3, 0};
  const int holes[6] = {0, 1, 2, 9, 10, 11};
  for (int i = 0; i < 6; ++i)
    p.holeScores[static_cast<std::size_t>(holes[i])] =
        static_cast<Int>(par[static_cast<std::size_t>(holes[i])] + over[i]);
  p.grossTotal = 80.012;
  auto h = hiddenScore(p, st, par);
  EXPECT_EQ(h.handicap, 9);  // S = 6
  EXPECT_NEAR(h.net, 71.138, 1e-9);
  p.holeScores[2] = 8;                              // a par 3 scored 8 counts 3, not 5
  EXPECT_EQ(hiddenScore(p, st, par).handicap, 11);  // S = 1 + 3 + 3 = 7: 10.51 rounds to 11
}

TEST(HiddenHole, OnlyPlayersInCompetitionAreRanked) {
  test::Started run;
  run.useCourse(kCourse);
  run.state.settings.hiddenHoles = {4, 0, 0, 0, 0, 0};
  run.state.settings.handicapMultiplier = 3;
  std::vector<PlayerRecord> ps = {test::makePlayer("IN"), test::makePlayer("OUT"), test::makePlayer("IN2")};
  ps[1].inCompetition = "N";
  ps[1].hiddenNet = 55;  // kept as it was
  for (auto& p : ps) {
    p.holeScores.fill(4);
    p.grossTotal = 72;
  }
  ps[2].holeScores[3] = 6;  // 2 over on the hidden hole
  ps[2].grossTotal = 74;
  run.openTournament(ps);
  bldidx(run.state);
  auto players = readPlayers(run.state);
  const TotalIndex order = hidhole(run.state, players);
  ASSERT_EQ(order.size(), 2u);
  EXPECT_EQ(order[0].record, 3);  // 74 - 6 + 0.084 = 68.084
  EXPECT_EQ(order[1].record, 1);
  const auto written = run.players();
  EXPECT_EQ(written[2].hiddenHandicap, 6);
  EXPECT_EQ(written[1].hiddenNet, 55);
}

TEST(Callaway, CallwyWritesEveryPlayerWithAScore) {
  test::Started run;
  run.useCourse(kCourse);
  std::vector<PlayerRecord> ps = {test::makePlayer("NONE"), test::makePlayer("PLAYED")};
  ps[1].holeScores = round18({7, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 3, 3});
  ps[1].grossTotal = 73;
  run.openTournament(ps);
  auto players = readPlayers(run.state);
  const TotalIndex order = callwy(run.state, players);
  ASSERT_EQ(order.size(), 1u);
  EXPECT_EQ(order[0].record, 2);
  EXPECT_EQ(run.players()[1].callawayHandicap, 2);
  EXPECT_NEAR(run.players()[1].callawayNet, 71.004, 1e-9);
}

}  // namespace
}  // namespace teebrook
