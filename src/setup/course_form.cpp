#include "setup/course_form.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "data/utilities.h"

namespace teebrook {
namespace {

std::string positive(double v, bool decimal = false) {
  if (!(v > 0)) return "";
  if (decimal) return ratingText(v);
  return std::to_string(static_cast<long long>(v));
}

}  // namespace

std::string ratingText(double rating) {
  char buf[64];
  const auto r =
      std::to_chars(buf, buf + sizeof buf, std::round(rating * 10) / 10, std::chars_format::fixed, 1);
  std::string s(buf, r.ptr);
  if (s.rfind("0.", 0) == 0) s.erase(0, 1);
  if (s.size() >= 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.pop_back();  // 72.0 prints as "72."
  return s;
}

std::vector<std::string> courseListEntries(State& s) {
  s.courseCount = s.courseFile.count();
  std::vector<std::string> entries;
  const std::vector<CourseRecord> courses = readAllRecords<CourseRecord>(s.courseFile);
  for (std::size_t i = 0; i < courses.size(); ++i) {
    entries.push_back(courseEntry(courses[i].courseName.str(), static_cast<int>(i) + 1));
  }
  // A sorted list orders its entries without regard to case.
  std::stable_sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
  });
  return entries;
}

void CourseForm::refillList() {
  settings = courseListEntries(s_);
  selected = 0;
}

void CourseForm::clearBoxes() {
  tabs = {};
}

void CourseForm::clearArrays() {
  menPars = menHandicapHoles = ladiesPars = ladiesHandicapHoles = {};
  menRatings = ladiesRatings = {};
  menSlopes = ladiesSlopes = {};
}

void CourseForm::activate() {
  refillList();
  clearBoxes();
  unsaved = false;
}

void CourseForm::selectSetting(int record) {
  if (record <= 0) return;
  newName.clear();
  clearBoxes();
  s_.course = CourseRecord{};
  clearArrays();
  selected = record;
  if (readCourse(s_, record)) {
    const CourseRecord& c = s_.course;
    menPars = c.menPars;
    menHandicapHoles = c.menHandicapHoles;
    ladiesPars = c.ladiesPars;
    ladiesHandicapHoles = c.ladiesHandicapHoles;
    menRatings = c.menRatings;
    ladiesRatings = c.ladiesRatings;
    menSlopes = c.menSlopes;
    ladiesSlopes = c.ladiesSlopes;
  }
  fillBoxes();
}

void CourseForm::fillBoxes() {
  const auto fill = [](CourseTab& t, const std::array<Int, 18>& pars, const std::array<Int, 18>& si,
                       const std::array<Single, 3>& ratings, const std::array<Int, 3>& slopes) {
    int sum = 0;
    for (std::size_t h = 0; h < 18; ++h) {
      if (pars[h] > 0) t.pars[h] = std::to_string(pars[h]);
      if (si[h] > 0) t.strokeIndexes[h] = std::to_string(si[h]);
      sum += std::max<int>(pars[h], 0);
    }
    if (sum > 0) t.pars[18] = std::to_string(sum);
    for (std::size_t k = 0; k < 3; ++k) {
      if (ratings[k] > 0) t.ratings[2 * k] = positive(ratings[k], true);
      if (slopes[k] > 0) t.ratings[2 * k + 1] = positive(slopes[k]);
    }
  };
  fill(tabs[0], menPars, menHandicapHoles, menRatings, menSlopes);
  fill(tabs[1], ladiesPars, ladiesHandicapHoles, ladiesRatings, ladiesSlopes);
  unsaved = false;
}

std::optional<CourseForm::Next> CourseForm::typed(Sex sex, Row row, int hole, const std::string& text) {
  unsaved = true;
  CourseTab& t = tabs[static_cast<std::size_t>(sex)];
  if (row == Row::Pars) {
    t.pars[static_cast<std::size_t>(hole)] = text;
    if (sex == Sex::Ladies) ladiesFrameVisible = true;
  } else if (row == Row::StrokeIndexes) {
    t.strokeIndexes[static_cast<std::size_t>(hole)] = text;
  } else {
    return std::nullopt;
  }
  const int v = static_cast<int>(val(text));
  if (hole < 17 && v > 1 && v < 20) return Next{row, hole + 1};
  if (hole == 17 && v > 1) return row == Row::Pars ? Next{Row::StrokeIndexes, 0} : Next{Row::Rating, -1};
  return std::nullopt;
}

void CourseForm::parLeft(Sex sex) {
  CourseTab& t = tabs[static_cast<std::size_t>(sex)];
  auto& pars = sex == Sex::Men ? menPars : ladiesPars;
  int sum = 0;
  for (std::size_t h = 0; h < 18; ++h) {
    pars[h] = toInteger(val(t.pars[h]));
    sum += pars[h];
  }
  if (sum > 0) t.pars[18] = std::to_string(sum);
}

void CourseForm::strokeIndexLeft(Sex sex, int hole) {
  auto& si = sex == Sex::Men ? menHandicapHoles : ladiesHandicapHoles;
  si[static_cast<std::size_t>(hole)] =
      toInteger(val(tabs[static_cast<std::size_t>(sex)].strokeIndexes[static_cast<std::size_t>(hole)]));
}

void CourseForm::ratingLeft(Sex sex) {
  CourseTab& t = tabs[static_cast<std::size_t>(sex)];
  if (!t.ratings[4].empty()) t.ratings[4] = ratingText(val(t.ratings[4]));
  auto& ratings = sex == Sex::Men ? menRatings : ladiesRatings;
  auto& slopes = sex == Sex::Men ? menSlopes : ladiesSlopes;
  for (std::size_t k = 0; k < 3; ++k) {
    ratings[k] = static_cast<Single>(val(t.ratings[2 * k]));
    slopes[k] = toInteger(val(t.ratings[2 * k + 1]));
  }
}

void CourseForm::nameLeft() {
  selected = 0;
  const auto anyPar = [](const std::array<Int, 18>& pars) {
    return std::any_of(pars.begin(), pars.begin() + 10, [](Int p) { return p > 0; });
  };
  if ((anyPar(menPars) || anyPar(ladiesPars)) &&
      s_.platform.feedback.ask("Adding New Setting. Clear Entries?", "Attention", Buttons::YesNo,
                               Icon::Question) == Answer::Yes) {
    clearBoxes();
    s_.course = CourseRecord{};
    clearArrays();
  }
  unsaved = false;
}

void CourseForm::copyIntoCourse() {
  CourseRecord& c = s_.course;
  if (const std::string name = trim(newName); !name.empty()) c.courseName = name;
  c.menPars = menPars;
  c.menHandicapHoles = menHandicapHoles;
  c.ladiesPars = ladiesPars;
  c.ladiesHandicapHoles = ladiesHandicapHoles;
  int men = 0, ladies = 0;
  for (std::size_t h = 0; h < 18; ++h) {
    men += menPars[h];
    ladies += ladiesPars[h];
  }
  c.menParTotal = toInteger(men);
  c.ladiesParTotal = toInteger(ladies);
  c.menRatings = menRatings;
  c.ladiesRatings = ladiesRatings;
  for (std::size_t k = 0; k < 3; ++k) {
    c.menSlopes[k] = menSlopes[k] == 0 ? Int{113} : menSlopes[k];
    c.ladiesSlopes[k] = ladiesSlopes[k] == 0 ? Int{113} : ladiesSlopes[k];
  }
}

bool CourseForm::save() {
  saveUsed = true;
  Feedback& fb = s_.platform.feedback;
  if (!trim(newName).empty()) {
    const int record = s_.courseFile.count() + 1;
    s_.courseCount = record;
    if (record > s_.settings.maxCourses) {
      fb.message("Maximum Courses Exceeded", "Attention", Icon::Warning);
      fb.beep();
      s_.courseCount = record - 1;
      return false;
    }
    s_.course = CourseRecord{};
    copyIntoCourse();
    if (!writeCourse(s_, record)) {
      fb.message("The course setting could not be saved: " + s_.courseFile.error(), "Attention",
                 Icon::Warning);
      return false;
    }
    newName.clear();
    clearBoxes();
    refillList();
    return true;
  }
  // Without a name the form rewrites the chosen setting; with none chosen there is nothing to rewrite.
  if (selected <= 0) {
    fb.message("Select a Course", "Attention", Icon::Warning);
    return false;
  }
  copyIntoCourse();
  const bool ok = writeCourse(s_, selected);
  if (!ok)
    fb.message("The course setting could not be saved: " + s_.courseFile.error(), "Attention", Icon::Warning);
  clearBoxes();
  s_.course = CourseRecord{};
  clearArrays();
  newName.clear();
  refillList();
  return ok;
}

bool CourseForm::deleteSetting() {
  Feedback& fb = s_.platform.feedback;
  if (selected <= 0) {
    fb.message("Select a Course", "Attention", Icon::Warning);
    return false;
  }
  if (fb.ask("Delete Selected Course?", "Attention", Buttons::OkCancel, Icon::Critical) != Answer::Ok)
    return false;
  clearBoxes();
  s_.course = CourseRecord{};
  std::string error;
  const bool ok = deleteRecord(s_.courseFile, selected, s_.pathOf("tntcrs.bak"), error);
  if (!ok) fb.message("The course setting could not be deleted: " + error, "Attention", Icon::Warning);
  refillList();
  return ok;
}

void CourseForm::leave(bool ask) {
  if (ask && !saveUsed && unsaved &&
      s_.platform.feedback.ask("", "Save Entries?", Buttons::YesNo, Icon::Question) == Answer::Yes) {
    save();
  }
  clearArrays();
  saveUsed = false;
  if (s_.currentCourse > 0) readCourse(s_, s_.currentCourse);
}

}  // namespace teebrook
