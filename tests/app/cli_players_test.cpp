// teebrook-cli player, import and flights, end to end.
#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/fixtures.h"

namespace teebrook {
namespace {
using test::runCli;

struct CliPlayers : ::testing::Test {
  CliPlayers() {
    EXPECT_EQ(
        runCli({"--data", d, "course", "add", "CLUB", "--men-slope", "125", "--ladies-slope", "130"}).status,
        0);
    EXPECT_EQ(runCli({"--data", d, "tournament", "new", "LEAGUE"}).status, 0);
  }
  std::vector<PlayerRecord> players() const { return test::readTournament(dir / "LEAGUE.TNT"); }
  test::TempFolder dir;
  std::string d = dir.path().string();
};

TEST_F(CliPlayers, AddEditDelete) {
  auto r = runCli({"--data", d, "player", "add", "LEAGUE.TNT", "--last", "smith", "--first", "john",
                   "--index", "12.4", "--city", "springfield", "--competing", "no"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1\n");
  // A tournament without players has no course yet: attaching one works the handicap out of the index.
  EXPECT_EQ(players()[0].handicap, 0);
  ASSERT_EQ(runCli({"--data", d, "tournament", "open", "LEAGUE.TNT", "--course", "1"}).status, 0);
  ASSERT_EQ(runCli({"--data", d, "player", "add", "LEAGUE.TNT", "--last", "jones", "--handicap", "14",
                    "--sex", "lady"})
                .status,
            0);
  auto ps = players();
  ASSERT_EQ(ps.size(), 2u);
  EXPECT_EQ(ps[0].lastName.trimmed(), "SMITH");
  EXPECT_EQ(ps[0].handicap, 14);  // from the index on slope 125
  EXPECT_FLOAT_EQ(ps[0].handicapIndex, 12.4f);
  EXPECT_TRUE(ps[0].inCompetition.is("N"));
  EXPECT_EQ(ps[0].cityStateProv.trimmed(), "SPRINGFIELD");
  EXPECT_FLOAT_EQ(ps[1].handicapIndex, 12.2f);  // 113 / 130 × 14
  EXPECT_EQ(ps[1].sex, 1);

  ASSERT_EQ(runCli({"--data", d, "player", "edit", "LEAGUE.TNT", "1", "--first", "jack"}).status, 0);
  ps = players();
  EXPECT_EQ(ps[0].firstName.trimmed(), "JACK");
  EXPECT_EQ(ps[0].cityStateProv.trimmed(), "SPRINGFIELD");  // kept
  EXPECT_EQ(ps[0].handicap, 14);

  const auto del = runCli({"--data", d, "player", "delete", "LEAGUE.TNT", "1"});
  ASSERT_EQ(del.status, 0) << del.err;
  EXPECT_EQ(del.err, "Delete Selected Player?\n");
  EXPECT_EQ(players().size(), 1u);
  EXPECT_EQ(test::readTournament(dir / "LEAGUE.bak").size(), 2u);

  EXPECT_EQ(runCli({"--data", d, "player", "edit", "LEAGUE.TNT", "7", "--first", "x"}).err,
            "Select a Player\n");
  EXPECT_EQ(runCli({"--data", d, "player", "add", "LEAGUE.TNT", "--sex", "other"}).status, 2);
  const auto nameless = runCli({"--data", d, "player", "add", "LEAGUE.TNT", "--first", "x"});
  EXPECT_EQ(nameless.status, 1);
  EXPECT_EQ(nameless.err, "beep\nEnter a Last Name!\n");
}

TEST_F(CliPlayers, ImportWithABadRow) {
  const std::string csv =
      "last,first,index,sex,competing,city\n"
      "ADAMS,AL,10.2,man,yes,\"Springfield, IL\"\n"
      "BAKER,BO,abc,man,yes,X\n"
      "COLE,CY,,lady,no,Y\n"
      "\n"
      ",NONAME,5,man,yes,Z\n"
      "DAVIS,DI,30,woman,yes,Z\n";
  test::writeBytes(dir / "roster.csv", std::vector<std::uint8_t>(csv.begin(), csv.end()));
  PlayerRecord first = test::makePlayer("FIRST");
  first.courseNumber = 1;  // the course the tournament is played on
  test::writeTournament(dir / "LEAGUE.TNT", {first});
  const auto r = runCli({"--data", d, "import", "players", "LEAGUE.TNT", (dir / "roster.csv").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "2 players added\n");
  EXPECT_NE(r.err.find("line 3: index takes a number"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("line 6: Enter a Last Name!"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("line 7: sex takes man or lady"), std::string::npos) << r.err;
  const auto ps = players();
  ASSERT_EQ(ps.size(), 3u);
  EXPECT_EQ(ps[1].cityStateProv.trimmed(), "SPRINGFIELD, IL");
  EXPECT_EQ(ps[1].handicap, 11);  // 10.2 × 125 / 113 = 11.28
  EXPECT_EQ(ps[2].lastName.trimmed(), "COLE");
  EXPECT_EQ(ps[2].sex, 1);
}

TEST_F(CliPlayers, Flights) {
  for (int i = 0; i < 10; ++i) {
    ASSERT_EQ(runCli({"--data", d, "player", "add", "LEAGUE.TNT", "--last", "P" + std::to_string(i),
                      "--handicap", std::to_string(2 * i + 1)})
                  .status,
              0);
  }
  const auto r = runCli({"--data", d, "flights", "LEAGUE.TNT", "--auto", "3"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<int> flights;
  for (const auto& p : players()) flights.push_back(p.flight);
  EXPECT_EQ(flights, (std::vector<int>{1, 1, 1, 2, 2, 2, 3, 3, 3, 3}));
  EXPECT_NE(runCli({"--data", d, "dump", "settings"}).out.find("\"flightLimits\": [5, 11, 17, 0,"),
            std::string::npos);
  ASSERT_EQ(runCli({"--data", d, "flights", "LEAGUE.TNT", "--limits", "9,18"}).status, 0);
  ASSERT_EQ(runCli({"--data", d, "flights", "LEAGUE.TNT", "--manual"}).status, 0);
  flights.clear();
  for (const auto& p : players()) flights.push_back(p.flight);
  EXPECT_EQ(flights, (std::vector<int>{1, 1, 1, 1, 1, 2, 2, 2, 2, 3}));  // 19 is above every limit: kept
  EXPECT_EQ(runCli({"--data", d, "flights", "LEAGUE.TNT", "--auto", "0"}).status, 2);
  EXPECT_EQ(runCli({"--data", d, "flights", "LEAGUE.TNT"}).status, 2);
}

}  // namespace
}  // namespace teebrook
