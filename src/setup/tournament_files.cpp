#include "setup/tournament_files.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

#include "data/utilities.h"
#include "scoring/handicap.h"
#include "setup/course_form.h"

namespace teebrook {
namespace fs = std::filesystem;

namespace {

bool endsWithTnt(const std::string& name) {
  return name.size() >= 3 && upperCase(name.substr(name.size() - 3)) == "TNT";
}

}  // namespace

std::vector<std::string> listTournamentFiles(const State& s) {
  std::vector<std::string> out;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(s.dataFolder, ec)) {
    const std::string name = e.path().filename().string();
    if (e.is_regular_file(ec) && name.size() > 4 && upperCase(name.substr(name.size() - 4)) == ".TNT")
      out.push_back(name);
  }
  std::sort(out.begin(), out.end(),
            [](const std::string& a, const std::string& b) { return upperCase(a) < upperCase(b); });
  return out;
}

std::optional<std::string> findFileNoCase(const State& s, const std::string& name) {
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(s.dataFolder, ec)) {
    const std::string existing = e.path().filename().string();
    if (upperCase(existing) == upperCase(name)) return existing;
  }
  return std::nullopt;
}

CompletedName completeName(const std::string& typed) {
  const std::string name = upperCase(trim(typed));
  CompletedName r;
  // Whatever was typed, the file stays a plain file of the data folder.
  if (name.find_first_of("/\\:*?\"<>|") != std::string::npos || name.find("..") != std::string::npos ||
      std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 32; })) {
    r.error = "Bad Filename!";
    return r;
  }
  const auto dot = name.find('.');
  if (dot == std::string::npos) {
    r.name = name.substr(0, 8) + ".TNT";
  } else if (name.find(".TNT") != std::string::npos) {
    r.name = name;
  } else if (name.back() == '.') {
    r.name = name + "TNT";
  } else if (name.size() > 11 || name.size() < 5) {
    r.error = "Error #5";  // the extension cannot be put in place
    return r;
  } else {
    r.name = name.substr(0, name.size() - 4) + ".TNT";
  }
  const std::string base = r.name.substr(0, r.name.find('.'));
  if (base.empty() || !isBareFileName(r.name)) {
    r.error = "Bad Filename!";
    r.name.clear();
  }
  return r;
}

bool openExistingTournament(State& s, const std::string& name, int course) {
  s.tournamentPath = name;
  s.tournamentFile.close();
  if (!openTournamentFile(s, name).ok) return false;
  s.currentCourse = course;
  if (course > 0) readCourse(s, course);
  const CourseRecord& c = s.course;
  const SettingsRecord& st = s.settings;
  bldidx(s, [&](PlayerRecord& p, int) {
    if (p.handicapIndex == 0 || std::isnan(p.handicapIndex)) return;
    const int slope = p.sex == 1 ? c.ladiesSlopes[2] : c.menSlopes[2];
    p.handicap = toInteger(slope * static_cast<double>(p.handicapIndex) / 113 + 0.001);
    if (st.menPercent != 100 || st.ladiesPercent != 100) {
      const int percent = p.sex == 1 ? st.ladiesPercent : st.menPercent;
      p.handicap = toInteger(p.handicap * percent / 100.0 + 0.001);
    }
  });
  return true;
}

bool TournamentFileForm::present(const std::string& text) {
  // A name counts only when it sorts after "1": one beginning with "0" or punctuation is blank.
  const std::string t = trim(text);
  return !t.empty() && t > "1";
}

void TournamentFileForm::activate() {
  files = listTournamentFiles(s_);
  courses = courseListEntries(s_);
  course = 0;
  if (!courses.empty()) chooseCourse(entryRecord(courses.front()));
}

void TournamentFileForm::chooseCourse(int record) {
  course = record;
  if (record > 0) {
    s_.currentCourse = record;
    readCourse(s_, record);
  }
}

void TournamentFileForm::chooseFile(const std::string& name) {
  chosen = trim(name);
  // The first player's course, read without touching the tournament that is loaded now.
  RecordFile f;
  if (!f.open(s_.pathOf(chosen), kPlayerLength, RecordFile::Mode::ReadOnly) || f.count() == 0) return;
  PlayerRecord first;
  if (!readRecord(f, 1, first)) return;
  for (const std::string& e : courses) {
    if (entryRecord(e) == first.courseNumber) {
      chooseCourse(first.courseNumber);
      return;
    }
  }
}

void TournamentFileForm::newNameLeft() {
  chosen.clear();
}

bool TournamentFileForm::deleteFile() {
  if (chosen.empty()) return false;
  Feedback& fb = s_.platform.feedback;
  if (fb.ask("Are You Sure You Want To Delete " + chosen + "?", "Attention!", Buttons::YesNo,
             Icon::Critical) != Answer::Yes) {
    return false;
  }
  if (s_.tournamentPath == chosen) {
    s_.tournamentFile.close();
    s_.tournamentPath.clear();
  }
  std::error_code ec;
  if (!fs::remove(s_.pathOf(chosen), ec)) {
    fb.message(ec ? "Error #" + std::to_string(ec.value()) : "File Not Found!", "Attention", Icon::Warning);
    return false;
  }
  chosen.clear();
  files = listTournamentFiles(s_);
  return true;
}

TournamentFileForm::Result TournamentFileForm::continueOn() {
  Feedback& fb = s_.platform.feedback;
  if (!present(newName) && !present(chosen)) {
    return fb.ask("No File Selected. Exit Anyway?", "Attention", Buttons::YesNo, Icon::Question) ==
                   Answer::Yes
               ? Result::Closed
               : Result::Stay;
  }
  if (course <= 0 && present(newName)) {
    return fb.ask("No Course Setting. Exit Anyway?", "Attention", Buttons::YesNo, Icon::Question) ==
                   Answer::Yes
               ? Result::Closed
               : Result::Stay;
  }
  if (!chosen.empty()) {
    if (!endsWithTnt(chosen)) {
      fb.beep();
      return Result::Stay;
    }
    fb.busy(true);
    const bool ok = openExistingTournament(s_, chosen, course);
    fb.busy(false);
    if (!ok) {
      fb.message("File Not Found!", "Attention", Icon::Warning);
      return Result::Stay;
    }
  } else {
    const std::string name = upperCase(trim(newName));
    if (name.empty()) {
      fb.beep();
      return Result::Stay;
    }
    if (findFileNoCase(s_, name)) {
      fb.message("Filename In Use", "Attention", Icon::Warning);
      newName.clear();
      return Result::Stay;
    }
    const CompletedName completed = completeName(name);
    if (!completed.error.empty()) {
      fb.message(completed.error, "Attention", Icon::Warning);
      return Result::Stay;
    }
    // An existing file of the completed name is opened as it is, in whatever case it was saved.
    const std::string file = findFileNoCase(s_, completed.name).value_or(completed.name);
    s_.tournamentFile.close();
    if (!openTournamentFile(s_, file).ok) {
      fb.message("Bad Filename!", "Attention", Icon::Warning);
      return Result::Stay;
    }
    s_.currentCourse = course;
    // The player lists must be those of this file: build them in memory (nothing is written).
    loadIndexes(s_);
    files = listTournamentFiles(s_);
  }
  s_.tntLoaded = true;
  return Result::Opened;
}

}  // namespace teebrook
