#include "support/cli_runner.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/fixtures.h"

namespace teebrook::test {
namespace {

std::string quoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace

CliResult runCli(const std::vector<std::string>& args) {
  TempFolder capture;
  std::string cmd = quoted(TEEBROOK_CLI);
  for (const auto& a : args) cmd += " " + quoted(a);
  cmd +=
      " >" + quoted((capture / "out").string()) + " 2>" + quoted((capture / "err").string()) + " </dev/null";
  const int raw = std::system(cmd.c_str());
  CliResult r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = slurp(capture / "out");
  r.err = slurp(capture / "err");
  return r;
}

}  // namespace teebrook::test
