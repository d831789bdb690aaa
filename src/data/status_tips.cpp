#include "data/status_tips.h"

namespace teebrook {

TipSelector::Selection TipSelector::select(int n, bool showTips) {
  if (!showTips) return {};
  number_ = n;
  if (n == 0) return {true, Timer::Stop};
  return {false, Timer::Start};
}

std::optional<TipSelector::Tick> TipSelector::tick(bool showTips, const TextOf& textOf) const {
  if (!showTips) return std::nullopt;
  if (auto text = textOf ? textOf(number_) : std::nullopt) return Tick{*text, false};
  return Tick{"", true};
}

}  // namespace teebrook
