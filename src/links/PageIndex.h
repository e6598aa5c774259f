#pragma once
// Where the tag openings and attribute names of the scanner's own passes lie, found in one
// sweep over the page: the passes then walk these lists instead of searching the whole page
// once each.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ravlet {

class ctlStatusBar;
class FoundLinks;
struct ValueWalk;

// The tag openings: "<a", "<link", ... (a prefix: "<a" also stands at "<abbr").
enum class TagKind : unsigned char { A, Link, Frame, Map, Form, Img, Body, Table, Tr, Td, Count };
// The attribute names with the blank before and the equals sign after: " href=", ...
enum class AttributeKind : unsigned char { Href, Src, Lowsrc, Action, Background, Value, Count };

// The addresses in running text: "http://", "https://", "ftp://".
enum class PlainKind : unsigned char { Http, Https, Ftp, Count };

constexpr std::size_t kTagKinds = static_cast<std::size_t>(TagKind::Count);
constexpr std::size_t kAttributeKinds = static_cast<std::size_t>(AttributeKind::Count);
constexpr std::size_t kPlainKinds = static_cast<std::size_t>(PlainKind::Count);

struct PageIndex {
    // Each list holds the positions where its needle starts, ascending; the lengths are those
    // of the needles.
    std::array<std::vector<std::size_t>, kTagKinds> tags;
    std::array<std::vector<std::size_t>, kAttributeKinds> attributes;
    std::array<std::vector<std::size_t>, kPlainKinds> plain;
    static std::size_t TagSize(TagKind kind);
    static std::size_t AttributeSize(AttributeKind kind);
    static const char* PlainPrefix(PlainKind kind);
};

// Letter case is ignored for the ASCII letters, as the passes ignore it.
PageIndex IndexPage(std::string_view text);

// One tag and attribute pass over the index, as ScanTagAttribute is over the text; a null
// tag means any tag. With a walk, the text is one segment of a page (see ValueWalk).
bool ScanIndexedTagAttribute(std::string_view text, const PageIndex& index, const TagKind* tag,
                             AttributeKind attribute, FoundLinks& results,
                             ValueWalk* walk = nullptr);

// One plain-text pass over the index, as ScanPlainText is over the text.
bool ScanIndexedPlainText(std::string_view text, const PageIndex& index, PlainKind prefix,
                          FoundLinks& results, ctlStatusBar* statusBar, ValueWalk* walk = nullptr);

// The first position of a list at or after a position that only grows between calls: one
// walk over the list in all.
class NextInList {
  public:
    explicit NextInList(const std::vector<std::size_t>& list) : list_(list) {}
    std::size_t From(std::size_t from);

  private:
    const std::vector<std::size_t>& list_;
    std::size_t at_ = 0;
};

}  // namespace ravlet
