#pragma once
// Message boxes, questions, beep, busy pointer and the tip window for the core.
#include <QWidget>

#include "data/platform.h"
#include "ui/tip_window.h"

namespace teebrook {

class QtFeedback final : public Feedback {
 public:
  void message(const std::string& text, const std::string& title, Icon icon) override;
  Answer ask(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
  void beep() override;
  void busy(bool on) override;
  void tip(const std::string& text) override;

 private:
  int busyDepth_ = 0;
  TipWindow tipWindow_;
};

}  // namespace teebrook
