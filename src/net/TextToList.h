#pragma once
// Lines of a text appended to a link list.
#include <string>

namespace ravlet {

class LinkList;

// CR LF is appended to text, which is then split at CR LF; each line goes to list, through
// AddLinkUnique when unique, else unchanged (so a text ending in CR LF adds an empty entry).
void TextToList(LinkList& list, const std::string& text, bool unique);

}  // namespace ravlet
