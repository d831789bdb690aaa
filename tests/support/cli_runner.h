#pragma once
// Runs teebrook-cli as a user would and collects what it printed.
#include <string>
#include <vector>

namespace teebrook::test {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the program with the arguments (each quoted for the shell).
CliResult runCli(const std::vector<std::string>& args);

}  // namespace teebrook::test
