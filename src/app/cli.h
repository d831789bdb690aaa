#pragma once
// teebrook-cli: the core from the command line. Exit status 0 done, 1 refused, 2 usage, 3 another
// copy holds the data folder.
#include <iosfwd>
#include <string>
#include <vector>

namespace teebrook {

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace teebrook
