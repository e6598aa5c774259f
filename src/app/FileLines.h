#pragma once
// The lines of a text file as the program's readers take them.
#include <string>
#include <vector>

namespace ravlet {

// Lines end in CR LF, CR or LF; the line ends are dropped. A last line without an end is a
// line; an empty text has no lines.
std::vector<std::string> FileLines(const std::string& bytes);
// The line at pos, pos then after its end; false at the end of the bytes.
bool NextLine(const std::string& bytes, std::size_t& pos, std::string& line);

}  // namespace ravlet
