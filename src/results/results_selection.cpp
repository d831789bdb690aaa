#include "results/results_selection.h"

#include <algorithm>

#include "data/utilities.h"

namespace teebrook {

const char* competitionCaption(int c) {
  static const char* const kNames[] = {"Standard",    "Callaway",  "Skins",      "Quota Points",
                                       "Hidden Hole", "Best Ball", "Round Robin"};
  return c >= 1 && c <= 7 ? kNames[c - 1] : "Standard";
}

namespace {
const char* sortCaptionOf(int s) {
  return s == 2 ? "Net" : s == 3 ? "Gross/Net" : "Gross";
}
const char* groupingCaptionOf(int g) {
  return g == 2 ? "Group Totals" : g == 3 ? "Multiple Rounds" : "Individual";
}
int ring(int value, int direction, int size) {
  return (value - 1 + direction + size) % size + 1;
}
}  // namespace

void ResultsSelection::load() {
  display = true;
  addToTotalsVisible = false;
  addToTotals = false;
  highlight = 0;
  const int c = s_.settings.lastCompetition;
  if (c >= 1 && c <= 7) {
    spinval(c);
  } else {
    competitionCaption = "Standard";
    s_.results.competition = 1;
    highlightVisible = true;
  }
  if (s_.results.sort == 0) {
    sortCaption = "Gross";
    s_.results.sort = 1;
  } else {
    spinval2(s_.results.sort);
  }
  if (s_.results.grouping == 0) {
    groupingCaption = "Individual";
    s_.results.grouping = 1;
  } else {
    spinval3(s_.results.grouping);
  }
}

bool ResultsSelection::spinval(int c) {
  s_.results.competition = c;
  competitionCaption = teebrook::competitionCaption(c);
  if (c == 3) {
    groupingCaption = "Individual";
    s_.results.grouping = 1;
  } else if (c == 6 || c == 7) {
    groupingCaption = "Group Totals";
    s_.results.grouping = 2;
  }
  addToTotalsVisible = c == 7;
  highlightVisible = c == 1;
  s_.settings.lastCompetition = static_cast<Int>(c);
  writeSettings(s_);
  return true;
}

bool ResultsSelection::spinval2(int sort) {
  const int c = s_.results.competition;
  if (sort == 3) {
    if (c == 3 || c == 4 || c == 6 || c == 7) {
      s_.platform.feedback.beep();
      return false;
    }
    highlightVisible = false;
  } else if (c == 1) {
    highlightVisible = true;
  }
  s_.results.sort = sort;
  sortCaption = sortCaptionOf(sort);
  return true;
}

bool ResultsSelection::spinval3(int grouping) {
  const int c = s_.results.competition;
  const bool refused = (grouping == 1 && (c == 6 || c == 7)) || (grouping == 2 && s_.results.sort == 3) ||
                       (grouping == 3 && (c == 3 || c == 6));
  if (refused) {
    s_.platform.feedback.beep();
    return false;
  }
  s_.results.grouping = grouping;
  groupingCaption = groupingCaptionOf(grouping);
  return true;
}

void ResultsSelection::stepCompetition(int direction) {
  spinval(ring(s_.results.competition, direction, 7));
}
void ResultsSelection::stepSort(int direction) {
  spinval2(ring(s_.results.sort, direction, 3));
}
void ResultsSelection::stepGrouping(int direction) {
  spinval3(ring(s_.results.grouping, direction, 3));
}

void ResultsSelection::stepFlight(int direction) {
  // From "Total Field" through "All Flights" to flights 1 to 299, and back; the ends hold.
  s_.results.flight = std::clamp(s_.results.flight + direction, 0, 300);
}

void ResultsSelection::stepHighlight(int direction) {
  highlight = (highlight + direction + 8) % 8;
}

std::string ResultsSelection::flightText() const {
  const int f = s_.results.flight;
  if (f <= 0) return "Total Field";
  if (f == 1) return "All Flights";
  return numtext(static_cast<long long>(f - 1));
}

ReportKind ResultsSelection::dispatch() const {
  const int c = competition(), g = grouping(), s = sort();
  switch (c) {
    case 1:
      if (g == 1) return s == 3 ? ReportKind::GrossNet : ReportKind::Individual;
      if (g == 2) return ReportKind::GroupTotals;
      return s == 3 ? ReportKind::MultipleRoundsGrossNet : ReportKind::MultipleRounds;
    case 2:
    case 5:
      if (g == 1) return s == 3 ? ReportKind::GrossNet : ReportKind::Individual;
      if (g == 2) return ReportKind::CallawayHiddenGroups;
      if (s == 1) return ReportKind::None;
      if (s == 3) return ReportKind::MultipleRoundsGrossNet;
      return c == 5 ? ReportKind::MultipleRoundsHidden : ReportKind::MultipleRounds;
    case 3:
      return g == 2 ? ReportKind::None : ReportKind::Skins;
    case 4:
      return g == 1   ? ReportKind::QuotaIndividual
             : g == 2 ? ReportKind::QuotaGroup
                      : ReportKind::QuotaMultipleRounds;
    case 6:
      return ReportKind::BestBall;
    case 7:
      return ReportKind::RoundRobin;
    default:
      return ReportKind::None;
  }
}

}  // namespace teebrook
