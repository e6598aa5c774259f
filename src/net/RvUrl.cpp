#include "net/RvUrl.h"

#include <utility>

namespace ravlet {

namespace {

// Splits "host:port" at the first ":"; a bracketed IPv6 literal keeps its colons.
void SplitHostPort(const std::string& text, std::string& host, std::string& port) {
    std::size_t colon = std::string::npos;
    if (!text.empty() && text[0] == '[') {
        const std::size_t close = text.find(']');
        if (close != std::string::npos) colon = text.find(':', close);
    } else {
        colon = text.find(':');
    }
    if (colon == std::string::npos) {
        host = text;
        port.clear();
    } else {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
    }
}

}  // namespace

std::string RvUrl::Base() const {
    RvUrl copy;
    copy.url(url());
    copy.File(std::string());
    copy.Query(std::string());
    return copy.url();
}

void RvUrl::Folder(const std::string& v) {
    folder_ = v;
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
}

std::string RvUrl::Userinfo() const {
    if (password_.empty()) return username_;
    return username_ + ':' + password_;
}

void RvUrl::Userinfo(const std::string& v) {
    const std::size_t colon = v.find(':');
    if (colon == std::string::npos) {
        username_ = v;
        password_.clear();
    } else {
        username_ = v.substr(0, colon);
        password_ = v.substr(colon + 1);
    }
}

std::string RvUrl::Path() const {
    return folder_ + file_;
}

void RvUrl::Path(const std::string& v) {
    const std::size_t slash = v.rfind('/');
    if (slash == std::string::npos) {
        file_ = v;
        return;
    }
    Folder(v.substr(0, slash + 1));
    file_ = v.substr(slash + 1);
}

std::string RvUrl::Authority() const {
    std::string text;
    const std::string info = Userinfo();
    if (!info.empty()) text = info + '@';
    text += host_;
    if (!port_.empty()) text += ':' + port_;
    return text;
}

void RvUrl::Authority(const std::string& v) {
    const std::size_t at = v.find('@');
    if (at == std::string::npos) {
        Userinfo(std::string());
        SplitHostPort(v, host_, port_);
    } else {
        Userinfo(v.substr(0, at));
        SplitHostPort(v.substr(at + 1), host_, port_);
    }
}

std::string RvUrl::SchemeSpecificPart() const {
    std::string text = extra_ + Authority() + '/' + Path();
    if (!query_.empty()) text += '?' + query_;
    if (!fragment_.empty()) text += '#' + fragment_;
    return text;
}

void RvUrl::SchemeSpecificPart(const std::string& v) {
    std::size_t begin = 0;
    if (v.compare(0, 2, "//") == 0) {
        extra_ = "//";
        begin = 2;
    } else {
        extra_.clear();
    }
    // The authority ends where the path, the query or the fragment begins.
    const std::size_t end = v.find_first_of("/?#", begin);
    std::string path, query;
    if (end == std::string::npos) {
        Authority(v.substr(begin));
    } else {
        Authority(v.substr(begin, end - begin));
        std::string rest = v.substr(v[end] == '/' ? end + 1 : end);
        // The fragment starts at the first "#", also when a "?" follows it.
        const std::size_t hash = rest.find('#');
        if (hash != std::string::npos) rest.erase(hash);
        const std::size_t question = rest.find('?');
        if (question == std::string::npos) {
            path = std::move(rest);
        } else {
            path = rest.substr(0, question);
            query = rest.substr(question + 1);
        }
    }
    // A new address has a folder of its own: an address without one must not keep the
    // folder of the previous address.
    folder_.clear();
    Path(path);
    query_ = query;
    fragment_.clear();
}

std::string RvUrl::url() const {
    return scheme_ + ':' + SchemeSpecificPart();
}

void RvUrl::url(const std::string& v) {
    const std::size_t colon = v.find(':');
    if (colon == std::string::npos) return;
    scheme_ = v.substr(0, colon);
    SchemeSpecificPart(v.substr(colon + 1));
}

}  // namespace ravlet
