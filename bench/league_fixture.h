#pragma once
// Generated leagues of a given size in temporary data folders, made once per size and process.
#include <filesystem>
#include <memory>

#include "data/state.h"
#include "data/system_services.h"

namespace teebrook::bench {

class SilentFeedback final : public Feedback {
 public:
  void message(const std::string&, const std::string&, Icon) override {}
  Answer ask(const std::string&, const std::string&, Buttons, Icon) override { return Answer::Yes; }
  void beep() override {}
  void busy(bool) override {}
  void tip(const std::string&) override {}
};

// A started program with the demo league of n players open as its tournament.
struct League {
  explicit League(int players);
  ~League();
  SilentFeedback feedback;
  FixedClock clock{Date{2026, 6, 13}};
  SeededRandom random{7};
  NoHelp help;
  std::filesystem::path folder;
  std::unique_ptr<State> state;
};

League& league(int players);

}  // namespace teebrook::bench
