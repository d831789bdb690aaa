#include "data/state.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>

#include "data/ansi.h"
#include "data/utilities.h"

namespace teebrook {
namespace fs = std::filesystem;

namespace {

std::string strayNote(const RecordFile& f, const char* what) {
  return f.path().filename().string() + " ends with " + std::to_string(f.strayBytes()) +
         " bytes that do not make a whole " + what + " record. They are left out, and kept in " +
         f.path().filename().string() + ".tail before anything is added to the file.";
}

// Opens a file for reading and writing, or else for reading only; a note says what went wrong.
void openOrNote(RecordFile& f, const fs::path& path, std::size_t length, std::vector<std::string>& notes) {
  if (f.open(path, length)) return;
  const std::string why = f.error();
  if (f.open(path, length, RecordFile::Mode::ReadOnly)) {
    notes.push_back(why + ". Teebrook can read it but cannot save changes to it.");
  } else {
    notes.push_back(why + ". Teebrook starts without it; nothing can be saved in " +
                    path.parent_path().string() + ".");
  }
}

// Reads the settings record; a file cut short gives what it holds, the rest zero.
void readSettings(State& s, std::vector<std::string>* notes) {
  if (readRecord(s.settingsFile, 1, s.settings)) return;
  std::array<std::uint8_t, kSettingsLength> bytes{};
  std::ifstream in(s.pathOf(kSettingsFile), std::ios::binary);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  const auto got = in.gcount();
  decode(bytes, s.settings);
  if (got > 0 && notes) {
    notes->push_back(
        std::string(kSettingsFile) + " holds only " + std::to_string(got) + " of the " +
        std::to_string(kSettingsLength) +
        " bytes of the settings. The settings it holds are used, the rest start from zero, and the "
        "old contents are kept in " +
        kSettingsFile + ".tail.");
  }
}

void applyShowTipsDefault(State& s) {
  if (!s.settings.showTips.is("N")) {
    s.settings.showTips = "Y";
    writeSettings(s);
  }
}

}  // namespace

std::vector<std::string> opnfiles(State& s) {
  std::vector<std::string> notes;
  std::error_code ec;
  if (!fs::is_directory(s.dataFolder, ec)) fs::create_directories(s.dataFolder, ec);
  openOrNote(s.settingsFile, s.pathOf(kSettingsFile), kSettingsLength, notes);
  readSettings(s, &notes);
  applyShowTipsDefault(s);
  if (s.settings.menPercent == 0) {
    s.settings.menPercent = 100;
    writeSettings(s);
  }
  if (s.settings.ladiesPercent == 0) {
    s.settings.ladiesPercent = 100;
    writeSettings(s);
  }
  s.settings.maxCourses = 1000;
  writeSettings(s);
  openOrNote(s.courseFile, s.pathOf(kCourseFile), kCourseLength, notes);
  if (s.courseFile.strayBytes() > 0) notes.push_back(strayNote(s.courseFile, "course"));
  s.courseCount = s.courseFile.count();
  return notes;
}

void reopen(State& s) {
  s.settingsFile.close();
  s.tournamentFile.close();
  s.courseFile.close();
  std::vector<std::string> ignored;
  openOrNote(s.settingsFile, s.pathOf(kSettingsFile), kSettingsLength, ignored);
  if (!s.tournamentPath.empty())
    openOrNote(s.tournamentFile, s.pathOf(s.tournamentPath), kPlayerLength, ignored);
  openOrNote(s.courseFile, s.pathOf(kCourseFile), kCourseLength, ignored);
  readSettings(s, nullptr);
  applyShowTipsDefault(s);
}

void shutdn(State& s) {
  s.platform.help.close();
  s.settingsFile.close();
  s.courseFile.close();
  s.tournamentFile.close();
}

bool writeSettings(State& s) {
  return writeRecord(s.settingsFile, 1, s.settings);
}
bool readCourse(State& s, int n) {
  return readRecord(s.courseFile, n, s.course);
}
bool writeCourse(State& s, int n) {
  return writeRecord(s.courseFile, n, s.course);
}
bool readPlayer(State& s, int n) {
  return readRecord(s.tournamentFile, n, s.player);
}
bool writePlayer(State& s, int n) {
  return writeRecord(s.tournamentFile, n, s.player);
}

int countPlayers(State& s) {
  return s.playerCount = s.tournamentFile.count();
}

std::vector<PlayerRecord> readPlayers(State& s) {
  return readAllRecords<PlayerRecord>(s.tournamentFile);
}

OpenResult openTournamentFile(State& s, std::string_view name, RecordFile::Mode mode) {
  OpenResult r;
  s.tournamentFile.close();
  if (!s.tournamentFile.open(s.pathOf(name), kPlayerLength, mode)) {
    r.notes.push_back(s.tournamentFile.error());
    return r;
  }
  r.ok = true;
  if (s.tournamentFile.strayBytes() > 0) r.notes.push_back(strayNote(s.tournamentFile, "player"));
  s.tournamentPath = std::string(name);
  s.tntLoaded = true;
  countPlayers(s);
  return r;
}

void useStoredCourse(State& s) {
  PlayerRecord first;
  s.currentCourse = readRecord(s.tournamentFile, 1, first) ? first.courseNumber : 0;
  if (s.currentCourse > 0) readCourse(s, s.currentCourse);
}

namespace {

// The rank of each byte in code-point order, so that five-letter keys compare as whole numbers.
const std::array<std::uint8_t, 256>& ansiRank() {
  static const std::array<std::uint8_t, 256> rank = [] {
    std::array<int, 256> bytes;
    for (int i = 0; i < 256; ++i) bytes[static_cast<std::size_t>(i)] = i;
    std::sort(bytes.begin(), bytes.end(), [](int a, int b) {
      return ansiCodePoint(static_cast<unsigned char>(a)) < ansiCodePoint(static_cast<unsigned char>(b));
    });
    std::array<std::uint8_t, 256> r{};
    for (int i = 0; i < 256; ++i)
      r[static_cast<std::size_t>(bytes[static_cast<std::size_t>(i)])] = static_cast<std::uint8_t>(i);
    return r;
  }();
  return rank;
}

std::uint64_t packedKey(const NameKey& k) {
  const auto& rank = ansiRank();
  std::uint64_t v = 0;
  for (char c : k) v = (v << 8) | rank[static_cast<unsigned char>(c)];
  return v;
}

// Sorts nameOrder by the packed keys; the exchanges are those of the text comparison.
void sortNames(NameIndex& names) {
  std::vector<IndexEntry<std::uint64_t>> packed(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) packed[i] = {static_cast<int>(i), packedKey(names[i].key)};
  diminishingGapSort(packed, [](std::uint64_t a, std::uint64_t b) { return a > b; });
  NameIndex sorted(names.size());
  for (std::size_t i = 0; i < packed.size(); ++i)
    sorted[i] = names[static_cast<std::size_t>(packed[i].record)];
  names = std::move(sorted);
}

}  // namespace

void buildIndexes(State& s, const RecordHook& hook, bool write);

void bldidx(State& s, const RecordHook& hook) {
  buildIndexes(s, hook, true);
}
void loadIndexes(State& s) {
  buildIndexes(s, {}, false);
}

void rebuildTotalOrders(State& s) {
  std::vector<std::uint8_t> bytes;
  s.tournamentFile.readAll(bytes);
  const int n = static_cast<int>(bytes.size() / kPlayerLength);
  s.playerCount = n;
  s.grossOrder.resize(static_cast<std::size_t>(n));
  s.netOrder.resize(static_cast<std::size_t>(n));
  // Only the two totals are needed: read them where they lie instead of decoding whole records.
  const auto doubleAt = [&](std::size_t offset) {
    std::uint64_t v = 0;
    for (int b = 0; b < 8; ++b) v |= std::uint64_t{bytes[offset + static_cast<std::size_t>(b)]} << (8 * b);
    return std::bit_cast<double>(v);
  };
  for (int i = 0; i < n; ++i) {
    const std::size_t at = static_cast<std::size_t>(i) * kPlayerLength;
    s.grossOrder[static_cast<std::size_t>(i)] = {i + 1, doubleAt(at + kGrossTotalOffset)};
    s.netOrder[static_cast<std::size_t>(i)] = {i + 1, doubleAt(at + kNetTotalOffset)};
  }
  srtidx(s, 22);
  srtidx(s, 23);
}

void buildIndexes(State& s, const RecordHook& hook, bool write) {
  std::vector<std::uint8_t> bytes;
  s.tournamentFile.readAll(bytes);
  const int n = static_cast<int>(bytes.size() / kPlayerLength);
  s.playerCount = n;
  s.nameOrder.clear();
  s.handicapOrder.clear();
  s.grossOrder.clear();
  s.netOrder.clear();
  s.slotList.clear();
  s.slotRecords.clear();
  if (n == 0) {
    s.settings.menCount = s.settings.ladiesCount = s.settings.groupCount = 0;
    if (write) writeSettings(s);
    return;
  }
  s.nameOrder.reserve(static_cast<std::size_t>(n));
  s.handicapOrder.reserve(static_cast<std::size_t>(n));
  s.grossOrder.reserve(static_cast<std::size_t>(n));
  s.netOrder.reserve(static_cast<std::size_t>(n));
  std::vector<std::pair<int, int>> slots;  // (groupSlot, record)
  std::vector<bool> changed(static_cast<std::size_t>(n));
  std::array<std::uint8_t, kPlayerLength> updated;
  int men = 0, ladies = 0, highestGroup = 1;
  PlayerRecord p;
  for (int i = 1; i <= n; ++i) {
    const auto record =
        std::span(bytes).subspan(static_cast<std::size_t>(i - 1) * kPlayerLength, kPlayerLength);
    decode(record, p);
    if (write) p.courseNumber = static_cast<Int>(s.currentCourse);
    if (hook) hook(p, i);
    encode(p, updated);
    if (write && std::memcmp(updated.data(), record.data(), kPlayerLength) != 0) {
      std::memcpy(record.data(), updated.data(), kPlayerLength);
      changed[static_cast<std::size_t>(i - 1)] = true;
    }
    if (p.groupSlot > 0) slots.emplace_back(p.groupSlot, i);
    s.nameOrder.push_back({i, nameKey(p)});
    s.handicapOrder.push_back({i, p.handicap});
    s.netOrder.push_back({i, p.netTotal});
    s.grossOrder.push_back({i, p.grossTotal});
    (p.sex == 0 ? men : ladies)++;
    highestGroup = std::max<int>(highestGroup, p.groupNumber);
  }
  s.player = p;
  writeMarkedRecords(s.tournamentFile, bytes, changed);
  srtidx(s, 2);
  srtidx(s, 21);
  srtidx(s, 22);
  srtidx(s, 23);
  // Adjacent-exchange passes keep equal slots in record order, as a stable sort does.
  std::stable_sort(slots.begin(), slots.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [slot, record] : slots) {
    s.slotList.push_back(slot);
    s.slotRecords.push_back(record);
  }
  s.settings.menCount = static_cast<Int>(men);
  s.settings.ladiesCount = static_cast<Int>(ladies);
  s.settings.groupCount = static_cast<Int>(highestGroup);
  if (write) writeSettings(s);
}

void srtidx(State& s, int mode) {
  switch (mode) {
    case 2:
      sortNames(s.nameOrder);
      break;
    case 21:
      diminishingGapSort(s.handicapOrder, [](int a, int b) { return a > b; });
      break;
    case 22:
      diminishingGapSort(s.grossOrder, [](double a, double b) { return a > b; });
      break;
    case 23:
      diminishingGapSort(s.netOrder, [](double a, double b) { return a > b; });
      break;
    default:
      break;
  }
}

std::vector<std::string> fillist(State& s, std::string_view prefix, int mode) {
  std::vector<std::string> entries;
  std::string want = trim(utf8ToAnsi(prefix));
  if (want.size() > 5) want.resize(5);
  const std::vector<PlayerRecord> players = readPlayers(s);
  s.playerCount = static_cast<int>(players.size());
  if (players.empty()) return entries;
  const bool all = want == "XX";
  const std::size_t walk = std::min(s.nameOrder.size(), players.size());
  for (std::size_t k = 0; k < walk; ++k) {
    const auto& e = s.nameOrder[k];
    if (e.record < 1 || e.record > static_cast<int>(players.size())) continue;
    const PlayerRecord& p = players[static_cast<std::size_t>(e.record - 1)];
    if (all) {
      if (mode == 1 && p.groupSlot > 0) continue;
    } else {
      std::string key(e.key.begin(), e.key.end());
      key.erase(0, key.find_first_not_of(std::string_view(" \0", 2)));
      if (key.compare(0, want.size(), want) != 0) continue;
    }
    entries.push_back(playerEntry(p.lastName.trimmed(), p.firstName.str(), e.record));
  }
  return entries;
}

}  // namespace teebrook
