#include "scoring/handicap.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "data/utilities.h"

namespace teebrook {
namespace {

// How many of the n counting differentials make the average.
int differentialsUsed(int n) {
  if (n < 5) return 0;
  if (n <= 16) return (n - 3) / 2;
  return n - 10;
}

// The differentials are one-decimal values: summed as whole tenths the average is exact.
struct Best {
  long long tenths = 0;
  int used = 0;
};

Best bestTenths(const PlayerRecord& p) {
  std::vector<long long> diffs;
  for (int k = 0; k < kHistory; ++k) {
    const float d = p.postedDiffs[static_cast<std::size_t>(k)];
    if (d != 0 && std::isfinite(d) && p.postedScores[static_cast<std::size_t>(k)] != 0) {
      diffs.push_back(std::llround(static_cast<double>(d) * 10));
    }
  }
  std::sort(diffs.begin(), diffs.end());
  Best b;
  b.used = differentialsUsed(static_cast<int>(diffs.size()));
  for (int i = 0; i < b.used; ++i) b.tenths += diffs[static_cast<std::size_t>(i)];
  return b;
}

}  // namespace

Int courseHandicap(double index, int slope) {
  return toInteger(slope * index / 113.0 + 0.01);
}

Single indexFromHandicap(int handicap, int slope) {
  if (slope == 0) return 0;
  return static_cast<Single>(roundHalfEven(113.0 / slope * handicap * 10) / 10);
}

Int percentAllowance(int handicap, int percent) {
  if (percent == 100) return static_cast<Int>(handicap);
  // Formed as text and read back, so 90 % of 15 is 13.51 and rounds to 14.
  char text[64];
  const auto r = std::to_chars(text, text + sizeof text, percent / 100.0 * handicap + 0.01,
                               std::chars_format::general, 15);
  return toInteger(val(std::string_view(text, static_cast<std::size_t>(r.ptr - text))));
}

Single differential(int adjustedScore, double rating, int slope) {
  if (slope == 0) return 0;
  return static_cast<Single>(roundHalfEven((adjustedScore - rating) * 113.0 / slope * 10) / 10);
}

Single bestdiff(const PlayerRecord& p) {
  const Best b = bestTenths(p);
  return b.used == 0 ? 0 : static_cast<Single>(static_cast<double>(b.tenths) / b.used);
}

Single indexFromBestdiff(const PlayerRecord& p) {
  const Best b = bestTenths(p);
  if (b.used == 0) return 0;
  // floor(bestdiff × 0.96) / 10 in whole numbers: tenths × 96 / (100 × used).
  const long long scaled = b.tenths * 96;
  const long long den = 100LL * b.used;
  const long long floored = scaled >= 0 ? scaled / den : -((-scaled + den - 1) / den);
  return static_cast<Single>(static_cast<double>(floored) / 10);
}

Single indexCap(int sex, bool eighteenHoles) {
  if (sex == 0) return eighteenHoles ? 36.4f : 18.2f;
  return eighteenHoles ? 40.4f : 20.2f;
}

}  // namespace teebrook
