#pragma once
// The page parse: prepares a page text, runs the scanner and moves what it found into a link
// list. The main window implements the target; ravlet-cli has a console one.
#include <cstddef>
#include <string>
#include <string_view>

namespace ravlet {

class LinkList;
class ctlStatusBar;

// The source view shows at most this many characters of the parsed text.
constexpr std::size_t kSourceViewChars = 32000;

class PageParseTarget {
  public:
    virtual ~PageParseTarget() = default;
    virtual LinkList& Links() = 0;
    virtual ctlStatusBar& StatusBar() = 0;
    // The scan modes of the settings (ScanHref | ScanImages | ...).
    virtual int ScanModes() = 0;
    // Shows the text in the source view; false with the platform's description and number
    // when the view refuses it.
    virtual bool ShowSource(const std::string& text, std::string& error, long& errorNumber) = 0;
    // The list is hidden while it is filled, so it does not repaint for every row.
    virtual void ListVisible(bool visible) = 0;
    // "Ready (" n " Links)" with the gauge hidden.
    virtual void StatusReady() = 0;
};

// Line breaks made CR LF, then CleanPageText, in one pass: what every parse of a page text
// starts with. The text is read, never changed: it may be a mapped file.
std::string PreparePageText(std::string_view text);
// The same into prepared, whose room is used again: for a page prepared a segment at a time.
void PreparePageTextInto(std::string_view text, std::string& prepared);
// The same with every line break two blanks, as the scanner makes them: what a segment that
// no source view shows is scanned as.
void PrepareScanText(std::string_view text, std::string& prepared);
// The same over the text itself, without a second copy of a large page.
void PreparePageTextInPlace(std::string& text);

// append false replaces the list's content, true adds to it; a page without links leaves the
// list as it was either way. True when the scanner found anything.
bool ParsePage(PageParseTarget& target, std::string text, bool append);
// The same for a text that PreparePageText has already made.
bool ParsePreparedPage(PageParseTarget& target, std::string prepared, bool append);

// The parse of a page that is read, never changed (a mapped file), prepared and scanned a
// segment of about segmentBytes at a time: the list ends as ParsePage leaves it, without a
// second block the size of the page. For a console: no gauge is shown.
bool ParseSegmentedPage(PageParseTarget& target, std::string_view text, bool append,
                        std::size_t segmentBytes = std::size_t{1} << 20);

}  // namespace ravlet
