#include "results/individual_report.h"

#include <gtest/gtest.h>

#include "results/report_fixture.h"

namespace teebrook {
namespace {
using Lines = std::vector<std::string>;

// Three players: ADAMS (flight 1, handicap 10, 71), BAKER (flight 2, handicap 20, 90) and COLE
// (flight 1, out of competition, the front nine only: 36).
struct ReportTest : ::testing::Test {
  ReportTest() {
    run.useCourse(test::makeCourse());
    std::vector<PlayerRecord> ps = {test::makePlayer("ADAMS", "AL", 10), test::makePlayer("BAKER", "BO", 20),
                                    test::makePlayer("COLE", "CY", 0)};
    ps[0].homeCourse = "OAK HILLS";
    ps[1].flight = 2;
    ps[2].inCompetition = "N";
    run.openTournament(ps);
    run.state.currentCourse = 1;
    bldidx(run.state);
    auto a = test::allHoles(4);
    a[4] = 3;
    test::saveRound(run.state, 1, a);
    test::saveRound(run.state, 2, test::allHoles(5));
    auto c = test::allHoles(0);
    for (std::size_t h = 0; h < 9; ++h) c[h] = 4;
    test::saveRound(run.state, 3, c);
  }
  test::KeptChannel printed(int competition, int sort, const char* flight = "Total Field", int highlight = 0,
                            bool grossNet = false) {
    test::KeptChannel ch;
    ReportRequest r;
    r.competition = competition;
    r.sort = sort;
    r.flightText = flight;
    r.channel = 'P';
    r.highlight = highlight;
    grossNet ? gnrpt(run.state, ch, r) : stdrpt(run.state, ch, r);
    return ch;
  }
  test::Started run;
};

const std::string kTitle1 =
    "  GR  NT  NAME                                                        GRS HC NET";
const std::string kTitle2 =
    " --- ---  ----                                                        --- -- ---";
const std::string kHoles = "          1  2  3  4  5  6  7  8  9    10 11 12 13 14 15 16 17 18";

TEST_F(ReportTest, StandardGrossWithTheHoleSummary) {
  const auto ch = printed(1, 1);
  const Lines expected = {
      "  TEEBROOK",
      " STANDARD  TOTAL FIELD  06-13-2026",
      kTitle1,
      kTitle2,
      kHoles,
      "   1      COLE CY                                                ",
      "          4  4  4  4  4  4  4  4  4 36                             0  36     36",
      "   2      ADAMS AL OAK HILLS                                     ",
      "          4  4  4  4  3  4  4  4  4 35  4  4  4  4  4  4  4  4  4  36  71 10  61",
      "   3      BAKER BO                                               ",
      "          5  5  5  5  5  5  5  5  5 45  5  5  5  5  5  5  5  5  5  45  90 20  70",
      "",
      "           AVERAGE STROKES PER HOLE - PLAYERS: 3 ",
      "",
      "           4.3  4.3  4.3  4.3  4.0  4.3  4.3  4.3  4.3   38.4",
      "           3.0  3.0  3.0  3.0  3.0  3.0  3.0  3.0  3.0   65.4",
      "",
      "           PARS: 18    BIRDIES: 7    EAGLES 0 ",
  };
  EXPECT_EQ(ch.lines(), expected);
  // The titles, headers, places, names and totals are bold; scores and home course are not.
  const auto& l = ch.document.pages[0].lines;
  EXPECT_TRUE(l[0].runs[0].bold);
  EXPECT_TRUE(l[5].runs[0].bold);
  EXPECT_FALSE(l[7].runs[1].bold);  // " OAK HILLS"
  EXPECT_EQ(l[8].runs[0], (teebrook::Run{"          4  4  4  4  3  4  4  4  4", false}));
  EXPECT_EQ(l[8].runs[1], (teebrook::Run{" 35", true}));
  // The summary is kept in the settings.
  EXPECT_EQ(run.state.settings.avgPlayers, 3);
  EXPECT_FLOAT_EQ(run.state.settings.avgHoleScores[4], 4.0f);
}

TEST_F(ReportTest, NetSortHighlightsNetScores) {
  // Handicap 10: hole 5 (index 11) gets no stroke, so its net 3 is the gross 3; BAKER's 5s net 4 or 3.
  const auto ch = printed(1, 2, "Total Field", 3);
  const Lines lines = ch.lines();
  ASSERT_EQ(lines.size(), 11u);  // no summary on a net sort
  EXPECT_EQ(lines[5], "       1  COLE CY                                                ");
  const auto& baker = ch.document.pages[0].lines[10];
  // BAKER's holes of stroke index 1 and 2 (holes 4 and 12) are net 3 and print their gross 5 in bold.
  std::string boldText;
  for (const teebrook::Run& r : baker.runs) {
    if (r.bold) boldText += r.text;
  }
  EXPECT_NE(boldText.find("  5"), std::string::npos);
  EXPECT_EQ(baker.text(), "          5  5  5  5  5  5  5  5  5 45  5  5  5  5  5  5  5  5  5  45  90 20  70");
  int boldFives = 0;
  for (const teebrook::Run& r : baker.runs) {
    if (r.bold && r.text == "  5") ++boldFives;
  }
  EXPECT_EQ(boldFives, 2);
}

TEST_F(ReportTest, OneFlightAndAllFlights) {
  auto ch = printed(1, 1, " 2");
  Lines lines = ch.lines();
  EXPECT_EQ(lines[1], " STANDARD   FLIGHT 2  06-13-2026");
  EXPECT_EQ(lines[5], "   1      BAKER BO                                               ");
  EXPECT_EQ(lines[7], "");  // the summary follows BAKER at once
  EXPECT_NE(lines[8].find("PLAYERS: 1 "), std::string::npos);

  ch = printed(1, 1, "All Flights");
  lines = ch.lines();
  EXPECT_EQ(lines[1], " STANDARD  ALL FLIGHTS  06-13-2026");
  EXPECT_EQ(lines[5], "   1      COLE CY                                                ");
  EXPECT_EQ(lines[7], "   2      ADAMS AL OAK HILLS                                     ");
  EXPECT_EQ(lines[9], "   Flight # 2");  // none before flight 1
  EXPECT_EQ(lines[10], "   1      BAKER BO                                               ");
  EXPECT_NE(lines[13].find("PLAYERS: 1 "), std::string::npos);  // the summary of the highest flight
}

TEST_F(ReportTest, GrossNetPicksInTurn) {
  const auto ch = printed(1, 3, "Total Field", 0, true);
  const Lines expected = {
      "  TEEBROOK",
      "  STANDARD  TOTAL FIELD     06-13-2026",
      kTitle1,
      kTitle2,
      "          1  2  3  4  5  6  7  8  9     10 11 12 13 14 15 16 17 18",
      "   1      COLE CY ",
      "          4  4  4  4  4  4  4  4  4  36                            0  36     36",
      "       1  ADAMS AL OAK HILLS",
      "          4  4  4  4  3  4  4  4  4  35  4  4  4  4  4  4  4  4  4 36  71 10  61",
      "   2      BAKER BO ",
      "          5  5  5  5  5  5  5  5  5  45  5  5  5  5  5  5  5  5  5 45  90 20  70",
  };
  EXPECT_EQ(ch.lines(), expected);
}

TEST_F(ReportTest, DisplayGridRows) {
  test::KeptChannel ch;
  ReportRequest r;
  r.sort = 2;
  r.flightText = "All Flights";
  stdrpt(run.state, ch, r);
  ASSERT_TRUE(ch.grid);
  EXPECT_FALSE(ch.printed);
  EXPECT_EQ(ch.grid->text(),
            "Net Sort - Standard  All Flights\n"
            "GR\tNT\tPlayer's Name\tIC\tGR\tHC\tNT\n"
            "\t1\t COLE CY\tN\t36\t0\t36\n"
            "\t2\t ADAMS AL\tY\t71\t10\t61\n"
            "\t\t Flight # 2\t\t\t\t\n"
            "\t1\t BAKER BO\tY\t90\t20\t70\n");
  EXPECT_EQ(ch.grid->rows.size(), 19u);  // max(3 × 3, 19)

  test::KeptChannel gn;
  r.flightText = "Total Field";
  gnrpt(run.state, gn, r);
  EXPECT_EQ(gn.grid->rows[1][0], "1");
  EXPECT_EQ(gn.grid->rows[1][2], " CY COLE");  // first name first here
  EXPECT_EQ(gn.grid->rows[2][1], "1");
  EXPECT_EQ(gn.grid->rows[2][2], " AL ADAMS");
}

TEST_F(ReportTest, CallawayAndHiddenHole) {
  auto ch = printed(2, 2);
  Lines lines = ch.lines();
  EXPECT_EQ(lines[1], " CALLAWAY  TOTAL FIELD  06-13-2026");
  // Callaway nets: ADAMS 71 (no deduction); BAKER 90, the last of 86 to 90: W1 + W2 + 2 = 12, 78.024;
  // COLE's nine of 36: no deduction.
  EXPECT_EQ(lines[5], "       1  COLE CY                                                ");
  EXPECT_EQ(lines[7], "       2  ADAMS AL OAK HILLS                                     ");
  EXPECT_EQ(lines[10], "          5  5  5  5  5  5  5  5  5 45  5  5  5  5  5  5  5  5  5  45  90 12  78");
  EXPECT_EQ(run.players()[1].callawayHandicap, 12);

  run.state.settings.hiddenHoles = {1, 2, 3, 10, 11, 12};
  run.state.settings.handicapMultiplier = 2;
  ch = printed(5, 2);
  lines = ch.lines();
  EXPECT_EQ(lines[1], " HIDDEN HOLE  TOTAL FIELD  06-13-2026");
  // Out of competition, COLE is not ranked on net; BAKER is 1 over on each hidden hole: 6 × 2 = 12.
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[5], "       1  ADAMS AL OAK HILLS                                     ");
  EXPECT_EQ(lines[8], "          5  5  5  5  5  5  5  5  5 45  5  5  5  5  5  5  5  5  5  45  90 12  78");
  ch = printed(5, 1);
  EXPECT_EQ(ch.lines()[5],
            "   1      COLE CY                                                ");  // but on gross
}

TEST_F(ReportTest, LongReportsRepeatTheHeadersOnEveryPage) {
  std::vector<PlayerRecord> many;
  for (int i = 0; i < 40; ++i) {
    PlayerRecord p = test::makePlayer("P" + std::to_string(100 + i), "X", 5);
    p.holeScores.fill(4);
    p.grossTotal = 72 + i;
    p.netTotal = 67 + i;
    many.push_back(p);
  }
  run.openTournament(many, "MANY.TNT");
  bldidx(run.state);
  const auto ch = printed(1, 2);
  ASSERT_EQ(ch.document.pages.size(), 2u);
  const auto& first = ch.document.pages[0].lines;
  // Lines end at positions 4, 5, ...: the page breaks after the line that ends at 58.
  EXPECT_EQ(first.size(), 55u);
  const auto& second = ch.document.pages[1].lines;
  EXPECT_EQ(second[0].text(), "");
  EXPECT_EQ(second[1].text(), kTitle1);
  EXPECT_TRUE(second[1].runs[0].bold);
  EXPECT_EQ(second[2].text(), kTitle2);
  EXPECT_EQ(second[3].text().substr(0, 12), "      26  P1");  // the next player, no title lines again
  const std::string text = ch.document.text();
  EXPECT_NE(text.find("\n\f\n\n" + kTitle1 + "\n"), std::string::npos);
}

TEST_F(ReportTest, NoPlayersNoOutput) {
  run.openTournament({}, "EMPTY.TNT");
  bldidx(run.state);
  const auto ch = printed(1, 1);
  EXPECT_FALSE(ch.printed);
  EXPECT_FALSE(ch.grid);
  const auto gn = printed(1, 3, "Total Field", 0, true);
  EXPECT_FALSE(gn.printed);
  EXPECT_EQ(run.fakes.feedback.beeps, 1);  // the gross/net report beeps
}

}  // namespace
}  // namespace teebrook
