#pragma once
// The settings window without its widgets: the texts and choices it shows, the shaping of its
// boxes as they are left, the random hidden holes and Save.
#include <array>
#include <string>

#include "data/state.h"

namespace teebrook {

struct SettingsForm {
  // General
  std::string menPercent, ladiesPercent;  // Text1(0), Text1(1)
  std::string startTime, increment;       // Text1(2), Text1(3)
  bool allowStats = false;                // chk1
  bool showTips = false;                  // Chk3
  int tieBreak = 0;                       // Option3(0..2): R, G, H
  bool calcHandicaps = false;             // chk2
  bool usa = true;                        // Option1 (else Option2, Canadian)
  bool groupNines = false;                // chk4
  bool byFoursomes = false;               // Check1, hidden
  // Quota points
  std::string tripleBogey;            // Text4(6)
  std::array<std::string, 6> points;  // Text4(0..5): double bogey .. double eagle
  // Hidden hole
  std::string multiplier;                  // text3
  std::array<std::string, 6> hiddenHoles;  // Text2(0..5)
  std::string seasonBest;                  // Text2(6)

  // The two percentages as stored when the window loaded.
  int loadedMenPercent = 0, loadedLadiesPercent = 0;

  // USA, Canadian and Group 9-Hole Scores are usable only while handicaps are calculated.
  bool handicapOptionsEnabled() const { return calcHandicaps; }
};

// Fills the form from the working settings (the window's load).
SettingsForm loadSettingsForm(const SettingsRecord& s);

// The start time box as it is left: digits shaped as a clock time and shown as hh:mm AM/PM.
std::string shapeStartTime(const std::string& typed);
// The point boxes as one is left: par to double eagle made non-negative, 0 shown empty.
void normalisePoints(SettingsForm& f);
// Three different holes of each nine, ascending.
void randomHiddenHoles(SettingsForm& f, Random& random);

// Save: asks about rescaling the players' handicaps when a percentage changed and the open
// tournament has players, then writes the settings record.
void saveSettingsForm(State& s, SettingsForm& f);

}  // namespace teebrook
