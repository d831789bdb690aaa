#pragma once
// The course settings window without its widgets: its boxes for both tabs, its working arrays,
// the list of settings, and Save, Delete and leaving.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "data/state.h"

namespace teebrook {

// The boxes of one tab (men's or ladies').
struct CourseTab {
  std::array<std::string, 19> pars;  // 0..17 and the par sum in 18
  std::array<std::string, 18> strokeIndexes;
  std::array<std::string, 6>
      ratings;  // rating and slope of elements 0, 1, 2 in boxes 0..5; only 4 and 5 show
};

class CourseForm {
 public:
  enum class Sex { Men = 0, Ladies = 1 };
  enum class Row { Pars, StrokeIndexes, Rating };
  struct Next {
    Row row;
    int hole;  // within the row; -1 for the rating box
    bool operator==(const Next&) const = default;
  };

  explicit CourseForm(State& state) : s_(state) {}

  std::array<CourseTab, 2> tabs;
  std::string newName;                // Text4
  std::vector<std::string> settings;  // Combo1, sorted
  int selected = 0;                   // record of the setting chosen in Combo1, 0 for none
  bool unsaved = false;
  bool saveUsed = false;
  bool ladiesFrameVisible = false;

  // The window's working arrays.
  std::array<Int, 18> menPars{}, menHandicapHoles{}, ladiesPars{}, ladiesHandicapHoles{};
  std::array<Single, 3> menRatings{}, ladiesRatings{};
  std::array<Int, 3> menSlopes{}, ladiesSlopes{};

  // Each activation: the list of settings, every box empty.
  void activate();
  // Choosing a setting in the list.
  void selectSetting(int record);
  // The tab strip gets the focus: the arrays' values above 0 go into their boxes.
  void fillBoxes();

  // Typing in a par or stroke index box: where the focus goes next, if anywhere.
  std::optional<Next> typed(Sex sex, Row row, int hole, const std::string& text);
  void parLeft(Sex sex);
  void strokeIndexLeft(Sex sex, int hole);
  void ratingLeft(Sex sex);
  // The name box is left: a form that holds pars may be cleared for the new setting.
  void nameLeft();

  // Save: adds a setting when a name is typed, else rewrites the chosen one. Refuses a form with
  // neither (it would overwrite whichever setting was read last).
  bool save();
  // Delete the chosen setting, with the ".bak" copy of the file.
  bool deleteSetting();
  // Leaving: with E&xit asks "Save Entries?" when keystrokes were not saved (Esc and the close box do
  // not ask), then restores the working course.
  void leave(bool ask = true);

 private:
  void clearBoxes();
  void clearArrays();
  void copyIntoCourse();
  void refillList();
  State& s_;
};

// The course settings as list entries, in the order of a sorted list.
std::vector<std::string> courseListEntries(State& s);

// "##.#": one decimal, no leading zero, and no digit after the point for a whole number ("72.").
std::string ratingText(double rating);

}  // namespace teebrook
