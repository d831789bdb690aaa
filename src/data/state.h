#pragma once
// The one state object of the open program: working records, the open files, the open tournament
// and its sorted player indexes. Created at start-up and passed to whatever needs it.
#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/platform.h"
#include "data/record_file.h"
#include "data/records.h"

namespace teebrook {

inline constexpr const char* kSettingsFile = "tntdef.txt";
inline constexpr const char* kCourseFile = "tntcrs.txt";

// One entry of a sorted player index: the record number and its key.
template <class K>
struct IndexEntry {
  int record = 0;
  K key{};
  bool operator==(const IndexEntry&) const = default;
};
using NameKey = std::array<char, 5>;  // the first five characters of lastName, as stored
using NameIndex = std::vector<IndexEntry<NameKey>>;
using HandicapIndex = std::vector<IndexEntry<int>>;
using TotalIndex = std::vector<IndexEntry<double>>;

// The choices of the results window, kept while the program runs (0 = not chosen yet).
struct ResultsChoices {
  int competition = 0;  // 1 Standard .. 7 Round Robin
  int sort = 0;         // 1 Gross, 2 Net, 3 Gross/Net
  int grouping = 0;     // 1 Individual, 2 Group Totals, 3 Multiple Rounds
  int flight = 0;       // 0 Total Field, 1 All Flights, n flight n - 1
};

struct State {
  State(std::filesystem::path folder, Platform services)
      : dataFolder(std::move(folder)), platform(services) {}

  std::filesystem::path dataFolder;
  Platform platform;

  // Working copies, one per record type.
  SettingsRecord settings;
  CourseRecord course;
  PlayerRecord player;

  std::string tournamentPath;  // file name of the open tournament, empty when none is open
  bool tntLoaded = false;      // a tournament was opened or created in this run
  int currentCourse = 0;       // record number of the attached course setting, 0 = none
  int playerCount = 0;
  int courseCount = 0;

  NameIndex nameOrder;
  HandicapIndex handicapOrder;
  TotalIndex grossOrder;
  TotalIndex netOrder;
  std::vector<int> slotList;     // groupSlot values above 0, ascending
  std::vector<int> slotRecords;  // the record of the player in each slot
  ResultsChoices results;

  RecordFile settingsFile;
  RecordFile courseFile;
  RecordFile tournamentFile;

  std::filesystem::path pathOf(std::string_view name) const { return dataFolder / std::string(name); }
};

// Start-up: opens the settings and course files, reads the settings and applies the start
// defaults. Returns what the user should be told (files that could not be read or written).
std::vector<std::string> opnfiles(State& s);
// Closes every file and opens the settings, tournament and course files again; reads the settings.
void reopen(State& s);
// Closes help and every file.
void shutdn(State& s);

bool writeSettings(State& s);
bool readCourse(State& s, int n);
bool writeCourse(State& s, int n);
bool readPlayer(State& s, int n);
bool writePlayer(State& s, int n);
// playerCount from the tournament file's length.
int countPlayers(State& s);
// Every player of the open tournament, in record order, read at once.
std::vector<PlayerRecord> readPlayers(State& s);

// The key of nameOrder: the first five characters of the last name, as stored.
inline NameKey nameKey(const PlayerRecord& p) {
  NameKey k;
  std::copy_n(p.lastName.bytes().begin(), k.size(), k.begin());
  return k;
}

// Opens a tournament file of the data folder as the open tournament. Returns what the user should
// be told about it (a failure to open, bytes that do not make a whole record); ok is false when
// it could not be opened.
struct OpenResult {
  bool ok = false;
  std::vector<std::string> notes;
};
OpenResult openTournamentFile(State& s, std::string_view name,
                              RecordFile::Mode mode = RecordFile::Mode::ReadWrite);

// Attaches the course setting that the first player of the open tournament stores (none when the
// tournament has no players) and reads it into the working course.
void useStoredCourse(State& s);

// Rebuilds the player indexes and counts of the open tournament. Every record gets courseNumber =
// currentCourse, then the hook may change it further; only records that changed are written.
using RecordHook = std::function<void(PlayerRecord&, int record)>;
void bldidx(State& s, const RecordHook& hook = {});

// Builds the same indexes and counts in memory only, writing nothing (for a command that opens a
// tournament to look at it).
void loadIndexes(State& s);

// Rebuilds grossOrder and netOrder from the totals of every record, in record order, and sorts them.
void rebuildTotalOrders(State& s);

// Sorts nameOrder (mode 2), handicapOrder (21), grossOrder (22) or netOrder (23) ascending.
void srtidx(State& s, int mode);

// The diminishing-gap exchange sort of the indexes. It is not stable, and the order it leaves
// equal keys in shows in every list, so it is kept exactly.
template <class E, class Greater>
void diminishingGapSort(std::vector<E>& a, Greater greater) {
  const int n = static_cast<int>(a.size());
  for (int gap = n / 2; gap > 0; gap /= 2) {
    int limit = n - gap;
    for (;;) {
      int last = 0;  // 1-based position of the last exchange in this pass
      for (int i = 0; i < limit; ++i) {
        if (greater(a[static_cast<std::size_t>(i)].key, a[static_cast<std::size_t>(i + gap)].key)) {
          std::swap(a[static_cast<std::size_t>(i)], a[static_cast<std::size_t>(i + gap)]);
          last = i + 1;
        }
      }
      if (last == 0) break;
      limit = last;
    }
  }
}

// The entries of a player list: players in nameOrder whose last name begins with the prefix, or
// all of them for "XX" (mode 1 then leaves out grouped players).
std::vector<std::string> fillist(State& s, std::string_view prefix, int mode);

}  // namespace teebrook
