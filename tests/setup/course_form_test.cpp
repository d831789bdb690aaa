#include "setup/course_form.h"

#include <gtest/gtest.h>

#include "data/utilities.h"
#include "support/fixtures.h"

namespace teebrook {
namespace {
using Sex = CourseForm::Sex;
using Row = CourseForm::Row;
using Next = CourseForm::Next;

void typeRow(CourseForm& f, Sex sex, Row row, const std::array<int, 18>& values) {
  for (int h = 0; h < 18; ++h) {
    f.typed(sex, row, h, std::to_string(values[static_cast<std::size_t>(h)]));
    if (row == Row::Pars) f.parLeft(sex);
    if (row == Row::StrokeIndexes) f.strokeIndexLeft(sex, h);
  }
}

std::vector<std::string> names(const State& s) {
  std::vector<std::string> out;
  RecordFile f;
  f.open(s.pathOf("tntcrs.txt"), kCourseLength, RecordFile::Mode::ReadOnly);
  for (const auto& c : readAllRecords<CourseRecord>(f)) out.push_back(c.courseName.trimmed());
  return out;
}

TEST(CourseForm, RatingFormat) {
  EXPECT_EQ(ratingText(72.456), "72.5");
  EXPECT_EQ(ratingText(72), "72.");
  EXPECT_EQ(ratingText(0.5), ".5");
  EXPECT_EQ(ratingText(71.2f), "71.2");
}

TEST(CourseForm, AddASettingAndEditIt) {
  test::Started run;
  CourseForm f(run.state);
  f.activate();
  f.newName = "OAK HILLS BLUE";
  f.nameLeft();
  EXPECT_TRUE(run.fakes.feedback.questions.empty());  // nothing to clear yet
  const std::array<int, 18> pars = {4, 5, 3, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4};
  EXPECT_EQ(f.typed(Sex::Men, Row::Pars, 0, "4"), (Next{Row::Pars, 1}));
  EXPECT_EQ(f.typed(Sex::Men, Row::StrokeIndexes, 3, "1"), std::nullopt);  // 1 and Tab
  EXPECT_EQ(f.typed(Sex::Men, Row::Pars, 17, "4"), (Next{Row::StrokeIndexes, 0}));
  EXPECT_EQ(f.typed(Sex::Men, Row::StrokeIndexes, 17, "14"), (Next{Row::Rating, -1}));
  typeRow(f, Sex::Men, Row::Pars, pars);
  EXPECT_EQ(f.tabs[0].pars[18], "72");
  f.tabs[0].ratings[4] = "72.456";
  f.ratingLeft(Sex::Men);
  EXPECT_EQ(f.tabs[0].ratings[4], "72.5");
  f.typed(Sex::Ladies, Row::Pars, 0, "5");
  EXPECT_TRUE(f.ladiesFrameVisible);
  ASSERT_TRUE(f.save());
  ASSERT_EQ(f.settings.size(), 1u);
  EXPECT_EQ(entryRecord(f.settings[0]), 1);
  CourseRecord c;
  ASSERT_TRUE(readRecord(run.state.courseFile, 1, c));
  EXPECT_EQ(c.courseName.trimmed(), "OAK HILLS BLUE");
  EXPECT_EQ(c.menParTotal, 72);
  EXPECT_FLOAT_EQ(c.menRatings[2], 72.5f);
  EXPECT_EQ(c.menSlopes[2], 113);  // a slope left empty
  EXPECT_EQ(c.ladiesSlopes[2], 113);

  // Editing keeps the name and the record number; the totals follow the pars.
  f.selectSetting(1);
  EXPECT_EQ(f.tabs[0].pars[0], "4");
  EXPECT_EQ(f.tabs[0].ratings[4], "72.5");
  EXPECT_FALSE(f.unsaved);
  f.typed(Sex::Men, Row::Pars, 0, "5");
  f.parLeft(Sex::Men);
  f.tabs[0].ratings[5] = "131";
  f.ratingLeft(Sex::Men);
  ASSERT_TRUE(f.save());
  ASSERT_TRUE(readRecord(run.state.courseFile, 1, c));
  EXPECT_EQ(c.courseName.trimmed(), "OAK HILLS BLUE");
  EXPECT_EQ(c.menParTotal, 73);
  EXPECT_EQ(c.menSlopes[2], 131);
  EXPECT_EQ(run.state.courseFile.count(), 1);
}

TEST(CourseForm, SaveWithNothingChosenIsRefused) {
  test::Started run;
  run.useCourse(test::makeCourse());
  CourseForm f(run.state);
  f.activate();
  f.typed(Sex::Men, Row::Pars, 0, "3");
  EXPECT_FALSE(f.save());
  EXPECT_EQ(run.fakes.feedback.messages.back().text, "Select a Course");
  CourseRecord c;
  readRecord(run.state.courseFile, 1, c);
  EXPECT_EQ(c.menPars[0], 4);  // the last course read is not overwritten
}

TEST(CourseForm, NewNameOverAFormWithParsAsksToClear) {
  test::Started run;
  run.useCourse(test::makeCourse());
  CourseForm f(run.state);
  f.activate();
  f.selectSetting(1);
  f.newName = "COPY";
  run.fakes.feedback.answers = {Answer::No};
  f.nameLeft();
  EXPECT_EQ(run.fakes.feedback.questions.back().text, "Adding New Setting. Clear Entries?");
  EXPECT_EQ(f.menPars[0], 4);  // kept: the copy starts from the old values
  ASSERT_TRUE(f.save());
  EXPECT_EQ(names(run.state), (std::vector<std::string>{"TEST COURSE", "COPY"}));
  f.selectSetting(2);
  f.newName = "EMPTY";
  f.nameLeft();  // Yes
  EXPECT_EQ(f.menPars[0], 0);
  EXPECT_EQ(f.tabs[0].pars[0], "");
}

TEST(CourseForm, DeleteMovesTheLaterSettingsDown) {
  test::Started run;
  for (const char* n : {"ONE", "TWO", "THREE"}) {
    CourseRecord c = test::makeCourse();
    c.courseName = n;
    writeCourse(run.state, run.state.courseFile.count() + 1);
    run.state.course = c;
    writeCourse(run.state, run.state.courseFile.count());
  }
  CourseForm f(run.state);
  f.activate();
  EXPECT_FALSE(f.deleteSetting());
  EXPECT_EQ(run.fakes.feedback.messages.back().text, "Select a Course");
  f.selectSetting(2);
  run.fakes.feedback.answers = {Answer::Cancel};
  EXPECT_FALSE(f.deleteSetting());
  f.selectSetting(2);
  run.fakes.feedback.answers = {Answer::Ok};
  ASSERT_TRUE(f.deleteSetting());
  EXPECT_EQ(run.fakes.feedback.questions.back().text, "Delete Selected Course?");
  EXPECT_EQ(run.fakes.feedback.questions.back().icon, Icon::Critical);
  EXPECT_EQ(names(run.state), (std::vector<std::string>{"ONE", "THREE"}));
  EXPECT_TRUE(std::filesystem::exists(run.folder / "tntcrs.bak"));
  EXPECT_EQ(f.settings.size(), 2u);
}

TEST(CourseForm, LeavingAsksOnlyForUnsavedKeystrokes) {
  test::Started run;
  run.useCourse(test::makeCourse());
  CourseForm f(run.state);
  f.activate();
  f.selectSetting(1);
  f.typed(Sex::Men, Row::Pars, 0, "5");
  f.parLeft(Sex::Men);
  run.fakes.feedback.answers = {Answer::Yes};
  f.leave();
  ASSERT_EQ(run.fakes.feedback.questions.size(), 1u);
  EXPECT_EQ(run.fakes.feedback.questions[0].title, "Save Entries?");
  EXPECT_EQ(run.fakes.feedback.questions[0].text, "");
  CourseRecord c;
  readRecord(run.state.courseFile, 1, c);
  EXPECT_EQ(c.menPars[0], 5);
  EXPECT_EQ(run.state.course.menPars[0], 5);  // the current course is read again

  f.activate();
  f.selectSetting(1);
  f.typed(Sex::Men, Row::Pars, 0, "6");
  f.parLeft(Sex::Men);
  f.save();
  f.typed(Sex::Men, Row::Pars, 1, "6");
  f.leave();  // Save was used during this visit: no question
  EXPECT_EQ(run.fakes.feedback.questions.size(), 1u);
}

TEST(CourseForm, MaximumCourses) {
  test::Started run;
  run.useCourse(test::makeCourse());
  run.state.settings.maxCourses = 1;
  CourseForm f(run.state);
  f.activate();
  f.newName = "SECOND";
  EXPECT_FALSE(f.save());
  EXPECT_EQ(run.fakes.feedback.messages.back().text, "Maximum Courses Exceeded");
  EXPECT_EQ(run.fakes.feedback.beeps, 1);
  EXPECT_EQ(run.state.courseFile.count(), 1);
}

}  // namespace
}  // namespace teebrook
