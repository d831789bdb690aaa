// teebrook-cli score, clear-score and reset, end to end.
#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/fixtures.h"

namespace teebrook {
namespace {
using test::runCli;

struct CliScoring : ::testing::Test {
  CliScoring() {
    const auto init = runCli({"--data", d, "settings", "set", "tieBreakMethod=R", "calcHandicaps=Y"});
    EXPECT_EQ(init.status, 0) << init.err;
    RecordFile courses;
    courses.open(dir / "tntcrs.txt", kCourseLength);
    writeRecord(courses, 1, test::makeCourse(true));
    std::vector<PlayerRecord> ps = {test::makePlayer("SMITH", "JOHN", 18),
                                    test::makePlayer("JONES", "AL", 5)};
    for (auto& p : ps) p.courseNumber = 1;
    test::writeTournament(dir / "CLUB.TNT", ps);
  }
  std::vector<PlayerRecord> players() const { return test::readTournament(dir / "CLUB.TNT"); }
  test::TempFolder dir;
  std::string d = dir.path().string();
};

TEST_F(CliScoring, ScoreHoleByHole) {
  const auto r = runCli({"--data", d, "--date", "06-13-2026", "score", "CLUB.TNT", "1", "--holes",
                         "5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto p = players()[0];
  EXPECT_EQ(p.holeScores[17], 5);
  EXPECT_EQ(p.netHoleScores[17], 4);
  EXPECT_NEAR(p.grossTotal, 90, 0.5);
  EXPECT_GT(p.grossTotal, 90);
  EXPECT_EQ(p.scoreDate.raw(), "06-13-26");
  EXPECT_EQ(players()[1].grossTotal, 0);  // nothing else is written
}

TEST_F(CliScoring, RefusalsAreBeepsAndWriteNothing) {
  const auto before = test::readBytes(dir / "CLUB.TNT");
  const auto gap = runCli({"--data", d, "score", "CLUB.TNT", "1", "--holes", "4,4,4,4,,4,4,4,4,,,,,,,,,"});
  EXPECT_EQ(gap.status, 1);
  EXPECT_EQ(gap.err, "beep\n");
  const auto twenty =
      runCli({"--data", d, "score", "CLUB.TNT", "1", "--holes", "4,4,4,20,4,4,4,4,4,,,,,,,,,"});
  EXPECT_EQ(twenty.status, 1);
  EXPECT_EQ(twenty.err, "beep\n");
  const auto nobody = runCli({"--data", d, "score", "CLUB.TNT", "3", "--total", "80"});
  EXPECT_EQ(nobody.status, 1);
  EXPECT_EQ(nobody.err, "Select a Player\n");
  EXPECT_EQ(runCli({"--data", d, "score", "CLUB.TNT", "1", "--holes", "4,4"}).status, 2);
  EXPECT_EQ(runCli({"--data", d, "score", "CLUB.TNT", "1"}).status, 2);
  EXPECT_EQ(runCli({"--data", d, "score", "NONE.TNT", "1", "--total", "80"}).status, 1);
  EXPECT_EQ(test::readBytes(dir / "CLUB.TNT"), before);
}

TEST_F(CliScoring, TotalOnlyThenClear) {
  ASSERT_EQ(runCli({"--data", d, "score", "CLUB.TNT", "1", "--total", "95"}).status, 0);
  EXPECT_EQ(players()[0].grossTotal, 95);
  EXPECT_EQ(players()[0].netTotal, 77);
  // Clear Score needs hole scores: a total alone is nothing to clear.
  const auto none = runCli({"--data", d, "clear-score", "CLUB.TNT", "1"});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.err, "beep\n");
  ASSERT_EQ(runCli({"--data", d, "score", "CLUB.TNT", "2", "--holes", ",,,,,,,,,4,4,4,4,4,4,4,4,4"}).status,
            0);
  EXPECT_EQ(players()[1].holeScores[9], 4);
  ASSERT_EQ(runCli({"--data", d, "clear-score", "CLUB.TNT", "2"}).status, 0);
  EXPECT_EQ(players()[1].holeScores[9], 0);
  EXPECT_EQ(players()[1].grossTotal, 0);
}

TEST_F(CliScoring, ResetAddsPostsAndClears) {
  ASSERT_EQ(runCli({"--data", d, "--date", "06-13-2026", "score", "CLUB.TNT", "1", "--holes",
                    "5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5"})
                .status,
            0);
  const auto r = runCli({"--data", d, "reset", "CLUB.TNT", "--add", "--clear", "--update"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "Done\n");
  const auto p = players()[0];
  EXPECT_EQ(p.roundGross[0], 90);
  EXPECT_EQ(p.roundsRecorded, 1);
  EXPECT_EQ(p.postedScores[0], 90);
  EXPECT_FLOAT_EQ(p.postedDiffs[0], 17.0f);
  EXPECT_EQ(p.postedDates[0].raw(), "06-13-26");
  EXPECT_EQ(p.grossTotal, 0);
  EXPECT_EQ(runCli({"--data", d, "reset", "CLUB.TNT", "--update"}).status, 2);

  test::writeTournament(dir / "EMPTY.TNT", {});
  const auto empty = runCli({"--data", d, "reset", "EMPTY.TNT", "--clear"});
  EXPECT_EQ(empty.status, 1);
  EXPECT_EQ(empty.err, "beep\n");
}

}  // namespace
}  // namespace teebrook
