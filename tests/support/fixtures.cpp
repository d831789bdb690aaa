#include "support/fixtures.h"

#include <unistd.h>
#include <atomic>
#include <fstream>
#include <random>

namespace teebrook::test {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("teebrook-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                               ec);
  std::filesystem::remove_all(path_, ec);
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

PlayerRecord makePlayer(const std::string& last, const std::string& first, int handicap, int sex) {
  PlayerRecord p;
  p.lastName = last;
  p.firstName = first;
  p.handicap = static_cast<Int>(handicap);
  p.sex = static_cast<Int>(sex);
  p.inCompetition = "Y";
  p.flight = 1;
  return p;
}

CourseRecord makeCourse(bool eighteenNumbered) {
  CourseRecord c;
  c.courseName = "TEST COURSE";
  c.menPars = {4, 5, 3, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4};
  c.ladiesPars = c.menPars;
  c.menHandicapHoles =
      eighteenNumbered ? std::array<Int, 18>{7, 3, 17, 1, 11, 15, 9, 5, 13, 8, 16, 2, 12, 4, 18, 10, 6, 14}
                       : std::array<Int, 18>{4, 2, 9, 1, 6, 8, 5, 3, 7, 4, 8, 1, 6, 2, 9, 5, 3, 7};
  c.ladiesHandicapHoles = c.menHandicapHoles;
  c.menParTotal = 72;
  c.ladiesParTotal = 72;
  c.menRatings[2] = 71.2f;
  c.menSlopes[2] = 125;
  c.ladiesRatings[2] = 73.4f;
  c.ladiesSlopes[2] = 130;
  return c;
}

void writeTournament(const std::filesystem::path& p, const std::vector<PlayerRecord>& players) {
  writeBytes(p, encodeAll(players));
}

std::vector<PlayerRecord> readTournament(const std::filesystem::path& p) {
  return decodeAll<PlayerRecord>(readBytes(p));
}

Started::Started() : state(folder.path(), fakes.platform()) {
  opnfiles(state);
}

void Started::openTournament(const std::vector<PlayerRecord>& players, const std::string& name) {
  writeTournament(folder / name, players);
  openTournamentFile(state, name);
}

}  // namespace teebrook::test

namespace teebrook::test {

void Started::useCourse(const CourseRecord& c) {
  state.course = c;
  writeCourse(state, 1);
  state.courseCount = state.courseFile.count();
  state.currentCourse = 1;
}

std::vector<PlayerRecord> Started::players() const {
  return readTournament(folder / state.tournamentPath);
}

}  // namespace teebrook::test
