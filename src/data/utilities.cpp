#include "data/utilities.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "data/ansi.h"

namespace teebrook {

double roundHalfEven(double v) {
  if (!std::isfinite(v)) return v;
  const double f = std::floor(v);
  const double diff = v - f;
  if (diff > 0.5) return f + 1;
  if (diff < 0.5) return f;
  return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

std::int16_t toInteger(double v) {
  if (std::isnan(v)) return 0;
  const double r = roundHalfEven(v);
  if (r > 32767) return 32767;
  if (r < -32768) return -32768;
  return static_cast<std::int16_t>(r);
}

double val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  std::string number;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) number += text[i++];
  bool point = false, digits = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      number += c;
      digits = true;
    } else if (c == '.' && !point) {
      number += c;
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return 0;
  if (number.front() == '+') number.erase(0, 1);
  double v = 0;
  std::from_chars(number.data(), number.data() + number.size(), v);
  return v;
}

std::string trim(std::string_view text) {
  const auto b = text.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  return std::string(text.substr(b, text.find_last_not_of(' ') - b + 1));
}

std::string upperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string numonly(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c >= '0' && c <= '9') out += c;
  }
  return out;
}

std::optional<int> timein(std::string_view text) {
  std::string d = numonly(text);
  if (d.find_first_not_of('0') == std::string::npos) return std::nullopt;  // none, or value 0
  if (d.size() == 1) {
    d = "0" + d + "00";
  } else if (d.size() == 2) {
    d = std::stoi(d) > 12 ? "0" + d + "0" : d + "00";
  } else if (d.size() == 3) {
    d = "0" + d;
  }
  const int hours = std::stoi(d.substr(0, 2));
  const int minutes = std::stoi(d.substr(d.size() - 2));
  int result = hours * 60 + minutes;
  if (result < 360) result += 720;  // 1:00 to 5:59 are afternoon times
  return result;
}

std::string ampmtime(int minutes) {
  int h = minutes >= 0 ? minutes / 60 : -((-minutes + 59) / 60);
  const int m = minutes - h * 60;
  std::string suffix = (h < 6 || h > 11) ? " PM" : " AM";
  if (h > 12) h -= 12;
  if (h == 12 && (m == 0 || m == 1)) suffix = " N ";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d", h, m);
  return buf + suffix;
}

namespace {
std::string rightAlign(std::string s, int width) {
  if (static_cast<int>(s.size()) >= width) return s;
  std::string padded(static_cast<std::size_t>(width) - s.size(), ' ');
  padded += s;
  return padded;
}
}  // namespace

std::string fmtint(long long value, int width) {
  if (value == 0) return std::string(static_cast<std::size_t>(std::max(width, 0)), ' ');
  return rightAlign(std::to_string(value), width);
}

std::string fmtdec(float value, int width) {
  if (value == 0 || !std::isfinite(value))
    return std::string(static_cast<std::size_t>(std::max(width, 0)), ' ');
  // Round the value as it reads in decimal (a Single 0.15 or 0.25 rounds as written, half away from zero).
  char shortest[64];
  const auto res = std::to_chars(shortest, shortest + sizeof shortest, value, std::chars_format::fixed);
  const std::string_view dec(shortest, static_cast<std::size_t>(res.ptr - shortest));
  const bool negative = dec.front() == '-';
  const std::string_view mag = negative ? dec.substr(1) : dec;
  const auto dot = std::min(mag.find('.'), mag.size());
  if (dot > 15) return rightAlign(std::string(dec.substr(0, dec.find('.'))) + ".0", width);
  long long tenths = 0;
  for (std::size_t i = 0; i < dot; ++i) tenths = tenths * 10 + (mag[i] - '0');
  tenths *= 10;
  if (dot + 1 < mag.size()) tenths += mag[dot + 1] - '0';
  if (dot + 2 < mag.size() && mag[dot + 2] >= '5') ++tenths;
  std::string s;
  if (negative && tenths != 0) s += '-';
  if (tenths >= 10) s += std::to_string(tenths / 10);  // no leading zero before the point
  s += '.';
  s += static_cast<char>('0' + tenths % 10);
  return rightAlign(std::move(s), width);
}

std::string numtext(long long value) {
  std::string s = value >= 0 ? std::string(1, ' ') : std::string();
  s += std::to_string(value);
  return s;
}

std::string numtext(double value) {
  if (value == std::floor(value) && std::abs(value) < 1e15) return numtext(static_cast<long long>(value));
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  std::string s(buf, r.ptr);
  // Plain numbers print without a zero before the point: .5, -.25.
  if (s.rfind("0.", 0) == 0) s.erase(0, 1);
  if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
  return value >= 0 ? " " + s : s;
}

std::string ttltxt(std::string_view text) {
  return std::string(text) + "Teebrook";
}

std::string dateText(const Date& d) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%02d", d.month % 100, d.day % 100, d.year % 100);
  return buf;
}

std::string longDateText(const Date& d) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", d.month % 100, d.day % 100, d.year % 10000);
  return buf;
}

namespace {
char32_t toCapital(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;  // Latin-1 small letters
  if (c == 0xFF) return 0x178;
  return c;
}
bool isDigit(char32_t c) {
  return c >= '0' && c <= '9';
}
}  // namespace

KeyResult keyflt(char32_t key, int mode, bool hasSelection) {
  constexpr char32_t kBackspace = 8, kTab = 9, kEnter = 13;
  KeyResult r{key, false, false};
  switch (mode) {
    case 0:
      r.key = toCapital(key);
      break;
    case 1:
      if (!isDigit(key) && key != kBackspace && key != kTab && key != kEnter) r = {0, true, false};
      break;
    case 2:
      if (!isDigit(key) && key != kBackspace && key != kEnter && key != '.' && key != '-')
        r = {0, true, false};
      break;
    case 3:
      r = isDigit(key) ? KeyResult{0, true, false} : KeyResult{toCapital(key), false, false};
      break;
    default:
      break;
  }
  if (r.key >= 32 && !hasSelection) r.selectOne = true;
  if (r.key == kEnter) r.key = 0;
  return r;
}

std::string playerEntry(std::string_view lastNameTrimmed, std::string_view firstNameFull, int record) {
  return std::string(lastNameTrimmed) + " " + std::string(firstNameFull) + std::string(50, ' ') +
         numtext(static_cast<long long>(record));
}

std::string courseEntry(std::string_view courseNameFull, int record) {
  return std::string(courseNameFull) + std::string(20, ' ') + numtext(static_cast<long long>(record));
}

int entryRecord(std::string_view entry) {
  const std::string_view tail = entry.size() > 5 ? entry.substr(entry.size() - 5) : entry;
  return static_cast<int>(val(tail));
}

Point cntrfrm(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
  return {static_cast<int>(roundHalfEven((screenWidth - windowWidth) / 2.0)),
          static_cast<int>(roundHalfEven((screenHeight - windowHeight) / 2.0))};
}

}  // namespace teebrook

namespace teebrook {
bool isBareFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32) return false;
  }
  return name.find("..") == std::string_view::npos;
}
}  // namespace teebrook
