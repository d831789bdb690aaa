#pragma once
// The Callaway and Hidden Hole scoring methods: a competition handicap and net from a player's
// hole scores, written into the player records, and the orders they rank in.
#include <array>
#include <vector>

#include "data/state.h"

namespace teebrook {

struct CallawayScore {
  double deduction = 0;  // D, before rounding
  Int handicap = 0;      // D rounded, halves upward
  Int reduction = 0;     // strokes taken off by the double-par cap
  double net = 0;        // T - handicap + D × 0.002
};

// The deduction of the 18-hole or 9-hole table for a capped total T and the worst deductible holes
// W1..W6, before the cap of 50 or 25.
double callawayDeduction(int total, const std::array<int, 6>& worst, bool eighteenHoles);
CallawayScore callawayScore(const std::array<Int, 18>& holes, const std::array<Int, 18>& pars);

struct HiddenScore {
  Int handicap = 0;
  double net = 0;
};
HiddenScore hiddenScore(const PlayerRecord& p, const SettingsRecord& s, const std::array<Int, 18>& pars);

// `callwy`: every player with a gross total gets his Callaway handicap, reduction and net, written
// to his record; returns callawayOrder (players of equal net keep their file order).
TotalIndex callwy(State& s, std::vector<PlayerRecord>& players);
// `hidhole`: every in-competition player with a gross total, in gross order, gets his Hidden Hole
// handicap and net, written to his record; returns hiddenOrder.
TotalIndex hidhole(State& s, std::vector<PlayerRecord>& players);

}  // namespace teebrook
