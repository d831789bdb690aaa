#include "data/record_file.h"

#include <cerrno>
#include <cstring>
#include <system_error>

namespace teebrook {
namespace fs = std::filesystem;

namespace {

std::string reason() {
  return errno != 0 ? std::strerror(errno) : "unknown error";
}

bool readWholeFile(const fs::path& path, std::vector<std::uint8_t>& out, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path.filename().string() + ": " + reason();
    return false;
  }
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  if (ec) {
    error = "cannot read " + path.filename().string() + ": " + ec.message();
    return false;
  }
  out.resize(size);
  if (size > 0 && !in.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(size))) {
    error = "cannot read " + path.filename().string() + ": " + reason();
    return false;
  }
  return true;
}

}  // namespace

bool RecordFile::fail(std::string what) {
  error_ = std::move(what) + " " + path_.filename().string() + ": " + reason();
  stream_.clear();
  return false;
}

bool RecordFile::open(const fs::path& path, std::size_t recordLength, Mode mode) {
  close();
  path_ = path;
  length_ = recordLength;
  mode_ = mode;
  last_ = 0;
  error_.clear();
  errno = 0;
  if (mode == Mode::ReadWrite) {
    std::error_code ec;
    if (!fs::exists(path, ec)) {
      std::ofstream create(path, std::ios::binary | std::ios::app);
      if (!create) return fail("cannot create");
    }
    stream_.open(path, std::ios::in | std::ios::out | std::ios::binary);
  } else {
    stream_.open(path, std::ios::in | std::ios::binary);
  }
  if (!stream_.is_open()) return fail("cannot open");
  return true;
}

void RecordFile::close() {
  if (stream_.is_open()) stream_.close();
  stream_.clear();
}

std::uintmax_t RecordFile::fileSize() const {
  std::error_code ec;
  const auto size = fs::file_size(path_, ec);
  return ec ? 0 : size;
}

int RecordFile::count() const {
  if (!isOpen() || length_ == 0) return 0;
  const auto n = fileSize() / length_;
  return n > static_cast<std::uintmax_t>(kMaxPlayers) ? kMaxPlayers : static_cast<int>(n);
}

std::size_t RecordFile::strayBytes() const {
  if (!isOpen() || length_ == 0) return 0;
  return static_cast<std::size_t>(fileSize() % length_);
}

bool RecordFile::read(int n, std::span<std::uint8_t> out) {
  if (!isOpen() || n < 1 || n > count() || out.size() != length_) return false;
  errno = 0;
  stream_.seekg(static_cast<std::streamoff>(n - 1) * static_cast<std::streamoff>(length_));
  if (!stream_.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(length_))) {
    fail("cannot read");
    return false;
  }
  last_ = n;
  return true;
}

bool RecordFile::keepStrayTail(std::uintmax_t size) {
  const auto whole = size - size % length_;
  std::vector<char> tail(size - whole);
  stream_.seekg(static_cast<std::streamoff>(whole));
  if (!stream_.read(tail.data(), static_cast<std::streamsize>(tail.size()))) return fail("cannot read");
  std::ofstream keep(fs::path(path_) += ".tail", std::ios::binary | std::ios::app);
  if (!keep.write(tail.data(), static_cast<std::streamsize>(tail.size())) || !keep.flush()) {
    return fail("cannot keep the stray bytes of");
  }
  return true;
}

bool RecordFile::writeRun(int first, std::span<const std::uint8_t> bytes) {
  if (!writable() || first < 1 || bytes.size() % length_ != 0 || bytes.empty()) return false;
  const int records = static_cast<int>(bytes.size() / length_);
  const int have = count();
  if (first > have + 1 || first - 1 + records > kMaxPlayers) return false;
  errno = 0;
  const auto size = fileSize();
  const auto offset = static_cast<std::uintmax_t>(first - 1) * length_;
  if (offset + bytes.size() > size - size % length_ && size % length_ != 0 && !keepStrayTail(size)) {
    return false;
  }
  stream_.seekp(static_cast<std::streamoff>(offset));
  if (!stream_.write(reinterpret_cast<const char*>(bytes.data()),
                     static_cast<std::streamsize>(bytes.size())) ||
      !stream_.flush()) {
    return fail("cannot write");
  }
  last_ = first - 1 + records;
  return true;
}

bool RecordFile::write(int n, std::span<const std::uint8_t> in) {
  if (in.size() != length_) return false;
  return writeRun(n, in);
}

bool RecordFile::readAll(std::vector<std::uint8_t>& out) {
  out.clear();
  if (!isOpen()) return false;
  const int n = count();
  out.resize(static_cast<std::size_t>(n) * length_);
  if (n == 0) return true;
  errno = 0;
  stream_.seekg(0);
  if (!stream_.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()))) {
    out.clear();
    return fail("cannot read");
  }
  last_ = n;
  return true;
}

bool writeMarkedRecords(RecordFile& f, std::span<const std::uint8_t> bytes,
                        const std::vector<bool>& changed) {
  const std::size_t len = f.recordLength();
  for (std::size_t i = 0; i < changed.size();) {
    if (!changed[i]) {
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    while (j < changed.size() && changed[j]) ++j;
    if (!f.writeRun(static_cast<int>(i) + 1, bytes.subspan(i * len, (j - i) * len))) return false;
    i = j;
  }
  return true;
}

bool writeFileAtomically(const fs::path& path, std::span<const std::uint8_t> bytes, std::string& error) {
  fs::path temp = path;
  temp += ".tmp";
  errno = 0;
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out ||
        !out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())) ||
        !out.flush()) {
      error = "cannot write " + temp.filename().string() + ": " + reason();
      std::error_code ignored;
      fs::remove(temp, ignored);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, path, ec);
  if (ec) {
    error =
        "cannot rename " + temp.filename().string() + " to " + path.filename().string() + ": " + ec.message();
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

bool deleteRecord(RecordFile& f, int n, const fs::path& backupPath, std::string& error) {
  const fs::path path = f.path();
  const std::size_t len = f.recordLength();
  const RecordFile::Mode mode = f.writable() ? RecordFile::Mode::ReadWrite : RecordFile::Mode::ReadOnly;
  if (!f.writable()) {
    error = path.filename().string() + " is not open for writing";
    return false;
  }
  std::vector<std::uint8_t> original;
  f.close();
  bool done = readWholeFile(path, original, error);
  if (done) {
    const std::size_t whole = original.size() / len;
    std::vector<std::uint8_t> survivors;
    survivors.reserve(original.size());
    for (std::size_t i = 0; i < whole; ++i) {
      if (static_cast<int>(i) + 1 == n) continue;
      survivors.insert(survivors.end(), original.begin() + static_cast<std::ptrdiff_t>(i * len),
                       original.begin() + static_cast<std::ptrdiff_t>((i + 1) * len));
    }
    // The copy before the deletion goes first: once the new file is in place the old one is gone.
    done = writeFileAtomically(backupPath, original, error) && writeFileAtomically(path, survivors, error);
  }
  if (!f.open(path, len, mode) && done) {
    error = f.error();
    return false;
  }
  return done;
}

}  // namespace teebrook
