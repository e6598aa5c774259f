#pragma once
// What a link found on a scanned page stands for: the address it names, resolved against
// the page's base B, without its fragment and canonicalised.
#include <string>

namespace ravlet {

struct FoundAddress {
    std::string text;  // empty when the link names nothing usable
    // False for a link with a scheme the program does not know ("data:", "tel:"): it is
    // taken as it stands and never fetched.
    bool fetchable = true;
};

// An empty link names B; "/x" the site of B (scheme, user, host and port) + "/x"; "//h/x" B's
// scheme + ":" + "//h/x"; any other relative link B + link.
FoundAddress FoundLinkAddress(const std::string& found, const std::string& pageBase);

// "scheme:" at the start of a text, by the syntax of addresses (a letter, then letters,
// digits, "+", "-" or "."), whether or not the scheme table knows it.
bool StartsWithAnyScheme(const std::string& text);

}  // namespace ravlet
