#include "scoring/net_scores.h"

#include <gtest/gtest.h>

#include "support/fixtures.h"

namespace teebrook {
namespace {

// The hole of a stroke index on the test course (0-based).
int holeOf(const CourseRecord& c, int si, int nine = 0) {
  for (int h = nine * 9; h < nine * 9 + 9; ++h) {
    if (c.menHandicapHoles[static_cast<std::size_t>(h)] == si) return h;
  }
  for (int h = 0; h < 18; ++h) {
    if (c.menHandicapHoles[static_cast<std::size_t>(h)] == si) return h;
  }
  return -1;
}

TEST(Ranker, StrokesByHandicapAndStrokeIndex) {
  const CourseRecord c18 = test::makeCourse(true), c9 = test::makeCourse(false);
  const struct {
    bool eighteen;
    int handicap, strokeIndex, gross, net;
  } cases[] = {
      {true, 20, 2, 5, 3},  // one on every hole and one more on 1 and 2
      {true, 20, 3, 5, 4},
      {true, 18, 18, 5, 4},
      {true, 17, 18, 5, 5},
      {true, 40, 4, 8, 5},
      {true, 40, 5, 8, 6},  // two on every hole, one more on 1 to 4
      {true, 0, 1, 4, 4},
      {false, 12, 3, 5, 3},
      {false, 12, 4, 5, 4},  // 9-numbering: the handicap counts
                             // per nine
      {false, 9, 9, 5, 4},
      {false, 20, 2, 6, 3},
      {false, 20, 3, 6, 4},
      {true, -2, 1, 4, 5},
      {true, -2, 2, 4, 5},
      {true, -2, 3, 4, 4},  // plus handicap gives back
      {true, -2, 1, 0, 0},  // an empty hole stays 0
      {true, 5, 1, 1, 0},   // never below 0
      {false, -1, 1, 4, 5},
  };
  for (const auto& t : cases) {
    const CourseRecord& c = t.eighteen ? c18 : c9;
    const int h = holeOf(c, t.strokeIndex);
    EXPECT_EQ(ranker(c, 0, t.handicap, h, t.gross), t.net)
        << (t.eighteen ? "18" : "9") << "-numbered, handicap " << t.handicap << ", index " << t.strokeIndex;
  }
}

TEST(Ranker, NumberingIsDecidedPerNine) {
  CourseRecord c = test::makeCourse(true);
  // Back nine numbered 1 to 9 on a front nine numbered across the course.
  c.menHandicapHoles = {7, 3, 17, 1, 11, 15, 9, 5, 13, 4, 8, 1, 6, 2, 9, 5, 3, 7};
  EXPECT_EQ(ranker(c, 0, 10, 10, 5), 4);  // back nine, index 8: 9-numbering gives one on every hole
  EXPECT_EQ(ranker(c, 0, 10, 11, 5), 3);  // back nine, index 1: and one more
  EXPECT_EQ(ranker(c, 0, 10, 2, 5), 5);   // front nine, index 17: no stroke
  // A hole without a stroke index gets a stroke whenever the handicap reaches 0.
  c.menHandicapHoles[0] = 0;
  EXPECT_EQ(ranker(c, 0, 0, 0, 5), 4);
  // Ladies use the ladies' indexes.
  c.ladiesHandicapHoles = c.menHandicapHoles;
  c.ladiesHandicapHoles[2] = 1;
  EXPECT_EQ(ranker(c, 1, 1, 2, 5), 4);
}

TEST(Rerank, NetsForANewHandicap) {
  const CourseRecord c = test::makeCourse(true);
  std::array<Int, 18> gross;
  gross.fill(5);
  auto nets = rerankNets(c, 0, 20, gross);
  for (std::size_t h = 0; h < 18; ++h) {
    EXPECT_EQ(nets[h], c.menHandicapHoles[h] <= 2 ? 3 : 4) << h;
  }
  nets = rerankNets(c, 0, -2, gross);
  for (std::size_t h = 0; h < 18; ++h) EXPECT_EQ(nets[h], c.menHandicapHoles[h] <= 2 ? 6 : 5) << h;
  // A nine not played stays 0, plus handicap or not.
  std::array<Int, 18> backNine{};
  for (std::size_t h = 9; h < 18; ++h) backNine[h] = 5;
  nets = rerankNets(c, 0, -2, backNine);
  for (std::size_t h = 0; h < 9; ++h) EXPECT_EQ(nets[h], 0);
  // The numbering follows the nine that was played: a 9-numbered course, handicap 12.
  const CourseRecord c9 = test::makeCourse(false);
  nets = rerankNets(c9, 0, 12, backNine);
  for (std::size_t h = 9; h < 18; ++h) EXPECT_EQ(nets[h], c9.menHandicapHoles[h] <= 3 ? 3 : 4) << h;
}

TEST(TieBreak, LastToFirstHoles) {
  std::array<Int, 18> a;
  a.fill(4);
  a[0] = 8;  // 76 in all
  std::array<Int, 18> b = a;
  b[17] = 5;
  b[16] = 3;  // also 76, but worse on the 18th
  const std::array<Int, 18> si{};
  const double fa = tieBreakFraction('R', a, a, si), fb = tieBreakFraction('R', b, b, si);
  EXPECT_NEAR(fb - fa, 0.012 - 0.0036, 1e-12);
  EXPECT_LT(80 + fa, 80 + fb);  // the lower later holes rank ahead
  // Hole 1 never counts; the fraction stays below 0.5 even for 19s everywhere.
  std::array<Int, 18> worst;
  worst.fill(19);
  EXPECT_LT(tieBreakFraction('R', worst, worst, si), 0.5);
  std::array<Int, 18> onlyFirst{};
  onlyFirst[0] = 9;
  EXPECT_EQ(tieBreakFraction('R', onlyFirst, onlyFirst, si), 0);
}

TEST(TieBreak, NineSixThreeOneHoleTotals) {
  std::array<Int, 18> front{};
  for (std::size_t h = 0; h < 9; ++h) front[h] = static_cast<Int>(h + 1);  // 1..9, last scored is 9
  const std::array<Int, 18> si{};
  // S9 = 45, S6 = 9+8+7+6+5+4 = 39, S3 = 24, S1 = 9; nothing before them on a 9-hole round.
  EXPECT_NEAR(tieBreakFraction('G', front, front, si), 0.003 * 45 + 0.001 * 39 + 0.0005 * 24 + 0.0001 * 9,
              1e-12);
  std::array<Int, 18> full;
  full.fill(4);
  EXPECT_NEAR(tieBreakFraction('G', full, full, si),
              0.003 * 36 + 0.001 * 24 + 0.0005 * 12 + 0.0001 * 4 + 0.00006 * 36 + 0.00002 * 24 +
                  0.000005 * 12 + 0.000001 * 4,
              1e-12);
}

TEST(TieBreak, HandicapHoles) {
  const CourseRecord c = test::makeCourse(true);
  std::array<Int, 18> g{};
  g[3] = 5;   // index 1
  g[11] = 4;  // index 2
  EXPECT_NEAR(tieBreakFraction('H', g, g, c.menHandicapHoles), 5 * 0.02 + 4 * 0.01, 1e-12);
  // An index outside 1 to 18 takes the weight of the hole before it.
  std::array<Int, 18> si = c.menHandicapHoles;
  si[11] = 0;
  EXPECT_NEAR(tieBreakFraction('H', g, g, si), 5 * 0.02 + 4 * 0.02, 1e-12);
}

TEST(TieBreak, RetroAddsToBothTotalsOnlyForAKnownMethod) {
  const CourseRecord c = test::makeCourse(true);
  PlayerRecord p;
  p.holeScores.fill(4);
  p.netHoleScores.fill(3);
  p.grossTotal = 72;
  p.netTotal = 54;
  SettingsRecord s;
  EXPECT_FALSE(retro(p, s, c));  // blank: whole totals
  EXPECT_EQ(p.grossTotal, 72);
  s.tieBreakMethod = "R";
  EXPECT_TRUE(retro(p, s, c));
  EXPECT_GT(p.grossTotal, 72);
  EXPECT_LT(p.grossTotal, 72.5);
  EXPECT_NEAR(p.netTotal - 54, (p.grossTotal - 72) * 3 / 4, 1e-12);
}

}  // namespace
}  // namespace teebrook
