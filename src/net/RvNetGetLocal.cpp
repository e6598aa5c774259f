#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <vector>

#include "net/RvNetGetImpl.h"
#include "net/modFs.h"
#include "net/ravlet_url.h"

namespace ravlet {

namespace {

struct Entry {
    std::string name;
    bool folder = false;
};

// The entries a directory search for "path*" finds: the contents of a folder, or the names
// in the parent folder that begin with the last segment of the path.
std::vector<Entry> SearchEntries(const std::string& path) {
    std::string folder = path, prefix;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        const std::size_t sep = path.rfind(kPathSep);
        folder = sep == std::string::npos ? "." : path.substr(0, sep + 1);
        prefix = path.substr(sep == std::string::npos ? 0 : sep + 1);
    }
    std::vector<Entry> entries;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return entries;
    while (dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        struct stat es {};
        // An entry whose attributes cannot be read is listed as a file.
        const bool isFolder =
            ::stat((AddBackslash(folder) + name).c_str(), &es) == 0 && S_ISDIR(es.st_mode);
        entries.push_back({name, isFolder});
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return entries;
}

// A quotation mark would end the attribute early; it goes as its escape.
std::string HrefText(const std::string& target) {
    return ReplaceAll(target, "\"", "%22");
}

std::string VisibleText(const std::string& name) {
    std::string out;
    for (char c : name) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

std::string LocalDate() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char buffer[64];
    std::strftime(buffer, sizeof buffer, "%a, %d %b %Y %H:%M:%S", &tm);
    return buffer;
}

}  // namespace

std::string LocalFolderPage(const std::string& path) {
    std::string page =
        "<html><head><title>RvNetGet Directoryfile</title><meta name=\"generator\" "
        "value=\"RvNetGet\"></head><body>\r\n<h1>Index of " +
        VisibleText(path) + "</h1>";
    std::vector<Entry> entries = SearchEntries(path);
    const bool serverOnly =
        path.compare(0, 2, "//") == 0 && path.find(kPathSep, 2) >= path.size() - 1;
    if (entries.empty() && serverOnly) {
        std::string server = path.substr(2);
        if (!server.empty() && server.back() == kPathSep) server.pop_back();
        for (std::string share = ServerShareNext(server); !share.empty();
             share = ServerShareNext(""))
            page += "<a href=\"/" + HrefText(share) + "\">" + VisibleText(share) + "</a><br />\r\n";
    } else {
        for (const Entry& e : entries) {
            if (e.name == ".") continue;
            std::string target = e.name;
            if (e.folder) {
                target += '/';
            } else if (e.name.size() > 3 && IEndsWith(e.name, ".lnk")) {
                target = ShortcutTarget(AddBackslash(path) + e.name);
                if (target.size() > 1)
                    target = (target[1] == ':' ? "file:///" : "file://") + target;
            }
            page +=
                "<a href=\"" + HrefText(target) + "\">" + VisibleText(e.name) + "</a><br />\r\n";
        }
    }
    page += "</body></html>\r\n";
    return page;
}

void OpenLocalAddress(RvNetGet::Impl& impl, const std::string& address, int& statusCode,
                      std::int64_t& contentLength, std::string& contentType,
                      std::string& responseHead, std::string& requestHead) {
    impl.localPath = UrlFileToPath(address);
    impl.localKind = 0;
    if (FileExists(impl.localPath)) {
        impl.localKind = 1;
        statusCode = 200;
    } else if (DirExists(impl.localPath)) {
        impl.localKind = 2;
        statusCode = 200;
        impl.folderPos = 0;
        impl.folderPage = LocalFolderPage(impl.localPath);
    } else {
        statusCode = 404;
    }
    contentLength = impl.localKind == 1   ? FileSize(impl.localPath)
                    : impl.localKind == 2 ? static_cast<std::int64_t>(impl.folderPage.size())
                                          : 0;
    if (contentLength < 0) contentLength = 0;
    contentType = impl.localKind == 1   ? "RvNetGetFile/file"
                  : impl.localKind == 2 ? "text/html"
                                        : "RvNetGetFile/unknown";
    if (impl.localKind == 1) {
        std::FILE* probe = std::fopen(impl.localPath.c_str(), "rb");
        if (probe)
            std::fclose(probe);
        else if (errno == EACCES)
            statusCode = 403;
    }
    const char* reason = statusCode == 200   ? " OK"
                         : statusCode == 403 ? " Forbidden"
                         : statusCode == 404 ? " Not Found"
                                             : " UNKNOWN";
    responseHead = "HTTP/1.0 " + std::to_string(statusCode) + reason + "\r\n" +
                   "Via: FILE/1.0 RvNetGet (FILE-PROTOCOL-HANDLER)\r\n" + "Date: " + LocalDate() +
                   "\r\n" + "Server: Filesystem (Windows/DOS)\r\n" +
                   "Content-Type: " + contentType + "\r\n" +
                   "Content-Length: " + std::to_string(contentLength) + "\r\n";
    requestHead = "GET " + address + " HTTP/1.0";
}

}  // namespace ravlet
