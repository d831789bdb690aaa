// init, dump, settings set and demo.
#include <filesystem>

#include "app/cli_commands.h"
#include "data/demo_league.h"
#include "data/record_json.h"

namespace teebrook::cli {
namespace {

void requireWritable(State& s) {
  if (!s.settingsFile.writable() || !s.courseFile.writable()) {
    throw Refusal("Teebrook cannot write to the data folder " + s.dataFolder.string());
  }
}

int init(Context& c) {
  if (!c.args.empty()) throw UsageError("init takes no arguments");
  requireWritable(c.state);
  return kDone;
}

int dump(Context& c) {
  const auto& a = c.args;
  if (a.size() == 1 && a[0] == "settings") {
    c.out << toJson(c.state.settings);
  } else if (a.size() == 1 && a[0] == "courses") {
    c.out << toJson(readAllRecords<CourseRecord>(c.state.courseFile));
  } else if (a.size() == 2 && a[0] == "players") {
    const std::string name = tournamentName(a[1]);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(c.state.pathOf(name), ec)) throw Refusal("File Not Found: " + name);
    const OpenResult opened = openTournamentFile(c.state, name, RecordFile::Mode::ReadOnly);
    for (const auto& note : opened.notes) c.err << note << '\n';
    if (!opened.ok) return kRefused;
    c.out << toJson(readPlayers(c.state));
  } else {
    throw UsageError("dump settings | dump courses | dump players FILE");
  }
  return kDone;
}

int settings(Context& c) {
  if (c.args.size() < 2 || c.args[0] != "set") throw UsageError("settings set FIELD=VALUE ...");
  SettingsRecord changed = c.state.settings;
  for (std::size_t i = 1; i < c.args.size(); ++i) {
    if (auto why = setSettingsField(changed, c.args[i])) throw UsageError(*why);
  }
  requireWritable(c.state);
  c.state.settings = changed;
  if (!writeSettings(c.state)) throw Refusal(c.state.settingsFile.error());
  return kDone;
}

int demo(Context& c) {
  const Options o(c.args, {"--players", "--rounds"}, {});
  if (!o.positional().empty()) throw UsageError("demo [--players N] [--rounds R]");
  DemoOptions d;
  if (auto n = o.integer("--players", 1, kMaxPlayers)) d.players = static_cast<int>(*n);
  if (auto r = o.integer("--rounds", 0, 999)) d.rounds = static_cast<int>(*r);
  requireWritable(c.state);
  if (auto why = makeDemoLeague(c.state, d)) throw Refusal(*why);
  return kDone;
}

}  // namespace

void addDataCommands(std::map<std::string, Command>& commands) {
  commands["init"] = init;
  commands["dump"] = dump;
  commands["settings"] = settings;
  commands["demo"] = demo;
}

}  // namespace teebrook::cli
