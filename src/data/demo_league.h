#pragma once
// A generated league for first starts and benchmarks: settings, three course settings and a
// tournament file of players with addresses, flights, groups, indexes and handicap histories.
#include <optional>
#include <string>

#include "data/state.h"

namespace teebrook {

inline constexpr const char* kDemoTournament = "LEAGUE.TNT";

struct DemoOptions {
  int players = 40;
  int rounds = 12;  // rounds already played this season
};

// Fills the data folder of a started program (opnfiles done). Refuses a folder that already holds
// course settings or the demo tournament. Returns the reason when nothing was made.
std::optional<std::string> makeDemoLeague(State& s, const DemoOptions& options);

}  // namespace teebrook
