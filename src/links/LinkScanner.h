#pragma once
// Cuts references out of page text: a plain text search for tag openings and attribute
// names, not an HTML parser.
#include <string>
#include <vector>

namespace ravlet {

class ctlStatusBar;
class FoundLinks;

enum ScanMode : int { ScanHref = 1, ScanImages = 2, ScanWildSrc = 4, ScanPlainHttp = 8 };

// Runs the passes of the modes; true when at least one string was appended.
// statusBar may be null (no progress shown).
bool ScanLinks(std::string text, std::vector<std::string>& results, int modes,
               ctlStatusBar* statusBar);
// The same over a text that is kept: its line breaks become blanks and what is found points
// into it.
bool ScanLinksInto(std::string& text, FoundLinks& found, int modes, ctlStatusBar* statusBar);
// An empty tag means any tag.
bool ScanTagAttribute(const std::string& text, const std::string& tag, const std::string& attribute,
                      std::vector<std::string>& results);
bool ScanPlainText(const std::string& text, const std::string& prefix,
                   std::vector<std::string>& results, ctlStatusBar* statusBar = nullptr);
// Returns the cleaned text and also replaces the caller's string with it.
std::string CleanPageText(std::string& text);

}  // namespace ravlet
