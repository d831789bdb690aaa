// score, clear-score and reset.
#include <charconv>

#include "app/cli_commands.h"
#include "scoring/posting.h"
#include "scoring/score_entry.h"

namespace teebrook::cli {
namespace {

// A refusal of score entry is a beep; its message, if any, was already given.
[[noreturn]] void beepRefusal(Context& c) {
  c.feedback.beep();
  throw Refusal("");
}

std::vector<std::string> holeTexts(const std::string& list) {
  std::vector<std::string> texts;
  std::size_t start = 0;
  for (;;) {
    const auto comma = list.find(',', start);
    std::string v = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    int n = 0;
    const auto r = std::from_chars(v.data(), v.data() + v.size(), n);
    if (!v.empty() && (r.ec != std::errc() || r.ptr != v.data() + v.size() || n < 0)) {
      throw UsageError("--holes takes 18 comma-separated scores (empty or 0 for a hole not played)");
    }
    texts.push_back(n == 0 ? "" : v);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (texts.size() != 18) throw UsageError("--holes takes 18 comma-separated scores");
  return texts;
}

int score(Context& c) {
  const Options o(c.args, {"--holes", "--total"}, {});
  if (o.positional().size() != 2 || o.value("--holes").has_value() == o.value("--total").has_value()) {
    throw UsageError("score FILE N --holes H1,...,H18 | score FILE N --total T");
  }
  std::vector<std::string> holes;
  if (auto h = o.value("--holes")) holes = holeTexts(*h);
  const auto total = o.integer("--total", -32768, 32767);
  openForCommand(c, o.positional()[0]);
  const int n = playerNumber(c, o.positional()[1]);
  ScoreEntry entry(c.state);
  if (!entry.selectPlayer(n)) throw Refusal("");
  // As typed in the window: every box changes and is left again; the boxes of a new score start empty.
  for (int h = 0; h < 18 && !holes.empty(); ++h) {
    entry.holeChanged(h, holes[static_cast<std::size_t>(h)]);
    if (entry.holeLeft(h).beep) beepRefusal(c);
  }
  if (total) {
    for (int h = 0; h < 18; ++h) {
      entry.holeChanged(h, "");
      entry.holeLeft(h);
    }
    entry.total = std::to_string(*total);
    entry.netTotal.clear();
    entry.totalLeft();
  }
  const ScoreEntry::Action saved = entry.save();
  if (saved.beep) beepRefusal(c);
  if (saved.focus != ScoreEntry::Focus::List) throw Refusal("");
  return kDone;
}

int clearScore(Context& c) {
  const Options o(c.args, {}, {});
  if (o.positional().size() != 2) throw UsageError("clear-score FILE N");
  openForCommand(c, o.positional()[0]);
  const int n = playerNumber(c, o.positional()[1]);
  ScoreEntry entry(c.state);
  if (!entry.selectPlayer(n)) throw Refusal("");
  if (entry.clearScore().beep) beepRefusal(c);
  return kDone;
}

int reset(Context& c) {
  const Options o(c.args, {}, {"--add", "--clear", "--update", "--season"});
  if (o.positional().size() != 1) throw UsageError("reset FILE [--add] [--clear] [--update] [--season]");
  if (o.has("--update") && !o.has("--clear"))
    throw UsageError("--update posts the scores it clears: it goes with --clear");
  openForCommand(c, o.positional()[0]);
  const UpscoreOptions options{o.has("--add"), o.has("--clear"), o.has("--update"), o.has("--season")};
  if (countPlayers(c.state) == 0) {
    c.feedback.beep();
    return kRefused;
  }
  return upscore(c.state, options) ? kDone : kRefused;
}

}  // namespace

void addScoringCommands(std::map<std::string, Command>& commands) {
  commands["score"] = score;
  commands["clear-score"] = clearScore;
  commands["reset"] = reset;
}

}  // namespace teebrook::cli
