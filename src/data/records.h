#pragma once
// The three records of the data files, field by field in file order, and their byte-exact encoding.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

#include "data/text_field.h"

namespace teebrook {

using Int = std::int16_t;   // Integer: 2 bytes
using Long = std::int32_t;  // Long: 4 bytes
using Single = float;       // 4-byte IEEE
// Double is plain double (8-byte IEEE).

inline constexpr std::size_t kSettingsLength = 496;
inline constexpr std::size_t kCourseLength = 215;
inline constexpr std::size_t kPlayerLength = 1422;
inline constexpr int kMaxPlayers = 32767;
inline constexpr std::size_t kNetTotalOffset = 246;    // where netTotal lies in a player record
inline constexpr std::size_t kGrossTotalOffset = 254;  // and grossTotal
inline constexpr int kRounds = 26;                     // seasonal per-round slots
inline constexpr int kHistory = 20;                    // handicap history slots

// Name passed to a field visitor for a reserved field.
inline constexpr const char* kReserved = nullptr;

// Program and tournament settings ("tntdef.txt", record 1).
struct SettingsRecord {
  std::array<Int, 9> flightLimits{};
  Text<1> allowStats;
  Text<1> calcHandicaps;
  Int startTime = 0;
  Single teeInterval = 0;
  Text<15> hostDirectory;
  Text<1> groupNines;
  Text<10> reserved42;
  Int ladiesPercent = 0;
  Int menPercent = 0;
  Single handicapMultiplier = 0;
  std::array<Int, 6> hiddenHoles{};
  std::array<Int, 6> pointValues{};
  Bytes<82> reserved84;
  Bytes<2> reserved166;
  std::array<Single, 18> avgHoleScores{};
  Int avgPlayers = 0;
  Bytes<72> reserved242;
  Int seasonBestN = 0;
  Text<1> showTips;
  Text<1> tieBreakMethod;
  Int groupCount = 0;
  Bytes<2> reserved320;
  Int menCount = 0;
  Int ladiesCount = 0;
  Int lastCompetition = 0;
  Single tripleBogeyPoints = 0;
  Int maxCourses = 0;
  Int entryMode = 0;
  Bytes<6> reserved336;
  Text<1> usaMethod;
  Bytes<4> reserved343;
  Bytes<2> reserved347;
  Bytes<4> reserved349;
  Bytes<4> reserved353;
  Bytes<64> reserved357;
  Text<75> reserved421;
  bool operator==(const SettingsRecord&) const = default;
};

// One course setting ("tntcrs.txt").
struct CourseRecord {
  Text<25> courseName;
  Int menParTotal = 0;
  Int ladiesParTotal = 0;
  std::array<Int, 18> ladiesPars{};
  std::array<Int, 18> ladiesHandicapHoles{};
  std::array<Int, 18> menPars{};
  std::array<Int, 18> menHandicapHoles{};
  std::array<Single, 3> menRatings{};
  std::array<Int, 3> menSlopes{};
  Bytes<6> reserved191;
  std::array<Single, 3> ladiesRatings{};
  std::array<Int, 3> ladiesSlopes{};
  bool operator==(const CourseRecord&) const = default;
};

// One player of a tournament file.
struct PlayerRecord {
  Text<12> firstName;
  Text<15> lastName;
  Text<31> street;
  Text<31> cityStateProv;
  Text<1> robinAdded;
  Text<10> zipCode;
  Text<12> phone;
  Text<25> homeCourse;
  Text<1> inCompetition;
  Bytes<2> reserved138;
  Int flight = 0;
  Int handicap = 0;
  Single handicapIndex = 0;
  Text<1> reserved148;
  Text<1> reserved149;
  Int putts = 0;
  Int sex = 0;
  Int escLimit = 0;
  Int groupSlot = 0;
  Int groupNumber = 0;
  Int groupPosition = 0;
  Int courseNumber = 0;
  Single robinPoints = 0;
  Single robinTotal = 0;
  Int roundsRecorded = 0;
  std::array<Int, 18> holeScores{};
  std::array<Int, 18> netHoleScores{};
  double netTotal = 0;
  double grossTotal = 0;
  std::array<double, kRounds> roundGross{};
  double seasonGross = 0;
  std::array<double, kRounds> roundNet{};
  double seasonNet = 0;
  std::array<Int, kRounds> roundPointsGross{};
  Int seasonPointsGross = 0;
  std::array<Int, kRounds> roundPointsNet{};
  Int seasonPointsNet = 0;
  std::array<Int, kRounds> roundCallaway{};
  Int seasonCallaway = 0;
  std::array<Int, kRounds> roundHidden{};
  Int seasonHidden = 0;
  Int hiddenHandicap = 0;
  double hiddenNet = 0;
  Int callawayHandicap = 0;
  Int callawayReduction = 0;
  double callawayNet = 0;
  Bytes<8> reserved932;
  Int pointsGross = 0;
  Int pointsNet = 0;
  Int robinRound = 0;
  Int robinSize = 0;
  Int scoresPosted = 0;
  std::array<Int, kHistory> postedScores{};
  std::array<Single, kHistory> postedDiffs{};
  std::array<Text<8>, kHistory> postedDates{};
  std::array<Int, kHistory> puttsHistory{};
  std::array<Int, kHistory> sandSavesHistory{};
  Int sandSaves = 0;
  std::array<Int, kHistory> greensHistory{};
  Int greensInReg = 0;
  std::array<Int, kHistory> fairwaysHistory{};
  Int fairwaysHit = 0;
  Int pendingNineScore = 0;
  Int pendingNinePutts = 0;
  Int pendingNineSandSaves = 0;
  Int pendingNineFairways = 0;
  Int pendingNineGreens = 0;
  Bytes<2> reserved1406;
  Text<8> scoreDate;
  Text<2> reserved1416;
  Bytes<4> reserved1418;
  bool operator==(const PlayerRecord&) const = default;
};

template <class R, class Base>
concept RecordOf = std::is_same_v<std::remove_const_t<R>, Base>;

// Calls v(name, field) for every field in file order; reserved fields get the name kReserved.
template <class R, class V>
requires RecordOf<R, SettingsRecord>
void forEachField(R& r, V&& v) {
  v("flightLimits", r.flightLimits);
  v("allowStats", r.allowStats);
  v("calcHandicaps", r.calcHandicaps);
  v("startTime", r.startTime);
  v("teeInterval", r.teeInterval);
  v("hostDirectory", r.hostDirectory);
  v("groupNines", r.groupNines);
  v(kReserved, r.reserved42);
  v("ladiesPercent", r.ladiesPercent);
  v("menPercent", r.menPercent);
  v("handicapMultiplier", r.handicapMultiplier);
  v("hiddenHoles", r.hiddenHoles);
  v("pointValues", r.pointValues);
  v(kReserved, r.reserved84);
  v(kReserved, r.reserved166);
  v("avgHoleScores", r.avgHoleScores);
  v("avgPlayers", r.avgPlayers);
  v(kReserved, r.reserved242);
  v("seasonBestN", r.seasonBestN);
  v("showTips", r.showTips);
  v("tieBreakMethod", r.tieBreakMethod);
  v("groupCount", r.groupCount);
  v(kReserved, r.reserved320);
  v("menCount", r.menCount);
  v("ladiesCount", r.ladiesCount);
  v("lastCompetition", r.lastCompetition);
  v("tripleBogeyPoints", r.tripleBogeyPoints);
  v("maxCourses", r.maxCourses);
  v("entryMode", r.entryMode);
  v(kReserved, r.reserved336);
  v("usaMethod", r.usaMethod);
  v(kReserved, r.reserved343);
  v(kReserved, r.reserved347);
  v(kReserved, r.reserved349);
  v(kReserved, r.reserved353);
  v(kReserved, r.reserved357);
  v(kReserved, r.reserved421);
}

template <class R, class V>
requires RecordOf<R, CourseRecord>
void forEachField(R& r, V&& v) {
  v("courseName", r.courseName);
  v("menParTotal", r.menParTotal);
  v("ladiesParTotal", r.ladiesParTotal);
  v("ladiesPars", r.ladiesPars);
  v("ladiesHandicapHoles", r.ladiesHandicapHoles);
  v("menPars", r.menPars);
  v("menHandicapHoles", r.menHandicapHoles);
  v("menRatings", r.menRatings);
  v("menSlopes", r.menSlopes);
  v(kReserved, r.reserved191);
  v("ladiesRatings", r.ladiesRatings);
  v("ladiesSlopes", r.ladiesSlopes);
}

template <class R, class V>
requires RecordOf<R, PlayerRecord>
void forEachField(R& r, V&& v) {
  v("firstName", r.firstName);
  v("lastName", r.lastName);
  v("street", r.street);
  v("cityStateProv", r.cityStateProv);
  v("robinAdded", r.robinAdded);
  v("zipCode", r.zipCode);
  v("phone", r.phone);
  v("homeCourse", r.homeCourse);
  v("inCompetition", r.inCompetition);
  v(kReserved, r.reserved138);
  v("flight", r.flight);
  v("handicap", r.handicap);
  v("handicapIndex", r.handicapIndex);
  v(kReserved, r.reserved148);
  v(kReserved, r.reserved149);
  v("putts", r.putts);
  v("sex", r.sex);
  v("escLimit", r.escLimit);
  v("groupSlot", r.groupSlot);
  v("groupNumber", r.groupNumber);
  v("groupPosition", r.groupPosition);
  v("courseNumber", r.courseNumber);
  v("robinPoints", r.robinPoints);
  v("robinTotal", r.robinTotal);
  v("roundsRecorded", r.roundsRecorded);
  v("holeScores", r.holeScores);
  v("netHoleScores", r.netHoleScores);
  v("netTotal", r.netTotal);
  v("grossTotal", r.grossTotal);
  v("roundGross", r.roundGross);
  v("seasonGross", r.seasonGross);
  v("roundNet", r.roundNet);
  v("seasonNet", r.seasonNet);
  v("roundPointsGross", r.roundPointsGross);
  v("seasonPointsGross", r.seasonPointsGross);
  v("roundPointsNet", r.roundPointsNet);
  v("seasonPointsNet", r.seasonPointsNet);
  v("roundCallaway", r.roundCallaway);
  v("seasonCallaway", r.seasonCallaway);
  v("roundHidden", r.roundHidden);
  v("seasonHidden", r.seasonHidden);
  v("hiddenHandicap", r.hiddenHandicap);
  v("hiddenNet", r.hiddenNet);
  v("callawayHandicap", r.callawayHandicap);
  v("callawayReduction", r.callawayReduction);
  v("callawayNet", r.callawayNet);
  v(kReserved, r.reserved932);
  v("pointsGross", r.pointsGross);
  v("pointsNet", r.pointsNet);
  v("robinRound", r.robinRound);
  v("robinSize", r.robinSize);
  v("scoresPosted", r.scoresPosted);
  v("postedScores", r.postedScores);
  v("postedDiffs", r.postedDiffs);
  v("postedDates", r.postedDates);
  v("puttsHistory", r.puttsHistory);
  v("sandSavesHistory", r.sandSavesHistory);
  v("sandSaves", r.sandSaves);
  v("greensHistory", r.greensHistory);
  v("greensInReg", r.greensInReg);
  v("fairwaysHistory", r.fairwaysHistory);
  v("fairwaysHit", r.fairwaysHit);
  v("pendingNineScore", r.pendingNineScore);
  v("pendingNinePutts", r.pendingNinePutts);
  v("pendingNineSandSaves", r.pendingNineSandSaves);
  v("pendingNineFairways", r.pendingNineFairways);
  v("pendingNineGreens", r.pendingNineGreens);
  v(kReserved, r.reserved1406);
  v("scoreDate", r.scoreDate);
  v(kReserved, r.reserved1416);
  v(kReserved, r.reserved1418);
}

template <class R>
constexpr std::size_t recordLength();
template <>
constexpr std::size_t recordLength<SettingsRecord>() {
  return kSettingsLength;
}
template <>
constexpr std::size_t recordLength<CourseRecord>() {
  return kCourseLength;
}
template <>
constexpr std::size_t recordLength<PlayerRecord>() {
  return kPlayerLength;
}

// Encoding: little-endian, packed, independent of the host's byte order and struct layout.
// The span must hold exactly the record length.
void encode(const SettingsRecord& r, std::span<std::uint8_t> out);
void encode(const CourseRecord& r, std::span<std::uint8_t> out);
void encode(const PlayerRecord& r, std::span<std::uint8_t> out);
void decode(std::span<const std::uint8_t> in, SettingsRecord& r);
void decode(std::span<const std::uint8_t> in, CourseRecord& r);
void decode(std::span<const std::uint8_t> in, PlayerRecord& r);

// Blanks the working player record: blanks in text fields, zero in every number (`clrplyr`).
inline void clrplyr(PlayerRecord& p) {
  p = PlayerRecord{};
}

}  // namespace teebrook
