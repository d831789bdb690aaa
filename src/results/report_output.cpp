#include "results/report_output.h"

#include <cctype>

#include "data/utilities.h"

namespace teebrook {

std::string PrintedLine::text() const {
  std::string s;
  for (const Run& r : runs) s += r.text;
  return s;
}

std::string PrinterDocument::text() const {
  std::string out;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) out += "\f\n";
    for (const PrintedLine& l : pages[p].lines) out += l.text() + "\n";
  }
  return out;
}

void PagePrinter::prnopen() {
  doc_ = PrinterDocument{};
  doc_.pages.emplace_back();
  current_ = PrintedLine{};
  open_ = true;
  bold_ = false;
  position_ = kFirstLine;
  column_ = 1;
}

void PagePrinter::text(const std::string& utf8) {
  if (utf8.empty()) return;
  auto& runs = current_.runs;
  if (!runs.empty() && runs.back().bold == bold_) {
    runs.back().text += utf8;
  } else {
    runs.push_back({utf8, bold_});
  }
  // Columns count characters, not bytes.
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++column_;
  }
}

void PagePrinter::tab(int column) {
  if (column_ > column) {
    endLine();
  }
  if (column_ < column) text(std::string(static_cast<std::size_t>(column - column_), ' '));
}

void PagePrinter::endLine() {
  if (!open_) prnopen();
  doc_.pages.back().lines.push_back(std::move(current_));
  current_ = PrintedLine{};
  column_ = 1;
  ++position_;
}

void PagePrinter::pagechk(int bottom, const std::string& header1, const std::string& header2) {
  if (position_ < bottom) return;
  doc_.pages.emplace_back();
  position_ = kFirstLine;
  endLine();  // one empty line
  bold_ = true;
  text(header1);
  endLine();
  text(header2);
  endLine();
  bold_ = false;
}

void PagePrinter::finish() {
  if (!current_.runs.empty()) endLine();
}

void GridModel::setgrid(int playerCount, Mode mode) {
  rows.assign(static_cast<std::size_t>(std::max(3 * playerCount, 19)), {});
  auto& h = rows[0];
  h = {"GR", "NT", "Player's Name", "IC", "GR", "HC", "NT"};
  if (mode == Mode::RoundRobin) {
    h[0] = "PT";
    h[1] = "TP";
  } else if (mode == Mode::Groups) {
    h[0].clear();
    h[1].clear();
  }
  lastWritten = 0;
}

void GridModel::cell(int row, int column, const std::string& text) {
  if (row < 0 || column < 0 || column >= kColumns) return;
  if (static_cast<std::size_t>(row) >= rows.size()) rows.resize(static_cast<std::size_t>(row) + 1);
  rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
  lastWritten = std::max(lastWritten, row);
}

std::string GridModel::text() const {
  std::string out = caption + "\n";
  for (int r = 0; r <= lastWritten && r < static_cast<int>(rows.size()); ++r) {
    const auto& row = rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < kColumns; ++c) {
      if (c) out += '\t';
      out += row[static_cast<std::size_t>(c)];
    }
    out += '\n';
  }
  return out;
}

std::string GridModel::csv() const {
  std::string out;
  for (int r = 0; r <= lastWritten && r < static_cast<int>(rows.size()); ++r) {
    const auto& row = rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < kColumns; ++c) {
      if (c) out += ',';
      const std::string& cell = row[static_cast<std::size_t>(c)];
      if (cell.find_first_of(",\"\n\r") == std::string::npos &&
          (cell.empty() || (cell.front() != ' ' && cell.back() != ' '))) {
        out += cell;
      } else {
        out += '"';
        for (char ch : cell) out += ch == '"' ? std::string("\"\"") : std::string(1, ch);
        out += '"';
      }
    }
    out += "\r\n";
  }
  return out;
}

void Report::gridopen(const std::string& caption) {
  grid_->setgrid(countPlayers(s_), mode_);
  grid_->caption = caption;
  channel_.gridopen(grid_);
}

void Report::gridcell(int row, int column, const std::string& text) {
  grid_->cell(row, column, text);
  channel_.gridcell(row, column);
}

void Report::prnclose() {
  printer_.finish();  // a line still open ends with the document
  while (!channel_.print(printer_.document())) {
    if (s_.platform.feedback.ask("", " Check Printer! ", Buttons::OkCancel, Icon::None) != Answer::Ok) return;
  }
}

std::string reportDate(State& s) {
  return longDateText(s.platform.clock.today());
}

std::string reportHeading() {
  return upperCase(ttltxt(""));
}

}  // namespace teebrook
