// Saving one score and the reset for the next round on whole leagues.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>

#include "data/demo_league.h"
#include "league_fixture.h"
#include "scoring/posting.h"
#include "scoring/score_entry.h"

namespace teebrook::bench {
namespace {

void BM_saveScore(benchmark::State& st) {
  League& l = league(static_cast<int>(st.range(0)));
  State& s = *l.state;
  readCourse(s, s.currentCourse);
  loadIndexes(s);
  ScoreEntry entry(s);
  for (auto _ : st) {
    entry.selectPlayer(1);
    for (int h = 0; h < 18; ++h) {
      entry.holeChanged(h, "5");
      entry.holeLeft(h);
    }
    entry.save();
  }
}
BENCHMARK(BM_saveScore)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

std::vector<char> fileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

void BM_upscoreAllOptions(benchmark::State& st) {
  League& l = league(static_cast<int>(st.range(0)));
  State& s = *l.state;
  readCourse(s, s.currentCourse);
  const auto path = s.pathOf(kDemoTournament);
  const std::vector<char> original = fileBytes(path);
  for (auto _ : st) {
    st.PauseTiming();
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(original.data(), static_cast<std::streamsize>(original.size()));
    }
    st.ResumeTiming();
    upscore(s, UpscoreOptions{true, true, true, true});
  }
}
BENCHMARK(BM_upscoreAllOptions)->Arg(100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace teebrook::bench
