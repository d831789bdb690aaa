#pragma once
// Posting rounds to the handicap history, and the reset for the next round or season.
#include <string>
#include <vector>

#include "data/state.h"

namespace teebrook {

// Posts one player's round to the 20-round history (`posthcp("A")`): equitable stroke control,
// grouped nines, the differential, and with calcHandicaps "Y" the index, handicap and per-hole limit.
// Works on the record only; the caller writes it.
void posthcp(PlayerRecord& p, const SettingsRecord& s, const CourseRecord& c);

// After a row of the history was edited: the index from the best differentials (capped at 36.4 for
// men, 40.4 for ladies) and the handicap from it, when five scores are posted.
void recomputeIndex(PlayerRecord& p, const CourseRecord& c);

// The player's handicap changed: works out the net hole scores and net total again, writes the
// working player as record n and sorts netOrder again (`rerank`).
bool rerank(State& s, int record);

struct UpscoreOptions {
  bool add = false;     // A: add to the multi-round (seasonal) totals
  bool clear = false;   // C: clear all current scores
  bool update = false;  // U: post the scores to the handicap histories before clearing
  bool season = false;  // S: clear the seasonal totals
};

// The reset for the next round (`upscore`): A, C and S in that order for every player, in record
// order. Beeps and changes nothing when the tournament has no players. Returns false when the file
// could not be read or written (the user is told; a player whose record cannot be read is never
// written over).
bool upscore(State& s, const UpscoreOptions& o);

}  // namespace teebrook
