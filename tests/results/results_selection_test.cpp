#include "results/results_selection.h"

#include <gtest/gtest.h>

#include "support/fixtures.h"

namespace teebrook {
namespace {

TEST(ResultsSelection, FirstOpeningAndTheKeptChoices) {
  test::Started run;
  run.state.settings.lastCompetition = 9;
  ResultsSelection sel(run.state);
  sel.load();
  EXPECT_EQ(sel.competitionCaption, "Standard");
  EXPECT_EQ(sel.sortCaption, "Gross");
  EXPECT_EQ(sel.groupingCaption, "Individual");
  EXPECT_EQ(sel.flightText(), "Total Field");
  EXPECT_EQ(sel.highlightText(), " 0");
  EXPECT_TRUE(sel.display);
  sel.stepCompetition(1);
  sel.stepSort(1);
  sel.stepFlight(1);
  sel.stepFlight(1);
  sel.stepFlight(1);
  sel.highlight = 5;
  sel.display = false;
  // Opened again: competition, sort, grouping and flight kept; highlight and output afresh.
  ResultsSelection again(run.state);
  again.load();
  EXPECT_EQ(again.competitionCaption, "Callaway");
  EXPECT_EQ(again.sortCaption, "Net");
  EXPECT_EQ(again.flightText(), " 2");
  EXPECT_EQ(again.highlight, 0);
  EXPECT_TRUE(again.display);
  SettingsRecord s;
  decode(test::readBytes(run.folder / "tntdef.txt"), s);
  EXPECT_EQ(s.lastCompetition, 2);  // written at every step
}

TEST(ResultsSelection, RingsAndRefusals) {
  test::Started run;
  ResultsSelection sel(run.state);
  sel.load();
  sel.stepCompetition(-1);
  EXPECT_EQ(sel.competitionCaption, "Round Robin");
  EXPECT_EQ(sel.groupingCaption, "Group Totals");
  EXPECT_TRUE(sel.addToTotalsVisible);
  EXPECT_FALSE(sel.highlightVisible);
  sel.stepCompetition(1);
  EXPECT_EQ(sel.competition(), 1);
  EXPECT_TRUE(sel.highlightVisible);

  // Gross/Net stays when the competition changes; Skins resets the grouping to Individual.
  sel.spinval3(1);
  sel.spinval2(3);
  EXPECT_FALSE(sel.highlightVisible);
  EXPECT_EQ(run.fakes.feedback.beeps, 0);
  sel.stepGrouping(1);  // Group Totals while Gross/Net: refused
  EXPECT_EQ(run.fakes.feedback.beeps, 1);
  EXPECT_EQ(sel.groupingCaption, "Individual");
  sel.spinval(3);
  EXPECT_EQ(sel.sortCaption, "Gross/Net");
  EXPECT_EQ(sel.groupingCaption, "Individual");
  sel.spinval(1);
  EXPECT_TRUE(sel.highlightVisible);  // Standard shows the highlight again
  sel.spinval2(2);

  // Under Skins, Gross/Net is refused and Net stays.
  sel.spinval(3);
  sel.stepSort(1);
  EXPECT_EQ(run.fakes.feedback.beeps, 2);
  EXPECT_EQ(sel.sortCaption, "Net");
  EXPECT_EQ(sel.sort(), 2);
  EXPECT_EQ(sel.dispatch(), ReportKind::Skins);
  sel.stepGrouping(1);
  EXPECT_EQ(sel.grouping(), 2);
  sel.stepGrouping(1);  // Multiple Rounds: refused for Skins
  EXPECT_EQ(sel.grouping(), 2);

  // The flight ring ends hold; the highlight goes round 0 to 7.
  sel.stepFlight(-1);
  EXPECT_EQ(sel.flightText(), "Total Field");
  for (int i = 0; i < 400; ++i) sel.stepFlight(1);
  EXPECT_EQ(sel.flightText(), " 299");
  sel.stepHighlight(-1);
  EXPECT_EQ(sel.highlightText(), " 7");
  sel.stepHighlight(1);
  EXPECT_EQ(sel.highlight, 0);
}

TEST(ResultsSelection, DispatchTable) {
  test::Started run;
  ResultsSelection sel(run.state);
  sel.load();
  const struct {
    int competition, grouping, sort;
    ReportKind kind;
  } rows[] = {
      {1, 1, 1, ReportKind::Individual},
      {1, 1, 2, ReportKind::Individual},
      {1, 1, 3, ReportKind::GrossNet},
      {1, 2, 2, ReportKind::GroupTotals},
      {1, 3, 1, ReportKind::MultipleRounds},
      {1, 3, 3, ReportKind::MultipleRoundsGrossNet},
      {2, 1, 2, ReportKind::Individual},
      {2, 1, 3, ReportKind::GrossNet},
      {2, 2, 1, ReportKind::CallawayHiddenGroups},
      {2, 3, 2, ReportKind::MultipleRounds},
      {2, 3, 3, ReportKind::MultipleRoundsGrossNet},
      {2, 3, 1, ReportKind::None},
      {3, 1, 1, ReportKind::Skins},
      {3, 3, 2, ReportKind::Skins},
      {3, 2, 1, ReportKind::None},
      {4, 1, 1, ReportKind::QuotaIndividual},
      {4, 2, 2, ReportKind::QuotaGroup},
      {4, 3, 1, ReportKind::QuotaMultipleRounds},
      {5, 1, 1, ReportKind::Individual},
      {5, 1, 3, ReportKind::GrossNet},
      {5, 2, 2, ReportKind::CallawayHiddenGroups},
      {5, 3, 2, ReportKind::MultipleRoundsHidden},
      {5, 3, 3, ReportKind::MultipleRoundsGrossNet},
      {5, 3, 1, ReportKind::None},
      {6, 2, 1, ReportKind::BestBall},
      {7, 2, 2, ReportKind::RoundRobin},
  };
  for (const auto& r : rows) {
    run.state.results = {r.competition, r.sort, r.grouping, 0};
    EXPECT_EQ(sel.dispatch(), r.kind) << r.competition << " " << r.grouping << " " << r.sort;
  }
}

}  // namespace
}  // namespace teebrook
