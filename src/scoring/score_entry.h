#pragma once
// Score entry of the main window without its widgets: the texts of the boxes and panels, the nets
// worked out while typing, and what the window must do after each event (focus, beep).
#include <array>
#include <string>

#include "data/state.h"

namespace teebrook {

class ScoreEntry {
 public:
  enum class Focus { None, Hole, Save, List };
  struct Action {
    Focus focus = Focus::None;
    int hole = -1;  // with Focus::Hole
    bool beep = false;
    bool operator==(const Action&) const = default;
  };

  explicit ScoreEntry(State& state) : s_(state) {}

  // What the window shows.
  std::array<std::string, 18> holes;  // text2(0..17)
  std::string total;                  // text3
  std::string netTotal;               // the net total panel
  std::string playerName, playerFlight, playerHandicap;
  std::array<std::string, 19> labels;  // pars or stroke indexes, and the par total
  bool showPars = true;                // pan4 shows "Par"

  // Working data.
  std::array<Int, 18> holeNets{};
  bool scoreDirty = false;
  int entryRec = 0;
  bool loading = false;

  bool playerShown() const { return !playerName.empty(); }

  // Clicking a player in the list: asks "Save Before Clearing?)" when the score changed, then shows
  // the player. False when the record could not be read (the user is told; no player is shown).
  bool selectPlayer(int record);
  // Puts the working player record into the boxes.
  void gettnt();
  // Empties the boxes and the player panels.
  void clrfrm();

  // A hole box's text changed (typing, or loading when the loading mark is set).
  Action holeChanged(int h, const std::string& text);
  // A hole box was clicked.
  Action holeClicked(int h);
  // A hole box lost the focus: refuses 20 or more, works out the net and both totals.
  Action holeLeft(int h);
  // The total box lost the focus: a total alone gives the net total.
  Action totalLeft();

  Action save();
  Action clearScore();
  // Switches the row above the boxes between pars and stroke indexes.
  void togglePars();

 private:
  void fillLabels();
  State& s_;
};

// Zeroes the current round of a player record: hole scores, nets and both totals.
void clrscore(PlayerRecord& p);

// What Save stores: the hole scores and nets, both totals with the tie-break fractions, and the
// date when handicaps are calculated.
void storeRound(PlayerRecord& p, const std::array<Int, 18>& holes, const std::array<Int, 18>& nets,
                double grossTotal, double netTotal, const SettingsRecord& s, const CourseRecord& c,
                const Date& today);
// A round typed hole by hole and saved: the nets as typing works them out, the totals their sums.
void enterRound(PlayerRecord& p, const std::array<Int, 18>& holes, const SettingsRecord& s,
                const CourseRecord& c, const Date& today);

}  // namespace teebrook
