#include <algorithm>
#include <cstring>

#include "links/LinkScanner.h"
#include "links/PageIndex.h"
#include "links/ScanValues.h"
#include "links/TextFinder.h"

namespace ravlet {

bool ScanTagAttribute(const std::string& text, const std::string& tag, const std::string& attribute,
                      std::vector<std::string>& results) {
    const std::string_view t(text);
    const TextFinder tagFinder("<" + tag, true);
    // One blank before the name and the equals sign right after it, as pages mostly write it
    // once CleanPageText has removed blanks around "=".
    const TextFinder attributeFinder(" " + attribute + "=", true);
    const auto nextTag = [&](std::size_t from) { return tagFinder.Find(t, from); };
    const auto nextAttribute = [&](std::size_t from) { return attributeFinder.Find(t, from); };
    FoundLinks found;
    const bool any = ScanValues(t, tag.empty(), nextTag, tagFinder.Size(), nextAttribute,
                                attributeFinder.Size(), found);
    found.CopyTo(results);
    return any;
}

bool ScanIndexedTagAttribute(std::string_view t, const PageIndex& index, const TagKind* tag,
                             AttributeKind attribute, FoundLinks& results, ValueWalk* walk) {
    static const std::vector<std::size_t> none;
    NextInList tags(tag ? index.tags[static_cast<std::size_t>(*tag)] : none);
    NextInList attributes(index.attributes[static_cast<std::size_t>(attribute)]);
    const auto nextTag = [&](std::size_t from) { return tags.From(from); };
    const auto nextAttribute = [&](std::size_t from) { return attributes.From(from); };
    return ScanValues(t, tag == nullptr, nextTag, tag ? PageIndex::TagSize(*tag) : 1, nextAttribute,
                      PageIndex::AttributeSize(attribute), results, walk);
}

}  // namespace ravlet
