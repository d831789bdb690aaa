#include "support/fixtures.h"

#include <atomic>
#include <fstream>
#include <random>
#include <unistd.h>

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
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
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

void writeTournament(const std::filesystem::path& p, const std::vector<PlayerRecord>& players) {
  std::vector<std::uint8_t> bytes(players.size() * kPlayerLength);
  for (std::size_t i = 0; i < players.size(); ++i) {
    encode(players[i], std::span(bytes).subspan(i * kPlayerLength, kPlayerLength));
  }
  writeBytes(p, bytes);
}

std::vector<PlayerRecord> readTournament(const std::filesystem::path& p) {
  return decodeAll<PlayerRecord>(readBytes(p));
}

Started::Started() : state(folder.path(), fakes.platform()) { opnfiles(state); }

void Started::openTournament(const std::vector<PlayerRecord>& players, const std::string& name) {
  writeTournament(folder / name, players);
  openTournamentFile(state, name);
}

}  // namespace teebrook::test
