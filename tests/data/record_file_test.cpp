#include "data/record_file.h"

#include <gtest/gtest.h>

#include "support/fixtures.h"

namespace teebrook {
namespace {
using test::TempFolder;

std::vector<PlayerRecord> players(std::initializer_list<const char*> names) {
  std::vector<PlayerRecord> out;
  for (const char* n : names) out.push_back(test::makePlayer(n));
  return out;
}

std::vector<std::string> lastNames(const std::vector<PlayerRecord>& ps) {
  std::vector<std::string> out;
  for (const auto& p : ps) out.push_back(p.lastName.trimmed());
  return out;
}

TEST(RecordFile, CreatesReadsWritesAndAppends) {
  TempFolder dir;
  RecordFile f;
  ASSERT_TRUE(f.open(dir / "A.TNT", kPlayerLength));
  EXPECT_TRUE(std::filesystem::exists(dir / "A.TNT"));
  EXPECT_EQ(f.count(), 0);
  PlayerRecord p = test::makePlayer("ONE");
  EXPECT_FALSE(readRecord(f, 1, p));  // nothing to read yet
  EXPECT_EQ(p.lastName.trimmed(), "ONE");
  EXPECT_FALSE(writeRecord(f, 2, p));  // no gaps
  ASSERT_TRUE(writeRecord(f, 1, p));
  p.lastName = "TWO";
  ASSERT_TRUE(f.lastAccessed() == 1);
  std::array<std::uint8_t, kPlayerLength> buf;
  encode(p, buf);
  ASSERT_TRUE(f.writeNext(buf));
  EXPECT_EQ(f.count(), 2);
  EXPECT_EQ(f.lastAccessed(), 2);
  PlayerRecord back;
  ASSERT_TRUE(readRecord(f, 1, back));
  EXPECT_EQ(back.lastName.trimmed(), "ONE");
  EXPECT_EQ(f.lastAccessed(), 1);
  EXPECT_EQ(std::filesystem::file_size(dir / "A.TNT"), 2 * kPlayerLength);
  EXPECT_EQ(lastNames(readAllRecords<PlayerRecord>(f)), (std::vector<std::string>{"ONE", "TWO"}));
}

TEST(RecordFile, FileOfOddLengthKeepsItsStrayBytes) {
  TempFolder dir;
  test::writeTournament(dir / "ODD.TNT", players({"ONE", "TWO"}));
  auto bytes = test::readBytes(dir / "ODD.TNT");
  const std::vector<std::uint8_t> tail = {1, 2, 3, 4, 5, 6, 7};
  bytes.insert(bytes.end(), tail.begin(), tail.end());
  test::writeBytes(dir / "ODD.TNT", bytes);

  RecordFile f;
  ASSERT_TRUE(f.open(dir / "ODD.TNT", kPlayerLength));
  EXPECT_EQ(f.count(), 2);
  EXPECT_EQ(f.strayBytes(), 7u);
  EXPECT_EQ(readAllRecords<PlayerRecord>(f).size(), 2u);
  PlayerRecord p;
  EXPECT_FALSE(readRecord(f, 3, p));
  // Rewriting a whole record leaves the stray bytes alone; appending keeps them aside first.
  ASSERT_TRUE(writeRecord(f, 2, test::makePlayer("TWO")));
  EXPECT_FALSE(std::filesystem::exists(dir / "ODD.TNT.tail"));
  ASSERT_TRUE(writeRecord(f, 3, test::makePlayer("THREE")));
  EXPECT_EQ(test::readBytes(dir / "ODD.TNT.tail"), tail);
  EXPECT_EQ(f.count(), 3);
  EXPECT_EQ(f.strayBytes(), 0u);
}

TEST(RecordFile, DeleteKeepsOrderAndLeavesABackup) {
  TempFolder dir;
  test::writeTournament(dir / "FIVE.TNT", players({"A", "B", "C", "D", "E"}));
  RecordFile f;
  ASSERT_TRUE(f.open(dir / "FIVE.TNT", kPlayerLength));
  std::string error;
  ASSERT_TRUE(deleteRecord(f, 3, dir / "FIVE.bak", error)) << error;
  EXPECT_TRUE(f.isOpen());
  EXPECT_EQ(f.count(), 4);
  EXPECT_EQ(lastNames(readAllRecords<PlayerRecord>(f)), (std::vector<std::string>{"A", "B", "D", "E"}));
  EXPECT_EQ(lastNames(test::readTournament(dir / "FIVE.bak")),
            (std::vector<std::string>{"A", "B", "C", "D", "E"}));
  EXPECT_FALSE(std::filesystem::exists(dir / "FIVE.TNT.tmp"));
  // Deleting the only record leaves an empty file and the old record in the backup.
  test::writeTournament(dir / "ONE.TNT", players({"ONLY"}));
  ASSERT_TRUE(f.open(dir / "ONE.TNT", kPlayerLength));
  ASSERT_TRUE(deleteRecord(f, 1, dir / "ONE.bak", error));
  EXPECT_EQ(std::filesystem::file_size(dir / "ONE.TNT"), 0u);
  EXPECT_EQ(lastNames(test::readTournament(dir / "ONE.bak")), (std::vector<std::string>{"ONLY"}));
}

TEST(RecordFile, DeleteThatCannotWriteLeavesTheFileWhole) {
  TempFolder dir;
  test::writeTournament(dir / "KEEP.TNT", players({"A", "B"}));
  RecordFile f;
  ASSERT_TRUE(f.open(dir / "KEEP.TNT", kPlayerLength));
  // A folder where the rebuilt file would go makes the rebuild fail, even for root.
  std::filesystem::create_directory(dir / "KEEP.TNT.tmp");
  std::string error;
  EXPECT_FALSE(deleteRecord(f, 1, dir / "KEEP.bak", error));
  EXPECT_NE(error.find("KEEP.TNT.tmp"), std::string::npos) << error;
  EXPECT_TRUE(f.isOpen());
  EXPECT_EQ(lastNames(test::readTournament(dir / "KEEP.TNT")), (std::vector<std::string>{"A", "B"}));
}

TEST(RecordFile, ReadOnlyOpenNeitherCreatesNorWrites) {
  TempFolder dir;
  RecordFile f;
  EXPECT_FALSE(f.open(dir / "NONE.TNT", kPlayerLength, RecordFile::Mode::ReadOnly));
  EXPECT_FALSE(f.error().empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "NONE.TNT"));
  test::writeTournament(dir / "RO.TNT", players({"A"}));
  ASSERT_TRUE(f.open(dir / "RO.TNT", kPlayerLength, RecordFile::Mode::ReadOnly));
  EXPECT_FALSE(writeRecord(f, 1, test::makePlayer("B")));
  EXPECT_EQ(lastNames(test::readTournament(dir / "RO.TNT")), (std::vector<std::string>{"A"}));
}

}  // namespace
}  // namespace teebrook
