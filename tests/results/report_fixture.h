#pragma once
// A small tournament with saved rounds, and a channel that keeps what a report writes.
#include <memory>

#include "results/report_output.h"
#include "scoring/score_entry.h"
#include "support/fixtures.h"

namespace teebrook::test {

class KeptChannel final : public ReportChannel {
 public:
  void gridopen(std::shared_ptr<GridModel> g) override { grid = std::move(g); }
  void gridcell(int, int) override { ++cells; }
  bool print(const PrinterDocument& d) override {
    if (failures > 0) {
      --failures;
      return false;
    }
    document = d;
    printed = true;
    return true;
  }
  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    for (std::size_t p = 0; p < document.pages.size(); ++p) {
      if (p > 0) out.push_back("\f");
      for (const auto& l : document.pages[p].lines) out.push_back(l.text());
    }
    return out;
  }
  std::shared_ptr<GridModel> grid;
  PrinterDocument document;
  bool printed = false;
  int cells = 0;
  int failures = 0;
};

// Saves a round through score entry, as the main window does.
inline void saveRound(State& s, int record, const std::array<int, 18>& holes) {
  ScoreEntry e(s);
  e.selectPlayer(record);
  for (int h = 0; h < 18; ++h) {
    e.holeChanged(
        h, holes[static_cast<std::size_t>(h)] ? std::to_string(holes[static_cast<std::size_t>(h)]) : "");
    e.holeLeft(h);
  }
  e.save();
}

inline std::array<int, 18> allHoles(int v) {
  std::array<int, 18> a;
  a.fill(v);
  return a;
}

}  // namespace teebrook::test
