// player add|edit|delete, import players and flights, as the roster window does them.
#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/cli_commands.h"
#include "data/utilities.h"
#include "players/roster_form.h"

namespace teebrook::cli {
namespace {

const std::vector<std::string> kPlayerFields = {"last",   "first", "index",     "handicap",
                                                "flight", "sex",   "competing", "street",
                                                "city",   "zip",   "phone",     "home-course"};

std::vector<std::string> flagsOf(const std::vector<std::string>& fields) {
  std::vector<std::string> out;
  for (const auto& f : fields) out.push_back("--" + f);
  return out;
}

// Checks one field's value; the reason when it does not fit.
std::optional<std::string> checkField(const std::string& field, const std::string& v) {
  if (field == "sex" && v != "man" && v != "lady") return "sex takes man or lady";
  if (field == "competing" && v != "yes" && v != "no") return "competing takes yes or no";
  if (field == "index" || field == "handicap" || field == "flight") {
    double x = 0;
    const auto r = std::from_chars(v.data(), v.data() + v.size(), x);
    if (v.empty() || r.ec != std::errc() || r.ptr != v.data() + v.size() || !(x > -100 && x < 1000)) {
      return field + " takes a number";
    }
    if (field == "flight" && (x < 0 || x > 299 || x != static_cast<int>(x)))
      return "flight takes a whole number from 0 to 299";
  }
  return std::nullopt;
}

// Types the given fields into the boxes in the window's order, leaving each box as a user would.
void typeFields(RosterForm& f, const std::map<std::string, std::string>& v) {
  const auto has = [&](const char* k) { return v.count(k) > 0; };
  if (has("last")) f.boxes.lastName = v.at("last");
  if (has("first")) f.boxes.firstName = v.at("first");
  if (has("sex")) f.boxes.sex = v.at("sex") == "lady" ? 1 : 0;
  if (has("index")) {
    f.boxes.index = v.at("index");
    f.indexLeft();
  }
  if (has("handicap")) {
    f.boxes.handicap = v.at("handicap");
    f.handicapLeft();
  }
  if (has("flight")) f.boxes.flight = v.at("flight");
  if (has("competing")) f.boxes.inCompetition = v.at("competing") == "yes";
  if (has("street")) f.boxes.street = v.at("street");
  if (has("city")) f.boxes.city = v.at("city");
  if (has("zip")) f.boxes.zip = v.at("zip");
  if (has("phone")) f.boxes.phone = v.at("phone");
  if (has("home-course")) f.boxes.homeCourse = v.at("home-course");
  f.changed = true;
}

std::map<std::string, std::string> fieldValues(const Options& o) {
  std::map<std::string, std::string> v;
  for (const auto& field : kPlayerFields) {
    if (auto x = o.value("--" + field)) {
      if (auto why = checkField(field, *x)) throw UsageError(*why);
      v[field] = *x;
    }
  }
  return v;
}

int player(Context& c) {
  if (c.args.empty()) throw UsageError("player add FILE | edit FILE N | delete FILE N [player flags]");
  const std::string verb = c.args[0];
  const Options o(std::vector<std::string>(c.args.begin() + 1, c.args.end()), flagsOf(kPlayerFields), {});
  const auto values = fieldValues(o);
  const auto& pos = o.positional();
  if (pos.size() != (verb == "add" ? 1u : 2u))
    throw UsageError("player " + verb + " takes FILE" + (verb == "add" ? "" : " N"));
  openForCommand(c, pos[0]);
  RosterForm f(c.state);
  f.open("");
  if (verb == "add") {
    typeFields(f, values);
    if (!f.add()) return kRefused;
    c.out << countPlayers(c.state) << '\n';
    return kDone;
  }
  const int n = playerNumber(c, pos[1]);
  if (!f.selectPlayer(n)) throw Refusal("Select a Player");
  if (verb == "edit") {
    typeFields(f, values);
    return f.edit() ? kDone : kRefused;
  }
  if (verb == "delete") {
    if (!values.empty()) throw UsageError("player delete FILE N");
    return f.deletePlayer() ? kDone : kRefused;
  }
  throw UsageError("player add FILE | edit FILE N | delete FILE N");
}

// One CSV record (quoted fields may hold commas, quotes and line breaks).
bool readCsvRecord(std::istream& in, std::vector<std::string>& fields, int& line) {
  fields.clear();
  std::string field;
  bool quoted = false, any = false;
  char ch;
  while (in.get(ch)) {
    any = true;
    if (quoted) {
      if (ch == '"') {
        if (in.peek() == '"') {
          field += static_cast<char>(in.get());
        } else {
          quoted = false;
        }
      } else {
        if (ch == '\n') ++line;
        field += ch;
      }
    } else if (ch == '"') {
      quoted = true;
    } else if (ch == ',') {
      fields.push_back(field);
      field.clear();
    } else if (ch == '\n') {
      ++line;
      break;
    } else if (ch != '\r') {
      field += ch;
    }
  }
  if (!any) return false;
  fields.push_back(field);
  return true;
}

int importPlayers(Context& c) {
  if (c.args.size() != 3 || c.args[0] != "players") throw UsageError("import players FILE CSV");
  std::ifstream in(c.args[2], std::ios::binary);
  if (!in) throw Refusal("cannot read " + c.args[2]);
  openForCommand(c, c.args[1]);
  int line = 1;
  std::vector<std::string> header;
  if (!readCsvRecord(in, header, line)) throw Refusal(c.args[2] + " is empty");
  for (auto& h : header) {
    if (!h.empty() && h.back() == '\r') h.pop_back();
    h = trim(h);
    if (std::find(kPlayerFields.begin(), kPlayerFields.end(), h) == kPlayerFields.end()) {
      throw Refusal("line 1: unknown column " + h);
    }
  }
  RosterForm f(c.state);
  f.open("");
  std::vector<PlayerRecord> accepted;
  int refused = 0;
  std::vector<std::string> row;
  for (int at = line; readCsvRecord(in, row, line); at = line) {
    if (row.size() == 1 && row[0].empty()) continue;  // a blank line
    std::string why;
    std::map<std::string, std::string> values;
    if (row.size() != header.size()) {
      why = "it has " + std::to_string(row.size()) + " fields, the header " + std::to_string(header.size());
    }
    for (std::size_t i = 0; why.empty() && i < row.size(); ++i) {
      if (row[i].empty()) continue;
      if (auto bad = checkField(header[i], row[i])) why = *bad;
      values[header[i]] = row[i];
    }
    if (why.empty() && values["last"].find_first_not_of(' ') == std::string::npos) why = "Enter a Last Name!";
    if (!why.empty()) {
      c.err << "line " << at << ": " << why << "; the row is left out\n";
      ++refused;
      continue;
    }
    f.boxes = PlayerBoxes{};
    typeFields(f, values);
    accepted.push_back(f.newRecord());
  }
  if (!appendPlayers(c.state, accepted))
    throw Refusal("The players could not be added: " + c.state.tournamentFile.error());
  c.out << accepted.size() << " players added\n";
  return refused > 0 ? kRefused : kDone;
}

int flights(Context& c) {
  const Options o(c.args, {"--auto", "--limits"}, {"--manual"});
  const int modes = (o.value("--auto") ? 1 : 0) + (o.value("--limits") ? 1 : 0) + (o.has("--manual") ? 1 : 0);
  if (o.positional().size() != 1 || modes != 1)
    throw UsageError("flights FILE --auto N | --manual | --limits L1,...,L9");
  const auto count = o.integer("--auto", 1, 9);
  std::array<std::string, 9> limits;
  if (auto l = o.value("--limits")) {
    std::stringstream ss(*l);
    std::string item;
    std::size_t i = 0;
    while (std::getline(ss, item, ',')) {
      if (i >= 9 || (!item.empty() && item.find_first_not_of("0123456789") != std::string::npos)) {
        throw UsageError("--limits takes up to nine whole numbers, comma-separated");
      }
      limits[i++] = item;
    }
  }
  openForCommand(c, o.positional()[0]);
  RosterForm f(c.state);
  f.open("");
  if (count) {
    f.flightCount = static_cast<int>(*count);
    return f.autoSet() ? kDone : kRefused;
  }
  if (o.has("--manual")) return f.manual() ? kDone : kRefused;
  f.limits = limits;
  f.limitsLeft();
  return kDone;
}

}  // namespace

void addPlayerCommands(std::map<std::string, Command>& commands) {
  commands["player"] = player;
  commands["import"] = importPlayers;
  commands["flights"] = flights;
}

}  // namespace teebrook::cli
