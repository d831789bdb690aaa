#pragma once
// JSON dumps of the records and the typed setting of a settings field by its name.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/records.h"

namespace teebrook {

// Field names are the record field names; reserved fields are left out; text is trimmed of trailing
// blanks; Singles and Doubles are the shortest decimal that reads back to the same value.
std::string toJson(const SettingsRecord& r);
std::string toJson(const std::vector<CourseRecord>& courses);
// Each player carries "record": its record number.
std::string toJson(const std::vector<PlayerRecord>& players);

// Sets one settings field from "FIELD=VALUE" (arrays: "FIELD=v1,...,vN" with every element, or
// "FIELD[i]=v"). Returns the reason when the field is unknown or the value does not fit it.
std::optional<std::string> setSettingsField(SettingsRecord& r, std::string_view assignment);

}  // namespace teebrook
