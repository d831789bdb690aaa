#pragma once
// What every command of teebrook-cli shares: the started program, its output and its answers.
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/platform.h"
#include "data/state.h"

namespace teebrook::cli {

inline constexpr int kDone = 0;
inline constexpr int kRefused = 1;
inline constexpr int kUsage = 2;
inline constexpr int kLocked = 3;

// A usage error: exit 2 with the message.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// The program refused: exit 1 with its own message.
struct Refusal : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Messages and questions go to stderr as the window would show them; a beep is reported as "beep".
// Questions are answered as the user who ran the command would: go ahead.
class CliFeedback final : public Feedback {
 public:
  explicit CliFeedback(std::ostream& err) : err_(err) {}
  void message(const std::string& text, const std::string&, Icon) override { err_ << text << '\n'; }
  // A question is printed and answered as the user who ran the command would: go ahead.
  Answer ask(const std::string& text, const std::string& title, Buttons buttons, Icon) override {
    err_ << (text.empty() ? title : text) << '\n';
    switch (buttons) {
      case Buttons::Ok:
      case Buttons::OkCancel:
        return Answer::Ok;
      case Buttons::RetryCancel:
        return Answer::Retry;
      default:
        return Answer::Yes;
    }
  }
  void beep() override { err_ << "beep\n"; }
  void busy(bool) override {}
  void tip(const std::string& text) override {
    if (!text.empty()) err_ << text << '\n';
  }

 private:
  std::ostream& err_;
};

struct Context {
  State& state;
  std::ostream& out;
  std::ostream& err;
  CliFeedback& feedback;
  std::vector<std::string> args;  // after the command word(s)
};

using Command = std::function<int(Context&)>;

// The options of a command: flags with a value (--name VALUE) and switches (--name).
class Options {
 public:
  Options(const std::vector<std::string>& args, const std::vector<std::string>& valued,
          const std::vector<std::string>& switches);
  std::optional<std::string> value(const std::string& name) const;
  bool has(const std::string& name) const;
  const std::vector<std::string>& positional() const { return positional_; }
  // A whole number within the range, or a usage error naming the flag.
  std::optional<long long> integer(const std::string& name, long long lo, long long hi) const;

 private:
  std::map<std::string, std::string> values_;
  std::vector<std::string> switches_;
  std::vector<std::string> positional_;
};

// A tournament file name given on the command line: a bare name inside the data folder.
std::string tournamentName(const std::string& name);

// Opens a tournament file as the program does after it was chosen: the current course is the one
// its first player stores, and the indexes are built in memory; nothing is written.
void openForCommand(Context& c, const std::string& name);

// A player's record number given on the command line; refused when the tournament has no such player.
int playerNumber(Context& c, const std::string& text);

}  // namespace teebrook::cli
