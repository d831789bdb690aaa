#pragma once
// The toolkit-free implementations of the clock, the random generator and a help that shows nothing.
#include <optional>
#include <random>

#include "data/platform.h"

namespace teebrook {

class SystemClock final : public Clock {
 public:
  Date today() override;
};

class FixedClock final : public Clock {
 public:
  explicit FixedClock(Date d) : date_(d) {}
  Date today() override { return date_; }

 private:
  Date date_;
};

// std::mt19937 seeded from the clock, or from a given seed for repeatable runs.
class SeededRandom final : public Random {
 public:
  explicit SeededRandom(std::optional<std::uint32_t> seed = std::nullopt);
  double next() override;

 private:
  std::mt19937 engine_;
};

class NoHelp final : public Help {
 public:
  void show(int) override {}
  void close() override {}
};

}  // namespace teebrook
