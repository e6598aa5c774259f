#include "main/SiteMap.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace ravlet {

void SiteMapRecord(const std::string& line, SiteMapPlace& place, LinkList& list) {
    const std::size_t mark = line.find("##");
    if (mark == std::string::npos) return;
    const std::string key = line.substr(0, mark);
    const std::size_t start = mark + 2;
    const std::size_t tab = line.find('\t', start);
    const std::string value =
        line.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
    if (key == "DOMAIN")
        place.domain = "http://" + value;
    else if (key == "FOLDER")
        place.folder = place.domain + value;
    else if (key == "FILE")
        AddLinkUnique(list, place.folder + value);
    else if (key == "EXTRALINK")
        AddLinkUnique(list, value);
}

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Lines of a file read in pieces; a line ends at CR LF, CR or LF.
class LineReader {
  public:
    explicit LineReader(std::FILE* file) : file_(file) {}
    bool Next(std::string& line) {
        line.clear();
        bool any = false;
        for (;;) {
            if (pos_ == len_ && !Fill()) return any;
            any = true;
            const char* begin = buffer_ + pos_;
            const char* end = buffer_ + len_;
            const char* stop = begin;
            while (stop < end && *stop != '\r' && *stop != '\n') ++stop;
            line.append(begin, stop);
            pos_ = static_cast<std::size_t>(stop - buffer_);
            if (stop == end) continue;
            const char c = *stop;
            ++pos_;
            if (c == '\r') {
                if (pos_ == len_) Fill();
                if (pos_ < len_ && buffer_[pos_] == '\n') ++pos_;
            }
            return true;
        }
    }
    bool Failed() const { return failed_; }

  private:
    bool Fill() {
        pos_ = 0;
        len_ = std::fread(buffer_, 1, sizeof buffer_, file_);
        if (len_ == 0 && std::ferror(file_)) failed_ = true;
        return len_ > 0;
    }
    std::FILE* file_;
    char buffer_[1 << 16];
    std::size_t pos_ = 0, len_ = 0;
    bool failed_ = false;
};

}  // namespace

bool SiteMapImport(const std::string& path, LinkList& list, const SiteMapEvents& events,
                   std::string& error) {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        error = std::strerror(errno ? errno : ENOENT);
        return false;
    }
    // A folder opens like a file here, but is none.
    struct stat st {};
    if (fstat(fileno(file.get()), &st) == 0 && S_ISDIR(st.st_mode)) {
        error = std::strerror(EISDIR);
        return false;
    }
    auto reader = std::make_unique<LineReader>(file.get());
    std::string line;
    const bool any = reader->Next(line);
    if ((!any || line != kSiteMapSignature) && events.notSiteMap) events.notSiteMap();
    SiteMapPlace place;
    long lines = 0;
    while (any && reader->Next(line)) {
        ++lines;
        if (events.lineRead) events.lineRead(lines);
        SiteMapRecord(line, place, list);
    }
    if (reader->Failed()) {
        error = std::strerror(errno ? errno : EIO);
        return false;
    }
    return true;
}

}  // namespace ravlet
