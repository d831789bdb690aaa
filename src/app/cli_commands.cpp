#include "app/cli_commands.h"

namespace teebrook::cli {

std::map<std::string, Command> allCommands() {
  std::map<std::string, Command> commands;
  addDataCommands(commands);
  addScoringCommands(commands);
  addSetupCommands(commands);
  addResultsCommands(commands);
  addPlayerCommands(commands);
  return commands;
}

}  // namespace teebrook::cli
