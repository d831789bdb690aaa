#pragma once
// Small fixtures built in code: a temporary data folder, players and tournament files.
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "data/records.h"
#include "data/state.h"
#include "support/fakes.h"

namespace teebrook::test {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

std::vector<std::uint8_t> readBytes(const std::filesystem::path& p);
void writeBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes);

PlayerRecord makePlayer(const std::string& last, const std::string& first = "PAT", int handicap = 0,
                        int sex = 0);

// A par-72 course; stroke indexes numbered 1 to 18, or 1 to 9 within each nine. Men rate 71.2 / 125,
// ladies 73.4 / 130.
CourseRecord makeCourse(bool eighteenNumbered = true);

// Writes the players as a tournament file.
void writeTournament(const std::filesystem::path& p, const std::vector<PlayerRecord>& players);
std::vector<PlayerRecord> readTournament(const std::filesystem::path& p);

// A started program on a temporary data folder with fake services.
struct Started {
  Started();
  // Writes the players as NAME and opens it as the tournament.
  void openTournament(const std::vector<PlayerRecord>& players, const std::string& name = "TEST.TNT");
  // Writes the course as course setting 1 and makes it the working course.
  void useCourse(const CourseRecord& c);
  std::vector<PlayerRecord> players() const;
  TempFolder folder;
  FakePlatform fakes;
  State state;
};

}  // namespace teebrook::test
