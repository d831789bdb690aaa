#pragma once
// Text(n) and reserved fields of the records: exactly n bytes, Windows-1252, space padded, no terminator.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/ansi.h"

namespace teebrook {

template <std::size_t N>
class Text {
 public:
  static constexpr std::size_t width = N;

  Text() { bytes_.fill(' '); }
  explicit Text(std::string_view utf8) { *this = utf8; }

  // Assigns UTF-8 text: converted to the code page, cut to N characters, padded with blanks.
  Text& operator=(std::string_view utf8) {
    setRaw(utf8ToAnsi(utf8));
    return *this;
  }
  // Assigns text already in the code page.
  void setRaw(std::string_view ansi) {
    bytes_.fill(' ');
    std::copy_n(ansi.begin(), std::min(ansi.size(), N), bytes_.begin());
  }

  // The whole field, N characters.
  std::string raw() const { return std::string(bytes_.begin(), bytes_.end()); }
  std::string str() const { return ansiToUtf8(raw()); }
  // Trimmed of blanks on both sides (a never-written field holds zero bytes, which count as blanks).
  std::string trimmed() const { return ansiToUtf8(trimmedRaw()); }
  std::string trimmedRaw() const {
    std::size_t b = 0, e = N;
    while (b < e && isBlank(bytes_[b])) ++b;
    while (e > b && isBlank(bytes_[e - 1])) --e;
    return std::string(bytes_.begin() + b, bytes_.begin() + e);
  }
  // Without trailing blanks only, as the record dumps write text.
  std::string rightTrimmed() const {
    std::size_t e = N;
    while (e > 0 && isBlank(bytes_[e - 1])) --e;
    return ansiToUtf8(std::string_view(bytes_.data(), e));
  }
  // True when the trimmed field equals the text (flags "Y" / "N").
  bool is(std::string_view utf8) const { return trimmed() == utf8; }
  bool empty() const { return trimmedRaw().empty(); }

  std::array<char, N>& bytes() { return bytes_; }
  const std::array<char, N>& bytes() const { return bytes_; }
  bool operator==(const Text&) const = default;

 private:
  static bool isBlank(char c) { return c == ' ' || c == '\0'; }
  std::array<char, N> bytes_;
};

// Reserved bytes that are never interpreted: kept exactly as read, zero in a new record.
template <std::size_t N>
struct Bytes {
  std::array<std::uint8_t, N> data{};
  bool operator==(const Bytes&) const = default;
};

}  // namespace teebrook
