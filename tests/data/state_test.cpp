#include "data/state.h"

#include <gtest/gtest.h>

#include <cmath>

#include "data/utilities.h"
#include "support/fixtures.h"

namespace teebrook {
namespace {
using test::makePlayer;
using test::Started;
using test::TempFolder;

SettingsRecord settingsOnDisk(const TempFolder& dir) {
  SettingsRecord s;
  decode(test::readBytes(dir / kSettingsFile), s);
  return s;
}

TEST(Startup, FirstRunAppliesTheDefaults) {
  Started run;
  EXPECT_EQ(std::filesystem::file_size(run.folder / kSettingsFile), kSettingsLength);
  EXPECT_EQ(std::filesystem::file_size(run.folder / kCourseFile), 0u);
  const SettingsRecord s = settingsOnDisk(run.folder);
  EXPECT_EQ(s.showTips.raw(), "Y");
  EXPECT_EQ(s.menPercent, 100);
  EXPECT_EQ(s.ladiesPercent, 100);
  EXPECT_EQ(s.maxCourses, 1000);
  EXPECT_EQ(s.tieBreakMethod.raw(), std::string(1, '\0'));  // everything else zero
  EXPECT_EQ(run.state.courseCount, 0);
  EXPECT_TRUE(run.state.tournamentPath.empty());
  EXPECT_FALSE(run.state.tntLoaded);
}

TEST(Startup, KeepsWhatTheUserSet) {
  TempFolder dir;
  SettingsRecord s;
  s.showTips = "N";
  s.menPercent = 90;
  s.ladiesPercent = 80;
  s.maxCourses = 5;
  s.reserved357.data[3] = 42;
  std::vector<std::uint8_t> bytes(kSettingsLength);
  encode(s, bytes);
  test::writeBytes(dir / kSettingsFile, bytes);
  test::FakePlatform fakes;
  State state(dir.path(), fakes.platform());
  EXPECT_TRUE(opnfiles(state).empty());
  const SettingsRecord after = settingsOnDisk(dir);
  EXPECT_EQ(after.showTips.raw(), "N");
  EXPECT_EQ(after.menPercent, 90);
  EXPECT_EQ(after.ladiesPercent, 80);
  EXPECT_EQ(after.maxCourses, 1000);
  EXPECT_EQ(after.reserved357.data[3], 42);
}

TEST(Startup, SettingsFileCutShortIsReadAndKept) {
  TempFolder dir;
  SettingsRecord s;
  s.menPercent = 85;
  s.tieBreakMethod = "G";
  std::vector<std::uint8_t> bytes(kSettingsLength);
  encode(s, bytes);
  bytes.resize(320);  // cut after tieBreakMethod
  test::writeBytes(dir / kSettingsFile, bytes);
  test::FakePlatform fakes;
  State state(dir.path(), fakes.platform());
  const auto notes = opnfiles(state);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_NE(notes[0].find("320 of the 496"), std::string::npos) << notes[0];
  EXPECT_EQ(state.settings.menPercent, 85);
  EXPECT_TRUE(state.settings.tieBreakMethod.is("G"));
  EXPECT_EQ(std::filesystem::file_size(dir / kSettingsFile), kSettingsLength);
  EXPECT_EQ(test::readBytes(dir / "tntdef.txt.tail"), bytes);  // the old contents, whole
}

TEST(Startup, UnusableDataFilesAreReportedNotFatal) {
  TempFolder dir;
  // A folder where a data file should be cannot be opened as a file, even by root.
  std::filesystem::create_directory(dir / kSettingsFile);
  std::filesystem::create_directory(dir / kCourseFile);
  test::FakePlatform fakes;
  State state(dir.path(), fakes.platform());
  const auto notes = opnfiles(state);
  EXPECT_EQ(notes.size(), 2u);
  EXPECT_NE(notes[0].find(kSettingsFile), std::string::npos);
  EXPECT_FALSE(state.settingsFile.writable());
  EXPECT_EQ(state.settings.menPercent, 100);  // defaults in memory all the same
  EXPECT_TRUE(state.settings.showTips.is("Y"));
  EXPECT_EQ(state.courseCount, 0);
}

TEST(Startup, ReopenReadsTheSettingsAgain) {
  Started run;
  run.state.settings.menPercent = 50;  // not written
  reopen(run.state);
  EXPECT_EQ(run.state.settings.menPercent, 100);
  EXPECT_TRUE(run.state.settingsFile.isOpen());
  EXPECT_TRUE(run.state.courseFile.isOpen());
  shutdn(run.state);
  EXPECT_FALSE(run.state.settingsFile.isOpen());
  EXPECT_EQ(run.fakes.help.closes, 1);
}

TEST(Bldidx, StampsTheCourseAndBuildsEveryIndex) {
  Started run;
  std::vector<PlayerRecord> ps = {makePlayer("SMITH", "AL", 12), makePlayer("ADAMS", "BO", 5, 1),
                                  makePlayer("JONES", "CY", 20), makePlayer("BROWN", "DI", 5, 1)};
  ps[0].grossTotal = 80.2;
  ps[1].grossTotal = 75.1;
  ps[2].grossTotal = 90;
  ps[3].grossTotal = 0;
  for (auto& p : ps) p.netTotal = p.grossTotal - p.handicap;
  ps[0].groupSlot = 6, ps[0].groupNumber = 2;
  ps[2].groupSlot = 1, ps[2].groupNumber = 1;
  ps[3].groupSlot = 2, ps[3].groupNumber = 1;
  run.openTournament(ps);
  run.state.currentCourse = 3;
  bldidx(run.state, [](PlayerRecord& p, int record) { p.putts = static_cast<Int>(record * 10); });

  EXPECT_EQ(run.state.playerCount, 4);
  const auto onDisk = test::readTournament(run.folder / "TEST.TNT");
  for (std::size_t i = 0; i < onDisk.size(); ++i) {
    EXPECT_EQ(onDisk[i].courseNumber, 3);
    EXPECT_EQ(onDisk[i].putts, static_cast<Int>((i + 1) * 10));
  }
  const auto records = [](const auto& index) {
    std::vector<int> r;
    for (const auto& e : index) r.push_back(e.record);
    return r;
  };
  EXPECT_EQ(records(run.state.nameOrder), (std::vector<int>{2, 4, 3, 1}));
  EXPECT_EQ(records(run.state.grossOrder), (std::vector<int>{4, 2, 1, 3}));
  EXPECT_EQ(records(run.state.netOrder), (std::vector<int>{4, 1, 3, 2}));  // -5, 68.2, 70, 70.1
  EXPECT_EQ(run.state.slotList, (std::vector<int>{1, 2, 6}));
  EXPECT_EQ(run.state.slotRecords, (std::vector<int>{3, 4, 1}));
  const SettingsRecord s = settingsOnDisk(run.folder);
  EXPECT_EQ(s.menCount, 2);
  EXPECT_EQ(s.ladiesCount, 2);
  EXPECT_EQ(s.groupCount, 2);
}

TEST(Bldidx, EmptyTournamentClearsTheCounts) {
  Started run;
  run.state.settings.menCount = 7;
  run.state.settings.groupCount = 3;
  run.openTournament({});
  bldidx(run.state);
  EXPECT_EQ(run.state.playerCount, 0);
  EXPECT_TRUE(run.state.nameOrder.empty());
  const SettingsRecord s = settingsOnDisk(run.folder);
  EXPECT_EQ(s.menCount, 0);
  EXPECT_EQ(s.groupCount, 0);
}

TEST(Bldidx, UngroupedTournamentCountsOneGroup) {
  Started run;
  run.openTournament({makePlayer("A"), makePlayer("B")});
  bldidx(run.state);
  EXPECT_EQ(run.state.settings.groupCount, 1);
  EXPECT_TRUE(run.state.slotList.empty());
}

// The diminishing-gap sort leaves equal keys in an order of its own, which lists show.
TEST(Srtidx, EqualKeysTakeTheOrderOfTheExchangeSort) {
  const struct {
    std::vector<int> keys;
    std::vector<int> records;
  } cases[] = {
      {{}, {}},
      {{7}, {1}},
      {{2, 1, 2, 1}, {2, 4, 1, 3}},
      {{3, 1, 2, 1, 3, 2}, {4, 2, 3, 6, 1, 5}},
      {{5, 5, 1, 5}, {3, 2, 1, 4}},
      {{2, 2, 1, 1, 2, 1}, {4, 3, 6, 2, 1, 5}},
      {{1, 1, 1, 0}, {4, 1, 3, 2}},
  };
  for (const auto& c : cases) {
    Started run;
    std::vector<PlayerRecord> ps;
    for (int k : c.keys) ps.push_back(makePlayer("P", "X", k));
    run.openTournament(ps);
    bldidx(run.state);
    std::vector<int> got;
    for (const auto& e : run.state.handicapOrder) got.push_back(e.record);
    EXPECT_EQ(got, c.records) << ::testing::PrintToString(c.keys);
  }
}

TEST(Srtidx, NamesCompareAsBinaryTextOnFiveLetters) {
  Started run;
  run.openTournament({makePlayer("smith"), makePlayer("SMITHERS"), makePlayer("Smith"), makePlayer("SMITH"),
                      makePlayer("ÅBERG"), makePlayer("ZANE")});
  bldidx(run.state);
  std::vector<std::string> keys;
  for (const auto& e : run.state.nameOrder) keys.push_back(std::string(e.key.begin(), e.key.end()));
  // Capitals before small letters, Latin-1 letters after both; SMITH and SMITHERS share a key.
  EXPECT_EQ(keys, (std::vector<std::string>{"SMITH", "SMITH", "Smith", "ZANE ", "smith",
                                            "\xC5"
                                            "BERG"}));
}

TEST(Fillist, PrefixesAndModes) {
  Started run;
  std::vector<PlayerRecord> ps = {makePlayer("SMITH", "JOHN"), makePlayer("SMALL", "ANN"),
                                  makePlayer("SMITHSON", "BOB"), makePlayer("Smith", "lower"),
                                  makePlayer("JONES", "AL")};
  ps[1].groupSlot = 3;
  run.openTournament(ps);
  bldidx(run.state);
  const auto names = [&](std::string_view prefix, int mode) {
    std::vector<std::string> out;
    for (const auto& e : fillist(run.state, prefix, mode)) {
      out.push_back(e.substr(0, e.find(' ')) + "#" + std::to_string(entryRecord(e)));
    }
    return out;
  };
  EXPECT_EQ(names("SMI", 0), (std::vector<std::string>{"SMITH#1", "SMITHSON#3"}));
  EXPECT_EQ(names("SMITHX", 0), names("SMITH", 0));  // cut to five letters
  EXPECT_EQ(names("SM", 0), (std::vector<std::string>{"SMALL#2", "SMITH#1", "SMITHSON#3"}));
  EXPECT_EQ(names(" Smi ", 0), (std::vector<std::string>{"Smith#4"}));
  EXPECT_EQ(names("XX", 0).size(), 5u);
  EXPECT_EQ(names("XX", 1), (std::vector<std::string>{"JONES#5", "SMITH#1", "SMITHSON#3", "Smith#4"}));
  EXPECT_TRUE(names("Q", 0).empty());
  const auto entries = fillist(run.state, "JON", 0);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0], playerEntry("JONES", "AL          ", 5));
}

TEST(OpenTournament, OddLengthFileIsReportedAndReadWhole) {
  Started run;
  test::writeTournament(run.folder / "ODD.TNT", {makePlayer("A"), makePlayer("B")});
  auto bytes = test::readBytes(run.folder / "ODD.TNT");
  bytes.resize(bytes.size() + 100, 0xEE);
  test::writeBytes(run.folder / "ODD.TNT", bytes);
  const OpenResult r = openTournamentFile(run.state, "ODD.TNT");
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(r.notes.size(), 1u);
  EXPECT_NE(r.notes[0].find("100 bytes"), std::string::npos) << r.notes[0];
  EXPECT_EQ(run.state.playerCount, 2);
  bldidx(run.state);
  EXPECT_EQ(run.state.nameOrder.size(), 2u);
  EXPECT_EQ(test::readBytes(run.folder / "ODD.TNT").size(), bytes.size());  // nothing overwritten
}

TEST(OpenTournament, GarbageNumbersAreReadSafely) {
  Started run;
  PlayerRecord p = makePlayer("NAN");
  p.netTotal = std::nan("");
  p.grossTotal = 1e300;
  p.handicapIndex = std::numeric_limits<float>::infinity();
  run.openTournament({p, makePlayer("B"), p});
  bldidx(run.state);
  EXPECT_EQ(run.state.netOrder.size(), 3u);
  EXPECT_EQ(run.state.grossOrder.back().key, 1e300);
}

}  // namespace
}  // namespace teebrook
