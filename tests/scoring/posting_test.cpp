#include "scoring/posting.h"

#include <gtest/gtest.h>

#include "scoring/handicap.h"
#include "support/fixtures.h"

namespace teebrook {
namespace {

const CourseRecord kCourse = test::makeCourse(true);

SettingsRecord settings(const char* calc = "Y", const char* groupNines = "N") {
  SettingsRecord s;
  s.calcHandicaps = calc;
  s.groupNines = groupNines;
  return s;
}

// A round of 18 holes of the given score each (or the front nine only), dated.
PlayerRecord withRound(int perHole, int holes = 18, int handicap = 20) {
  PlayerRecord p = test::makePlayer("P", "X", handicap);
  for (int h = 0; h < holes; ++h) p.holeScores[static_cast<std::size_t>(h)] = static_cast<Int>(perHole);
  p.grossTotal = perHole * holes + 0.0123;
  p.scoreDate = "06-13-26";
  return p;
}

void fillHistory(PlayerRecord& p, int n, float diff = 20) {
  for (int k = 0; k < n; ++k) {
    p.postedScores[static_cast<std::size_t>(k)] = 95;
    p.postedDiffs[static_cast<std::size_t>(k)] = diff;
  }
  p.scoresPosted = static_cast<Int>(n);
  p.escLimit = 10;
}

TEST(Posthcp, PostsTheDifferentialOfTheAdjustedScore) {
  PlayerRecord p = withRound(5);  // 90
  p.putts = 33;
  p.greensInReg = 4;
  posthcp(p, settings(), kCourse);
  EXPECT_EQ(p.postedScores[0], 90);
  EXPECT_FLOAT_EQ(p.postedDiffs[0], 17.0f);  // (90 - 71.2) × 113 / 125 = 16.995
  EXPECT_EQ(p.postedDates[0].raw(), "06-13-26");
  EXPECT_EQ(p.scoresPosted, 1);
  EXPECT_EQ(p.puttsHistory[0], 33);
  EXPECT_EQ(p.greensHistory[0], 4);
  EXPECT_EQ(p.fairwaysHistory[0], 0);  // nothing to shift in
  EXPECT_EQ(p.putts, 0);
  EXPECT_EQ(p.greensInReg, 0);
  EXPECT_EQ(p.escLimit, 10);
  EXPECT_EQ(p.handicap, 20);  // fewer than five scores: the handicap stays
}

TEST(Posthcp, FifthScoreGivesTheFirstIndex) {
  PlayerRecord p = withRound(5);
  fillHistory(p, 3, 25);
  posthcp(p, settings(), kCourse);
  EXPECT_EQ(p.handicapIndex, 0);  // the fourth leaves the index as it was
  EXPECT_EQ(p.handicap, 20);
  p.holeScores[0] = 12;  // 12 counts 10 while the limit is 10
  p.grossTotal = 97;
  p.escLimit = 7;
  p.scoreDate = "06-20-26";
  posthcp(p, settings(), kCourse);
  EXPECT_EQ(p.postedScores[0], 95);
  EXPECT_EQ(p.scoresPosted, 5);
  EXPECT_FLOAT_EQ(p.postedDiffs[0], 21.5f);
  // Five differentials (21.5, 17.0, 25, 25, 25): the lowest counts, 96 % of 170 cut to 16.3.
  EXPECT_FLOAT_EQ(p.handicapIndex, 16.3f);
  EXPECT_EQ(p.handicap, 18);  // 16.3 × 125 / 113
  EXPECT_EQ(p.escLimit, 7);
}

TEST(Posthcp, IndexCapsAndLowestHandicap) {
  const struct {
    int sex, perHole, holes;
    float diff, index;
  } cases[] = {
      {0, 6, 18, 39.6f, 36.4f},  // 38.0 capped on an 18-hole round
      {0, 6, 9, 39.6f, 18.2f},   // any 9-hole round
      {1, 7, 18, 45.0f, 40.4f},
      {1, 7, 9, 45.0f, 20.2f},
  };
  for (const auto& c : cases) {
    PlayerRecord p = withRound(c.perHole, c.holes);
    p.sex = static_cast<Int>(c.sex);
    fillHistory(p, 19, c.diff);
    posthcp(p, settings(), kCourse);
    EXPECT_FLOAT_EQ(p.handicapIndex, c.index) << c.sex << " " << c.holes;
  }
  PlayerRecord plus = withRound(4);
  fillHistory(plus, 19, -6.0f);
  plus.handicap = 0;
  posthcp(plus, settings(), kCourse);
  EXPECT_EQ(plus.handicap, -3);  // -5.x becomes -3
  PlayerRecord nine = withRound(3, 9);
  fillHistory(nine, 19, -6.0f);
  posthcp(nine, settings(), kCourse);
  EXPECT_EQ(nine.handicap, -2);  // on a 9-hole round -2 is the limit
}

TEST(Posthcp, HandicapAndLimitFromTheIndex) {
  PlayerRecord p = withRound(5);
  // The ladies' tees: 90 gives 14.4 on 73.4 / 130; with nine of 15.1 the index is 14.4 (150.3 × 0.96),
  // and on slope 130 the handicap 17 (16.57 rounded) and the limit 7.
  p.sex = 1;
  fillHistory(p, 19, 15.1f);
  posthcp(p, settings(), kCourse);
  EXPECT_FLOAT_EQ(p.handicapIndex, 14.4f);
  EXPECT_EQ(p.handicap, 17);
  EXPECT_EQ(p.escLimit, 7);
  // The next round: a 9 on a hole counts 7.
  p.holeScores.fill(5);
  p.holeScores[2] = 9;
  p.grossTotal = 94;
  posthcp(p, settings(), kCourse);
  EXPECT_EQ(p.postedScores[0], 92);

  // Handicap 5: limit 2, so a 7 on a par 4 counts 6.
  PlayerRecord low = withRound(4, 18, 5);
  fillHistory(low, 19, 4.0f);
  low.escLimit = 2;
  low.holeScores[0] = 7;  // par 4
  low.grossTotal = 75;
  posthcp(low, settings(), kCourse);
  EXPECT_EQ(low.postedScores[0], 74);
  EXPECT_EQ(low.escLimit, 2);
}

TEST(Posthcp, GroupedNinesPostAsOne) {
  PlayerRecord p = withRound(5, 9);  // 45
  p.putts = 16;
  p.fairwaysHit = 3;
  fillHistory(p, 6, 18.0f);
  posthcp(p, settings("Y", "Y"), kCourse);
  EXPECT_EQ(p.pendingNineScore, 45);
  EXPECT_EQ(p.pendingNinePutts, 16);
  EXPECT_EQ(p.pendingNineFairways, 3);
  EXPECT_EQ(p.scoresPosted, 6);  // only waiting
  EXPECT_EQ(p.postedScores[0], 95);
  EXPECT_EQ(p.putts, 0);

  p.holeScores.fill(0);
  for (std::size_t h = 0; h < 9; ++h) p.holeScores[h] = h == 0 ? 7 : 5;  // 47
  p.grossTotal = 47;
  p.putts = 17;
  p.fairwaysHit = 4;
  posthcp(p, settings("Y", "Y"), kCourse);
  EXPECT_EQ(p.postedScores[0], 92);
  EXPECT_FLOAT_EQ(p.postedDiffs[0], differential(92, 71.2f, 125));
  EXPECT_EQ(p.puttsHistory[0], 33);
  EXPECT_EQ(p.fairwaysHistory[0], 7);
  EXPECT_EQ(p.pendingNineScore, 0);
  EXPECT_EQ(p.scoresPosted, 7);
}

TEST(Posthcp, NothingToPost) {
  PlayerRecord p = withRound(0, 0);
  p.grossTotal = 0;
  p.sandSaves = 2;
  fillHistory(p, 6, 18.0f);
  const PlayerRecord before = p;
  posthcp(p, settings(), kCourse);
  EXPECT_EQ(p.scoresPosted, 6);
  EXPECT_EQ(p.postedScores, before.postedScores);
  EXPECT_EQ(p.sandSavesHistory[0], 2);  // statistics above 0 still shift in
  EXPECT_EQ(p.handicap, before.handicap);
  // A slope of 0 gives a differential of 0, which no average counts.
  CourseRecord noSlope = kCourse;
  noSlope.menSlopes[2] = 0;
  PlayerRecord q = withRound(5);
  posthcp(q, settings(), noSlope);
  EXPECT_EQ(q.postedDiffs[0], 0);
}

TEST(RecomputeIndex, AfterAHistoryEdit) {
  PlayerRecord p;
  fillHistory(p, 5, 10.0f);
  p.postedDiffs[2] = 9.8f;
  p.escLimit = 8;
  recomputeIndex(p, kCourse);
  EXPECT_FLOAT_EQ(p.handicapIndex, 9.4f);
  EXPECT_EQ(p.handicap, 10);  // 9.4 × 125 / 113 = 10.4
  EXPECT_EQ(p.escLimit, 8);
}

struct UpscoreTest : ::testing::Test {
  UpscoreTest() { run.useCourse(kCourse); }
  test::Started run;
};

TEST_F(UpscoreTest, NoPlayersBeeps) {
  run.openTournament({});
  EXPECT_TRUE(upscore(run.state, {true, true, true, true}));
  EXPECT_EQ(run.fakes.feedback.beeps, 1);
  EXPECT_TRUE(run.fakes.feedback.messages.empty());
}

TEST_F(UpscoreTest, AddsClearsAndPostsInOrder) {
  PlayerRecord a = withRound(5), b = test::makePlayer("MISSED");
  a.netTotal = 72.004;
  a.pointsGross = 30;
  a.callawayNet = 73.6;
  a.hiddenNet = 70.2;
  a.roundsRecorded = 3;
  a.roundGross[2] = 88;
  a.robinSize = 4;
  a.robinAdded = "Y";
  a.putts = 31;
  b.roundsRecorded = 1;
  run.openTournament({a, b});
  run.state.settings.calcHandicaps = "Y";
  ASSERT_TRUE(upscore(run.state, {true, true, true, false}));
  EXPECT_EQ(run.fakes.feedback.messages.back().text, "Done");
  const auto ps = run.players();
  EXPECT_EQ(ps[0].roundGross[3], 90);
  EXPECT_EQ(ps[0].roundNet[3], 72);
  EXPECT_EQ(ps[0].roundCallaway[3], 74);
  EXPECT_EQ(ps[0].roundHidden[3], 70);
  EXPECT_EQ(ps[0].roundPointsGross[3], 30);
  EXPECT_NEAR(ps[0].seasonGross, 90.0123, 1e-9);
  EXPECT_EQ(ps[0].seasonCallaway, 74);
  EXPECT_EQ(ps[0].roundsRecorded, 4);
  EXPECT_EQ(ps[1].roundsRecorded, 4);  // the slot is the same for everybody
  EXPECT_EQ(ps[1].roundGross[3], 0);
  // Cleared after posting.
  EXPECT_EQ(ps[0].postedScores[0], 90);
  EXPECT_EQ(ps[0].puttsHistory[0], 31);
  EXPECT_EQ(ps[0].holeScores[0], 0);
  EXPECT_EQ(ps[0].grossTotal, 0);
  EXPECT_EQ(ps[0].callawayNet, 0);
  EXPECT_EQ(ps[0].robinRound, 1);
  EXPECT_TRUE(ps[0].robinAdded.empty());
  EXPECT_EQ(ps[0].lastName.trimmed(), "P");
  EXPECT_EQ(ps[1].postedScores[0], 0);  // no round, nothing posted
}

TEST_F(UpscoreTest, AddThenClearTheSeason) {
  PlayerRecord a = withRound(5);
  a.roundsRecorded = 2;
  run.openTournament({a});
  ASSERT_TRUE(upscore(run.state, {true, false, false, true}));
  const auto p = run.players()[0];
  EXPECT_EQ(p.roundsRecorded, 0);
  EXPECT_EQ(p.seasonGross, 0);
  EXPECT_EQ(p.roundGross[2], 0);
  EXPECT_GT(p.grossTotal, 90);  // C not ticked: the round stays
}

TEST_F(UpscoreTest, TheTwentySeventhRoundGrowsOnlyTheSums) {
  PlayerRecord a = withRound(5);
  a.roundsRecorded = 26;
  for (auto& g : a.roundGross) g = 80;
  a.seasonGross = 26 * 80;
  run.openTournament({a});
  ASSERT_TRUE(upscore(run.state, {true, false, false, false}));
  const auto p = run.players()[0];
  EXPECT_EQ(p.roundsRecorded, 27);
  for (double g : p.roundGross) EXPECT_EQ(g, 80);
  EXPECT_NEAR(p.seasonGross, 26 * 80 + 90.0123, 1e-9);
}

TEST_F(UpscoreTest, RerankAfterAHandicapChange) {
  PlayerRecord a = withRound(5);
  a.netTotal = 70.01;
  run.openTournament({a, test::makePlayer("B")});
  bldidx(run.state);
  readPlayer(run.state, 1);
  run.state.player.handicap = 2;
  ASSERT_TRUE(rerank(run.state, 1));
  const auto p = run.players()[0];
  EXPECT_EQ(p.netTotal, 88);
  EXPECT_EQ(p.netHoleScores[3], 4);  // index 1
  EXPECT_EQ(run.state.netOrder.back().record, 1);
  EXPECT_EQ(run.state.netOrder.back().key, 88);
}

}  // namespace
}  // namespace teebrook
