// The shared state: building the player indexes and reading a whole tournament file.
#include <benchmark/benchmark.h>

#include "league_fixture.h"

namespace teebrook::bench {
namespace {

void BM_bldidx(benchmark::State& st) {
  League& l = league(static_cast<int>(st.range(0)));
  for (auto _ : st) {
    bldidx(*l.state);
    benchmark::DoNotOptimize(l.state->nameOrder.data());
  }
  st.SetLabel(std::to_string(st.range(0)) + " players");
}
BENCHMARK(BM_bldidx)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_readAllPlayers(benchmark::State& st) {
  League& l = league(static_cast<int>(st.range(0)));
  for (auto _ : st) {
    auto players = readPlayers(*l.state);
    benchmark::DoNotOptimize(players.data());
  }
}
BENCHMARK(BM_readAllPlayers)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_fillistAll(benchmark::State& st) {
  League& l = league(static_cast<int>(st.range(0)));
  bldidx(*l.state);
  for (auto _ : st) {
    auto entries = fillist(*l.state, "XX", 0);
    benchmark::DoNotOptimize(entries.data());
  }
}
BENCHMARK(BM_fillistAll)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace teebrook::bench
