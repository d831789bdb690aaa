// course add|edit|delete|list and tournament new|open|list|delete, as the course settings and
// tournament file windows do them.
#include <charconv>
#include <cmath>

#include "app/cli_commands.h"
#include "data/utilities.h"
#include "setup/course_form.h"
#include "setup/tournament_files.h"

namespace teebrook::cli {
namespace {

const std::vector<std::string> kCourseFlags = {"--men-pars",      "--men-si",      "--ladies-pars",
                                               "--ladies-si",     "--men-rating",  "--men-slope",
                                               "--ladies-rating", "--ladies-slope"};

std::vector<int> eighteen(const std::string& flag, const std::string& list) {
  std::vector<int> values;
  std::size_t start = 0;
  for (;;) {
    const auto comma = list.find(',', start);
    const std::string v = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    int n = 0;
    const auto r = std::from_chars(v.data(), v.data() + v.size(), n);
    if (r.ec != std::errc() || r.ptr != v.data() + v.size() || n < 0 || n > 99) {
      throw UsageError(flag + " takes 18 comma-separated whole numbers from 0 to 99");
    }
    values.push_back(n);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (values.size() != 18) throw UsageError(flag + " takes 18 comma-separated whole numbers");
  return values;
}

// Types the flags' values into the form's boxes and leaves them, as a user would.
void typeCourse(CourseForm& f, const Options& o) {
  using Sex = CourseForm::Sex;
  const auto rows = [&](const char* flag, Sex sex, bool pars) {
    const auto v = o.value(flag);
    if (!v) return;
    const std::vector<int> values = eighteen(flag, *v);
    CourseTab& tab = f.tabs[static_cast<std::size_t>(sex)];
    for (std::size_t h = 0; h < 18; ++h) {
      const std::string text = values[h] ? std::to_string(values[h]) : "";
      if (pars) {
        tab.pars[h] = text;
      } else {
        tab.strokeIndexes[h] = text;
        f.strokeIndexLeft(sex, static_cast<int>(h));
      }
    }
    if (pars) f.parLeft(sex);
    f.unsaved = true;
  };
  rows("--men-pars", Sex::Men, true);
  rows("--men-si", Sex::Men, false);
  rows("--ladies-pars", Sex::Ladies, true);
  rows("--ladies-si", Sex::Ladies, false);
  const auto rating = [&](const char* ratingFlag, const char* slopeFlag, Sex sex) {
    CourseTab& tab = f.tabs[static_cast<std::size_t>(sex)];
    if (auto r = o.value(ratingFlag)) {
      double x = 0;
      const auto res = std::from_chars(r->data(), r->data() + r->size(), x);
      if (res.ec != std::errc() || res.ptr != r->data() + r->size() || !std::isfinite(x) || x < 0 ||
          x > 999) {
        throw UsageError(std::string(ratingFlag) + " takes a course rating such as 71.2");
      }
      tab.ratings[4] = *r;
    }
    if (auto s = o.integer(slopeFlag, 0, 32767)) tab.ratings[5] = std::to_string(*s);
    if (o.value(ratingFlag) || o.value(slopeFlag)) f.ratingLeft(sex);
  };
  rating("--men-rating", "--men-slope", Sex::Men);
  rating("--ladies-rating", "--ladies-slope", Sex::Ladies);
}

int courseNumber(State& s, const std::string& text) {
  int n = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), n);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size())
    throw UsageError("a course setting is given by record number");
  if (n < 1 || n > s.courseFile.count()) throw Refusal("Select a Course");
  return n;
}

int course(Context& c) {
  if (c.args.empty()) throw UsageError("course add NAME | edit N | delete N | list");
  const std::string verb = c.args[0];
  const Options o(std::vector<std::string>(c.args.begin() + 1, c.args.end()), kCourseFlags, {});
  CourseForm form(c.state);
  form.activate();
  if (verb == "list") {
    if (!o.positional().empty()) throw UsageError("course list");
    const auto courses = readAllRecords<CourseRecord>(c.state.courseFile);
    for (std::size_t i = 0; i < courses.size(); ++i)
      c.out << i + 1 << '\t' << courses[i].courseName.trimmed() << '\n';
    return kDone;
  }
  if (o.positional().size() != 1) throw UsageError("course " + verb + " takes one name or number");
  if (verb == "add") {
    form.newName = upperCase(o.positional()[0]);
    if (form.newName.find_first_not_of(' ') == std::string::npos) throw UsageError("course add needs a name");
    form.nameLeft();
    typeCourse(form, o);
    if (!form.save()) return kRefused;
    c.out << c.state.courseFile.count() << '\n';
    return kDone;
  }
  const int n = courseNumber(c.state, o.positional()[0]);
  form.selectSetting(n);
  if (verb == "edit") {
    typeCourse(form, o);
    return form.save() ? kDone : kRefused;
  }
  if (verb == "delete") return form.deleteSetting() ? kDone : kRefused;
  throw UsageError("course add NAME | edit N | delete N | list");
}

int tournament(Context& c) {
  if (c.args.empty()) throw UsageError("tournament new NAME | open FILE | list | delete NAME");
  const std::string verb = c.args[0];
  const Options o(std::vector<std::string>(c.args.begin() + 1, c.args.end()), {"--course"}, {});
  if (verb == "list") {
    if (!o.positional().empty() || o.value("--course")) throw UsageError("tournament list");
    for (const std::string& f : listTournamentFiles(c.state)) c.out << f << '\n';
    return kDone;
  }
  if (o.positional().size() != 1) throw UsageError("tournament " + verb + " takes one file name");
  // The tournament file window opens only once a course setting exists.
  if (c.state.courseFile.count() == 0) throw Refusal("Enter Course Rating First");
  TournamentFileForm form(c.state);
  form.activate();
  const std::string& name = o.positional()[0];
  const auto chooseCourse = [&] {
    if (auto n = o.value("--course")) form.chooseCourse(courseNumber(c.state, *n));
  };
  if (verb == "new") {
    chooseCourse();
    form.newName = name;
    if (form.continueOn() != TournamentFileForm::Result::Opened) return kRefused;
    c.out << c.state.tournamentPath << '\n';
    return kDone;
  }
  if (verb != "open" && verb != "delete")
    throw UsageError("tournament new NAME | open FILE | list | delete NAME");
  if (o.value("--course") && verb == "delete") throw UsageError("tournament delete NAME");
  const auto file = isBareFileName(name) ? findFileNoCase(c.state, name) : std::nullopt;
  if (!isBareFileName(name)) throw Refusal("Bad Filename!");
  if (!file) throw Refusal("File Not Found!");
  form.chooseFile(*file);
  if (verb == "delete") return form.deleteFile() ? kDone : kRefused;
  chooseCourse();
  return form.continueOn() == TournamentFileForm::Result::Opened ? kDone : kRefused;
}

}  // namespace

void addSetupCommands(std::map<std::string, Command>& commands) {
  commands["course"] = course;
  commands["tournament"] = tournament;
}

}  // namespace teebrook::cli
