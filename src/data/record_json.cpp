#include "data/record_json.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <type_traits>

#include "data/utilities.h"

namespace teebrook {
namespace {

void appendEscaped(std::string& out, std::string_view utf8) {
  out += '"';
  for (char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", u);
      out += buf;
    } else {
      out += c;
    }
  }
  out += '"';
}

template <class F>
void appendFloat(std::string& out, F v) {
  if (!std::isfinite(v)) {
    out += "null";  // JSON has no NaN or infinity
    return;
  }
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, r.ptr);
}

void appendValue(std::string& out, std::int16_t v) {
  out += std::to_string(v);
}
void appendValue(std::string& out, float v) {
  appendFloat(out, v);
}
void appendValue(std::string& out, double v) {
  appendFloat(out, v);
}
template <std::size_t N>
void appendValue(std::string& out, const Text<N>& t) {
  appendEscaped(out, t.rightTrimmed());
}
template <class T, std::size_t N>
void appendValue(std::string& out, const std::array<T, N>& a) {
  out += '[';
  for (std::size_t i = 0; i < N; ++i) {
    if (i) out += ", ";
    appendValue(out, a[i]);
  }
  out += ']';
}

class JsonWriter {
 public:
  JsonWriter(std::string& out, std::string indent) : out_(out), indent_(std::move(indent)) {}
  void field(std::string_view name, auto appendIt) {
    out_ += first_ ? "" : ",\n";
    first_ = false;
    out_ += indent_;
    appendEscaped(out_, name);
    out_ += ": ";
    appendIt();
  }
  template <class T>
  void operator()(const char* name, const T& value) {
    if constexpr (requires { appendValue(out_, value); }) {
      if (name != kReserved) field(name, [&] { appendValue(out_, value); });
    }
  }

 private:
  std::string& out_;
  std::string indent_;
  bool first_ = true;
};

template <class R>
void appendObject(std::string& out, const R& r, const std::string& indent, int record = 0) {
  out += "{\n";
  JsonWriter w(out, indent + "  ");
  if (record > 0) w.field("record", [&] { out += std::to_string(record); });
  forEachField(r, w);
  out += "\n" + indent + "}";
}

template <class R>
std::string arrayJson(const std::vector<R>& records, bool numbered) {
  std::string out = "[";
  for (std::size_t i = 0; i < records.size(); ++i) {
    out += i ? ",\n  " : "\n  ";
    appendObject(out, records[i], "  ", numbered ? static_cast<int>(i) + 1 : 0);
  }
  out += records.empty() ? "]\n" : "\n]\n";
  return out;
}

// Parsing one value into a field of the type it has.
std::optional<std::string> parseInto(std::string_view text, std::int16_t& v) {
  long long x = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), x);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size() || x < -32768 || x > 32767) {
    return "a whole number from -32768 to 32767";
  }
  v = static_cast<std::int16_t>(x);
  return std::nullopt;
}

template <class F>
requires std::is_floating_point_v<F> std::optional<std::string> parseInto(std::string_view text, F& v) {
  F x = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), x);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(x))
    return "a finite number";
  v = x;
  return std::nullopt;
}

template <std::size_t N>
std::optional<std::string> parseInto(std::string_view text, Text<N>& v) {
  Text<N> t(text);
  if (t.trimmed() != text) {
    return "a text of at most " + std::to_string(N) + (N == 1 ? " character" : " characters") +
           " without surrounding blanks";
  }
  v = t;
  return std::nullopt;
}

std::vector<std::string_view> splitCommas(std::string_view s) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const auto comma = s.find(',', start);
    parts.push_back(
        s.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) return parts;
    start = comma + 1;
  }
}

class FieldSetter {
 public:
  FieldSetter(std::string_view name, std::optional<std::size_t> index, std::string_view value)
      : name_(name), index_(index), value_(value) {}
  bool found() const { return found_; }
  const std::optional<std::string>& error() const { return error_; }

  template <class T>
  void operator()(const char* name, T& field) {
    if constexpr (requires { set(field); }) {
      if (name == kReserved || name_ != name) return;
      found_ = true;
      set(field);
    }
  }

 private:
  template <class T>
  requires requires(std::string_view s, T& f) { parseInto(s, f); }
  void set(T& field) {
    if (index_) {
      error_ = std::string(name_) + " is not a list: write " + std::string(name_) + "=VALUE";
      return;
    }
    if (auto why = parseInto(value_, field)) error_ = std::string(name_) + " takes " + *why;
  }
  template <class T, std::size_t N>
  requires requires(std::string_view s, T& f) { parseInto(s, f); }
  void set(std::array<T, N>& field) {
    if (index_) {
      if (*index_ >= N) {
        error_ = std::string(name_) + " has elements 0 to " + std::to_string(N - 1);
        return;
      }
      if (auto why = parseInto(value_, field[*index_])) error_ = std::string(name_) + " takes " + *why;
      return;
    }
    const auto parts = splitCommas(value_);
    if (parts.size() != N) {
      error_ = std::string(name_) + " takes " + std::to_string(N) + " comma-separated values, or write " +
               std::string(name_) + "[i]=VALUE";
      return;
    }
    std::array<T, N> next = field;
    for (std::size_t i = 0; i < N; ++i) {
      if (auto why = parseInto(parts[i], next[i])) {
        error_ = std::string(name_) + " takes " + *why + " in each element";
        return;
      }
    }
    field = next;
  }

  std::string_view name_;
  std::optional<std::size_t> index_;
  std::string_view value_;
  bool found_ = false;
  std::optional<std::string> error_;
};

}  // namespace

std::string toJson(const SettingsRecord& r) {
  std::string out;
  appendObject(out, r, "");
  out += "\n";
  return out;
}

std::string toJson(const std::vector<CourseRecord>& courses) {
  return arrayJson(courses, false);
}
std::string toJson(const std::vector<PlayerRecord>& players) {
  return arrayJson(players, true);
}

std::optional<std::string> setSettingsField(SettingsRecord& r, std::string_view assignment) {
  const auto eq = assignment.find('=');
  if (eq == std::string_view::npos || eq == 0) {
    return "expected FIELD=VALUE, not '" + std::string(assignment) + "'";
  }
  std::string_view name = assignment.substr(0, eq);
  const std::string_view value = assignment.substr(eq + 1);
  std::optional<std::size_t> index;
  if (const auto open = name.find('['); open != std::string_view::npos) {
    if (name.back() != ']') return "expected FIELD[i]=VALUE, not '" + std::string(assignment) + "'";
    std::size_t i = 0;
    const auto digits = name.substr(open + 1, name.size() - open - 2);
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), i);
    if (res.ec != std::errc() || res.ptr != digits.data() + digits.size()) {
      return "bad element number in '" + std::string(assignment) + "'";
    }
    index = i;
    name = name.substr(0, open);
  }
  FieldSetter setter(name, index, value);
  forEachField(r, setter);
  if (!setter.found()) return "unknown settings field: " + std::string(name);
  return setter.error();
}

}  // namespace teebrook
