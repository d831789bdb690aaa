#include "setup/settings_form.h"

#include <gtest/gtest.h>

#include "data/utilities.h"
#include "support/fixtures.h"

namespace teebrook {
namespace {

TEST(SettingsForm, LoadShowsTheSettings) {
  SettingsRecord s;
  s.menPercent = 0;
  s.ladiesPercent = 80;
  s.startTime = 450;
  s.teeInterval = 0;
  s.tieBreakMethod = "H";
  s.calcHandicaps = "Y";
  s.usaMethod = "N";
  s.groupNines = "Y";
  s.pointValues = {-1, 0, 2, 4, 0, 16};
  s.hiddenHoles = {2, 5, 0, 11, 14, 17};
  s.handicapMultiplier = 2.5f;
  s.tripleBogeyPoints = -2.4f;
  const SettingsForm f = loadSettingsForm(s);
  EXPECT_EQ(f.menPercent, "100");
  EXPECT_EQ(f.ladiesPercent, "80");
  EXPECT_EQ(f.startTime, "07:30 AM");
  EXPECT_EQ(f.increment, "7.5");
  EXPECT_EQ(f.tieBreak, 2);
  EXPECT_TRUE(f.calcHandicaps);
  EXPECT_FALSE(f.usa);
  EXPECT_TRUE(f.groupNines);
  EXPECT_EQ(f.points, (std::array<std::string, 6>{"-1", "", "2", "4", "", "16"}));
  EXPECT_EQ(f.hiddenHoles[2], "");
  EXPECT_EQ(f.multiplier, "2.5");
  EXPECT_EQ(f.tripleBogey, "-2");
  SettingsRecord other;
  other.tieBreakMethod = "X";
  EXPECT_EQ(loadSettingsForm(other).tieBreak, 0);
  EXPECT_FALSE(loadSettingsForm(other).handicapOptionsEnabled());
}

TEST(SettingsForm, StartTimeShaping) {
  const struct {
    const char* typed;
    const char* shown;
    int saved;
  } cases[] = {{"730", "07:30 AM", 450},  {"130", "01:30 AM", 810}, {"7", "07:00 AM", 420},
               {"1030", "10:30 AM", 630}, {"12", "12:00 PM", 720},  {"1545", "03:45 PM", 945}};
  for (const auto& c : cases) {
    const std::string shown = shapeStartTime(c.typed);
    EXPECT_EQ(shown, c.shown) << c.typed;
    EXPECT_EQ(timein(shown), c.saved) << c.typed;
  }
  EXPECT_EQ(shapeStartTime("abc"), "");
}

TEST(SettingsForm, PointBoxes) {
  SettingsForm f;
  f.points = {"-1", "0", "-2", "3", "0", "x"};
  normalisePoints(f);
  EXPECT_EQ(f.points, (std::array<std::string, 6>{"-1", "", "2", "3", "", ""}));
}

TEST(SettingsForm, RandomHiddenHolesAreDifferentAndAscending) {
  test::FakeRandom r;
  r.values = {0.5, 0.5, 0.05, 0.95, 0.2, 0.2, 0.2, 0.7, 0.1};  // duplicates are drawn again
  SettingsForm f;
  randomHiddenHoles(f, r);
  EXPECT_EQ(f.hiddenHoles, (std::array<std::string, 6>{"1", "5", "9", "10", "11", "16"}));
}

TEST(SettingsForm, SaveWritesEverySetting) {
  test::Started run;
  SettingsForm f = loadSettingsForm(run.state.settings);
  f.startTime = shapeStartTime("130");
  f.increment = "";
  f.calcHandicaps = false;
  f.groupNines = true;
  f.tieBreak = 1;
  f.showTips = false;
  f.points = {"-1", "0", "1", "2", "4", "8"};
  f.hiddenHoles = {"-3", "5", "7", "11", "14", "17"};
  f.multiplier = "3";
  f.seasonBest = "8";
  saveSettingsForm(run.state, f);
  SettingsRecord s;
  decode(test::readBytes(run.folder / "tntdef.txt"), s);
  EXPECT_EQ(s.startTime, 810);
  EXPECT_EQ(s.teeInterval, 0);  // shows as 7.5 next time
  EXPECT_EQ(loadSettingsForm(s).increment, "7.5");
  EXPECT_EQ(loadSettingsForm(s).startTime, "01:30 PM");
  EXPECT_TRUE(s.calcHandicaps.is("N"));
  EXPECT_TRUE(s.groupNines.empty());
  EXPECT_TRUE(s.usaMethod.empty());
  EXPECT_TRUE(s.tieBreakMethod.is("G"));
  EXPECT_TRUE(s.showTips.is("N"));
  EXPECT_EQ(s.entryMode, 1);
  EXPECT_EQ(s.hiddenHoles[0], 3);
  EXPECT_EQ(s.pointValues[0], -1);
  EXPECT_EQ(s.handicapMultiplier, 3);
  EXPECT_EQ(s.seasonBestN, 8);
  EXPECT_TRUE(s.hostDirectory.empty());
}

TEST(SettingsForm, NewPercentageRescalesHandicapsOnYes) {
  for (Answer answer : {Answer::Yes, Answer::No}) {
    test::Started run;
    run.openTournament({test::makePlayer("MAN", "A", 18, 0), test::makePlayer("LADY", "B", 20, 1)});
    SettingsForm f = loadSettingsForm(run.state.settings);
    f.menPercent = "90";
    run.fakes.feedback.answers = {answer};
    saveSettingsForm(run.state, f);
    ASSERT_EQ(run.fakes.feedback.questions.size(), 1u);
    EXPECT_EQ(run.fakes.feedback.questions[0].text, "Change Player Handicaps to New Percentage?");
    const auto ps = run.players();
    EXPECT_EQ(ps[0].handicap, answer == Answer::Yes ? 16 : 18);  // 18 × 0.9 = 16.2
    EXPECT_EQ(ps[1].handicap, 20);                               // the ladies' percentage did not change
    EXPECT_EQ(run.state.settings.menPercent, 90);
  }
}

}  // namespace
}  // namespace teebrook
