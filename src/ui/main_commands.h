#pragma once
// The commands of the main window: their guards and messages, the tag they leave for the window
// they open, and what the window must do next. No widgets here.
#include <string>

#include "data/state.h"

namespace teebrook {

enum class MainCommand {
  SelectTournament,
  DisplayResults,
  ClearTournamentScores,
  FlightNames,
  RulesOfGolf,
  AddEditPlayers,
  CompetitionStatus,
  OrganizeGroups,
  PlayerListings,
  DisplayHandicaps,
  PrintHandicaps,
  DisplayStatistics,
  PrintStatistics,
  DefaultSettings,
  CourseSettings,
  About,
  SaveFiles,
  RestoreFiles,
  Help,
  Exit,
  Statistics,
};

// The window a command hands over to.
enum class Target {
  None,
  TournamentFile,
  Results,
  Roster,
  Rules,
  CompetitionStatus,
  Groupings,
  Listings,
  HandicapDisplay,
  Graph,
  Settings,
  CourseSettings,
  About,
  Backup,
  StatisticsEntry,
  Exit,
};

struct CommandOutcome {
  Target target = Target::None;
  bool hideMain = false;
  bool busy = false;  // show the busy pointer while the window opens
};

// Runs a command's guard. The tag is the main window's tag, which the command may set; shownPlayer
// is the record shown in score entry (0 for none).
CommandOutcome runMainCommand(State& s, MainCommand command, std::string& tag, int shownPlayer);

// "golfleag.tnt" → "Golfleag.tnt"
std::string tournamentCaption(const std::string& path);
// "oak hills BLUE tees" → "Oak Hills Blue Tees"
std::string titleCase(const std::string& text);

// The player entries of the main list after an activation: grouped players in slot order when
// entering by foursomes with at least three grouped, else every player alphabetically.
std::vector<std::string> mainListEntries(State& s);

}  // namespace teebrook
