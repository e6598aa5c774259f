#include "main/ServerName.h"

#include "net/RvUrl.h"
#include "net/ravlet_url.h"

namespace ravlet {

std::string ContentDispositionName(const std::string& value) {
    static const std::string kKey = "filename=";
    const std::size_t at = IFind(value, kKey);
    if (at == std::string::npos) return std::string();
    std::string name = Trim(value.substr(at + kKey.size()));
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = name.substr(1, name.size() - 2);
    return name;
}

std::string ServerNamedAddress(const std::string& requested, const std::string& name) {
    RvUrl url;
    url.url(requested);
    url.Query(std::string());
    url.File(name);
    return url.url();
}

}  // namespace ravlet
