#include "data/utilities.h"

#include <gtest/gtest.h>

#include <cmath>

namespace teebrook {
namespace {

TEST(Utilities, Timein) {
  const struct {
    const char* typed;
    int minutes;
  } cases[] = {{"7", 420},     {"730", 450}, {"130", 810}, {"545", 1065}, {"12", 720},
               {"6", 360},     {"75", 470},  {"10", 600},  {"7:30", 450}, {"0730", 450},
               {"12:15", 735}, {"1", 780},   {"x5y", 1020}};
  for (const auto& c : cases) {
    const auto got = timein(c.typed);
    ASSERT_TRUE(got.has_value()) << c.typed;
    EXPECT_EQ(*got, c.minutes) << c.typed;
  }
  for (const char* unchanged : {"", "abc", "0", "00:00"})
    EXPECT_FALSE(timein(unchanged).has_value()) << unchanged;
}

TEST(Utilities, Ampmtime) {
  const struct {
    int minutes;
    const char* text;
  } cases[] = {{450, "07:30 AM"}, {720, "12:00 N "}, {721, "12:01 N "}, {722, "12:02 PM"},
               {795, "01:15 PM"}, {360, "06:00 AM"}, {0, "00:00 PM"},   {359, "05:59 PM"},
               {719, "11:59 AM"}, {1065, "05:45 PM"}};
  for (const auto& c : cases) EXPECT_EQ(ampmtime(c.minutes), c.text) << c.minutes;
}

TEST(Utilities, NumberFields) {
  EXPECT_EQ(fmtint(0, 4), "    ");
  EXPECT_EQ(fmtint(7, 4), "   7");
  EXPECT_EQ(fmtint(-12, 4), " -12");
  EXPECT_EQ(fmtint(123456, 3), "123456");  // never cut a number to fit
  const struct {
    float value;
    int width;
    const char* text;
  } dec[] = {{0.4f, 5, "   .4"}, {4, 5, "  4.0"},    {0, 5, "     "},     {12.4f, 6, "  12.4"},
             {-0.4f, 4, " -.4"}, {0.25f, 4, "  .3"}, {9.96f, 5, " 10.0"}, {36.4f, 4, "36.4"},
             {0.04f, 3, " .0"},  {-2.5f, 5, " -2.5"}};
  for (const auto& d : dec) EXPECT_EQ(fmtdec(d.value, d.width), d.text) << d.value;
}

TEST(Utilities, Numtext) {
  EXPECT_EQ(numtext(7LL), " 7");
  EXPECT_EQ(numtext(12LL), " 12");
  EXPECT_EQ(numtext(0LL), " 0");
  EXPECT_EQ(numtext(-3LL), "-3");
  EXPECT_EQ(numtext(71.004), " 71.004");
  EXPECT_EQ(numtext(0.5), " .5");
  EXPECT_EQ(numtext(-0.25), "-.25");
}

TEST(Utilities, RoundingAndConversion) {
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(2.51), 3);
  EXPECT_EQ(toInteger(1e9), 32767);
  EXPECT_EQ(toInteger(-1e9), -32768);
  EXPECT_EQ(toInteger(std::nan("")), 0);
  EXPECT_EQ(val("12abc"), 12);
  EXPECT_EQ(val("  -7.5x"), -7.5);
  EXPECT_EQ(val("abc"), 0);
  EXPECT_EQ(val("1.2.3"), 1.2);
  EXPECT_EQ(numonly("a1b2-3"), "123");
}

TEST(Utilities, Keyflt) {
  const struct {
    char32_t key;
    int mode;
    char32_t out;
    bool beep;
  } cases[] = {
      {'a', 0, 'A', false}, {'5', 0, '5', false}, {U'é', 0, U'É', false}, {'5', 1, '5', false},
      {'a', 1, 0, true},    {'.', 1, 0, true},    {8, 1, 8, false},       {9, 1, 9, false},
      {'.', 2, '.', false}, {'-', 2, '-', false}, {9, 2, 0, true},        {'x', 2, 0, true},
      {'5', 3, 0, true},    {'b', 3, 'B', false}, {' ', 3, ' ', false},   {13, 0, 0, false},
      {13, 1, 0, false},    {13, 2, 0, false},
  };
  for (const auto& c : cases) {
    const KeyResult r = keyflt(c.key, c.mode, true);
    EXPECT_EQ(r.key, c.out) << "key " << static_cast<int>(c.key) << " mode " << c.mode;
    EXPECT_EQ(r.beep, c.beep) << "key " << static_cast<int>(c.key) << " mode " << c.mode;
  }
  // Typing overwrites: a printable key with nothing selected selects one character first.
  EXPECT_TRUE(keyflt('4', 1, false).selectOne);
  EXPECT_FALSE(keyflt('4', 1, true).selectOne);
  EXPECT_FALSE(keyflt(8, 1, false).selectOne);
}

TEST(Utilities, ListEntriesCarryTheRecordNumber) {
  const std::string entry = playerEntry("SMITH", "JOHN        ", 12);
  EXPECT_EQ(entry, "SMITH JOHN        " + std::string(50, ' ') + " 12");
  EXPECT_EQ(entryRecord(entry), 12);
  EXPECT_EQ(entryRecord(playerEntry("A", "B           ", 32767)), 32767);
  const std::string course = courseEntry("TEEBROOK CC              ", 3);
  EXPECT_EQ(course.size(), 25u + 20u + 2u);
  EXPECT_EQ(entryRecord(course), 3);
}

TEST(Utilities, Cntrfrm) {
  EXPECT_EQ(cntrfrm(1920, 1080, 553, 281), (Point{684, 400}));  // 683.5 and 399.5 round to even
  EXPECT_EQ(cntrfrm(800, 600, 800, 600), (Point{0, 0}));
}

TEST(Utilities, TitleAndDates) {
  EXPECT_EQ(ttltxt(""), "Teebrook");
  EXPECT_EQ(ttltxt("Spring League "), "Spring League Teebrook");
  EXPECT_EQ(dateText({2026, 6, 3}), "06-03-26");
  EXPECT_EQ(longDateText({2026, 6, 3}), "06-03-2026");
}

TEST(Utilities, BareFileNames) {
  for (const char* ok : {"LEAGUE.TNT", "a", "GOLF.DOC"}) EXPECT_TRUE(isBareFileName(ok)) << ok;
  for (const char* bad : {"", "..", "../X", "a/b", "a\\b", "C:X", "..TNT"})
    EXPECT_FALSE(isBareFileName(bad)) << bad;
}

}  // namespace
}  // namespace teebrook
