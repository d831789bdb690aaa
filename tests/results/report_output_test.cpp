#include "results/report_output.h"

#include <gtest/gtest.h>

#include "results/report_fixture.h"

namespace teebrook {
namespace {

TEST(PagePrinter, TabsAndBoldRuns) {
  PagePrinter p;
  p.prnopen();
  p.text("AB");
  p.tab(6);
  p.prnbold(true);
  p.text("CD");
  p.prnbold(false);
  p.text("E");
  p.endLine();
  p.text("TOO LONG FOR IT");
  p.tab(5);  // past column 5: on at column 5 of a new line
  p.text("X");
  p.endLine();
  p.text("ÅÅ");
  p.tab(4);  // columns count characters
  p.text("|");
  p.endLine();
  const auto& lines = p.document().pages[0].lines;
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].text(), "AB   CDE");
  EXPECT_EQ(lines[0].runs, (std::vector<teebrook::Run>{{"AB   ", false}, {"CD", true}, {"E", false}}));
  EXPECT_EQ(lines[1].text(), "TOO LONG FOR IT");
  EXPECT_EQ(lines[2].text(), "    X");
  EXPECT_EQ(lines[3].text(), "ÅÅ |");
  EXPECT_EQ(p.position(), PagePrinter::kFirstLine + 4);
}

TEST(PagePrinter, PageBreakAtTheBottomValue) {
  for (int bottom : {58, 53}) {
    PagePrinter p;
    p.prnopen();
    int lines = 0;
    while (p.document().pages.size() == 1) {
      p.text("L" + std::to_string(++lines));
      p.endLine();
      p.pagechk(bottom, "H1", "H2");
    }
    EXPECT_EQ(lines, bottom - PagePrinter::kFirstLine) << bottom;  // the line that ends at the bottom
    EXPECT_EQ(p.document().pages[0].lines.back().text(), "L" + std::to_string(lines));
    const auto& next = p.document().pages[1].lines;
    ASSERT_EQ(next.size(), 3u);
    EXPECT_EQ(next[0].text(), "");
    EXPECT_EQ(next[1].runs, (std::vector<teebrook::Run>{{"H1", true}}));
    EXPECT_EQ(next[2].runs, (std::vector<teebrook::Run>{{"H2", true}}));
    EXPECT_FALSE(p.bold());
    EXPECT_EQ(p.position(), PagePrinter::kFirstLine + 3);
  }
}

TEST(PagePrinter, TextRenderingMarksPages) {
  PrinterDocument d;
  d.pages.resize(2);
  d.pages[0].lines.push_back({{{"ONE", true}}});
  d.pages[1].lines.push_back({{{"TWO", false}}});
  EXPECT_EQ(d.text(), "ONE\n\f\nTWO\n");
}

TEST(GridModel, HeadersRowsAndGrowth) {
  GridModel g;
  g.setgrid(2, GridModel::Mode::Normal);
  EXPECT_EQ(g.rows.size(), 19u);
  EXPECT_EQ(g.rows[0], (std::array<std::string, 7>{"GR", "NT", "Player's Name", "IC", "GR", "HC", "NT"}));
  g.setgrid(10, GridModel::Mode::RoundRobin);
  EXPECT_EQ(g.rows.size(), 30u);
  EXPECT_EQ(g.rows[0][0], "PT");
  EXPECT_EQ(g.rows[0][1], "TP");
  g.setgrid(1, GridModel::Mode::Groups);
  EXPECT_EQ(g.rows[0][0], "");
  EXPECT_EQ(g.rows[0][1], "");
  g.cell(40, 2, "far down");
  EXPECT_EQ(g.rows.size(), 41u);
  EXPECT_EQ(g.lastWritten, 40);
  g.cell(1, 9, "no such column");
  g.rows.resize(3);
  g.lastWritten = 2;
  g.caption = "C";
  g.rows[1][2] = " SMITH, \"J\"";
  EXPECT_EQ(g.csv(), ",,Player's Name,IC,GR,HC,NT\r\n,,\" SMITH, \"\"J\"\"\",,,,\r\n,,,,,,\r\n");
}

TEST(Report, CheckPrinterIsAskedUntilItPrintsOrIsCancelled) {
  test::Started run;
  run.openTournament({test::makePlayer("A")});
  test::KeptChannel ch;
  ch.failures = 2;
  {
    Report r(run.state, ch, 'P');
    r.prnopen();
    r.prnline("X");
    r.prnclose();
  }
  EXPECT_TRUE(ch.printed);
  ASSERT_EQ(run.fakes.feedback.questions.size(), 2u);
  EXPECT_EQ(run.fakes.feedback.questions[0].title, " Check Printer! ");
  EXPECT_EQ(run.fakes.feedback.questions[0].text, "");

  test::KeptChannel broken;
  broken.failures = 5;
  run.fakes.feedback.answers = {Answer::Cancel};
  Report r(run.state, broken, 'P');
  r.prnopen();
  r.prnclose();
  EXPECT_FALSE(broken.printed);
  EXPECT_EQ(run.fakes.feedback.questions.size(), 3u);
}

}  // namespace
}  // namespace teebrook
