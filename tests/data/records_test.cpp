#include "data/records.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <map>
#include <random>

namespace teebrook {
namespace {

// Where each field lies in the file, written from the file layout and independent of the code.
struct Layout {
  const char* name;  // nullptr: reserved
  std::size_t offset;
  char type;                  // i Integer, f Single, d Double, t Text, b reserved bytes
  std::size_t count;          // elements; for text and bytes the width
  std::size_t textCount = 1;  // arrays of text
};

const std::vector<Layout> kSettings = {
    {"flightLimits", 0, 'i', 9},
    {"allowStats", 18, 't', 1},
    {"calcHandicaps", 19, 't', 1},
    {"startTime", 20, 'i', 1},
    {"teeInterval", 22, 'f', 1},
    {"hostDirectory", 26, 't', 15},
    {"groupNines", 41, 't', 1},
    {nullptr, 42, 'b', 10},
    {"ladiesPercent", 52, 'i', 1},
    {"menPercent", 54, 'i', 1},
    {"handicapMultiplier", 56, 'f', 1},
    {"hiddenHoles", 60, 'i', 6},
    {"pointValues", 72, 'i', 6},
    {nullptr, 84, 'b', 82},
    {nullptr, 166, 'b', 2},
    {"avgHoleScores", 168, 'f', 18},
    {"avgPlayers", 240, 'i', 1},
    {nullptr, 242, 'b', 72},
    {"seasonBestN", 314, 'i', 1},
    {"showTips", 316, 't', 1},
    {"tieBreakMethod", 317, 't', 1},
    {"groupCount", 318, 'i', 1},
    {nullptr, 320, 'b', 2},
    {"menCount", 322, 'i', 1},
    {"ladiesCount", 324, 'i', 1},
    {"lastCompetition", 326, 'i', 1},
    {"tripleBogeyPoints", 328, 'f', 1},
    {"maxCourses", 332, 'i', 1},
    {"entryMode", 334, 'i', 1},
    {nullptr, 336, 'b', 6},
    {"usaMethod", 342, 't', 1},
    {nullptr, 343, 'b', 4},
    {nullptr, 347, 'b', 2},
    {nullptr, 349, 'b', 4},
    {nullptr, 353, 'b', 4},
    {nullptr, 357, 'b', 64},
    {nullptr, 421, 'b', 75},
};

const std::vector<Layout> kCourse = {
    {"courseName", 0, 't', 25},           {"menParTotal", 25, 'i', 1},
    {"ladiesParTotal", 27, 'i', 1},       {"ladiesPars", 29, 'i', 18},
    {"ladiesHandicapHoles", 65, 'i', 18}, {"menPars", 101, 'i', 18},
    {"menHandicapHoles", 137, 'i', 18},   {"menRatings", 173, 'f', 3},
    {"menSlopes", 185, 'i', 3},           {nullptr, 191, 'b', 6},
    {"ladiesRatings", 197, 'f', 3},       {"ladiesSlopes", 209, 'i', 3},
};

const std::vector<Layout> kPlayer = {
    {"firstName", 0, 't', 12},
    {"lastName", 12, 't', 15},
    {"street", 27, 't', 31},
    {"cityStateProv", 58, 't', 31},
    {"robinAdded", 89, 't', 1},
    {"zipCode", 90, 't', 10},
    {"phone", 100, 't', 12},
    {"homeCourse", 112, 't', 25},
    {"inCompetition", 137, 't', 1},
    {nullptr, 138, 'b', 2},
    {"flight", 140, 'i', 1},
    {"handicap", 142, 'i', 1},
    {"handicapIndex", 144, 'f', 1},
    {nullptr, 148, 'b', 1},
    {nullptr, 149, 'b', 1},
    {"putts", 150, 'i', 1},
    {"sex", 152, 'i', 1},
    {"escLimit", 154, 'i', 1},
    {"groupSlot", 156, 'i', 1},
    {"groupNumber", 158, 'i', 1},
    {"groupPosition", 160, 'i', 1},
    {"courseNumber", 162, 'i', 1},
    {"robinPoints", 164, 'f', 1},
    {"robinTotal", 168, 'f', 1},
    {"roundsRecorded", 172, 'i', 1},
    {"holeScores", 174, 'i', 18},
    {"netHoleScores", 210, 'i', 18},
    {"netTotal", 246, 'd', 1},
    {"grossTotal", 254, 'd', 1},
    {"roundGross", 262, 'd', 26},
    {"seasonGross", 470, 'd', 1},
    {"roundNet", 478, 'd', 26},
    {"seasonNet", 686, 'd', 1},
    {"roundPointsGross", 694, 'i', 26},
    {"seasonPointsGross", 746, 'i', 1},
    {"roundPointsNet", 748, 'i', 26},
    {"seasonPointsNet", 800, 'i', 1},
    {"roundCallaway", 802, 'i', 26},
    {"seasonCallaway", 854, 'i', 1},
    {"roundHidden", 856, 'i', 26},
    {"seasonHidden", 908, 'i', 1},
    {"hiddenHandicap", 910, 'i', 1},
    {"hiddenNet", 912, 'd', 1},
    {"callawayHandicap", 920, 'i', 1},
    {"callawayReduction", 922, 'i', 1},
    {"callawayNet", 924, 'd', 1},
    {nullptr, 932, 'b', 8},
    {"pointsGross", 940, 'i', 1},
    {"pointsNet", 942, 'i', 1},
    {"robinRound", 944, 'i', 1},
    {"robinSize", 946, 'i', 1},
    {"scoresPosted", 948, 'i', 1},
    {"postedScores", 950, 'i', 20},
    {"postedDiffs", 990, 'f', 20},
    {"postedDates", 1070, 't', 8, 20},
    {"puttsHistory", 1230, 'i', 20},
    {"sandSavesHistory", 1270, 'i', 20},
    {"sandSaves", 1310, 'i', 1},
    {"greensHistory", 1312, 'i', 20},
    {"greensInReg", 1352, 'i', 1},
    {"fairwaysHistory", 1354, 'i', 20},
    {"fairwaysHit", 1394, 'i', 1},
    {"pendingNineScore", 1396, 'i', 1},
    {"pendingNinePutts", 1398, 'i', 1},
    {"pendingNineSandSaves", 1400, 'i', 1},
    {"pendingNineFairways", 1402, 'i', 1},
    {"pendingNineGreens", 1404, 'i', 1},
    {nullptr, 1406, 'b', 2},
    {"scoreDate", 1408, 't', 8},
    {nullptr, 1416, 'b', 2},
    {nullptr, 1418, 'b', 4},
};

std::size_t sizeOf(const Layout& l) {
  switch (l.type) {
    case 'i':
      return 2 * l.count;
    case 'f':
      return 4 * l.count;
    case 'd':
      return 8 * l.count;
    default:
      return l.count * l.textCount;
  }
}

// Gives every element of every named field a value of its own and remembers it.
struct Filler {
  int next = 1;
  struct Value {
    long i = 0;
    double d = 0;
    std::string s;
  };
  std::map<std::string, std::vector<Value>> values;
  void put(const char* name, std::int16_t& v) {
    v = static_cast<std::int16_t>(next * 7 - 3000);
    values[name].push_back({v, 0, {}});
    ++next;
  }
  void put(const char* name, float& v) {
    v = next + 0.5f;
    values[name].push_back({0, v, {}});
    ++next;
  }
  void put(const char* name, double& v) {
    v = next + 0.25;
    values[name].push_back({0, v, {}});
    ++next;
  }
  template <std::size_t N>
  void put(const char* name, Text<N>& t) {
    std::string s;
    for (std::size_t i = 0; i < N; ++i) s += static_cast<char>('A' + (next + i) % 26);
    t = s;
    values[name].push_back({0, 0, s});
    ++next;
  }
  template <std::size_t N>
  void put(const char*, Bytes<N>&) {}
  template <class T, std::size_t N>
  void put(const char* name, std::array<T, N>& a) {
    for (T& e : a) put(name, e);
  }
  template <class T>
  void operator()(const char* name, T& field) {
    if (name) put(name, field);
  }
};

std::int64_t littleEndian(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
  std::uint64_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= std::uint64_t{b[at + static_cast<std::size_t>(i)]} << (8 * i);
  return static_cast<std::int64_t>(v);
}

template <class R>
void checkLayout(const std::vector<Layout>& layout, std::size_t length) {
  // The table itself covers the record without gaps.
  std::size_t at = 0;
  for (const auto& l : layout) {
    ASSERT_EQ(l.offset, at) << (l.name ? l.name : "reserved");
    at += sizeOf(l);
  }
  ASSERT_EQ(at, length);

  R r;
  Filler f;
  forEachField(r, f);
  std::vector<std::uint8_t> bytes(length);
  encode(r, bytes);
  std::size_t named = 0;
  for (const auto& l : layout) {
    if (!l.name) continue;
    ++named;
    const auto& vals = f.values.at(l.name);
    ASSERT_EQ(vals.size(), l.type == 't' ? l.textCount : l.count) << l.name;
    for (std::size_t k = 0; k < vals.size(); ++k) {
      switch (l.type) {
        case 'i':
          EXPECT_EQ(static_cast<std::int16_t>(littleEndian(bytes, l.offset + 2 * k, 2)), vals[k].i) << l.name;
          break;
        case 'f':
          EXPECT_EQ(
              std::bit_cast<float>(static_cast<std::uint32_t>(littleEndian(bytes, l.offset + 4 * k, 4))),
              vals[k].d)
              << l.name;
          break;
        case 'd':
          EXPECT_EQ(std::bit_cast<double>(littleEndian(bytes, l.offset + 8 * k, 8)), vals[k].d) << l.name;
          break;
        default:
          EXPECT_EQ(std::string(bytes.begin() + static_cast<long>(l.offset + l.count * k),
                                bytes.begin() + static_cast<long>(l.offset + l.count * (k + 1))),
                    vals[k].s)
              << l.name;
      }
    }
  }
  EXPECT_EQ(named, f.values.size()) << "fields the layout does not list";

  // Whatever a file holds, reserved bytes included, comes back unchanged.
  std::mt19937 gen(7);
  std::vector<std::uint8_t> noise(length);
  for (auto& b : noise) b = static_cast<std::uint8_t>(gen());
  R decoded;
  decode(noise, decoded);
  std::vector<std::uint8_t> again(length);
  encode(decoded, again);
  EXPECT_EQ(again, noise);
}

TEST(Records, SettingsLayout) {
  checkLayout<SettingsRecord>(kSettings, kSettingsLength);
}
TEST(Records, CourseLayout) {
  checkLayout<CourseRecord>(kCourse, kCourseLength);
}
TEST(Records, PlayerLayout) {
  checkLayout<PlayerRecord>(kPlayer, kPlayerLength);
}

TEST(Records, TextIsCutAndPadded) {
  PlayerRecord p;
  p.lastName = "SMITH";
  EXPECT_EQ(p.lastName.raw(), "SMITH          ");
  p.lastName = "FEATHERSTONEHAUGH";
  EXPECT_EQ(p.lastName.raw(), "FEATHERSTONEHAU");
  p.firstName = "  JO ";
  EXPECT_EQ(p.firstName.trimmed(), "JO");
  // Accented names are stored in the 8-bit code page, one byte a letter.
  p.lastName = "MÜLLER";
  EXPECT_EQ(p.lastName.raw().substr(0, 6), "M\xDCLLER");
  EXPECT_EQ(p.lastName.trimmed(), "MÜLLER");
}

TEST(Records, ClearedPlayerIsBlankAndZero) {
  PlayerRecord p;
  p.lastName = "X";
  p.holeScores[3] = 5;
  p.reserved138.data = {1, 2};
  clrplyr(p);
  std::vector<std::uint8_t> bytes(kPlayerLength);
  encode(p, bytes);
  EXPECT_EQ(bytes[12], ' ');   // lastName blank
  EXPECT_EQ(bytes[138], 0);    // reserved number zero
  EXPECT_EQ(bytes[148], ' ');  // reserved text blank
  EXPECT_EQ(bytes[180], 0);    // holeScores[3]
}

}  // namespace
}  // namespace teebrook
