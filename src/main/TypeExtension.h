#pragma once
// The extension of the file type chosen in a save dialog, added to a name typed without one.
#include <string>

namespace ravlet {

// filter holds "|"-separated pairs of description and pattern; typeIndex counts the pairs
// from 0. A name that has an extension, a type without a single plain extension ("*.*",
// "*.html;*.htm" gives ".html") or an index outside the filter leaves path as it is.
std::string AddTypeExtension(const std::string& path, const std::string& filter, int typeIndex);

}  // namespace ravlet
