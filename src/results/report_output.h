#pragma once
// The two output channels of every report: the display grid and the printer page model. Reports
// write through a Report, which keeps both models; a ReportChannel shows the grid while it fills
// and receives the finished printer document.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "data/state.h"

namespace teebrook {

// A run of text on a printed line.
struct Run {
  std::string text;
  bool bold = false;
  bool operator==(const Run&) const = default;
};
struct PrintedLine {
  std::vector<Run> runs;
  std::string text() const;
};
struct PrintedPage {
  std::vector<PrintedLine> lines;
};
// A printed document: 60 units to the page, one unit a line, the first line at 3.
struct PrinterDocument {
  std::vector<PrintedPage> pages;
  int fontPoints = 12;
  // Each line as its characters; a page after the first begins with a line holding a form feed.
  std::string text() const;
};

// The printer page model.
class PagePrinter {
 public:
  static constexpr int kFirstLine = 3;
  void prnopen();
  void prnbold(bool on) { bold_ = on; }
  bool bold() const { return bold_; }
  // Items of the current line: text, or a tab to column n (from 1) that continues on a new line at
  // column n when the line is past it already.
  void text(const std::string& utf8);
  void tab(int column);
  void endLine();
  // A new page when the position is at or below the bottom: one empty line, then the two header
  // lines in bold.
  void pagechk(int bottom, const std::string& header1, const std::string& header2);
  // Ends a line that is still open.
  void finish();
  int position() const { return position_; }
  const PrinterDocument& document() const { return doc_; }

 private:
  PrinterDocument doc_;
  PrintedLine current_;
  bool open_ = false;
  bool bold_ = false;
  int position_ = kFirstLine;
  int column_ = 1;
};

// The grid of the display window: 7 columns, row 0 the header.
struct GridModel {
  static constexpr int kColumns = 7;
  static constexpr std::array<int, kColumns> kWidths = {590, 630, 3520, 300, 600, 400, 600};  // twips
  enum class Mode { Normal, Groups, RoundRobin };

  std::string caption = "Display";
  std::vector<std::array<std::string, kColumns>> rows;  // rows[0] is the header row
  int lastWritten = 0;                                  // highest row written by the report

  // `setgrid`: the header texts and max(3 × players, 19) rows.
  void setgrid(int playerCount, Mode mode);
  // Writes a cell; the grid grows when a report writes past its rows.
  void cell(int row, int column, const std::string& text);
  // Rows 0 to the last written: cells joined by tabs, one row a line, after the caption line.
  std::string text() const;
  // The same rows as CSV (RFC 4180 quoting).
  std::string csv() const;
};

// Where a report's output goes on this platform.
class ReportChannel {
 public:
  virtual ~ReportChannel() = default;
  // Shows the display window with this grid, not modally; the grid fills as the report writes and
  // stays with the window after the report.
  virtual void gridopen(std::shared_ptr<GridModel> grid) = 0;
  // A cell was written.
  virtual void gridcell(int row, int column) = 0;
  // The finished document goes to the printer; false when the printer failed (the user is asked
  // " Check Printer! " and it is tried again, or the report ends on Cancel).
  virtual bool print(const PrinterDocument& document) = 0;
};

// One run of a report: the channel fixed at its start, and the operations the reports call.
class Report {
 public:
  Report(State& state, ReportChannel& channel, char channelCode,
         GridModel::Mode mode = GridModel::Mode::Normal)
      : s_(state), channel_(channel), code_(channelCode), mode_(mode) {}

  char rptchan() const { return code_; }
  bool printer() const { return code_ == 'P'; }

  void gridopen(const std::string& caption);
  void gridcell(int row, int column, const std::string& text);
  // The next grid row of the report (rows count from 1 over the whole report).
  int nextRow() { return ++row_; }

  void prnopen() { printer_.prnopen(); }
  void prnbold(bool on) { printer_.prnbold(on); }
  void text(const std::string& t) { printer_.text(t); }
  void tab(int column) { printer_.tab(column); }
  void endLine() { printer_.endLine(); }
  // A whole line of plain text.
  void prnline(const std::string& t) {
    printer_.text(t);
    printer_.endLine();
  }
  void pagechk(int bottom, const std::string& h1, const std::string& h2) { printer_.pagechk(bottom, h1, h2); }
  // Ends the document and prints it, asking " Check Printer! " while the printer fails.
  void prnclose();

  GridModel& grid() { return *grid_; }
  const PrinterDocument& document() const { return printer_.document(); }

 private:
  State& s_;
  ReportChannel& channel_;
  char code_;
  GridModel::Mode mode_;
  std::shared_ptr<GridModel> grid_ = std::make_shared<GridModel>();
  PagePrinter printer_;
  int row_ = 0;
};

// Report dates: "MM-DD-YYYY".
std::string reportDate(State& s);
// The report heading in capitals.
std::string reportHeading();

}  // namespace teebrook
