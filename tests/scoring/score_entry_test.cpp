#include "scoring/score_entry.h"

#include <gtest/gtest.h>

#include "scoring/net_scores.h"
#include "support/fixtures.h"

namespace teebrook {
namespace {
using Focus = ScoreEntry::Focus;
using Action = ScoreEntry::Action;

struct EntryTest : ::testing::Test {
  EntryTest() {
    run.state.settings.tieBreakMethod = "R";
    run.state.settings.calcHandicaps = "Y";
    writeSettings(run.state);
    run.useCourse(test::makeCourse(true));
    run.openTournament({test::makePlayer("SMITH", "JOHN", 18), test::makePlayer("JONES", "AL", 5),
                        test::makePlayer("BROWN", "BO", 12)});
    bldidx(run.state);
  }
  // Types a round hole by hole as the window does: each box changes, then loses the focus.
  void type(const std::array<int, 18>& scores) {
    for (int h = 0; h < 18; ++h) {
      const int v = scores[static_cast<std::size_t>(h)];
      entry.holeChanged(h, v ? std::to_string(v) : "");
      entry.holeLeft(h);
    }
  }
  test::Started run;
  ScoreEntry entry{run.state};
};

TEST_F(EntryTest, SelectingAPlayerShowsTheRecord) {
  ASSERT_TRUE(entry.selectPlayer(1));
  EXPECT_EQ(entry.entryRec, 1);
  EXPECT_EQ(entry.playerName, "SMITH JOHN        ");
  EXPECT_EQ(entry.playerFlight, "1");
  EXPECT_EQ(entry.playerHandicap, "18");
  EXPECT_EQ(entry.labels[0], "4");
  EXPECT_EQ(entry.labels[18], "72");
  entry.togglePars();
  EXPECT_EQ(entry.labels[3], "1");  // stroke index of hole 4
  EXPECT_EQ(entry.labels[18], "");
  EXPECT_FALSE(entry.scoreDirty);
  EXPECT_FALSE(entry.selectPlayer(9));  // no such record: nothing shown
  EXPECT_FALSE(entry.playerShown());
  EXPECT_EQ(run.fakes.feedback.messages.back().text, "Player 9 could not be read from TEST.TNT.");
}

TEST_F(EntryTest, TypingAdvancesAndRefusesTwenty) {
  entry.selectPlayer(1);
  EXPECT_EQ(entry.holeChanged(0, "4"), (Action{Focus::Hole, 1, false}));
  EXPECT_EQ(entry.holeChanged(1, "1"), Action{});  // may become 10 to 19
  EXPECT_EQ(entry.holeChanged(1, "12"), (Action{Focus::Hole, 2, false}));
  EXPECT_EQ(entry.holeChanged(17, "3"), (Action{Focus::Save, -1, true}));
  EXPECT_TRUE(entry.scoreDirty);
  entry.holeChanged(2, "25");
  EXPECT_EQ(entry.holeLeft(2), (Action{Focus::Hole, 2, true}));
  EXPECT_EQ(entry.holes[2], "");
  EXPECT_EQ(entry.holeNets[2], 0);
  // A hole in one: 1 and Tab.
  entry.holeChanged(3, "1");
  EXPECT_EQ(entry.holeLeft(3), Action{});
  EXPECT_EQ(entry.holeNets[3], 0);  // index 1, handicap 18: one stroke off
}

TEST_F(EntryTest, RunningTotals) {
  entry.selectPlayer(1);
  entry.holeChanged(0, "5");
  entry.holeLeft(0);
  entry.holeChanged(1, "6");
  entry.holeLeft(1);
  EXPECT_EQ(entry.total, "11");
  EXPECT_EQ(entry.netTotal, "9");
}

TEST_F(EntryTest, SaveWritesTheRoundWithItsTieBreakAndTheOrders) {
  entry.selectPlayer(1);
  std::array<int, 18> round;
  round.fill(5);
  type(round);
  EXPECT_EQ(entry.total, "90");
  EXPECT_EQ(entry.netTotal, "72");
  EXPECT_EQ(entry.save(), (Action{Focus::List, -1, false}));
  const PlayerRecord p = run.players()[0];
  EXPECT_EQ(p.holeScores[0], 5);
  EXPECT_EQ(p.netHoleScores[0], 4);
  EXPECT_EQ(p.lastName.trimmed(), "SMITH");  // the rest of the record is kept
  EXPECT_GT(p.grossTotal, 90);
  EXPECT_LT(p.grossTotal, 90.5);
  EXPECT_GT(p.netTotal, 72);
  EXPECT_EQ(p.scoreDate.raw(), "06-13-26");
  EXPECT_EQ(run.state.grossOrder.back().record, 1);
  EXPECT_EQ(run.state.grossOrder.back().key, p.grossTotal);
  EXPECT_FALSE(entry.playerShown());
  EXPECT_EQ(entry.total, "");
  EXPECT_EQ(run.fakes.feedback.busyCalls, (std::vector<bool>{true, false}));
}

TEST_F(EntryTest, StartedNinesMustBeComplete) {
  entry.selectPlayer(2);
  std::array<int, 18> back{};
  for (std::size_t h = 9; h < 18; ++h) back[h] = 4;
  type(back);
  EXPECT_EQ(entry.save(), (Action{Focus::List, -1, false}));  // a back nine alone saves
  EXPECT_EQ(run.players()[1].holeScores[9], 4);

  entry.selectPlayer(3);
  std::array<int, 18> gap{};
  gap.fill(4);
  gap[4] = 0;
  type(gap);
  EXPECT_EQ(entry.save(), (Action{Focus::Hole, 4, true}));  // hole 5 is missing
  EXPECT_EQ(run.players()[2].holeScores[0], 0);             // nothing written
  EXPECT_EQ(run.players()[2].grossTotal, 0);
}

TEST_F(EntryTest, TotalOnly) {
  entry.selectPlayer(1);
  entry.total = "95";
  EXPECT_EQ(entry.totalLeft().focus, Focus::Save);
  EXPECT_EQ(entry.netTotal, "77");
  entry.save();
  const PlayerRecord p = run.players()[0];
  EXPECT_EQ(p.grossTotal, 95);  // no holes: no fraction
  EXPECT_EQ(p.netTotal, 77);
  entry.selectPlayer(1);
  entry.total = "250";
  entry.totalLeft();
  EXPECT_EQ(entry.total, "200");
  entry.total = "-4";
  entry.totalLeft();
  EXPECT_EQ(entry.total, "0");
}

TEST_F(EntryTest, BlankTieBreakSavesWholeTotals) {
  run.state.settings.tieBreakMethod = "";
  run.state.settings.calcHandicaps = "N";
  writeSettings(run.state);
  entry.selectPlayer(1);
  std::array<int, 18> round;
  round.fill(4);
  type(round);
  entry.save();
  const PlayerRecord p = run.players()[0];
  EXPECT_EQ(p.grossTotal, 72);
  EXPECT_EQ(p.netTotal, 54);
  EXPECT_EQ(p.scoreDate.trimmed(), "");
}

TEST_F(EntryTest, SaveWithoutTotalOrPlayer) {
  EXPECT_EQ(entry.save(), Action{});  // nothing typed
  entry.total = "80";
  EXPECT_EQ(entry.save(), (Action{Focus::None, -1, true}));  // no player
  EXPECT_EQ(entry.holeClicked(0), (Action{Focus::List, -1, false}));
  EXPECT_EQ(run.fakes.feedback.messages.back().text, "Select a Player");
  EXPECT_EQ(entry.total, "");
}

TEST_F(EntryTest, ChangedScoreAsksBeforeAnotherPlayer) {
  entry.selectPlayer(1);
  std::array<int, 18> round;
  round.fill(5);
  type(round);
  run.fakes.feedback.answers = {Answer::Yes};
  entry.selectPlayer(2);
  ASSERT_EQ(run.fakes.feedback.questions.size(), 1u);
  EXPECT_EQ(run.fakes.feedback.questions[0].text, "Save Before Clearing?)");
  EXPECT_EQ(run.players()[0].holeScores[5], 5);  // saved on Yes
  EXPECT_EQ(entry.entryRec, 2);
  entry.holeChanged(0, "6");
  run.fakes.feedback.answers = {Answer::No};
  entry.selectPlayer(3);
  EXPECT_EQ(run.players()[1].holeScores[0], 0);  // not saved on No
}

TEST_F(EntryTest, ClearScore) {
  entry.selectPlayer(1);
  EXPECT_EQ(entry.clearScore(), (Action{Focus::None, -1, true}));  // nothing to clear
  std::array<int, 18> round;
  round.fill(5);
  type(round);
  entry.save();
  entry.selectPlayer(1);
  EXPECT_EQ(entry.holes[0], "5");
  run.fakes.feedback.answers = {Answer::No};
  entry.clearScore();
  EXPECT_EQ(entry.holes[0], "5");
  entry.clearScore();
  EXPECT_EQ(run.fakes.feedback.questions.back().text, "Clear Score?");
  EXPECT_EQ(entry.holes[0], "");
  EXPECT_TRUE(entry.playerShown());  // the player stays shown
  const PlayerRecord p = run.players()[0];
  EXPECT_EQ(p.holeScores[0], 0);
  EXPECT_EQ(p.grossTotal, 0);
  EXPECT_EQ(run.state.grossOrder.front().key, 0);
}

}  // namespace
}  // namespace teebrook
