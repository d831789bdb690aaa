#include "data/system_services.h"

#include <chrono>
#include <ctime>

namespace teebrook {

Date SystemClock::today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

SeededRandom::SeededRandom(std::optional<std::uint32_t> seed)
    : engine_(seed
                  ? *seed
                  : static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count())) {
}

double SeededRandom::next() {
  // 53 random bits from two draws, scaled into [0, 1).
  const double a = static_cast<double>(engine_() >> 5);
  const double b = static_cast<double>(engine_() >> 6);
  return (a * 67108864.0 + b) / 9007199254740992.0;
}

}  // namespace teebrook
