#pragma once
// The name of a download's target below the download folder, built from its address.
#include <string>

namespace ravlet {

// Naming rules: 0 long (the whole address without its scheme), 1 short (the file part),
// 2 server folder + short, 3 the address's folders rebuilt, 4 numbered (number + "_" + short).
enum NamingRule : int {
    Naming_Long = 0,
    Naming_Short = 1,
    Naming_ServerShort = 2,
    Naming_Rebuild = 3,
    Naming_Numbered = 4,
};

// The relative name with this platform's separator. number is the place of the link in the
// run (from 1) and matters only under rule 4; without one, rule 4 names nothing, as any
// unknown rule does. Never fails: an address without a scheme is logged and named as it is.
std::string doSuck_BuildFilename(const std::string& address, int rule, long number = 0);

// "0001_" for 1: the prefix of rule 4, four digits at least.
std::string NumberedPrefix(long number);

}  // namespace ravlet
