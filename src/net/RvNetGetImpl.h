#pragma once
// What an RvNetGet holds besides its public fields: the session, the open address and the
// state of the built-in file:// handler.
#include <cstdio>
#include <memory>
#include <string>

#include "net/RvNetGet.h"
#include "platform/Inet.h"

namespace ravlet {

struct RvNetGet::Impl {
    std::unique_ptr<InetSession> session;
    std::unique_ptr<InetRequest> request;
    bool sessionClosed = true;  // closing a session that is not open is an error
    long lastError = 0;
    // The scheme the final request went out with, for the requested address.
    std::string finalScheme = "http://";

    bool local = false;
    int localKind = 0;  // 0 nothing found, 1 file, 2 folder
    std::string localPath;
    int localRead = 0;  // 0 not open, -1 reading the folder page, 1 file open
    std::FILE* localFile = nullptr;
    std::string folderPage;
    std::size_t folderPos = 0;

    ~Impl() { CloseLocal(); }
    void CloseLocal() {
        if (localFile) std::fclose(localFile);
        localFile = nullptr;
    }
};

// The synthetic answer of the file:// handler for address; fills the response fields.
void OpenLocalAddress(RvNetGet::Impl& impl, const std::string& address, int& statusCode,
                      std::int64_t& contentLength, std::string& contentType,
                      std::string& responseHead, std::string& requestHead);
// The index page of a local folder.
std::string LocalFolderPage(const std::string& path);

}  // namespace ravlet
