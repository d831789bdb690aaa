#include "league_fixture.h"

#include <unistd.h>
#include <map>

#include "data/demo_league.h"

namespace teebrook::bench {

League::League(int players)
    : folder(std::filesystem::temp_directory_path() /
             ("teebrook-bench-" + std::to_string(::getpid()) + "-" + std::to_string(players))) {
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  state = std::make_unique<State>(folder, Platform{feedback, clock, random, help});
  opnfiles(*state);
  makeDemoLeague(*state, DemoOptions{players, 20});
  openTournamentFile(*state, kDemoTournament);
  state->currentCourse = 2;
}

League::~League() {
  state.reset();
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
}

League& league(int players) {
  static std::map<int, std::unique_ptr<League>> made;
  auto& slot = made[players];
  if (!slot) slot = std::make_unique<League>(players);
  return *slot;
}

}  // namespace teebrook::bench
