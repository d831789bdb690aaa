#include "scoring/handicap.h"

#include <gtest/gtest.h>

namespace teebrook {
namespace {

PlayerRecord withDiffs(std::vector<float> diffs) {
  PlayerRecord p;
  for (std::size_t i = 0; i < diffs.size(); ++i) {
    p.postedDiffs[i] = diffs[i];
    p.postedScores[i] = 90;
  }
  return p;
}

TEST(Handicap, CourseHandicapIndexAndAllowance) {
  EXPECT_EQ(courseHandicap(12.4, 125), 14);
  EXPECT_EQ(courseHandicap(14.4, 130), 17);
  EXPECT_EQ(courseHandicap(0, 113), 0);
  EXPECT_FLOAT_EQ(indexFromHandicap(14, 125), 12.7f);
  EXPECT_FLOAT_EQ(indexFromHandicap(14, 0), 0);
  EXPECT_EQ(percentAllowance(15, 90), 14);  // 13.51
  EXPECT_EQ(percentAllowance(14, 80), 11);  // 11.21
  EXPECT_EQ(percentAllowance(18, 90), 16);
  EXPECT_EQ(percentAllowance(18, 100), 18);
}

TEST(Handicap, Differential) {
  EXPECT_FLOAT_EQ(differential(90, 71.2f, 125), 17.0f);
  EXPECT_FLOAT_EQ(differential(90, 71.2f, 0), 0);
}

TEST(Handicap, BestDifferentials) {
  const struct {
    std::vector<float> diffs;
    float best;
    float index;
  } cases[] = {
      {{10.2f, 11.5f, 12.3f, 9.8f}, 0, 0},  // four count for nothing
      {{10.2f, 11.5f, 12.3f, 9.8f, 14.0f}, 98.0f, 9.4f},
      {{8.4f, 9.3f, 12, 13, 14, 15, 16}, 88.5f, 8.4f},
      // Twenty, whose ten lowest sum to 152.3.
      {{15.0f, 15.1f, 15.2f, 15.3f, 15.4f, 15.5f, 15.6f, 15.7f, 15.8f, 13.7f,
        20,    20,    20,    20,    20,    20,    20,    20,    20,    20},
       152.3f,
       14.6f},
  };
  for (const auto& c : cases) {
    const PlayerRecord p = withDiffs(c.diffs);
    EXPECT_FLOAT_EQ(bestdiff(p), c.best);
    EXPECT_FLOAT_EQ(indexFromBestdiff(p), c.index);
  }
}

TEST(Handicap, EmptySlotsDoNotCount) {
  PlayerRecord p = withDiffs({10, 11, 12, 13, 14});
  p.postedScores[0] = 0;  // a differential without a score is not counted
  EXPECT_EQ(bestdiff(p), 0);
  p = withDiffs({10, 0, 12, 13, 14});
  EXPECT_EQ(bestdiff(p), 0);  // a zero differential is not counted either
}

TEST(Handicap, IndexCaps) {
  EXPECT_FLOAT_EQ(indexCap(0, true), 36.4f);
  EXPECT_FLOAT_EQ(indexCap(0, false), 18.2f);
  EXPECT_FLOAT_EQ(indexCap(1, true), 40.4f);
  EXPECT_FLOAT_EQ(indexCap(1, false), 20.2f);
}

}  // namespace
}  // namespace teebrook
