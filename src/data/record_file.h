#pragma once
// A data file of fixed-length records read and written by record number (1-based).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "data/records.h"

namespace teebrook {

class RecordFile {
 public:
  enum class Mode { ReadWrite, ReadOnly };

  RecordFile() = default;
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;
  RecordFile(RecordFile&&) = default;
  RecordFile& operator=(RecordFile&&) = default;

  // Opens for random access; in ReadWrite mode a missing file is created empty. On failure the
  // reason is in error().
  bool open(const std::filesystem::path& path, std::size_t recordLength, Mode mode = Mode::ReadWrite);
  void close();
  bool isOpen() const { return stream_.is_open(); }
  bool writable() const { return isOpen() && mode_ == Mode::ReadWrite; }
  const std::filesystem::path& path() const { return path_; }
  std::size_t recordLength() const { return length_; }
  const std::string& error() const { return error_; }

  // Whole records in the file, from its current length.
  int count() const;
  // Bytes after the last whole record (a file cut short or of another format).
  std::size_t strayBytes() const;
  int lastAccessed() const { return last_; }

  // Reads record n into out (exactly one record long); false when n is not a whole record.
  bool read(int n, std::span<std::uint8_t> out);
  // Writes record n; n may be one past the last record, which appends. Stray bytes that an append
  // would cover are first kept in "<file>.tail".
  bool write(int n, std::span<const std::uint8_t> in);
  // Writes the record after the last accessed one.
  bool writeNext(std::span<const std::uint8_t> in) { return write(last_ + 1, in); }
  // Writes consecutive records starting at record first in one go.
  bool writeRun(int first, std::span<const std::uint8_t> bytes);
  // Every whole record, in one read.
  bool readAll(std::vector<std::uint8_t>& out);

 private:
  std::uintmax_t fileSize() const;
  bool keepStrayTail(std::uintmax_t size);
  bool fail(std::string what);

  std::fstream stream_;
  std::filesystem::path path_;
  std::size_t length_ = 0;
  Mode mode_ = Mode::ReadWrite;
  int last_ = 0;
  std::string error_;
};

template <class R>
bool readRecord(RecordFile& f, int n, R& r) {
  std::array<std::uint8_t, recordLength<R>()> buf;
  if (!f.read(n, buf)) return false;
  decode(buf, r);
  return true;
}

template <class R>
bool writeRecord(RecordFile& f, int n, const R& r) {
  std::array<std::uint8_t, recordLength<R>()> buf;
  encode(r, buf);
  return f.write(n, buf);
}

template <class R>
std::vector<R> decodeAll(std::span<const std::uint8_t> bytes) {
  constexpr std::size_t len = recordLength<R>();
  std::vector<R> out(bytes.size() / len);
  for (std::size_t i = 0; i < out.size(); ++i) decode(bytes.subspan(i * len, len), out[i]);
  return out;
}

// Records back to back as a file holds them; with a mask, only the marked ones are encoded.
template <class R>
std::vector<std::uint8_t> encodeAll(const std::vector<R>& records, const std::vector<bool>* only = nullptr) {
  constexpr std::size_t len = recordLength<R>();
  std::vector<std::uint8_t> bytes(records.size() * len);
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (!only || (*only)[i]) encode(records[i], std::span(bytes).subspan(i * len, len));
  }
  return bytes;
}

// Every whole record of the file, read at once.
template <class R>
std::vector<R> readAllRecords(RecordFile& f) {
  std::vector<std::uint8_t> bytes;
  if (!f.readAll(bytes)) return {};
  return decodeAll<R>(bytes);
}

// Removes record n: the survivors are written to a temporary file beside the original, the
// original is copied to backupPath, and the temporary file is renamed into place, so a crash at
// any moment leaves a whole file. The file is open again afterwards. False (with the reason in
// error) when the file was left as it was.
bool deleteRecord(RecordFile& f, int n, const std::filesystem::path& backupPath, std::string& error);

// Writes the records marked as changed, joining neighbours into one write each. bytes holds every
// record of the file from record 1 on. False at the first write that fails.
bool writeMarkedRecords(RecordFile& f, std::span<const std::uint8_t> bytes, const std::vector<bool>& changed);

// Writes those of a whole file's records (from record 1 on) that are marked as changed.
template <class R>
bool writeChangedRecords(RecordFile& f, const std::vector<R>& records, const std::vector<bool>& changed) {
  return writeMarkedRecords(f, encodeAll(records, &changed), changed);
}

// Writes a whole file beside its final place and renames it there.
bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                         std::string& error);

}  // namespace teebrook
