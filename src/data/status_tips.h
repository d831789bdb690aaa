#pragma once
// The status-line tip of a window: pointing at a control selects its tip number, and a one-second
// timer writes that tip's text into the window's status panel while tips are shown.
#include <functional>
#include <optional>
#include <string>

namespace teebrook {

class TipSelector {
 public:
  enum class Timer { Unchanged, Start, Stop };
  struct Selection {
    bool clearPanel = false;
    Timer timer = Timer::Unchanged;
  };
  struct Tick {
    std::string text;            // what the status panel shows
    bool hideTipWindow = false;  // a number without a text also hides the tip window
  };
  using TextOf = std::function<std::optional<std::string>(int)>;

  // Pointing at a control with tip number n; 0 for the window background or a panel without a tip.
  Selection select(int n, bool showTips);
  // A timer tick; nothing when tips are off.
  std::optional<Tick> tick(bool showTips, const TextOf& textOf) const;
  int number() const { return number_; }

 private:
  int number_ = 0;
};

}  // namespace teebrook
