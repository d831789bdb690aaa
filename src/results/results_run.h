#pragma once
// "&Continue" of the results window: runs the report that the choices select.
#include "data/state.h"
#include "results/report_output.h"
#include "results/results_selection.h"

namespace teebrook {

// Runs the report; false when the choices select no report, or one that is not part of the
// program yet (nothing is shown then).
bool runResults(State& s, ReportChannel& channel, const ResultsSelection& choices);

}  // namespace teebrook
