// teebrook-cli end to end, on fresh temporary data folders.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "data/records.h"
#include "support/cli_runner.h"
#include "support/fixtures.h"
#include "ui/qt_instance_lock.h"

namespace teebrook {
namespace {
using test::runCli;
using test::TempFolder;

TEST(Cli, InitThenDumpSettings) {
  TempFolder dir;
  const auto init = runCli({"--data", dir.path().string(), "init"});
  EXPECT_EQ(init.status, 0) << init.err;
  EXPECT_EQ(std::filesystem::file_size(dir / "tntdef.txt"), kSettingsLength);
  const auto dump = runCli({"--data", dir.path().string(), "dump", "settings"});
  ASSERT_EQ(dump.status, 0) << dump.err;
  EXPECT_NE(dump.out.find("\"showTips\": \"Y\""), std::string::npos) << dump.out;
  EXPECT_NE(dump.out.find("\"menPercent\": 100"), std::string::npos);
  EXPECT_NE(dump.out.find("\"ladiesPercent\": 100"), std::string::npos);
  EXPECT_NE(dump.out.find("\"maxCourses\": 1000"), std::string::npos);
  EXPECT_EQ(runCli({"--data", dir.path().string(), "dump", "courses"}).out, "[]\n");
}

TEST(Cli, SettingsSet) {
  TempFolder dir;
  const std::string d = dir.path().string();
  EXPECT_EQ(
      runCli({"--data", d, "settings", "set", "menPercent=90", "tieBreakMethod=G", "teeInterval=7.5"}).status,
      0);
  const auto dump = runCli({"--data", d, "dump", "settings"});
  EXPECT_NE(dump.out.find("\"menPercent\": 90"), std::string::npos);
  EXPECT_NE(dump.out.find("\"tieBreakMethod\": \"G\""), std::string::npos);
  EXPECT_NE(dump.out.find("\"teeInterval\": 7.5"), std::string::npos);

  // One bad assignment refuses them all.
  const auto bad = runCli({"--data", d, "settings", "set", "menPercent=80", "bogus=1"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("unknown settings field: bogus"), std::string::npos) << bad.err;
  const auto wrongType = runCli({"--data", d, "settings", "set", "startTime=noon"});
  EXPECT_EQ(wrongType.status, 2);
  EXPECT_NE(wrongType.err.find("startTime takes a whole number"), std::string::npos) << wrongType.err;
  EXPECT_NE(runCli({"--data", d, "dump", "settings"}).out.find("\"menPercent\": 90"), std::string::npos);
}

TEST(Cli, UsageErrors) {
  TempFolder dir;
  const std::string d = dir.path().string();
  const std::vector<std::vector<std::string>> cases = {
      {"--data", d},
      {"--data", d, "nosuch"},
      {"--data", d, "--date", "2026-06-13", "init"},
      {"--data", d, "--seed", "x", "init"},
      {"--data", d, "dump"},
      {"--data", d, "settings", "set"},
      {"--data", d, "demo", "--players", "0"},
      {"--data", d, "demo", "--players", "40000"},
      {"--data", d, "demo", "--rounds"},
      {"--data", d, "init", "extra"},
  };
  for (const auto& args : cases) {
    const auto r = runCli(args);
    EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args) << r.err;
    EXPECT_FALSE(r.err.empty());
  }
}

TEST(Cli, DataFolderThatCannotBeUsed) {
  TempFolder dir;
  test::writeBytes(dir / "plainfile", {1, 2, 3});
  const auto r = runCli({"--data", (dir / "plainfile").string(), "init"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cannot use the data folder"), std::string::npos) << r.err;
  // Data files that cannot be opened are reported; init refuses.
  std::filesystem::create_directory(dir / "d");
  std::filesystem::create_directory(dir / "d" / "tntdef.txt");
  const auto blocked = runCli({"--data", (dir / "d").string(), "init"});
  EXPECT_EQ(blocked.status, 1);
  EXPECT_NE(blocked.err.find("tntdef.txt"), std::string::npos) << blocked.err;
}

TEST(Cli, AnotherCopyHoldsTheDataFolder) {
  TempFolder dir;
  QtInstanceLock held(dir.path());
  ASSERT_TRUE(held.acquire());
  const auto r = runCli({"--data", dir.path().string(), "init"});
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.err, "Program Already Activated!\n");
}

TEST(Cli, LockOfAKilledCopyDoesNotBlock) {
  TempFolder dir;
  const pid_t child = ::fork();
  if (child == 0) {
    QtInstanceLock lock(dir.path());
    lock.acquire();
    ::pause();  // killed while holding the lock
    ::_exit(0);
  }
  // Wait until the child holds the lock, then kill it.
  for (int i = 0; i < 200 && !std::filesystem::exists(dir / "teebrook.lock"); ++i) ::usleep(10000);
  ::usleep(50000);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  ASSERT_TRUE(std::filesystem::exists(dir / "teebrook.lock"));
  const auto r = runCli({"--data", dir.path().string(), "init"});
  EXPECT_EQ(r.status, 0) << r.err;
}

TEST(Cli, DemoLeagueIsRepeatableWithASeed) {
  TempFolder a, b;
  for (const auto* dir : {&a, &b}) {
    const auto r = runCli({"--data", dir->path().string(), "--seed", "11", "--date", "06-13-2026", "demo",
                           "--players", "40", "--rounds", "12"});
    ASSERT_EQ(r.status, 0) << r.err;
  }
  EXPECT_EQ(test::readBytes(a / "LEAGUE.TNT"), test::readBytes(b / "LEAGUE.TNT"));
  EXPECT_EQ(test::readBytes(a / "tntcrs.txt"), test::readBytes(b / "tntcrs.txt"));
  EXPECT_EQ(std::filesystem::file_size(a / "LEAGUE.TNT"), 40 * kPlayerLength);
  const auto dump = runCli({"--data", a.path().string(), "dump", "players", "LEAGUE.TNT"});
  ASSERT_EQ(dump.status, 0);
  EXPECT_NE(dump.out.find("\"record\": 40,"), std::string::npos);
  EXPECT_NE(dump.out.find("\"postedDates\": [\"06-06-26\""), std::string::npos);
  // A second demo would overwrite the league: refused.
  const auto again = runCli({"--data", a.path().string(), "demo"});
  EXPECT_EQ(again.status, 1);
  EXPECT_NE(again.err.find("empty folder"), std::string::npos) << again.err;
}

TEST(Cli, DumpPlayersRefusesNamesOutsideTheDataFolder) {
  TempFolder dir;
  const std::string d = dir.path().string();
  const auto outside = runCli({"--data", d, "dump", "players", "../X.TNT"});
  EXPECT_EQ(outside.status, 1);
  EXPECT_EQ(outside.err, "Bad Filename!\n");
  const auto missing = runCli({"--data", d, "dump", "players", "NONE.TNT"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "NONE.TNT"));
}

TEST(Cli, DumpOfAFileCutShortReportsTheRest) {
  TempFolder dir;
  test::writeTournament(dir / "CUT.TNT", {test::makePlayer("ONE"), test::makePlayer("TWO")});
  auto bytes = test::readBytes(dir / "CUT.TNT");
  bytes.resize(bytes.size() - 10);
  test::writeBytes(dir / "CUT.TNT", bytes);
  const auto r = runCli({"--data", dir.path().string(), "dump", "players", "CUT.TNT"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\"lastName\": \"ONE\""), std::string::npos);
  EXPECT_EQ(r.out.find("\"record\": 2"), std::string::npos);
  EXPECT_NE(r.err.find("1412 bytes that do not make a whole player record"), std::string::npos) << r.err;
  EXPECT_EQ(test::readBytes(dir / "CUT.TNT"), bytes);  // a dump writes nothing
}

}  // namespace
}  // namespace teebrook
