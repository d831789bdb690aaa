#include "setup/tournament_files.h"

#include <gtest/gtest.h>

#include "support/fixtures.h"

namespace teebrook {
namespace {
using Result = TournamentFileForm::Result;

TEST(TournamentFiles, NameCompletion) {
  const struct {
    const char* typed;
    const char* name;
    const char* error;
  } cases[] = {
      {"LEAGUE", "LEAGUE.TNT", ""},
      {"league", "LEAGUE.TNT", ""},
      {"TOURNAMENT", "TOURNAME.TNT", ""},
      {"LEAGUE.", "LEAGUE.TNT", ""},
      {"GOLF.DOC", "GOLF.TNT", ""},
      {"CLUB.TNT", "CLUB.TNT", ""},
      {"  SPRING  ", "SPRING.TNT", ""},
      {"TOURNAMENTS.DOC", "", "Error #5"},
      {"A.B", "", "Error #5"},
      {"../X", "", "Bad Filename!"},
      {"A/B", "", "Bad Filename!"},
      {"C:GOLF", "", "Bad Filename!"},
      {"..", "", "Bad Filename!"},
      {"A\\B.TNT", "", "Bad Filename!"},
      {".TNT", "", "Bad Filename!"},
      {"WHAT?", "", "Bad Filename!"},
  };
  for (const auto& c : cases) {
    const CompletedName r = completeName(c.typed);
    EXPECT_EQ(r.name, c.name) << c.typed;
    EXPECT_EQ(r.error, c.error) << c.typed;
  }
}

struct FileFormTest : ::testing::Test {
  FileFormTest() {
    CourseRecord a = test::makeCourse();
    a.courseName = "ZEBRA LINKS";
    a.menSlopes[2] = 125;
    run.state.course = a;
    writeCourse(run.state, 1);
    CourseRecord b = test::makeCourse();
    b.courseName = "ASH CREEK";
    b.menSlopes[2] = 140;
    run.state.course = b;
    writeCourse(run.state, 2);
    PlayerRecord p = test::makePlayer("INDEXED", "A", 0);
    p.handicapIndex = 12.4f;
    p.courseNumber = 1;
    PlayerRecord q = test::makePlayer("NOINDEX", "B", 7);
    test::writeTournament(run.folder / "league.tnt", {p, q});
    test::writeBytes(run.folder / "notes.txt", {1});
  }
  test::Started run;
  TournamentFileForm form{run.state};
};

TEST_F(FileFormTest, ListsFilesAndPicksTheFirstCourse) {
  form.activate();
  EXPECT_EQ(form.files, (std::vector<std::string>{"league.tnt"}));
  ASSERT_EQ(form.courses.size(), 2u);
  EXPECT_EQ(form.courses[0].substr(0, 9), "ASH CREEK");  // the list is sorted by name
  EXPECT_EQ(form.course, 2);
  EXPECT_EQ(run.state.currentCourse, 2);
}

TEST_F(FileFormTest, OpeningRecomputesHandicapsFromTheIndex) {
  form.activate();
  form.chooseFile("league.tnt");
  EXPECT_EQ(form.course, 1);  // the course its first player stores
  EXPECT_FALSE(run.state.tntLoaded);
  ASSERT_EQ(form.continueOn(), Result::Opened);
  EXPECT_TRUE(run.state.tntLoaded);
  EXPECT_EQ(run.state.tournamentPath, "league.tnt");
  EXPECT_EQ(run.state.playerCount, 2);
  auto ps = run.players();
  EXPECT_EQ(ps[0].handicap, 14);  // 12.4 × 125 / 113 = 13.72
  EXPECT_EQ(ps[1].handicap, 7);   // no index: the stored handicap stays
  EXPECT_EQ(ps[1].courseNumber, 1);
  EXPECT_EQ(run.state.nameOrder.size(), 2u);

  run.state.settings.menPercent = 80;
  TournamentFileForm again(run.state);
  again.activate();
  again.chooseFile("league.tnt");
  ASSERT_EQ(again.continueOn(), Result::Opened);
  EXPECT_EQ(run.players()[0].handicap, 11);  // 14 × 0.8 = 11.2
}

TEST_F(FileFormTest, NewNames) {
  form.activate();
  form.newName = "spring";
  ASSERT_EQ(form.continueOn(), Result::Opened);
  EXPECT_EQ(run.state.tournamentPath, "SPRING.TNT");
  EXPECT_TRUE(std::filesystem::exists(run.folder / "SPRING.TNT"));
  EXPECT_EQ(run.state.playerCount, 0);
  EXPECT_EQ(run.state.currentCourse, 2);

  // The exact name of an existing file is in use; the same name without extension opens it.
  TournamentFileForm f2(run.state);
  f2.activate();
  f2.newName = "LEAGUE.TNT";
  EXPECT_EQ(f2.continueOn(), Result::Stay);
  EXPECT_EQ(run.fakes.feedback.messages.back().text, "Filename In Use");
  EXPECT_EQ(f2.newName, "");
  f2.newName = "LEAGUE";
  ASSERT_EQ(f2.continueOn(), Result::Opened);
  EXPECT_EQ(run.state.tournamentPath, "league.tnt");
  EXPECT_EQ(run.state.nameOrder.size(), 2u);  // the lists are this file's
  EXPECT_EQ(run.players()[0].handicap, 0);    // opened as it is: nothing rewritten

  f2.newName = "X/../../ESCAPE";
  EXPECT_EQ(f2.continueOn(), Result::Stay);
  EXPECT_EQ(run.fakes.feedback.messages.back().text, "Bad Filename!");
  EXPECT_FALSE(std::filesystem::exists(run.folder.path().parent_path() / "ESCAPE.TNT"));
}

TEST_F(FileFormTest, ContinueWithNothingChosen) {
  form.activate();
  run.fakes.feedback.answers = {Answer::No, Answer::Yes};
  EXPECT_EQ(form.continueOn(), Result::Stay);
  EXPECT_EQ(form.continueOn(), Result::Closed);
  EXPECT_EQ(run.fakes.feedback.questions.back().text, "No File Selected. Exit Anyway?");
  EXPECT_FALSE(run.state.tntLoaded);
  form.newName = "NEW";
  form.course = 0;
  run.fakes.feedback.answers = {Answer::Yes};
  EXPECT_EQ(form.continueOn(), Result::Closed);
  EXPECT_EQ(run.fakes.feedback.questions.back().text, "No Course Setting. Exit Anyway?");
  EXPECT_FALSE(std::filesystem::exists(run.folder / "NEW.TNT"));
}

TEST_F(FileFormTest, DeleteFile) {
  form.activate();
  form.chooseFile("league.tnt");
  ASSERT_EQ(form.continueOn(), Result::Opened);
  TournamentFileForm f2(run.state);
  f2.activate();
  EXPECT_FALSE(f2.deleteFile());  // nothing chosen
  f2.chooseFile("league.tnt");
  run.fakes.feedback.answers = {Answer::No};
  EXPECT_FALSE(f2.deleteFile());
  EXPECT_EQ(run.fakes.feedback.questions.back().text, "Are You Sure You Want To Delete league.tnt?");
  EXPECT_EQ(run.fakes.feedback.questions.back().title, "Attention!");
  EXPECT_TRUE(f2.deleteFile());
  EXPECT_FALSE(std::filesystem::exists(run.folder / "league.tnt"));
  EXPECT_TRUE(run.state.tournamentPath.empty());
  EXPECT_TRUE(run.state.tntLoaded);
  EXPECT_TRUE(f2.files.empty());
}

}  // namespace
}  // namespace teebrook
