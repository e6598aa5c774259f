#include "net/TextToList.h"

#include "links/LinkList.h"
#include "net/ravlet_url.h"

namespace ravlet {

void TextToList(LinkList& list, const std::string& text, bool unique) {
    for (const std::string& line : TextToLines(text)) {
        if (unique)
            AddLinkUnique(list, line);
        else
            list.Add(line);
    }
}

}  // namespace ravlet
