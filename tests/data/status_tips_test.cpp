#include "data/status_tips.h"

#include <gtest/gtest.h>

namespace teebrook {
namespace {

TEST(TipSelector, ShowsTheTipOfThePointedControlWhileTipsAreOn) {
  const TipSelector::TextOf texts = [](int n) -> std::optional<std::string> {
    if (n == 3) return "Save the score";
    return std::nullopt;
  };
  TipSelector t;
  auto sel = t.select(3, true);
  EXPECT_EQ(sel.timer, TipSelector::Timer::Start);
  EXPECT_FALSE(sel.clearPanel);
  auto tick = t.tick(true, texts);
  ASSERT_TRUE(tick);
  EXPECT_EQ(tick->text, "Save the score");
  EXPECT_FALSE(tick->hideTipWindow);

  // A number without a text empties the panel and hides the tip window.
  t.select(9, true);
  tick = t.tick(true, texts);
  ASSERT_TRUE(tick);
  EXPECT_EQ(tick->text, "");
  EXPECT_TRUE(tick->hideTipWindow);

  // The background stops the timer and empties the panel.
  sel = t.select(0, true);
  EXPECT_TRUE(sel.clearPanel);
  EXPECT_EQ(sel.timer, TipSelector::Timer::Stop);
}

TEST(TipSelector, TipsOffShowNothing) {
  TipSelector t;
  const auto sel = t.select(3, false);
  EXPECT_EQ(sel.timer, TipSelector::Timer::Unchanged);
  EXPECT_FALSE(sel.clearPanel);
  EXPECT_FALSE(t.tick(false, [](int) -> std::optional<std::string> { return "x"; }));
}

}  // namespace
}  // namespace teebrook
