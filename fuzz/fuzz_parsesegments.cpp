// Arbitrary page text parsed a segment at a time and as a whole: the two lists, answers and
// source views must be the same. The first byte picks the modes, the second the segment size.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "links/LinkList.h"
#include "links/ParsePage.h"
#include "tools/ctlStatusBar.h"

namespace {

class Target : public ravlet::PageParseTarget {
  public:
    explicit Target(int modes) : modes_(modes) {}
    ravlet::LinkList& Links() override { return list; }
    ravlet::ctlStatusBar& StatusBar() override { return bar; }
    int ScanModes() override { return modes_; }
    bool ShowSource(const std::string& text, std::string&, long&) override {
        source = text;
        return true;
    }
    void ListVisible(bool) override {}
    void StatusReady() override {}

    ravlet::LinkList list;
    ravlet::ctlStatusBar bar;
    std::string source;

  private:
    int modes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int modes = 1 + data[0] % 15;
    const std::size_t segment = 1 + data[1] % 64;
    const std::string page(reinterpret_cast<const char*>(data + 2), size - 2);
    Target whole(modes), parts(modes);
    const bool wholeAny = ravlet::ParsePage(whole, page, false);
    const bool partsAny = ravlet::ParseSegmentedPage(parts, std::string_view(page), false, segment);
    if (wholeAny != partsAny || whole.list.Items() != parts.list.Items() ||
        whole.source != parts.source)
        std::abort();
    return 0;
}
