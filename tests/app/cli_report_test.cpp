// teebrook-cli report, end to end: the printer's text, the grid, CSV and PDF.
#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/fixtures.h"

namespace teebrook {
namespace {
using test::runCli;

struct CliReport : ::testing::Test {
  CliReport() {
    EXPECT_EQ(runCli({"--data", d, "--seed", "5", "--date", "06-13-2026", "demo", "--players", "8"}).status,
              0);
    for (int i = 1; i <= 4; ++i) {
      const std::string h = std::to_string(3 + i);
      EXPECT_EQ(runCli({"--data", d, "score", "LEAGUE.TNT", std::to_string(i), "--holes",
                        "4,5,3,4," + h + ",3,4,5,4,4,3,5,4,4,3,4,5,4"})
                    .status,
                0);
    }
  }
  test::TempFolder dir;
  std::string d = dir.path().string();
};

TEST_F(CliReport, PrinterText) {
  const auto r = runCli({"--data", d, "--date", "06-13-2026", "report", "LEAGUE.TNT", "--competition",
                         "standard", "--sort", "gross", "--grouping", "individual", "--flight", "total"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("  TEEBROOK\n STANDARD  TOTAL FIELD  06-13-2026\n", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("AVERAGE STROKES PER HOLE - PLAYERS:"), std::string::npos);
  // The same report into a file.
  ASSERT_EQ(runCli({"--data", d, "--date", "06-13-2026", "report", "LEAGUE.TNT", "--competition", "standard",
                    "--sort", "gross", "--grouping", "individual", "--flight", "total", "--out",
                    (dir / "r.txt").string()})
                .status,
            0);
  const auto bytes = test::readBytes(dir / "r.txt");
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), r.out);
}

TEST_F(CliReport, DisplayGridAndCsv) {
  const auto r = runCli({"--data", d, "report", "LEAGUE.TNT", "--competition", "callaway", "--sort", "net",
                         "--grouping", "individual", "--flight", "all", "--channel", "display"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("Net Sort - Callaway  All Flights\nGR\tNT\tPlayer's Name\tIC\tGR\tHC\tNT\n", 0), 0u)
      << r.out;
  ASSERT_EQ(runCli({"--data", d, "report", "LEAGUE.TNT", "--competition", "standard", "--sort", "gross-net",
                    "--grouping", "individual", "--flight", "total", "--channel", "display", "--out",
                    (dir / "r.csv").string()})
                .status,
            0);
  const auto csv = test::readBytes(dir / "r.csv");
  EXPECT_EQ(std::string(csv.begin(), csv.begin() + 33), "GR,NT,Player's Name,IC,GR,HC,NT\r\n");
}

TEST_F(CliReport, Pdf) {
  const auto r = runCli({"--data", d, "report", "LEAGUE.TNT", "--competition", "hidden", "--sort", "net",
                         "--grouping", "individual", "--flight", "total", "--out", (dir / "r.pdf").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto pdf = test::readBytes(dir / "r.pdf");
  ASSERT_GT(pdf.size(), 500u);
  EXPECT_EQ(std::string(pdf.begin(), pdf.begin() + 5), "%PDF-");
}

TEST_F(CliReport, RefusalsAndChoicesWithoutAReport) {
  const auto skins = runCli({"--data", d, "report", "LEAGUE.TNT", "--competition", "skins", "--sort",
                             "gross-net", "--grouping", "individual", "--flight", "total"});
  EXPECT_EQ(skins.status, 1);
  EXPECT_EQ(skins.err, "beep\n");
  const auto none = runCli({"--data", d, "report", "LEAGUE.TNT", "--competition", "callaway", "--sort",
                            "gross", "--grouping", "multi", "--flight", "total"});
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, "");
  EXPECT_EQ(runCli({"--data", d, "report", "LEAGUE.TNT", "--competition", "golf", "--sort", "gross",
                    "--grouping", "individual", "--flight", "total"})
                .status,
            2);
  EXPECT_EQ(runCli({"--data", d, "report", "LEAGUE.TNT", "--competition", "standard", "--sort", "gross",
                    "--grouping", "individual", "--flight", "300"})
                .status,
            2);
}

}  // namespace
}  // namespace teebrook
