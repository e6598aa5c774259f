#pragma once
// The data lines of a filter's data block: one "<data name=... value=... />" tag a parameter.
#include <string>
#include <utility>
#include <vector>

namespace ravlet {

// (name lower-cased, value unescaped) in the order of the block.
using DataLines = std::vector<std::pair<std::string, std::string>>;

std::string DataLine(const std::string& name, const std::string& text);  // escapes the text
std::string DataLine(const std::string& name, long long number);
// Lines joined by CR LF, none after the last.
std::string DataBlock(const std::vector<std::string>& lines);
// Every "data" tag of the block; tags of other names are skipped.
DataLines DataLinesRead(const std::string& block);
// A decimal value as stored files hold it; out-of-range values are held at the int limits.
int DataNumber(const std::string& value);

}  // namespace ravlet
