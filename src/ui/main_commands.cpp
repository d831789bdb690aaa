#include "ui/main_commands.h"

#include <cctype>

#include "data/utilities.h"

namespace teebrook {
namespace {

bool needsTournament(State& s) {
  if (s.tntLoaded) return true;
  s.platform.feedback.message("Load a Tournament File First!", "Attention", Icon::Warning);
  return false;
}

bool needsPlayers(State& s) {
  if (countPlayers(s) > 0) return true;
  s.platform.feedback.beep();
  return false;
}

}  // namespace

CommandOutcome runMainCommand(State& s, MainCommand command, std::string& tag, int shownPlayer) {
  Feedback& fb = s.platform.feedback;
  switch (command) {
    case MainCommand::SelectTournament:
      if (s.courseCount <= 0) {
        fb.message("Enter Course Rating First", "Attention", Icon::Warning);
        return {};
      }
      return {Target::TournamentFile, false, false};
    case MainCommand::DisplayResults:
      if (!needsTournament(s) || !needsPlayers(s)) return {};
      return {Target::Results, false, false};
    case MainCommand::ClearTournamentScores:
      if (!needsTournament(s)) return {};
      tag = "C";
      return {Target::Roster, true, true};
    case MainCommand::FlightNames:
      return {};
    case MainCommand::RulesOfGolf:
      return {Target::Rules, false, false};
    case MainCommand::AddEditPlayers:
      if (!needsTournament(s)) return {};
      return {Target::Roster, true, true};
    case MainCommand::CompetitionStatus:
      if (!needsTournament(s)) return {};
      return {Target::CompetitionStatus, false, false};
    case MainCommand::OrganizeGroups:
      if (!needsTournament(s) || !needsPlayers(s)) return {};
      return {Target::Groupings, true, false};
    case MainCommand::PlayerListings:
      if (!needsTournament(s) || !needsPlayers(s)) return {};
      tag = "AL";
      return {Target::Listings, false, false};
    case MainCommand::DisplayHandicaps:
      if (!needsTournament(s) || !needsPlayers(s)) return {};
      tag = "HAN";
      return {Target::HandicapDisplay, false, false};
    case MainCommand::PrintHandicaps:
    case MainCommand::PrintStatistics:
      if (!needsTournament(s) || !needsPlayers(s)) return {};
      tag = "HAN";
      return {Target::Listings, false, false};
    case MainCommand::DisplayStatistics:
      tag = "DIS";
      if (!needsTournament(s)) return {};
      if (shownPlayer < 1) {
        fb.message("Select a Player", "Attention", Icon::Warning);
        return {};
      }
      if (countPlayers(s) == 0) return {};
      readPlayer(s, shownPlayer);
      tag.clear();
      return {Target::Graph, false, false};
    case MainCommand::DefaultSettings:
      return {Target::Settings, true, false};
    case MainCommand::CourseSettings:
      return {Target::CourseSettings, true, true};
    case MainCommand::About:
      return {Target::About, false, false};
    case MainCommand::SaveFiles:
      tag = "S";
      return {Target::Backup, false, false};
    case MainCommand::RestoreFiles:
      tag = "R";
      return {Target::Backup, false, false};
    case MainCommand::Help:
      s.platform.help.show(10);
      return {};
    case MainCommand::Exit:
      return {Target::Exit, false, false};
    case MainCommand::Statistics:
      if (shownPlayer < 1) {
        fb.beep();
        return {};
      }
      return {Target::StatisticsEntry, false, false};
  }
  return {};
}

std::string tournamentCaption(const std::string& path) {
  std::string out = path;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto c = static_cast<unsigned char>(out[i]);
    out[i] = static_cast<char>(i == 0 ? std::toupper(c) : std::tolower(c));
  }
  return out;
}

std::string titleCase(const std::string& text) {
  std::string out = text;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto c = static_cast<unsigned char>(out[i]);
    out[i] = static_cast<char>(i == 0 || out[i - 1] == ' ' ? std::toupper(c) : std::tolower(c));
  }
  return out;
}

std::vector<std::string> mainListEntries(State& s) {
  countPlayers(s);
  if (s.settings.entryMode == 2 && s.slotRecords.size() >= 3) {
    std::vector<std::string> entries;
    const std::vector<PlayerRecord> players = readPlayers(s);
    for (int record : s.slotRecords) {
      if (record < 1 || record > static_cast<int>(players.size())) continue;
      const PlayerRecord& p = players[static_cast<std::size_t>(record - 1)];
      entries.push_back(playerEntry(p.lastName.trimmed(), p.firstName.str(), record));
    }
    return entries;
  }
  if (s.playerCount > 0) return fillist(s, "XX", 0);
  return {};
}

}  // namespace teebrook
