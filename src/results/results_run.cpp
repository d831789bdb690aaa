#include "results/results_run.h"

#include <new>
#include <stdexcept>

#include "data/utilities.h"
#include "results/individual_report.h"

namespace teebrook {

bool runResults(State& s, ReportChannel& channel, const ResultsSelection& choices) {
  ReportRequest r;
  r.competition = choices.competition();
  r.sort = choices.sort();
  r.flightText = choices.flightText();
  r.channel = choices.display ? 'D' : 'P';
  r.highlight = choices.highlight;
  r.addToTotals = choices.addToTotals;
  // A report that fails part-way ends with the error's number; rows already written stay.
  const auto failed = [&](int number) {
    s.platform.feedback.busy(false);
    s.platform.feedback.message("", " Error Number " + numtext(static_cast<long long>(number)),
                                Icon::Warning);
  };
  try {
    switch (choices.dispatch()) {
      case ReportKind::Individual:
        stdrpt(s, channel, r);
        return true;
      case ReportKind::GrossNet:
        gnrpt(s, channel, r);
        return true;
      default:
        return false;
    }
  } catch (const std::bad_alloc&) {
    failed(7);  // out of memory
  } catch (const std::out_of_range&) {
    failed(9);  // subscript out of range
  } catch (const std::exception&) {
    failed(5);
  }
  return true;
}

}  // namespace teebrook
