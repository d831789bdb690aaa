#pragma once
// The results window without its widgets: the competition, sort, grouping and flight with their
// rings and refusals, the highlight number, the output choice, and which report they select.
#include <string>

#include "data/state.h"
#include "data/utilities.h"

namespace teebrook {

enum class ReportKind {
  None,
  Individual,      // stdrpt
  GrossNet,        // gnrpt
  GroupTotals,     // Standard group totals
  MultipleRounds,  // on gross or net
  MultipleRoundsGrossNet,
  MultipleRoundsHidden,
  CallawayHiddenGroups,
  Skins,
  QuotaIndividual,
  QuotaGroup,
  QuotaMultipleRounds,
  BestBall,
  RoundRobin,
};

class ResultsSelection {
 public:
  explicit ResultsSelection(State& state) : s_(state) {}

  // Opening the window: the choices kept from earlier, the highlight at 0, "&Display".
  void load();

  bool spinval(int competition);
  bool spinval2(int sort);
  bool spinval3(int grouping);
  // One step of a spinner, forward (+1) or back (-1).
  void stepCompetition(int direction);
  void stepSort(int direction);
  void stepGrouping(int direction);
  void stepFlight(int direction);
  void stepHighlight(int direction);

  int competition() const { return s_.results.competition; }
  int sort() const { return s_.results.sort; }
  int grouping() const { return s_.results.grouping; }
  int flightCounter() const { return s_.results.flight; }

  // What the panels show.
  std::string competitionCaption, sortCaption, groupingCaption;
  std::string flightText() const;
  std::string highlightText() const { return teebrook::numtext(static_cast<long long>(highlight)); }
  bool highlightVisible = true;
  bool addToTotalsVisible = false;

  bool display = true;  // "&Display", else "&Print"
  int highlight = 0;
  bool addToTotals = false;

  // The report that "&Continue" runs for these choices.
  ReportKind dispatch() const;

 private:
  State& s_;
};

const char* competitionCaption(int c);

}  // namespace teebrook
