#include "data/record_json.h"

#include <gtest/gtest.h>

#include <cmath>

namespace teebrook {
namespace {

TEST(RecordJson, SettingsDumpUsesFieldNamesAndShortestNumbers) {
  SettingsRecord s;
  s.showTips = "Y";
  s.teeInterval = 7.5f;
  s.handicapMultiplier = 12.4f;
  s.avgHoleScores[0] = 4.1f;
  s.hostDirectory = "C:\\GOLF \"X\"";
  s.reserved421 = "SECRET";
  const std::string json = toJson(s);
  EXPECT_NE(json.find("\"showTips\": \"Y\""), std::string::npos);
  EXPECT_NE(json.find("\"teeInterval\": 7.5"), std::string::npos);
  EXPECT_NE(json.find("\"handicapMultiplier\": 12.4,"), std::string::npos);
  EXPECT_NE(json.find("\"avgHoleScores\": [4.1, 0,"), std::string::npos);
  EXPECT_NE(json.find(R"("hostDirectory": "C:\\GOLF \"X\"")"), std::string::npos) << json;
  EXPECT_EQ(json.find("SECRET"), std::string::npos);  // reserved fields are left out
  EXPECT_EQ(json.find("reserved"), std::string::npos);
}

TEST(RecordJson, PlayersCarryTheirRecordNumbers) {
  std::vector<PlayerRecord> ps(2);
  ps[0].lastName = "  O'NEIL";
  ps[1].lastName = "ÅBERG";
  ps[1].netTotal = 71.004;
  ps[1].postedDates[0] = "06-13-26";
  ps[1].handicapIndex = std::nanf("");
  const std::string json = toJson(ps);
  EXPECT_NE(json.find("\"record\": 1,\n    \"firstName\": \"\""), std::string::npos) << json.substr(0, 80);
  EXPECT_NE(json.find("\"record\": 2,"), std::string::npos);
  EXPECT_NE(json.find("\"lastName\": \"  O'NEIL\""), std::string::npos);  // trailing blanks only
  EXPECT_NE(json.find("\"lastName\": \"ÅBERG\""), std::string::npos);
  EXPECT_NE(json.find("\"netTotal\": 71.004,"), std::string::npos);
  EXPECT_NE(json.find("\"postedDates\": [\"06-13-26\", \"\","), std::string::npos);
  EXPECT_NE(json.find("\"handicapIndex\": null"), std::string::npos);
  EXPECT_EQ(toJson(std::vector<PlayerRecord>{}), "[]\n");
}

TEST(RecordJson, SetSettingsFieldChecksTypes) {
  SettingsRecord s;
  EXPECT_FALSE(setSettingsField(s, "menPercent=90"));
  EXPECT_EQ(s.menPercent, 90);
  EXPECT_FALSE(setSettingsField(s, "teeInterval=7.5"));
  EXPECT_EQ(s.teeInterval, 7.5f);
  EXPECT_FALSE(setSettingsField(s, "tieBreakMethod=G"));
  EXPECT_TRUE(s.tieBreakMethod.is("G"));
  EXPECT_FALSE(setSettingsField(s, "hiddenHoles=1,2,3,10,11,12"));
  EXPECT_EQ(s.hiddenHoles[3], 10);
  EXPECT_FALSE(setSettingsField(s, "flightLimits[2]=27"));
  EXPECT_EQ(s.flightLimits[2], 27);

  const struct {
    const char* assignment;
    const char* says;
  } bad[] = {
      {"nosuch=1", "unknown settings field: nosuch"},
      {"menPercent=abc", "menPercent takes a whole number"},
      {"menPercent=40000", "menPercent takes a whole number from -32768 to 32767"},
      {"menPercent=12abc", "menPercent takes a whole number"},
      {"teeInterval=nan", "teeInterval takes a finite number"},
      {"showTips=YES", "showTips takes a text of at most 1 character"},
      {"hiddenHoles=1,2", "hiddenHoles takes 6 comma-separated values"},
      {"hiddenHoles=1,2,3,4,5,x", "hiddenHoles takes a whole number"},
      {"flightLimits[9]=1", "flightLimits has elements 0 to 8"},
      {"menPercent[0]=1", "menPercent is not a list"},
      {"reserved42=x", "unknown settings field"},
      {"menPercent", "expected FIELD=VALUE"},
  };
  const SettingsRecord before = s;
  for (const auto& b : bad) {
    const auto why = setSettingsField(s, b.assignment);
    ASSERT_TRUE(why.has_value()) << b.assignment;
    EXPECT_EQ(why->find(b.says), 0u) << *why;
  }
  EXPECT_EQ(s, before);  // a refused value changes nothing
}

}  // namespace
}  // namespace teebrook
