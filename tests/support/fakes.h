#pragma once
// Scripted stand-ins for the platform: they record every call and answer from a script.
#include <deque>
#include <string>
#include <vector>

#include "data/platform.h"

namespace teebrook::test {

class FakeFeedback final : public Feedback {
 public:
  struct Message {
    std::string text, title;
    Icon icon;
  };
  void message(const std::string& text, const std::string& title, Icon icon) override {
    messages.push_back({text, title, icon});
  }
  Answer ask(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override {
    questions.push_back({text, title, icon});
    if (answers.empty()) {
      // Go ahead, in the words of the buttons shown.
      if (buttons == Buttons::Ok || buttons == Buttons::OkCancel) return Answer::Ok;
      return buttons == Buttons::RetryCancel ? Answer::Retry : Answer::Yes;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void beep() override { ++beeps; }
  void busy(bool on) override { busyCalls.push_back(on); }
  void tip(const std::string& text) override { tips.push_back(text); }

  std::vector<Message> messages, questions;
  std::deque<Answer> answers;  // the answers to give, in order; then Ok, Retry or Yes
  int beeps = 0;
  std::vector<bool> busyCalls;
  std::vector<std::string> tips;
};

class FakeClock final : public Clock {
 public:
  explicit FakeClock(Date d = {2026, 6, 13}) : date(d) {}
  Date today() override { return date; }
  Date date;
};

// Repeats a fixed sequence of values.
class FakeRandom final : public Random {
 public:
  double next() override {
    if (values.empty()) return 0.5;
    const double v = values[pos++ % values.size()];
    return v;
  }
  std::vector<double> values;
  std::size_t pos = 0;
};

class FakeHelp final : public Help {
 public:
  void show(int topic) override { topics.push_back(topic); }
  void close() override { ++closes; }
  std::vector<int> topics;
  int closes = 0;
};

struct FakePlatform {
  FakeFeedback feedback;
  FakeClock clock;
  FakeRandom random;
  FakeHelp help;
  Platform platform() { return Platform{feedback, clock, random, help}; }
};

}  // namespace teebrook::test
