// report: runs the report that the results window's "&Continue" would run for the given choices.
#include <QGuiApplication>
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "app/cli_commands.h"
#include "results/results_run.h"
#include "ui/page_renderer.h"

namespace teebrook::cli {
namespace {

// Keeps the grid and the printed document for the command to write out.
class CliChannel final : public ReportChannel {
 public:
  void gridopen(std::shared_ptr<GridModel> grid) override { grid_ = std::move(grid); }
  void gridcell(int, int) override {}
  bool print(const PrinterDocument& document) override {
    document_ = document;
    printed_ = true;
    return true;
  }
  const GridModel* grid() const { return grid_.get(); }
  const PrinterDocument* document() const { return printed_ ? &document_ : nullptr; }

 private:
  std::shared_ptr<GridModel> grid_;
  PrinterDocument document_;
  bool printed_ = false;
};

int choice(const std::string& flag, const std::string& value, const std::vector<std::string>& words) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i] == value) return static_cast<int>(i) + 1;
  }
  std::string list;
  for (const auto& w : words) list += (list.empty() ? "" : "|") + w;
  throw UsageError(flag + " takes " + list);
}

bool endsWith(const std::string& s, const std::string& tail) {
  if (s.size() < tail.size()) return false;
  std::string end = s.substr(s.size() - tail.size());
  for (char& ch : end) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return end == tail;
}

void writeText(Context& c, const std::optional<std::string>& out, const std::string& text) {
  if (!out) {
    c.out << text;
    return;
  }
  std::ofstream f(*out, std::ios::binary | std::ios::trunc);
  if (!f.write(text.data(), static_cast<std::streamsize>(text.size()))) throw Refusal("cannot write " + *out);
}

// PDF needs fonts, which need a (screenless) GUI application.
void writePdfFile(const std::string& path, const PrinterDocument& doc) {
  std::unique_ptr<QGuiApplication> app;
  if (!QGuiApplication::instance()) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "teebrook-cli";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
  }
  std::string error;
  if (!writePdf(path, doc, error)) throw Refusal(error);
}

int report(Context& c) {
  const Options o(c.args,
                  {"--competition", "--sort", "--grouping", "--flight", "--highlight", "--channel", "--out"},
                  {"--add-to-totals"});
  if (o.positional().size() != 1 || !o.value("--competition") || !o.value("--sort") ||
      !o.value("--grouping") || !o.value("--flight")) {
    throw UsageError(
        "report FILE --competition C --sort gross|net|gross-net --grouping individual|group|multi --flight "
        "total|all|N [--highlight N] [--add-to-totals] [--channel printer|display] [--out PATH]");
  }
  const int competition = choice("--competition", *o.value("--competition"),
                                 {"standard", "callaway", "skins", "quota", "hidden", "bestball", "robin"});
  const int sort = choice("--sort", *o.value("--sort"), {"gross", "net", "gross-net"});
  const int grouping = choice("--grouping", *o.value("--grouping"), {"individual", "group", "multi"});
  const std::string flight = *o.value("--flight");
  int flightCounter = 0;
  if (flight == "total") {
    flightCounter = 0;
  } else if (flight == "all") {
    flightCounter = 1;
  } else {
    const Options one({"--flight", flight}, {"--flight"}, {});
    flightCounter = static_cast<int>(*one.integer("--flight", 1, 299)) + 1;
  }
  const auto highlight = o.integer("--highlight", 0, 7);
  const std::string channelWord = o.value("--channel").value_or("printer");
  if (channelWord != "printer" && channelWord != "display")
    throw UsageError("--channel takes printer|display");

  openForCommand(c, o.positional()[0]);
  ResultsSelection sel(c.state);
  sel.load();
  // The choices are made as in the window, in its order; a refused step is a refusal here.
  sel.spinval(competition);
  if (!sel.spinval2(sort) || !sel.spinval3(grouping)) return kRefused;
  c.state.results.flight = flightCounter;
  if (highlight) sel.highlight = static_cast<int>(*highlight);
  sel.addToTotals = o.has("--add-to-totals");
  sel.display = channelWord == "display";

  CliChannel channel;
  if (!runResults(c.state, channel, sel)) {
    c.err << "no report for these choices\n";
    return kDone;
  }
  const auto out = o.value("--out");
  if (sel.display) {
    if (const GridModel* grid = channel.grid())
      writeText(c, out, out && endsWith(*out, ".csv") ? grid->csv() : grid->text());
  } else if (const PrinterDocument* doc = channel.document()) {
    if (out && endsWith(*out, ".pdf")) {
      writePdfFile(*out, *doc);
    } else {
      writeText(c, out, doc->text());
    }
  }
  return kDone;
}

}  // namespace

void addResultsCommands(std::map<std::string, Command>& commands) {
  commands["report"] = report;
}

}  // namespace teebrook::cli
