#include "filters/PadFile.h"

#include <climits>
#include <fstream>
#include <iterator>

#include "filters/TagScanner.h"
#include "net/modFs.h"
#include "net/ravlet_url.h"
#include "platform/AtomicWriteFile.h"
#include "platform/BusyPointer.h"
#include "platform/DoEvents.h"
#include "platform/ProgramFolder.h"
#include "platform/UserInterface.h"

namespace ravlet {

namespace {

const char kCrLf[] = "\r\n";
const char kRoot[] = "filterravpad";

std::string Tabs(int n) {
    return std::string(n > 0 ? n : 0, '\t');
}

const char* Flag(bool on) {
    return on ? "1" : "0";
}

// The data block of a filter with every line end between its lines followed by the
// indentation. A raw ">" only ends a tag (values hold it escaped), so a line break inside a
// value stays as it is and the value reads back unchanged.
std::string Indented(const std::string& block, int tabs) {
    return Tabs(tabs) + ReplaceAll(block, std::string(">") + kCrLf, ">" + (kCrLf + Tabs(tabs)));
}

// The data of a kind this program does not know: its data tags as the file held them. Other
// tags are dropped: written back inside the filter they could open elements of the pad.
std::string ForeignBlock(const std::string& content) {
    std::string block;
    TagInfo tag;
    for (std::size_t at = TagNext(content, 1, &tag); at != 0;
         at = TagNext(content, tag.end, &tag)) {
        if (LCase(tag.name) != "data") continue;
        if (!block.empty()) block += kCrLf;
        block += content.substr(at - 1, tag.end - at);
    }
    return block;
}

int WholeNumber(const std::string& text) {
    const long long n = LenientNumber(text);
    return n > INT_MAX ? INT_MAX : n < INT_MIN ? INT_MIN : static_cast<int>(n);
}

// A flag is set by any value but 0 ("0.4" too).
bool FlagValue(const std::string& text) {
    return LeadingValue(TagUnescape(text)) != 0;
}

struct ElementAttrs {
    std::string type;
    std::string caption;
    bool enabled = false;
    bool collapsed = false;
};

ElementAttrs ReadElementAttrs(const std::string& text, std::size_t start, std::size_t end) {
    ElementAttrs a;
    for (const TagAttr& attr : TagAttributes(text, start, end)) {
        const std::string key = LCase(attr.name);
        if (key == "type")
            a.type = attr.value;
        else if (key == "caption")
            a.caption = TagUnescape(attr.value);
        else if (key == "enabled")
            a.enabled = FlagValue(attr.value);
        else if (key == "collapsed")
            a.collapsed = FlagValue(attr.value);
    }
    return a;
}

// Reads group and filter elements into the pad. The indexes of the two element names are
// built once for the text, so reading a long pad stays linear.
class PadReader {
  public:
    PadReader(FilterPad& pad, const std::string& text)
        : pad_(pad), text_(text), groups_(text, "group"), filters_(text, "filter") {}

    int List_WriteParseData(std::size_t from, std::size_t to, int level, int position);
    void Problem(const std::string& what) {
        if (problem_.empty()) problem_ = what;
    }
    const std::string& FirstProblem() const { return problem_; }

  private:
    int AddGroup(const TagInfo& tag, std::size_t start, std::size_t close, int level, int position);
    int AddFilter(const TagInfo& tag, std::size_t start, std::size_t close, int level,
                  int position);

    FilterPad& pad_;
    const std::string& text_;
    TagIndex groups_;
    TagIndex filters_;
    std::string problem_;
    bool toldNoClose_ = false;
};

int PadReader::List_WriteParseData(std::size_t from, std::size_t to, int level, int position) {
    int added = 0;
    std::size_t at = from;
    TagInfo tag;
    for (;;) {
        DoEvents();
        const std::size_t start = TagNext(text_, at, &tag);
        if (start == 0 || tag.end == 0 || start > to) break;
        const std::string name = LCase(tag.name);
        at = tag.end;
        int n = 0;
        if (name == "group") {
            const std::size_t close = groups_.MatchClose(tag.end, to);
            if (close == 0 || close > to) {
                Problem("a group without its closing tag");
                // One message a read: a damaged file must not bury the user in boxes.
                if (!toldNoClose_)
                    MsgBox("Error: No closing Tag found.", MsgButtons::Ok, MsgIcon::Critical,
                           "List_WriteParseData");
                toldNoClose_ = true;
                continue;
            }
            n = AddGroup(tag, start, close, level, position);
            at = close + 8;  // "</group>"
        } else if (name == "filter") {
            if (tag.selfClosing) continue;
            const std::size_t close = filters_.FindClose(tag.end);
            if (close == 0 || close > to) {
                Problem("a filter without its closing tag");
                continue;
            }
            n = AddFilter(tag, start, close, level, position);
            at = close + 9;  // "</filter>"
        }
        position += n;
        added += n;
    }
    return added;
}

int PadReader::AddGroup(const TagInfo& tag, std::size_t start, std::size_t close, int level,
                        int position) {
    const ElementAttrs a = ReadElementAttrs(text_, start, tag.end);
    Glist& list = pad_.List();
    const int entry = list.SilentAdd(a.caption, nullptr, position, level);
    list.EntryData(entry, "collapsed", a.collapsed);
    list.EntryData(entry, "enabled", a.enabled);
    int n = 1;
    if (close > tag.end) n += List_WriteParseData(tag.end, close, level + 1, entry + 1);
    return n;
}

int PadReader::AddFilter(const TagInfo& tag, std::size_t start, std::size_t close, int level,
                         int position) {
    const ElementAttrs a = ReadElementAttrs(text_, start, tag.end);
    if (a.type.empty()) {
        Problem("a filter without a type");
        return 0;
    }
    const std::string content = text_.substr(tag.end - 1, close - tag.end);
    FilterGen& filter = pad_.CreateFilter();
    filter.Filter(a.type);
    if (filter.Filter().empty()) {
        filter.foreignKind = a.type;
        filter.foreignData = ForeignBlock(content);
    } else {
        filter.DataWrite(content);
    }
    Glist& list = pad_.List();
    const int entry = list.SilentAdd(a.caption, &filter, position, level);
    list.EntryData(entry, "collapsed", a.collapsed);
    list.EntryData(entry, "enabled", a.enabled);
    return 1;
}

}  // namespace

std::string PadWrite(const FilterPad& pad) {
    const Glist& list = pad.List();
    std::string out = "<filterravpad selected=\"" + std::to_string(list.EntryIndex()) + "\">";
    out += kCrLf;
    const int base = list.EntryCount() > 0 ? list.Entry(1)->level : 0;
    int d = 0;
    for (int i = 1; i <= list.EntryCount(); ++i) {
        const GlistEntry& e = *list.Entry(i);
        const int r = e.level - base + 1;
        while (r <= d) {
            out += Tabs(d) + "</group>" + kCrLf;
            --d;
        }
        const std::string flags = std::string("enabled=\"") + Flag(e.enabled) + "\" collapsed=\"" +
                                  Flag(e.collapsed) + "\" >" + kCrLf;
        const FilterGen* filter = pad.FilterAt(i);
        if (!filter) {
            ++d;
            out += Tabs(d) + "<group caption=\"" + TagEscape(e.caption) + "\" " + flags;
            continue;
        }
        const bool known = !filter->Filter().empty();
        const std::string& kind = known ? filter->Filter() : filter->foreignKind;
        const std::string block = known ? filter->DataRead() : filter->foreignData;
        out += Tabs(d + 1) + "<filter type=\"" + kind + "\" caption=\"" + TagEscape(e.caption) +
               "\" " + flags;
        if (!block.empty()) out += Indented(block, d + 2) + kCrLf;
        out += Tabs(d + 1) + "</filter>" + kCrLf;
    }
    for (; d > 0; --d) out += Tabs(d) + "</group>" + kCrLf;
    return out + "</filterravpad>";
}

PadReadResult PadRead(FilterPad& pad, const std::string& text) {
    PadReadResult result;
    TagInfo root;
    const std::size_t start = TagNext(text, 1, &root);
    if (start == 0) {
        result.status = PadReadStatus::NoTag;
        result.problem = "no tag found";
        return result;
    }
    BusyPointer busy;
    pad.Clear();
    Glist& list = pad.List();
    if (root.name != kRoot) {
        result.status = PadReadStatus::NotAPad;
        result.problem = "the text is not a filter pad";
    } else {
        int selected = 0;
        for (const TagAttr& attr : TagAttributes(text, start, root.end))
            if (LCase(attr.name) == "selected") selected = WholeNumber(TagUnescape(attr.value));
        PadReader reader(pad, text);
        const TagIndex roots(text, kRoot);
        const std::size_t close = roots.MatchClose(root.end, text.size());
        if (close != 0) reader.List_WriteParseData(root.end, close, 0, 1);
        if (roots.FindClose(root.end) == 0) reader.Problem("the pad is cut short");
        list.EntryIndex(selected);
        if (!reader.FirstProblem().empty()) {
            result.status = PadReadStatus::Damaged;
            result.problem = reader.FirstProblem();
        }
    }
    list.Size();
    list.Draw();
    return result;
}

std::string PadDefaultPath() {
    return ProgramFile("default.rvp");
}

bool PadSaveDefault(const FilterPad& pad, std::string* error) {
    return AtomicWriteFile(PadDefaultPath(), PadWrite(pad) + kCrLf, error);
}

PadReadResult PadReadDefault(FilterPad& pad) {
    const std::string path = PadDefaultPath();
    if (!FileExists(path)) return PadReadResult();
    return PadReadFile(pad, path);
}

PadReadResult PadReadFile(FilterPad& pad, const std::string& path) {
    PadReadResult result;
    result.status = PadReadStatus::NoTag;
    if (!FileExists(path)) {
        result.problem = "the file does not exist or is empty";
        return result;
    }
    if (FileSize(path) > static_cast<std::int64_t>(kPadFileMaxBytes)) {
        result.problem = "the file is too big for a filter pad";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        result.problem = "the file cannot be read";
        return result;
    }
    return PadRead(pad, text);
}

}  // namespace ravlet
