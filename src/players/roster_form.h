#pragma once
// The roster window without its widgets: the player's boxes, the player list, the handicap boxes'
// rules, Add, Edit, Clear and Delete, the flights and the reset for the next round.
#include <array>
#include <string>
#include <vector>

#include "data/state.h"
#include "data/utilities.h"

namespace teebrook {

struct PlayerBoxes {
  std::string lastName, firstName, index, handicap, flight = "1";
  std::string street, city, zip, phone, homeCourse;
  bool inCompetition = true;
  int sex = 0;  // 0 "Man", 1 "Lady"
};

class RosterForm {
 public:
  explicit RosterForm(State& state) : s_(state) {}

  PlayerBoxes boxes;
  std::string search;                // Text1(11)
  std::vector<std::string> players;  // Combo3
  int selected = 0;                  // record of the player shown, 0 for none
  bool changed = false;
  bool deleteMark = false;
  bool perFlightMark = false;
  int flightCount = 0;
  std::array<std::string, 9> limits;  // Text2(0..8)
  std::string playerCountText;        // Panel3D8(9)
  std::string percentText;            // SSPanel2
  // The "&Clear" tab.
  std::string check2Caption = "Update All Handicaps/Stats";
  bool check2Visible = true;
  bool check2Enabled = false;
  bool addToTotals = false, clearScores = false, updateHandicaps = false, clearSeason = false;
  bool clearTab = false;  // opened on the "&Clear" tab, the record commands disabled

  // Opening the window; the main window's tag says why: "C" for the reset, a record number for a
  // player chosen there.
  void open(const std::string& mainTag);
  // The search box is left: the players whose last names begin with its letters.
  void findPlayers();
  // Shows a player; false when his record cannot be read (nothing is shown).
  bool selectPlayer(int record);

  void indexLeft();
  void handicapLeft();
  // The Man/Lady choice changed: the handicap follows the index on the new tees.
  void sexChanged(int sex);

  bool edit();
  bool add();
  // The record the boxes describe, as Add would write it.
  PlayerRecord newRecord() const;
  void clearScreen();
  // Asks "Delete Selected Player?" first, then rebuilds the file without him (a ".bak" copy stays).
  bool deletePlayer();

  // The flights tab.
  void limitsLeft();
  void spin(int direction);
  std::string flightCountText() const { return std::to_string(flightCount); }
  std::string perFlightText() const;
  bool autoSet();
  bool manual();

  // The "&Clear" tab.
  void clearScoresToggled(bool on);
  bool resetOk();

  // Leaving with E&xit: asks "Save Entries?" for unsaved changes. True when players were deleted
  // (the main window lists its players afresh).
  bool exit();

 private:
  int slope(int sex) const;
  int percent(int sex) const;
  void flightFromLimits(int handicap);
  void copyInto(PlayerRecord& p) const;
  void showCounts();
  int inCompetitionCount() const;
  State& s_;
  PlayerRecord loaded_;  // the record as it was read when the player was selected
  int loadedHandicap_ = 0;
};

// After an Add: the counts of men and ladies, the highest group and the slot lists (`upfsome`).
void upfsome(State& s);

// Adds players after the last record in one write, then rebuilds the name and handicap orders
// from every record and runs `upfsome`, as Add does for one player. False when nothing was written.
bool appendPlayers(State& s, const std::vector<PlayerRecord>& players);

// Auto Set without its question: q players in competition to a flight in handicap order, the
// remainder in the last flight, the limits from the last player of each flight.
bool autoSetFlights(State& s, int flights);

// The handicap box's own filter: digits, Backspace, Enter, Tab and "-" (a plus handicap).
KeyResult handicapKeyFilter(char32_t key, bool hasSelection);

// The flight of a handicap by the limits: 0 when it is above every limit or no limit is set.
int flightOf(const std::array<Int, 9>& limits, int handicap);

}  // namespace teebrook
