#include "ui/main_commands.h"

#include <gtest/gtest.h>

#include "support/fixtures.h"

namespace teebrook {
namespace {

TEST(MainCommands, FirstRunGuards) {
  test::Started run;
  const struct {
    MainCommand command;
    const char* message;  // nullptr: no message
    Target target;
  } cases[] = {
      {MainCommand::SelectTournament, "Enter Course Rating First", Target::None},
      {MainCommand::DisplayResults, "Load a Tournament File First!", Target::None},
      {MainCommand::ClearTournamentScores, "Load a Tournament File First!", Target::None},
      {MainCommand::AddEditPlayers, "Load a Tournament File First!", Target::None},
      {MainCommand::CompetitionStatus, "Load a Tournament File First!", Target::None},
      {MainCommand::OrganizeGroups, "Load a Tournament File First!", Target::None},
      {MainCommand::PlayerListings, "Load a Tournament File First!", Target::None},
      {MainCommand::DisplayHandicaps, "Load a Tournament File First!", Target::None},
      {MainCommand::PrintHandicaps, "Load a Tournament File First!", Target::None},
      {MainCommand::DisplayStatistics, "Load a Tournament File First!", Target::None},
      {MainCommand::PrintStatistics, "Load a Tournament File First!", Target::None},
      {MainCommand::FlightNames, nullptr, Target::None},
      {MainCommand::RulesOfGolf, nullptr, Target::Rules},
      {MainCommand::DefaultSettings, nullptr, Target::Settings},
      {MainCommand::CourseSettings, nullptr, Target::CourseSettings},
      {MainCommand::About, nullptr, Target::About},
      {MainCommand::Exit, nullptr, Target::Exit},
  };
  for (const auto& c : cases) {
    run.fakes.feedback.messages.clear();
    std::string tag;
    const CommandOutcome out = runMainCommand(run.state, c.command, tag, 0);
    EXPECT_EQ(out.target, c.target) << static_cast<int>(c.command);
    if (c.message) {
      ASSERT_EQ(run.fakes.feedback.messages.size(), 1u) << static_cast<int>(c.command);
      EXPECT_EQ(run.fakes.feedback.messages[0].text, c.message);
      EXPECT_EQ(run.fakes.feedback.messages[0].title, "Attention");
      EXPECT_EQ(run.fakes.feedback.messages[0].icon, Icon::Warning);
    } else {
      EXPECT_TRUE(run.fakes.feedback.messages.empty()) << static_cast<int>(c.command);
    }
  }
  std::string tag;
  runMainCommand(run.state, MainCommand::Statistics, tag, 0);
  EXPECT_EQ(run.fakes.feedback.beeps, 1);  // no player shown
  runMainCommand(run.state, MainCommand::Help, tag, 0);
  EXPECT_EQ(run.fakes.help.topics, (std::vector<int>{10}));
}

TEST(MainCommands, TagsAndPlayers) {
  test::Started run;
  run.useCourse(test::makeCourse());
  run.openTournament({});
  std::string tag;
  // A tournament without players: the commands that need players beep.
  EXPECT_EQ(runMainCommand(run.state, MainCommand::DisplayResults, tag, 0).target, Target::None);
  EXPECT_EQ(runMainCommand(run.state, MainCommand::OrganizeGroups, tag, 0).target, Target::None);
  EXPECT_EQ(run.fakes.feedback.beeps, 2);
  EXPECT_EQ(runMainCommand(run.state, MainCommand::SelectTournament, tag, 0).target, Target::TournamentFile);

  run.openTournament({test::makePlayer("A"), test::makePlayer("B")});
  const struct {
    MainCommand command;
    const char* tag;
    Target target;
    bool hideMain;
  } cases[] = {
      {MainCommand::ClearTournamentScores, "C", Target::Roster, true},
      {MainCommand::PlayerListings, "AL", Target::Listings, false},
      {MainCommand::DisplayHandicaps, "HAN", Target::HandicapDisplay, false},
      {MainCommand::PrintHandicaps, "HAN", Target::Listings, false},
      {MainCommand::PrintStatistics, "HAN", Target::Listings, false},
      {MainCommand::SaveFiles, "S", Target::Backup, false},
      {MainCommand::RestoreFiles, "R", Target::Backup, false},
      {MainCommand::DisplayResults, "", Target::Results, false},
      {MainCommand::OrganizeGroups, "", Target::Groupings, true},
  };
  for (const auto& c : cases) {
    std::string t;
    const CommandOutcome out = runMainCommand(run.state, c.command, t, 0);
    EXPECT_EQ(t, c.tag);
    EXPECT_EQ(out.target, c.target);
    EXPECT_EQ(out.hideMain, c.hideMain);
  }
  run.fakes.feedback.messages.clear();
  tag.clear();
  EXPECT_EQ(runMainCommand(run.state, MainCommand::DisplayStatistics, tag, 0).target, Target::None);
  EXPECT_EQ(run.fakes.feedback.messages.back().text, "Select a Player");
  EXPECT_EQ(tag, "DIS");
  EXPECT_EQ(runMainCommand(run.state, MainCommand::DisplayStatistics, tag, 2).target, Target::Graph);
  EXPECT_EQ(tag, "");
  EXPECT_EQ(run.state.player.lastName.trimmed(), "B");
  EXPECT_EQ(runMainCommand(run.state, MainCommand::Statistics, tag, 2).target, Target::StatisticsEntry);
}

TEST(MainCommands, Captions) {
  EXPECT_EQ(tournamentCaption("golfleag.tnt"), "Golfleag.tnt");
  EXPECT_EQ(tournamentCaption("LEAGUE.TNT"), "League.tnt");
  EXPECT_EQ(tournamentCaption(""), "");
  EXPECT_EQ(titleCase("oak hills BLUE tees"), "Oak Hills Blue Tees");
  EXPECT_EQ(titleCase("ST. ANDREWS  old"), "St. Andrews  Old");
}

TEST(MainCommands, ListByFoursomesOrAlphabetically) {
  test::Started run;
  std::vector<PlayerRecord> ps = {test::makePlayer("DAVIS"), test::makePlayer("ADAMS"),
                                  test::makePlayer("CLARK"), test::makePlayer("BAKER")};
  ps[0].groupSlot = 2;
  ps[2].groupSlot = 1;
  ps[3].groupSlot = 5;
  run.openTournament(ps);
  bldidx(run.state);
  const auto firstWords = [](const std::vector<std::string>& entries) {
    std::vector<std::string> out;
    for (const auto& e : entries) out.push_back(e.substr(0, e.find(' ')));
    return out;
  };
  EXPECT_EQ(firstWords(mainListEntries(run.state)),
            (std::vector<std::string>{"ADAMS", "BAKER", "CLARK", "DAVIS"}));
  run.state.settings.entryMode = 2;
  EXPECT_EQ(firstWords(mainListEntries(run.state)), (std::vector<std::string>{"CLARK", "DAVIS", "BAKER"}));
  run.state.slotRecords.pop_back();  // fewer than three grouped: all players
  EXPECT_EQ(mainListEntries(run.state).size(), 4u);
}

}  // namespace
}  // namespace teebrook
