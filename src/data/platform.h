#pragma once
// The core's view of the outside world. Each interface has a Qt implementation in src/ui and a
// scripted fake in tests/support; the core never shows anything itself.
#include <cstdint>
#include <string>

namespace teebrook {

enum class Icon { None, Information, Warning, Question, Critical };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

class Feedback {
 public:
  virtual ~Feedback() = default;
  virtual void message(const std::string& text, const std::string& title, Icon icon) = 0;
  virtual Answer ask(const std::string& text, const std::string& title, Buttons buttons, Icon icon) = 0;
  virtual void beep() = 0;
  virtual void busy(bool on) = 0;
  // A small tip window at the mouse pointer; empty text hides it.
  virtual void tip(const std::string& text) = 0;
};

struct Date {
  int year = 2000;
  int month = 1;
  int day = 1;
  bool operator==(const Date&) const = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date today() = 0;
};

class Random {
 public:
  virtual ~Random() = default;
  // A uniform value in [0, 1).
  virtual double next() = 0;
};

class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
  // False when another copy of the program holds the data folder.
  virtual bool acquire() = 0;
};

class Help {
 public:
  virtual ~Help() = default;
  virtual void show(int topic) = 0;
  virtual void close() = 0;
};

// The platform services one run of the program uses.
struct Platform {
  Feedback& feedback;
  Clock& clock;
  Random& random;
  Help& help;
};

}  // namespace teebrook
