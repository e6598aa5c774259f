#pragma once
// The tag scanner of the filter pad file and of the filters' data blocks. Not a markup
// parser: it finds tags by position, reads names and attributes, matches closing tags and
// escapes attribute values. Positions count from 1; 0 means "not found".
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ravlet {

struct TagInfo {
    std::string name;
    bool selfClosing = false;
    std::size_t end = 0;  // the position just after the tag's ">"
};

struct TagAttr {
    std::string name;
    std::string value;  // raw, still escaped
    bool noValue = true;
    std::size_t length = 0;  // characters the attribute occupies; 0 when no name was read
};

// The next tag start at or after from, 0 if none; a found tag's name, flag and end go to *tag.
std::size_t TagNext(std::string_view text, std::size_t from, TagInfo* tag = nullptr);
// Where the next attribute name starts inside the tag that holds from, or 0.
std::size_t TagAttrNext(std::string_view text, std::size_t from);
TagAttr TagAttrRead(std::string_view text, std::size_t at);
// Every attribute of the tag that starts at tagStart, its name first (without value). A quoted
// value reads on to its closing quote even past the tag's end, so that a ">" written into a
// value by hand stays in it; the tag's end is not needed.
std::vector<TagAttr> TagAttributes(std::string_view text, std::size_t tagStart,
                                   std::size_t tagEnd = 0);

std::size_t TagFindOpen(std::string_view text, std::size_t from, std::string_view name);
std::size_t TagFindClose(std::string_view text, std::size_t from, std::string_view name);
// The closing tag that matches an opening tag ending at from, nested tags of the same name
// counted, searching no further than limit.
std::size_t TagMatchClose(std::string_view name, std::size_t from, std::size_t limit,
                          std::string_view text);

// The opening and closing tags of one name, found once for a whole text, so that matching
// many elements of a long text stays fast. Only tags outside other tags count: a "<" inside
// an attribute value (a caption, a find text) is text, so such values cannot break the
// nesting. Otherwise it gives the same answers as the plain functions.
class TagIndex {
  public:
    TagIndex(std::string_view text, std::string_view name);
    std::size_t FindOpen(std::size_t from) const;
    std::size_t FindClose(std::size_t from) const;
    std::size_t MatchClose(std::size_t from, std::size_t limit) const;
    // Nesting deeper than this reads as an unmatched tag: recursion stays bounded.
    static constexpr int kMaxDepth = 200;

  private:
    std::string_view text_;
    std::size_t nameLength_;
    std::vector<std::size_t> opens_;
    std::vector<std::size_t> closes_;
};

std::string TagEscape(std::string_view text);
std::string TagUnescape(std::string_view text);

}  // namespace ravlet
