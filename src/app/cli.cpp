#include "app/cli.h"

#include <algorithm>
#include <charconv>
#include <iostream>

#include "app/cli_commands.h"
#include "app/cli_support.h"
#include "data/system_services.h"
#include "data/utilities.h"
#include "ui/qt_instance_lock.h"

namespace teebrook {
namespace cli {

Options::Options(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                 const std::vector<std::string>& switches) {
  const auto known = [](const std::vector<std::string>& list, const std::string& s) {
    return std::find(list.begin(), list.end(), s) != list.end();
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) != 0) {
      positional_.push_back(a);
    } else if (known(valued, a)) {
      if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
      values_[a] = args[++i];
    } else if (known(switches, a)) {
      switches_.push_back(a);
    } else {
      throw UsageError("unknown option " + a);
    }
  }
}

std::optional<std::string> Options::value(const std::string& name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

bool Options::has(const std::string& name) const {
  return std::find(switches_.begin(), switches_.end(), name) != switches_.end();
}

std::optional<long long> Options::integer(const std::string& name, long long lo, long long hi) const {
  const auto v = value(name);
  if (!v) return std::nullopt;
  long long x = 0;
  const auto r = std::from_chars(v->data(), v->data() + v->size(), x);
  if (r.ec != std::errc() || r.ptr != v->data() + v->size() || x < lo || x > hi) {
    throw UsageError(name + " takes a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
  }
  return x;
}

std::string tournamentName(const std::string& name) {
  if (!isBareFileName(name)) throw Refusal("Bad Filename!");
  return name;
}

void openForCommand(Context& c, const std::string& name) {
  const std::string file = tournamentName(name);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(c.state.pathOf(file), ec)) throw Refusal("File Not Found: " + file);
  const OpenResult opened = openTournamentFile(c.state, file);
  for (const auto& note : opened.notes) c.err << note << '\n';
  if (!opened.ok) throw Refusal("The tournament file " + file + " could not be opened.");
  useStoredCourse(c.state);
  loadIndexes(c.state);
}

int playerNumber(Context& c, const std::string& text) {
  int n = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), n);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size())
    throw UsageError("a player is given by record number");
  if (n < 1 || n > countPlayers(c.state)) throw Refusal("Select a Player");
  return n;
}

}  // namespace cli

namespace {

constexpr const char* kUsageText =
    "usage: teebrook-cli [--data DIR] [--date MM-DD-YYYY] [--seed N] COMMAND [ARGS]\n"
    "commands: init, dump settings|courses|players FILE, settings set FIELD=VALUE ...,\n"
    "          demo [--players N] [--rounds R],\n"
    "          score FILE N --holes H1,...,H18 | --total T, clear-score FILE N,\n"
    "          reset FILE [--add] [--clear] [--update] [--season],\n"
    "          course add NAME|edit N|delete N|list [course flags],\n"
    "          tournament new NAME|open FILE [--course N], tournament list|delete NAME,\n"
    "          report FILE --competition C --sort S --grouping G --flight F [--highlight N]\n"
    "                 [--add-to-totals] [--channel printer|display] [--out PATH],\n"
    "          player add FILE|edit FILE N|delete FILE N [player flags], import players FILE CSV,\n"
    "          flights FILE --auto N|--manual|--limits L1,...,L9\n";

std::optional<Date> parseDate(const std::string& s) {
  int m = 0, d = 0, y = 0;
  char a = 0, b = 0;
  if (s.size() != 10 || std::sscanf(s.c_str(), "%2d%c%2d%c%4d", &m, &a, &d, &b, &y) != 5 || a != '-' ||
      b != '-') {
    return std::nullopt;
  }
  if (m < 1 || m > 12 || d < 1 || d > 31 || y < 1900) return std::nullopt;
  return Date{y, m, d};
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  using namespace cli;
  std::optional<std::string> dataDir;
  std::optional<Date> date;
  std::optional<std::uint32_t> seed;
  std::size_t i = 0;
  try {
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
      const std::string& a = args[i];
      if (a == "--help") {
        out << kUsageText;
        return kDone;
      }
      if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
      const std::string& v = args[++i];
      if (a == "--data") {
        dataDir = v;
      } else if (a == "--date") {
        date = parseDate(v);
        if (!date) throw UsageError("--date takes a date as MM-DD-YYYY");
      } else if (a == "--seed") {
        std::uint32_t s = 0;
        const auto r = std::from_chars(v.data(), v.data() + v.size(), s);
        if (r.ec != std::errc() || r.ptr != v.data() + v.size())
          throw UsageError("--seed takes a whole number");
        seed = s;
      } else {
        throw UsageError("unknown option " + a);
      }
    }
    if (i >= args.size()) throw UsageError("no command given");
  } catch (const UsageError& e) {
    err << "teebrook-cli: " << e.what() << '\n' << kUsageText;
    return kUsage;
  }

  const auto commands = allCommands();
  const auto command = commands.find(args[i]);
  if (command == commands.end()) {
    err << "teebrook-cli: unknown command " << args[i] << '\n' << kUsageText;
    return kUsage;
  }

  const std::filesystem::path folder = dataDir ? std::filesystem::path(*dataDir) : defaultDataFolder();
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!std::filesystem::is_directory(folder, ec)) {
    err << "Teebrook cannot use the data folder " << folder.string() << '\n';
    return kRefused;
  }
  QtInstanceLock lock(folder);
  if (!lock.acquire()) {
    err << "Program Already Activated!\n";
    return kLocked;
  }

  CliFeedback feedback(err);
  SystemClock systemClock;
  FixedClock fixedClock(date.value_or(Date{}));
  SeededRandom random(seed);
  NoHelp help;
  State state(folder, Platform{feedback, date ? static_cast<Clock&>(fixedClock) : systemClock, random, help});
  for (const std::string& note : opnfiles(state)) err << note << '\n';

  Context ctx{state, out, err, feedback,
              std::vector<std::string>(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end())};
  int status = kDone;
  try {
    status = command->second(ctx);
  } catch (const UsageError& e) {
    err << "teebrook-cli: " << e.what() << '\n';
    status = kUsage;
  } catch (const Refusal& e) {
    if (*e.what() != '\0') err << e.what() << '\n';
    status = kRefused;
  }
  shutdn(state);
  return status;
}

}  // namespace teebrook
