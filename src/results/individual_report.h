#pragma once
// The individual stroke-play reports of Standard, Callaway and Hidden Hole: on gross or on net
// (`stdrpt`), gross and net places in turn (`gnrpt`), and the hole summary (`holestat`).
#include <string>

#include "data/state.h"
#include "results/report_output.h"

namespace teebrook {

// What a report reads from the results window.
struct ReportRequest {
  int competition = 1;  // 1 Standard, 2 Callaway, 5 Hidden Hole
  int sort = 1;         // 1 Gross, 2 Net
  std::string flightText = "Total Field";
  char channel = 'D';
  int highlight = 0;
  bool addToTotals = false;
};

void stdrpt(State& s, ReportChannel& channel, const ReportRequest& r);
void gnrpt(State& s, ReportChannel& channel, const ReportRequest& r);

struct HoleCounts {
  int pars = 0, birdies = 0, eagles = 0;
};
// The average strokes of each hole over the players with a score (of one flight, or all for 0),
// stored with the number of players in the settings; counts pars, birdies and eagles.
HoleCounts holestat(State& s, const std::vector<PlayerRecord>& players, int flight);

}  // namespace teebrook
