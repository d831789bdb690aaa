#pragma once
// The small shared operations: number and time texts, keystroke filtering, list entries, centring.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/platform.h"

namespace teebrook {

// Nearest integer, halves to the even neighbour.
double roundHalfEven(double v);
// Rounded (halves to even) and held within the 16-bit record range; NaN gives 0.
std::int16_t toInteger(double v);

// The leading numeric part of a typed text (blanks, sign, digits, one point); 0 when there is none.
double val(std::string_view text);

// Without blanks at either end.
std::string trim(std::string_view text);
// Letters in capitals (the name boxes and file names take capitals).
std::string upperCase(std::string text);

// The digits of the text in their order.
std::string numonly(std::string_view text);

// A typed start time as minutes after midnight; nullopt leaves the caller's value unchanged.
std::optional<int> timein(std::string_view text);
// Minutes after midnight on a 12-hour clock with the suffix " AM", " PM" or " N " (noon).
std::string ampmtime(int minutes);

// Right-aligned whole number in the width; 0 prints as blanks.
std::string fmtint(long long value, int width);
// Right-aligned number with one decimal and no leading zero (.4, 4.0); 0 prints as blanks.
std::string fmtdec(float value, int width);
// The number with one leading blank when zero or positive (" 7", "-3").
std::string numtext(long long value);
std::string numtext(double value);
// Appends the program title to a heading.
std::string ttltxt(std::string_view text);

// A record date text "MM-DD-YY".
std::string dateText(const Date& d);
// A report date "MM-DD-YYYY".
std::string longDateText(const Date& d);

// What a text box does with one keystroke after the filter.
struct KeyResult {
  char32_t key = 0;        // the key to insert, 0 when dropped
  bool beep = false;       // a rejected key beeps
  bool selectOne = false;  // select one character at the cursor so typing overwrites
};
// Mode 0: all keys, letters in capitals; 1: digits, Backspace, Tab, Enter; 2: digits, Backspace,
// Enter, "." and "-"; 3: all but digits, letters in capitals. Enter is dropped in the end.
KeyResult keyflt(char32_t key, int mode, bool hasSelection);

// The list-entry convention: the record number travels in the last five characters.
std::string playerEntry(std::string_view lastNameTrimmed, std::string_view firstNameFull, int record);
std::string courseEntry(std::string_view courseNameFull, int record);
int entryRecord(std::string_view entry);

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};
// Top-left corner that centres a window on the screen.
Point cntrfrm(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

}  // namespace teebrook

namespace teebrook {
// A bare file name that stays inside the data folder: no folder separators, no "..", no drive.
bool isBareFileName(std::string_view name);
}  // namespace teebrook
