#include "players/roster_form.h"

#include <algorithm>
#include <charconv>

#include "data/utilities.h"
#include "scoring/handicap.h"
#include "scoring/posting.h"

namespace teebrook {
namespace {

std::string shortest(float v) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

}  // namespace

KeyResult handicapKeyFilter(char32_t key, bool hasSelection) {
  if (key == '-')
    return keyflt('0', 1, hasSelection).selectOne ? KeyResult{'-', false, true}
                                                  : KeyResult{'-', false, false};
  return keyflt(key, 1, hasSelection);
}

int flightOf(const std::array<Int, 9>& limits, int handicap) {
  if (limits[0] == 0) return 0;
  if (limits[0] >= handicap) return 1;
  for (std::size_t n = 1; n < 9; ++n) {
    if (limits[n] >= handicap && limits[n - 1] < handicap) return static_cast<int>(n) + 1;
  }
  return 0;
}

void upfsome(State& s) {
  const std::vector<PlayerRecord> players = readPlayers(s);
  s.playerCount = static_cast<int>(players.size());
  if (players.empty()) return;
  s.platform.feedback.busy(true);
  int highest = 1, men = 0, ladies = 0;
  std::vector<std::pair<int, int>> slots;
  for (std::size_t i = 0; i < players.size(); ++i) {
    const PlayerRecord& p = players[i];
    highest = std::max<int>(highest, p.groupNumber);
    (p.sex == 0 ? men : ladies)++;
    if (p.groupSlot > 0) slots.emplace_back(p.groupSlot, static_cast<int>(i) + 1);
  }
  std::stable_sort(slots.begin(), slots.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  s.slotList.clear();
  s.slotRecords.clear();
  for (const auto& [slot, record] : slots) {
    s.slotList.push_back(slot);
    s.slotRecords.push_back(record);
  }
  s.settings.groupCount = toInteger(highest);
  s.settings.menCount = toInteger(men);
  s.settings.ladiesCount = toInteger(ladies);
  writeSettings(s);
  s.platform.feedback.busy(false);
}

int RosterForm::slope(int sex) const {
  return sex == 1 ? s_.course.ladiesSlopes[2] : s_.course.menSlopes[2];
}
int RosterForm::percent(int sex) const {
  return sex == 1 ? s_.settings.ladiesPercent : s_.settings.menPercent;
}

int RosterForm::inCompetitionCount() const {
  int n = 0;
  for (const auto& p : readPlayers(s_)) n += p.inCompetition.is("Y") ? 1 : 0;
  return n;
}

void RosterForm::open(const std::string& mainTag) {
  // The marks and choices live only while the window is open.
  search.clear();
  changed = deleteMark = perFlightMark = false;
  addToTotals = clearScores = updateHandicaps = clearSeason = false;
  const auto& fl = s_.settings.flightLimits;
  for (std::size_t i = 0; i < 9; ++i) limits[i] = fl[i] > 0 ? std::to_string(fl[i]) : "";
  if (s_.currentCourse > 0) readCourse(s_, s_.currentCourse);
  if (s_.settings.menPercent == 0 || s_.settings.ladiesPercent == 0) {
    if (s_.settings.menPercent == 0) s_.settings.menPercent = 100;
    if (s_.settings.ladiesPercent == 0) s_.settings.ladiesPercent = 100;
    writeSettings(s_);
  }
  percentText = std::to_string(s_.settings.menPercent) + "%";
  const bool stats = s_.settings.allowStats.is("Y"), calc = s_.settings.calcHandicaps.is("Y");
  check2Visible = stats || calc;
  check2Caption = !stats && calc   ? "Update Handicaps"
                  : stats && !calc ? "Update Statistics"
                                   : "Update All Handicaps/Stats";
  check2Enabled = false;
  boxes = PlayerBoxes{};
  flightCount = 0;
  playerCountText = std::to_string(inCompetitionCount());
  clearTab = mainTag == "C";
  players.clear();
  selected = 0;
  const int record = static_cast<int>(val(mainTag));
  if (!clearTab && record > 0 && readPlayer(s_, record)) {
    players = {playerEntry(s_.player.lastName.trimmed(), s_.player.firstName.str(), record)};
    selectPlayer(record);
  }
}

void RosterForm::findPlayers() {
  if (trim(search).empty()) return;
  players = fillist(s_, upperCase(search), 0);
}

bool RosterForm::selectPlayer(int record) {
  PlayerRecord p;
  if (record < 1 || !readRecord(s_.tournamentFile, record, p)) {
    selected = 0;
    return false;
  }
  selected = record;
  loaded_ = p;
  boxes.lastName = p.lastName.trimmed();
  boxes.firstName = p.firstName.trimmed();
  boxes.street = p.street.trimmed();
  boxes.city = p.cityStateProv.trimmed();
  boxes.zip = p.zipCode.trimmed();
  boxes.phone = p.phone.trimmed();
  boxes.homeCourse = p.homeCourse.trimmed();
  boxes.inCompetition = p.inCompetition.is("Y");
  boxes.sex = p.sex == 1 ? 1 : 0;
  boxes.index = shortest(p.handicapIndex);
  boxes.handicap = std::to_string(p.handicap);
  boxes.flight = std::to_string(p.flight);
  loadedHandicap_ = p.handicap;
  changed = false;
  return true;
}

void RosterForm::flightFromLimits(int handicap) {
  if (const int f = flightOf(s_.settings.flightLimits, handicap); f > 0) boxes.flight = std::to_string(f);
}

void RosterForm::indexLeft() {
  const double index = val(boxes.index);
  if (index == 0) return;
  int h = courseHandicap(index, slope(boxes.sex));
  if (percent(boxes.sex) != 100) h = percentAllowance(h, percent(boxes.sex));
  if (h != 0) boxes.handicap = std::to_string(h);
  flightFromLimits(h);
}

void RosterForm::handicapLeft() {
  if (val(boxes.index) != 0) return;
  int h = toInteger(val(boxes.handicap));
  boxes.index = shortest(indexFromHandicap(h, slope(boxes.sex)));
  if (percent(boxes.sex) != 100) {
    h = percentAllowance(h, percent(boxes.sex));
    boxes.handicap = std::to_string(h);
  }
  flightFromLimits(h);
}

void RosterForm::sexChanged(int sex) {
  boxes.sex = sex == 1 ? 1 : 0;
  indexLeft();  // only while the index box holds a value, as the index box itself does
}

void RosterForm::copyInto(PlayerRecord& p) const {
  p.lastName = upperCase(trim(boxes.lastName));
  p.firstName = upperCase(trim(boxes.firstName));
  p.street = upperCase(trim(boxes.street));
  p.cityStateProv = upperCase(trim(boxes.city));
  p.zipCode = upperCase(trim(boxes.zip));
  p.phone = upperCase(trim(boxes.phone));
  p.homeCourse = upperCase(trim(boxes.homeCourse));
  p.handicapIndex = static_cast<Single>(val(trim(boxes.index)));
  p.handicap = toInteger(val(trim(boxes.handicap)));
  const int flight = toInteger(val(trim(boxes.flight)));
  p.flight = static_cast<Int>(flight <= 0 ? 1 : flight);
  p.inCompetition = boxes.inCompetition ? "Y" : "N";
  p.sex = static_cast<Int>(boxes.sex);
  p.courseNumber = static_cast<Int>(s_.currentCourse);
}

void RosterForm::showCounts() {
  playerCountText = std::to_string(countPlayers(s_));
}

bool RosterForm::edit() {
  bool ok = true;
  if (selected > 0) {
    PlayerRecord p = loaded_;
    copyInto(p);
    ok = writeRecord(s_.tournamentFile, selected, p);
    if (!ok) {
      s_.platform.feedback.message("The player could not be saved: " + s_.tournamentFile.error(), "Attention",
                                   Icon::Warning);
    } else {
      if (p.lastName != loaded_.lastName) {
        for (auto& e : s_.nameOrder) {
          if (e.record == selected) e.key = nameKey(p);
        }
        srtidx(s_, 2);
      }
      if (p.handicap != loadedHandicap_) {
        for (auto& e : s_.handicapOrder) {
          if (e.record == selected) e.key = p.handicap;
        }
        srtidx(s_, 21);
        if (p.grossTotal > 0) {
          s_.player = p;
          rerank(s_, selected);
        }
      }
    }
  }
  clearScreen();
  showCounts();
  changed = false;
  return ok;
}

PlayerRecord RosterForm::newRecord() const {
  PlayerRecord p;
  copyInto(p);
  return p;
}

bool appendPlayers(State& s, const std::vector<PlayerRecord>& players) {
  const int first = countPlayers(s) + 1;
  if (players.empty()) return true;
  if (first - 1 + static_cast<int>(players.size()) > kMaxPlayers) return false;
  std::vector<std::uint8_t> bytes(players.size() * kPlayerLength);
  for (std::size_t i = 0; i < players.size(); ++i)
    encode(players[i], std::span(bytes).subspan(i * kPlayerLength, kPlayerLength));
  if (!s.tournamentFile.writeRun(first, bytes)) return false;
  // Both orders afresh from every record, entry k being record k.
  const std::vector<PlayerRecord> all = readPlayers(s);
  s.nameOrder.clear();
  s.handicapOrder.clear();
  for (std::size_t i = 0; i < all.size(); ++i) {
    s.nameOrder.push_back({static_cast<int>(i) + 1, nameKey(all[i])});
    s.handicapOrder.push_back({static_cast<int>(i) + 1, all[i].handicap});
  }
  srtidx(s, 2);
  srtidx(s, 21);
  upfsome(s);
  return true;
}

bool RosterForm::add() {
  if (trim(boxes.lastName).empty()) {
    s_.platform.feedback.beep();
    s_.platform.feedback.tip("Enter a Last Name!");
    return false;
  }
  if (!appendPlayers(s_, {newRecord()})) {
    s_.platform.feedback.message("The player could not be added: " + s_.tournamentFile.error(), "Attention",
                                 Icon::Warning);
    return false;
  }
  clearScreen();
  showCounts();
  changed = false;
  return true;
}

void RosterForm::clearScreen() {
  boxes = PlayerBoxes{};
  search.clear();
  players.clear();
  selected = 0;
  clrplyr(s_.player);
}

bool RosterForm::deletePlayer() {
  deleteMark = true;
  changed = false;
  Feedback& fb = s_.platform.feedback;
  if (selected <= 0) {
    fb.message("Select a Player", "Attention", Icon::Warning);
    return false;
  }
  // A whole season of a player goes with him: ask first.
  if (fb.ask("Delete Selected Player?", "Attention", Buttons::YesNo, Icon::Question) != Answer::Yes)
    return false;
  const int record = selected;
  clearScreen();
  std::string backup = s_.tournamentPath;
  backup = (backup.size() >= 4 ? backup.substr(0, backup.size() - 4) : backup) + ".bak";
  std::string error;
  if (!deleteRecord(s_.tournamentFile, record, s_.pathOf(backup), error)) {
    fb.message("The player could not be deleted: " + error, "Attention", Icon::Warning);
    return false;
  }
  bldidx(s_);
  if (s_.playerCount > 0) players = fillist(s_, "XX", 0);
  showCounts();
  return true;
}

void RosterForm::limitsLeft() {
  for (std::size_t i = 0; i < 9; ++i) s_.settings.flightLimits[i] = toInteger(val(limits[i]));
  writeSettings(s_);
  changed = false;
}

void RosterForm::spin(int direction) {
  flightCount += direction;
  if (flightCount > 9) flightCount = 1;
  if (flightCount < 1) flightCount = 9;
}

std::string RosterForm::perFlightText() const {
  if (flightCount == 0) return "";
  if (!perFlightMark) return std::to_string(static_cast<int>(val(playerCountText)) / flightCount);
  int n = 0;
  for (const auto& p : readPlayers(s_)) n += p.flight == flightCount ? 1 : 0;
  return std::to_string(n);
}

bool RosterForm::autoSet() {
  Feedback& fb = s_.platform.feedback;
  if (countPlayers(s_) <= 1) {
    fb.beep();
    return false;
  }
  if (flightCount == 0) {
    fb.message("Select Number of Flights", "Attention", Icon::Warning);
    return false;
  }
  perFlightMark = false;
  if (fb.ask("Automatically Set all Flights?", "Attention", Buttons::YesNo, Icon::Question) != Answer::Yes)
    return false;
  const bool ok = autoSetFlights(s_, flightCount);
  for (std::size_t i = 0; i < 9; ++i) {
    const Int l = s_.settings.flightLimits[i];
    limits[i] = l != 0 ? std::to_string(l) : "";
  }
  return ok;
}

bool autoSetFlights(State& s, int flights) {
  std::vector<PlayerRecord> all = readPlayers(s);
  if (all.empty() || flights < 1) return false;
  s.platform.feedback.busy(true);
  int inCompetition = 0;
  for (auto& p : all) {
    p.flight = 0;
    inCompetition += p.inCompetition.is("Y") ? 1 : 0;
  }
  s.settings.flightLimits.fill(0);
  // q players to a flight in handicap order; the remainder goes to the last flight.
  const int q = inCompetition / flights;
  int f = 1, placed = 0;
  for (const auto& e : s.handicapOrder) {
    if (e.record < 1 || e.record > static_cast<int>(all.size())) continue;
    PlayerRecord& p = all[static_cast<std::size_t>(e.record - 1)];
    if (!p.inCompetition.is("Y")) continue;
    p.flight = static_cast<Int>(f);
    if (q == 0 || ++placed < q) continue;
    if (f <= 9) s.settings.flightLimits[static_cast<std::size_t>(f - 1)] = p.handicap;
    placed = 0;
    if (f < flights) ++f;
  }
  writeSettings(s);
  std::vector<std::uint8_t> bytes(all.size() * kPlayerLength);
  for (std::size_t i = 0; i < all.size(); ++i)
    encode(all[i], std::span(bytes).subspan(i * kPlayerLength, kPlayerLength));
  const bool ok = s.tournamentFile.writeRun(1, bytes);
  s.platform.feedback.busy(false);
  return ok;
}

bool RosterForm::manual() {
  Feedback& fb = s_.platform.feedback;
  if (fb.ask("Update Players' Flights?", "Attention", Buttons::YesNo, Icon::Question) != Answer::Yes)
    return false;
  std::vector<PlayerRecord> all = readPlayers(s_);
  if (all.empty()) {
    fb.beep();
    return false;
  }
  perFlightMark = true;
  std::vector<bool> changedFlights(all.size());
  for (std::size_t i = 0; i < all.size(); ++i) {
    PlayerRecord& p = all[i];
    if (!p.inCompetition.is("Y")) continue;
    if (const int f = flightOf(s_.settings.flightLimits, p.handicap); f > 0 && f != p.flight) {
      p.flight = static_cast<Int>(f);
      changedFlights[i] = true;
    }
  }
  return writeChangedRecords(s_.tournamentFile, all, changedFlights);
}

void RosterForm::clearScoresToggled(bool on) {
  clearScores = on;
  check2Enabled = on && check2Visible;
  if (!check2Enabled) updateHandicaps = false;
}

bool RosterForm::resetOk() {
  if ((clearScores || clearSeason) &&
      s_.platform.feedback.ask("Continue?\nBe Sure to Print or Save Before Clearing!", "Attention",
                               Buttons::OkCancel, Icon::Question) != Answer::Ok) {
    return false;
  }
  if (s_.currentCourse > 0) readCourse(s_, s_.currentCourse);
  return upscore(s_, UpscoreOptions{addToTotals, clearScores, clearScores && check2Enabled && updateHandicaps,
                                    clearSeason});
}

bool RosterForm::exit() {
  if (!deleteMark && changed &&
      s_.platform.feedback.ask("", "Save Entries?", Buttons::YesNo, Icon::Question) == Answer::Yes) {
    edit();
  }
  return deleteMark;
}

}  // namespace teebrook
