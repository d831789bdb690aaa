#include "data/records.h"

#include <bit>
#include <cassert>
#include <cstring>

namespace teebrook {
namespace {

class Writer {
 public:
  explicit Writer(std::span<std::uint8_t> out) : out_(out) {}
  template <class T>
  void operator()(const char*, const T& field) {
    put(field);
  }
  std::size_t position() const { return pos_; }

 private:
  void putUnsigned(std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out_[pos_++] = static_cast<std::uint8_t>(v >> (8 * i));
  }
  void put(std::int16_t v) { putUnsigned(static_cast<std::uint16_t>(v), 2); }
  void put(std::int32_t v) { putUnsigned(static_cast<std::uint32_t>(v), 4); }
  void put(float v) { putUnsigned(std::bit_cast<std::uint32_t>(v), 4); }
  void put(double v) { putUnsigned(std::bit_cast<std::uint64_t>(v), 8); }
  template <std::size_t N>
  void put(const Text<N>& t) {
    std::memcpy(out_.data() + pos_, t.bytes().data(), N);
    pos_ += N;
  }
  template <std::size_t N>
  void put(const Bytes<N>& b) {
    std::memcpy(out_.data() + pos_, b.data.data(), N);
    pos_ += N;
  }
  template <class T, std::size_t N>
  void put(const std::array<T, N>& a) {
    if constexpr (std::is_arithmetic_v<T> && std::endian::native == std::endian::little) {
      std::memcpy(out_.data() + pos_, a.data(), sizeof(T) * N);  // the file's byte order already
      pos_ += sizeof(T) * N;
    } else {
      for (const T& e : a) put(e);
    }
  }
  std::span<std::uint8_t> out_;
  std::size_t pos_ = 0;
};

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> in) : in_(in) {}
  template <class T>
  void operator()(const char*, T& field) {
    get(field);
  }
  std::size_t position() const { return pos_; }

 private:
  std::uint64_t getUnsigned(int bytes) {
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= std::uint64_t{in_[pos_++]} << (8 * i);
    return v;
  }
  void get(std::int16_t& v) { v = static_cast<std::int16_t>(static_cast<std::uint16_t>(getUnsigned(2))); }
  void get(std::int32_t& v) { v = static_cast<std::int32_t>(static_cast<std::uint32_t>(getUnsigned(4))); }
  void get(float& v) { v = std::bit_cast<float>(static_cast<std::uint32_t>(getUnsigned(4))); }
  void get(double& v) { v = std::bit_cast<double>(getUnsigned(8)); }
  template <std::size_t N>
  void get(Text<N>& t) {
    std::memcpy(t.bytes().data(), in_.data() + pos_, N);
    pos_ += N;
  }
  template <std::size_t N>
  void get(Bytes<N>& b) {
    std::memcpy(b.data.data(), in_.data() + pos_, N);
    pos_ += N;
  }
  template <class T, std::size_t N>
  void get(std::array<T, N>& a) {
    if constexpr (std::is_arithmetic_v<T> && std::endian::native == std::endian::little) {
      std::memcpy(a.data(), in_.data() + pos_, sizeof(T) * N);
      pos_ += sizeof(T) * N;
    } else {
      for (T& e : a) get(e);
    }
  }
  std::span<const std::uint8_t> in_;
  std::size_t pos_ = 0;
};

template <class R>
void encodeRecord(const R& r, std::span<std::uint8_t> out) {
  assert(out.size() == recordLength<R>());
  Writer w(out);
  forEachField(r, w);
  assert(w.position() == recordLength<R>());
}

template <class R>
void decodeRecord(std::span<const std::uint8_t> in, R& r) {
  assert(in.size() == recordLength<R>());
  Reader rd(in);
  forEachField(r, rd);
  assert(rd.position() == recordLength<R>());
}

}  // namespace

void encode(const SettingsRecord& r, std::span<std::uint8_t> out) {
  encodeRecord(r, out);
}
void encode(const CourseRecord& r, std::span<std::uint8_t> out) {
  encodeRecord(r, out);
}
void encode(const PlayerRecord& r, std::span<std::uint8_t> out) {
  encodeRecord(r, out);
}
void decode(std::span<const std::uint8_t> in, SettingsRecord& r) {
  decodeRecord(in, r);
}
void decode(std::span<const std::uint8_t> in, CourseRecord& r) {
  decodeRecord(in, r);
}
void decode(std::span<const std::uint8_t> in, PlayerRecord& r) {
  decodeRecord(in, r);
}

}  // namespace teebrook
