#pragma once
#include <map>
#include <string>

#include "app/cli_support.h"

namespace teebrook::cli {

// Every command of teebrook-cli by its first word.
std::map<std::string, Command> allCommands();

// The commands of each subsystem.
void addDataCommands(std::map<std::string, Command>& commands);
void addScoringCommands(std::map<std::string, Command>& commands);
void addSetupCommands(std::map<std::string, Command>& commands);
void addResultsCommands(std::map<std::string, Command>& commands);
void addPlayerCommands(std::map<std::string, Command>& commands);

}  // namespace teebrook::cli
