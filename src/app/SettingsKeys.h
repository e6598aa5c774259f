#pragma once
// The keys of the settings file in the order they are written, each with its conversion.
#include <string>
#include <vector>

#include "app/Settings.h"

namespace ravlet::settings {

enum class Conversion { Text, Lenient, Strict, Boolean, Flag };
// How a value is written where it differs from the plain form.
enum class Written { Plain, Absolute, MinusOneForTrue };

struct KeyRow {
    const char* line = nullptr;  // a comment or empty line when set; then no key
    const char* key = nullptr;
    Conversion conversion = Conversion::Text;
    std::string Settings::*text = nullptr;
    int Settings::*number = nullptr;
    bool Settings::*boolean = nullptr;
    Written written = Written::Plain;
};

// Every line of the file after the first two comment lines.
const std::vector<KeyRow>& KeyRows();
// The row of a key as read (old names included); nullptr for an unknown key.
const KeyRow* FindKey(const std::string& key);
// Applies value with the row's conversion; false when it does not convert (field unchanged).
bool ApplyValue(Settings& s, const KeyRow& row, const std::string& value);
// The value as written in the file.
std::string WrittenValue(const Settings& s, const KeyRow& row);

}  // namespace ravlet::settings
