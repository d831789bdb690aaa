#include "results/individual_report.h"

#include <algorithm>

#include "data/utilities.h"
#include "results/scoring_methods.h"
#include "scoring/net_scores.h"

namespace teebrook {
namespace {

const std::string kHeader1 =
    "  GR  NT  NAME                                                        GRS HC NET";
const std::string kHeader2 =
    " --- ---  ----                                                        --- -- ---";

// The competition's words, net order and columns.
struct Competition {
  int number = 1;
  std::string label;
  TotalIndex own;  // callawayOrder or hiddenOrder
  const TotalIndex& netOrder(const State& s) const { return number == 1 ? s.netOrder : own; }

  int handicap(const PlayerRecord& p) const {
    return number == 2 ? p.callawayHandicap : number == 5 ? p.hiddenHandicap : p.handicap;
  }
  double net(const PlayerRecord& p) const {
    return number == 2 ? p.callawayNet : number == 5 ? p.hiddenNet : p.netTotal;
  }
  // The key that puts a player into an All Flights ranking.
  double key(const PlayerRecord& p) const { return number == 1 ? p.grossTotal : net(p); }
};

Competition prepare(State& s, int number, std::vector<PlayerRecord>& players) {
  Competition c;
  c.number = number;
  c.label = number == 2 ? "Callaway " : number == 5 ? "Hidden Hole " : "Standard ";
  if (number == 2) c.own = callwy(s, players);
  if (number == 5) c.own = hidhole(s, players);
  return c;
}

struct Flights {
  bool all = false;
  int one = 0;      // 0: the whole field
  int highest = 0;  // M, for All Flights
  std::string label;
};

Flights flightsOf(const std::string& text, const std::vector<PlayerRecord>& players) {
  Flights f;
  const std::string t = trim(text);
  if (t == "Total Field") {
    f.label = " Total Field";
  } else if (t == "All Flights") {
    f.all = true;
    f.label = " All Flights";
    for (const auto& p : players) f.highest = std::max<int>(f.highest, p.flight);
  } else {
    f.one = static_cast<int>(val(t));
    f.label = "  Flight" + numtext(static_cast<long long>(f.one));
  }
  return f;
}

long long rounded(double v) {
  return static_cast<long long>(roundHalfEven(v));
}
std::string trimmedNumber(long long v) {
  return std::to_string(v);
}

int frontNine(const PlayerRecord& p) {
  int f9 = 0;
  for (std::size_t h = 0; h < 9; ++h) f9 += p.holeScores[h];
  return f9;
}

const PlayerRecord* recordOf(const std::vector<PlayerRecord>& players, int record) {
  if (record < 1 || record > static_cast<int>(players.size())) return nullptr;
  return &players[static_cast<std::size_t>(record - 1)];
}

std::string reductionText(const Competition& c, const PlayerRecord& p) {
  return c.number == 2 && p.callawayReduction > 0 ? " RED: " + std::to_string(p.callawayReduction) : "";
}

// The hole-number line over the scores; the gap stands where the front-nine total goes.
void holeNumbers(Report& out, int gap, int bottom) {
  std::string line(8, ' ');
  for (int h = 1; h <= 9; ++h) line += fmtint(h, 3);
  line += std::string(static_cast<std::size_t>(gap), ' ');
  for (int h = 10; h <= 18; ++h) line += fmtint(h, 3);
  out.prnline(line);
  out.pagechk(bottom, kHeader1, kHeader2);
}

// The title block in bold, then the hole numbers; the gap stands where the front-nine total goes.
void titleBlock(Report& out, const std::string& subtitle, int bottom, int gap) {
  out.prnopen();
  out.prnbold(true);
  out.prnline("  " + reportHeading());
  out.pagechk(bottom, kHeader1, kHeader2);
  out.prnline(subtitle);
  out.pagechk(bottom, kHeader1, kHeader2);
  out.prnline(kHeader1);
  out.pagechk(bottom, kHeader1, kHeader2);
  out.prnline(kHeader2);
  out.prnbold(false);
  out.pagechk(bottom, kHeader1, kHeader2);
  holeNumbers(out, gap, bottom);
}

void gridRow(Report& out, const Competition& c, const PlayerRecord& p, int placeColumn, int place,
             bool firstNameFirst) {
  const int row = out.nextRow();
  out.gridcell(row, placeColumn, trimmedNumber(place));
  const std::string last = p.lastName.rightTrimmed(), first = p.firstName.rightTrimmed();
  out.gridcell(row, 2, " " + (firstNameFirst ? first + " " + last : last + " " + first));
  out.gridcell(row, 3, p.inCompetition.str());
  out.gridcell(row, 4, trimmedNumber(rounded(p.grossTotal)));
  out.gridcell(row, 5, trimmedNumber(c.handicap(p)));
  out.gridcell(row, 6, trimmedNumber(rounded(c.net(p))));
}

// The totals at the end of a score line: back nine, gross, handicap and net.
void totals(Report& out, const Competition& c, const PlayerRecord& p, int f9) {
  out.prnbold(true);
  out.text(numtext(rounded(p.grossTotal - f9)) + " " + fmtint(rounded(p.grossTotal), 3) + " ");
  out.prnbold(false);
  out.text(fmtint(c.handicap(p), 2));
  out.prnbold(true);
  out.text(" " + fmtint(rounded(c.net(p)), 3));
  out.endLine();
  out.prnbold(false);
}

void stdLines(Report& out, const Competition& c, const PlayerRecord& p, bool netSort, int place,
              int highlight) {
  out.prnbold(true);
  out.text(" " + fmtint(place, netSort ? 7 : 3));
  out.tab(11);
  out.text(p.lastName.rightTrimmed() + " " + p.firstName.rightTrimmed());
  out.prnbold(false);
  out.text(" " + p.homeCourse.trimmed());
  out.tab(66);
  out.text(reductionText(c, p));
  out.endLine();
  out.pagechk(58, kHeader1, kHeader2);

  const int f9 = frontNine(p);
  const auto& compared = netSort ? p.netHoleScores : p.holeScores;
  out.text(std::string(8, ' '));
  for (std::size_t h = 0; h < 18; ++h) {
    const bool marked = highlight > 0 && compared[h] == highlight;
    if (marked) out.prnbold(true);
    out.text(fmtint(p.holeScores[h], 3));
    if (marked) out.prnbold(false);
    if (h == 8) {
      out.prnbold(true);
      out.text(fmtint(f9, 3));
      out.prnbold(false);
    }
  }
  out.prnbold(true);
  out.tab(67);
  totals(out, c, p, f9);
  out.pagechk(58, kHeader1, kHeader2);
}

void summary(State& s, Report& out, const std::vector<PlayerRecord>& players, int flight) {
  const HoleCounts counts = holestat(s, players, flight);
  const auto& avg = s.settings.avgHoleScores;
  const auto check = [&] { out.pagechk(58, kHeader1, kHeader2); };
  out.endLine();
  check();
  out.prnbold(true);
  out.prnline("           AVERAGE STROKES PER HOLE - PLAYERS:" +
              numtext(static_cast<long long>(s.settings.avgPlayers)) + " ");
  out.prnbold(false);
  check();
  out.endLine();
  check();
  double front = 0, all = 0;
  std::string line(9, ' ');
  for (std::size_t h = 0; h < 9; ++h) {
    line += fmtdec(avg[h], 5);
    front += avg[h];
  }
  line += fmtdec(static_cast<float>(roundHalfEven(front * 10) / 10), 7);
  out.prnline(line);
  all = front;
  line = std::string(9, ' ');
  for (std::size_t h = 9; h < 18; ++h) {
    line += fmtdec(avg[h], 5);
    all += avg[h];
  }
  line += fmtdec(static_cast<float>(roundHalfEven(all * 10) / 10), 7);
  out.prnline(line);
  check();
  out.endLine();
  check();
  out.prnline("           PARS:" + numtext(static_cast<long long>(counts.pars)) + " " +
              "   BIRDIES:" + numtext(static_cast<long long>(counts.birdies)) + " " + "   EAGLES" +
              numtext(static_cast<long long>(counts.eagles)) + " ");
}

}  // namespace

HoleCounts holestat(State& s, const std::vector<PlayerRecord>& players, int flight) {
  HoleCounts counts;
  s.settings.avgHoleScores.fill(0);
  writeSettings(s);
  if (players.empty()) {
    s.platform.feedback.beep();
    return counts;
  }
  std::array<long long, 18> sums{};
  int counted = 0;
  for (const auto& e : s.grossOrder) {
    const PlayerRecord* p = recordOf(players, e.record);
    if (!(e.key > 0) || !p || (flight != 0 && p->flight != flight)) continue;
    ++counted;
    const auto& par = pars(s.course, p->sex);
    for (std::size_t h = 0; h < 18; ++h) {
      sums[h] += p->holeScores[h];
      const int under = par[h] - p->holeScores[h];
      if (under == 0) ++counts.pars;
      if (under == 1) ++counts.birdies;
      if (under == 2) ++counts.eagles;
    }
  }
  if (counted > 0) {
    for (std::size_t h = 0; h < 18; ++h) {
      s.settings.avgHoleScores[h] =
          static_cast<Single>(roundHalfEven(10.0 * static_cast<double>(sums[h]) / counted) / 10);
    }
  }
  s.settings.avgPlayers = toInteger(counted);
  writeSettings(s);
  return counts;
}

void stdrpt(State& s, ReportChannel& channel, const ReportRequest& r) {
  std::vector<PlayerRecord> players = readPlayers(s);
  s.playerCount = static_cast<int>(players.size());
  if (players.empty()) return;
  s.platform.feedback.busy(true);
  const bool netSort = r.sort == 2;
  const Flights flights = flightsOf(r.flightText, players);
  Report out(s, channel, r.channel);
  const Competition c = prepare(s, r.competition, players);
  if (out.printer()) {
    titleBlock(out, " " + upperCase(c.label + flights.label) + "  " + reportDate(s), 58, 3);
  } else {
    out.gridopen(std::string(netSort ? "Net" : "Gross") + " Sort - " + c.label + flights.label);
  }
  const TotalIndex& order = netSort ? c.netOrder(s) : s.grossOrder;
  const auto write = [&](const PlayerRecord& p, int place) {
    if (out.printer()) {
      stdLines(out, c, p, netSort, place, r.highlight);
    } else {
      gridRow(out, c, p, netSort ? 1 : 0, place, false);
    }
  };
  if (!flights.all) {
    int place = 0;
    for (const auto& e : order) {
      const PlayerRecord* p = recordOf(players, e.record);
      if (!p || !(p->grossTotal > 1) || (flights.one != 0 && p->flight != flights.one)) continue;
      write(*p, ++place);
    }
  } else {
    for (int f = 1; f <= flights.highest; ++f) {
      if (f > 1) {
        if (out.printer()) {
          out.prnline("   Flight #" + numtext(static_cast<long long>(f)));
          out.pagechk(58, kHeader1, kHeader2);
        } else {
          out.gridcell(out.nextRow(), 2, " Flight #" + numtext(static_cast<long long>(f)));
        }
      }
      int place = 0;
      for (const auto& e : order) {
        const PlayerRecord* p = recordOf(players, e.record);
        if (!p || p->flight != f || !(c.key(*p) > 0)) continue;
        write(*p, ++place);
      }
    }
  }
  if (out.printer()) {
    if (!netSort) summary(s, out, players, flights.all ? flights.highest : flights.one);
    out.prnclose();
  }
  s.platform.feedback.busy(false);
}

void gnrpt(State& s, ReportChannel& channel, const ReportRequest& r) {
  std::vector<PlayerRecord> players = readPlayers(s);
  s.playerCount = static_cast<int>(players.size());
  if (players.empty()) {
    s.platform.feedback.beep();
    return;
  }
  s.platform.feedback.busy(true);
  const Flights flights = flightsOf(r.flightText, players);
  Report out(s, channel, r.channel);
  const Competition c = prepare(s, r.competition, players);
  if (out.printer()) {
    titleBlock(out, "  " + upperCase(c.label + flights.label) + "     " + reportDate(s), 53, 4);
  } else {
    out.gridopen("Gross/Net Sort - " + c.label + flights.label);
  }
  const bool hidden = c.number == 5;
  const auto inFlight = [&](const PlayerRecord& p, int f) { return f == 0 || p.flight == f; };

  const auto writePick = [&](const PlayerRecord& p, bool gross, int place) {
    if (!out.printer()) {
      gridRow(out, c, p, gross ? 0 : 1, place, true);
      return;
    }
    out.prnbold(true);
    out.text(" " + fmtint(place, gross ? 3 : 7));
    out.tab(11);
    out.text(p.lastName.rightTrimmed() + " " + p.firstName.rightTrimmed());
    out.prnbold(false);
    out.text(" " + p.homeCourse.trimmed() + (gross ? reductionText(c, p) : ""));
    out.endLine();
    out.pagechk(53, kHeader1, kHeader2);
    const int f9 = frontNine(p);
    std::string front(8, ' ');
    for (std::size_t h = 0; h < 9; ++h) front += fmtint(p.holeScores[h], 3);
    out.text(front);
    out.prnbold(true);
    out.text(" " + fmtint(f9, 3));
    out.prnbold(false);
    std::string back;
    for (std::size_t h = 9; h < 18; ++h) back += fmtint(p.holeScores[h], 3);
    out.text(back);
    totals(out, c, p, f9);
    out.pagechk(53, kHeader1, kHeader2);
  };

  const auto run = [&](int f) {
    // The candidates in ranking order; gross and net picks in turn, nobody twice. Each search starts
    // at the top of its list, so an index past the picked and the unqualified serves as its start.
    std::vector<int> gross, net;
    for (const auto& e : s.grossOrder) {
      const PlayerRecord* p = recordOf(players, e.record);
      if (p && inFlight(*p, f)) gross.push_back(e.record);
    }
    for (const auto& e : c.netOrder(s)) {
      const PlayerRecord* p = recordOf(players, e.record);
      if (p && inFlight(*p, f) && (f == 0 || !hidden || p->inCompetition.is("Y"))) net.push_back(e.record);
    }
    std::vector<bool> picked(players.size() + 1);
    const auto grossQualifies = [&](int rec) {
      const PlayerRecord& p = players[static_cast<std::size_t>(rec - 1)];
      return p.grossTotal > 1 && (!hidden || p.inCompetition.is("Y"));
    };
    const auto netQualifies = [&](int rec) {
      return players[static_cast<std::size_t>(rec - 1)].grossTotal > 1;
    };
    std::size_t g = 0, n = 0;
    for (int place = 1;; ++place) {
      while (g < gross.size() && (picked[static_cast<std::size_t>(gross[g])] || !grossQualifies(gross[g])))
        ++g;
      if (g == gross.size()) break;
      picked[static_cast<std::size_t>(gross[g])] = true;
      writePick(players[static_cast<std::size_t>(gross[g] - 1)], true, place);
      while (n < net.size() && (picked[static_cast<std::size_t>(net[n])] || !netQualifies(net[n]))) ++n;
      if (n == net.size()) break;
      picked[static_cast<std::size_t>(net[n])] = true;
      writePick(players[static_cast<std::size_t>(net[n] - 1)], false, place);
    }
  };

  if (!flights.all) {
    run(flights.one);
  } else {
    for (int f = 1; f <= flights.highest; ++f) {
      if (f > 1) {
        if (out.printer()) {
          out.prnline("Flight" + numtext(static_cast<long long>(f)));
          out.pagechk(53, kHeader1, kHeader2);
        } else {
          out.gridcell(out.nextRow(), 2, "Flight" + numtext(static_cast<long long>(f)));
        }
      }
      run(f);
    }
  }
  if (out.printer()) out.prnclose();
  s.platform.feedback.busy(false);
}

}  // namespace teebrook
