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
    // Letter case is ignored on both sides by the comparison itself.
    const std::string wanted = Trim(name);
    if (wanted.empty()) return std::string();
    // The lines are looked at where they lie: every transfer asks for several values.
    for (std::size_t pos = 0; pos < responseHead.size();) {
        std::size_t end = responseHead.find("\r\n", pos);
        if (end == std::string::npos) end = responseHead.size();
        if (end - pos > wanted.size() && responseHead[pos + wanted.size()] == ':' &&
            IEqualAt(responseHead, pos, wanted)) {
            const std::size_t value = responseHead.find_first_not_of(' ', pos + wanted.size() + 1);
            return value >= end ? std::string() : responseHead.substr(value, end - value);
        }
        pos = end + 2;
    }
    return std::string();
}

std::string RequestedAddress(const std::string& requestHead, const std::string& scheme) {
    if (requestHead.empty()) return std::string();
    std::string host;
    for (std::size_t pos = 0; pos < requestHead.size();) {
        std::size_t end = requestHead.find('\0', pos);
        if (end == std::string::npos) end = requestHead.size();
        if (end - pos >= 6 && IEqualAt(requestHead, pos, "host: ")) {
            host = requestHead.substr(pos + 6, end - pos - 6);
            break;
        }
        pos = end + 1;
    }
    const std::string first = requestHead.substr(0, requestHead.find('\0'));
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
