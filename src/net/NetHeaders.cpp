#include "net/RvNetGet.h"
#include "net/RvNetGetImpl.h"
#include "net/ravlet_url.h"

namespace ravlet {

std::string RvNetGet::NetUrlHeaderByName(const std::string& name) const {
    return HeadLineValue(responseHead_, name);
}

std::string RvNetGet::NetUrlHeaderRequestName() const {
    return RequestedAddress(requestHead_, impl_->finalScheme);
}

std::string HeadLineValue(const std::string& responseHead, const std::string& name) {
    const std::string wanted = LCase(Trim(name));
    if (wanted.empty()) return std::string();
    for (const std::string& line : Split(responseHead, "\r\n")) {
        if (line.size() <= wanted.size() || line[wanted.size()] != ':') continue;
        if (!IStartsWith(line, wanted)) continue;
        const std::size_t value = line.find_first_not_of(' ', wanted.size() + 1);
        return value == std::string::npos ? std::string() : line.substr(value);
    }
    return std::string();
}

std::string RequestedAddress(const std::string& requestHead, const std::string& scheme) {
    if (requestHead.empty()) return std::string();
    const std::vector<std::string> lines = Split(requestHead, std::string(1, '\0'));
    std::string host;
    for (const std::string& line : lines) {
        if (IStartsWith(line, "host: ")) {
            host = line.substr(6);
            break;
        }
    }
    const std::string& first = lines.front();
    if (first.compare(0, 4, "GET ") != 0) return host;
    const std::string path = first.substr(4);
    const std::size_t end = path.rfind(" HTTP/");
    if (UrlHasScheme(path)) return path.substr(0, end);
    if (end == std::string::npos) return std::string();
    // The scheme of the final request: an https page must not come back as http.
    return scheme + host + path.substr(0, end);
}

std::string RvNetGet::NetUrlHeader(int kind) {
    switch (kind) {
        case 0:
            return responseHead_;
        case 1:
            return requestHead_;
        case 2:
            return std::to_string(statusCode_);
        case 3:
            return Trim(contentType_.substr(0, contentType_.find(';')));
        case 4:
            return std::to_string(contentLength_);
        default:
            return std::string();
    }
}

}  // namespace ravlet
