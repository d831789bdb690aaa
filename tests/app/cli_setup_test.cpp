// teebrook-cli course and tournament commands, end to end.
#include <gtest/gtest.h>

#include "data/records.h"
#include "support/cli_runner.h"
#include "support/fixtures.h"

namespace teebrook {
namespace {
using test::runCli;

const std::string kPars = "4,5,3,4,4,3,4,5,4,4,3,5,4,4,3,4,5,4";
const std::string kIndexes = "7,3,17,1,11,15,9,5,13,8,16,2,12,4,18,10,6,14";

std::vector<CourseRecord> courses(const test::TempFolder& dir) {
  return decodeAll<CourseRecord>(test::readBytes(dir / "tntcrs.txt"));
}

TEST(CliSetup, CoursesAddEditListDelete) {
  test::TempFolder dir;
  const std::string d = dir.path().string();
  auto r = runCli({"--data", d, "course", "add", "oak hills blue", "--men-pars", kPars, "--men-si", kIndexes,
                   "--men-rating", "72.456", "--men-slope", "131", "--ladies-rating", "74", "--ladies-pars",
                   kPars});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1\n");
  ASSERT_EQ(runCli({"--data", d, "course", "add", "MEADOW"}).status, 0);
  ASSERT_EQ(runCli({"--data", d, "course", "add", "THIRD"}).status, 0);
  auto cs = courses(dir);
  ASSERT_EQ(cs.size(), 3u);
  EXPECT_EQ(cs[0].courseName.trimmed(), "OAK HILLS BLUE");
  EXPECT_EQ(cs[0].menParTotal, 72);
  EXPECT_EQ(cs[0].ladiesParTotal, 72);
  EXPECT_FLOAT_EQ(cs[0].menRatings[2], 72.5f);
  EXPECT_EQ(cs[0].menSlopes[2], 131);
  EXPECT_EQ(cs[0].ladiesSlopes[2], 113);  // left empty
  EXPECT_EQ(cs[0].menHandicapHoles[3], 1);

  // Editing keeps the name and the record; the totals follow.
  ASSERT_EQ(runCli({"--data", d, "course", "edit", "1", "--men-pars", "5,5,3,4,4,3,4,5,4,4,3,5,4,4,3,4,5,4"})
                .status,
            0);
  cs = courses(dir);
  EXPECT_EQ(cs[0].courseName.trimmed(), "OAK HILLS BLUE");
  EXPECT_EQ(cs[0].menParTotal, 73);
  EXPECT_EQ(cs[0].menSlopes[2], 131);

  EXPECT_EQ(runCli({"--data", d, "course", "list"}).out, "1\tOAK HILLS BLUE\n2\tMEADOW\n3\tTHIRD\n");
  ASSERT_EQ(runCli({"--data", d, "course", "delete", "2"}).status, 0);
  EXPECT_EQ(runCli({"--data", d, "course", "list"}).out, "1\tOAK HILLS BLUE\n2\tTHIRD\n");
  EXPECT_EQ(courses(dir).size(), 2u);
  EXPECT_EQ(decodeAll<CourseRecord>(test::readBytes(dir / "tntcrs.bak")).size(), 3u);

  const auto missing = runCli({"--data", d, "course", "delete", "9"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Select a Course\n");
  EXPECT_EQ(runCli({"--data", d, "course", "add", "X", "--men-pars", "4,4"}).status, 2);
  EXPECT_EQ(runCli({"--data", d, "course", "add", "X", "--men-rating", "abc"}).status, 2);
  EXPECT_EQ(runCli({"--data", d, "course", "rename", "1"}).status, 2);
  EXPECT_EQ(courses(dir).size(), 2u);
}

TEST(CliSetup, TournamentsNewOpenListDelete) {
  test::TempFolder dir;
  const std::string d = dir.path().string();
  const auto early = runCli({"--data", d, "tournament", "new", "LEAGUE"});
  EXPECT_EQ(early.status, 1);
  EXPECT_EQ(early.err, "Enter Course Rating First\n");
  ASSERT_EQ(runCli({"--data", d, "course", "add", "ZED", "--men-slope", "125"}).status, 0);
  ASSERT_EQ(runCli({"--data", d, "course", "add", "ALPHA", "--men-slope", "140"}).status, 0);

  auto r = runCli({"--data", d, "tournament", "new", "tournament"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "TOURNAME.TNT\n");
  EXPECT_EQ(std::filesystem::file_size(dir / "TOURNAME.TNT"), 0u);
  EXPECT_EQ(runCli({"--data", d, "tournament", "new", "GOLF.DOC"}).out, "GOLF.TNT\n");
  const auto inUse = runCli({"--data", d, "tournament", "new", "GOLF.TNT"});
  EXPECT_EQ(inUse.status, 1);
  EXPECT_EQ(inUse.err, "Filename In Use\n");
  EXPECT_EQ(runCli({"--data", d, "tournament", "new", "GOLF"}).out, "GOLF.TNT\n");  // opens the existing one
  const auto outside = runCli({"--data", d, "tournament", "new", "A/../../X"});
  EXPECT_EQ(outside.status, 1);
  EXPECT_EQ(outside.err, "Bad Filename!\n");
  const auto tooLong = runCli({"--data", d, "tournament", "new", "TOURNAMENTS.DOC"});
  EXPECT_EQ(tooLong.status, 1);
  EXPECT_EQ(tooLong.err, "Error #5\n");
  EXPECT_EQ(runCli({"--data", d, "tournament", "list"}).out, "GOLF.TNT\nTOURNAME.TNT\n");

  // Opening recomputes handicaps from the index on the course its first player stores.
  PlayerRecord p = test::makePlayer("INDEXED", "A", 0);
  p.handicapIndex = 12.4f;
  p.courseNumber = 1;
  test::writeTournament(dir / "CLUB.TNT", {p});
  ASSERT_EQ(runCli({"--data", d, "tournament", "open", "club.tnt"}).status, 0);
  EXPECT_EQ(test::readTournament(dir / "CLUB.TNT")[0].handicap, 14);
  ASSERT_EQ(runCli({"--data", d, "settings", "set", "menPercent=80"}).status, 0);
  ASSERT_EQ(runCli({"--data", d, "tournament", "open", "CLUB.TNT"}).status, 0);
  EXPECT_EQ(test::readTournament(dir / "CLUB.TNT")[0].handicap, 11);
  ASSERT_EQ(runCli({"--data", d, "tournament", "open", "CLUB.TNT", "--course", "2"}).status, 0);
  EXPECT_EQ(test::readTournament(dir / "CLUB.TNT")[0].courseNumber, 2);
  EXPECT_EQ(runCli({"--data", d, "tournament", "open", "NONE.TNT"}).err, "File Not Found!\n");

  const auto del = runCli({"--data", d, "tournament", "delete", "golf.tnt"});
  EXPECT_EQ(del.status, 0);
  EXPECT_EQ(del.err, "Are You Sure You Want To Delete GOLF.TNT?\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "GOLF.TNT"));
}

}  // namespace
}  // namespace teebrook
