// The individual reports on whole leagues, to the printer's document and to the grid.
#include <benchmark/benchmark.h>

#include "data/demo_league.h"
#include "league_fixture.h"
#include "results/individual_report.h"
#include "scoring/score_entry.h"

namespace teebrook::bench {
namespace {

class DiscardChannel final : public ReportChannel {
 public:
  void gridopen(std::shared_ptr<GridModel> g) override { grid = std::move(g); }
  void gridcell(int, int) override {}
  bool print(const PrinterDocument& d) override {
    pages = d.pages.size();
    return true;
  }
  std::shared_ptr<GridModel> grid;
  std::size_t pages = 0;
};

// A league with a round of scores for everybody.
League& scored(int players) {
  League& l = league(players);
  static std::map<int, bool> done;
  if (!done[players]) {
    done[players] = true;
    State& s = *l.state;
    readCourse(s, s.currentCourse);
    std::vector<PlayerRecord> ps = readPlayers(s);
    for (std::size_t i = 0; i < ps.size(); ++i) {
      PlayerRecord& p = ps[i];
      for (std::size_t h = 0; h < 18; ++h) p.holeScores[h] = static_cast<Int>(3 + (i * 7 + h * 3) % 5);
      int g = 0;
      for (Int v : p.holeScores) g += v;
      p.grossTotal = g + (i % 97) * 0.0001;
      p.netTotal = g - p.handicap + (i % 89) * 0.0001;
      writeRecord(s.tournamentFile, static_cast<int>(i) + 1, p);
    }
    bldidx(s);
  }
  return l;
}

void run(benchmark::State& st, int competition, int sort, bool grossNet, char channel) {
  League& l = scored(static_cast<int>(st.range(0)));
  ReportRequest r;
  r.competition = competition;
  r.sort = sort;
  r.channel = channel;
  for (auto _ : st) {
    DiscardChannel ch;
    grossNet ? gnrpt(*l.state, ch, r) : stdrpt(*l.state, ch, r);
    benchmark::DoNotOptimize(ch.pages);
  }
}

void BM_standardNetPrinter(benchmark::State& st) {
  run(st, 1, 2, false, 'P');
}
void BM_standardNetDisplay(benchmark::State& st) {
  run(st, 1, 2, false, 'D');
}
void BM_callawayPrinter(benchmark::State& st) {
  run(st, 2, 2, false, 'P');
}
void BM_callawayDisplay(benchmark::State& st) {
  run(st, 2, 2, false, 'D');
}
void BM_grossNetPrinter(benchmark::State& st) {
  run(st, 1, 3, true, 'P');
}
void BM_grossNetDisplay(benchmark::State& st) {
  run(st, 1, 3, true, 'D');
}
BENCHMARK(BM_standardNetPrinter)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_standardNetDisplay)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_callawayPrinter)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_callawayDisplay)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_grossNetPrinter)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_grossNetDisplay)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace teebrook::bench
