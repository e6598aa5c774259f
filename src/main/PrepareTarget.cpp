#include "main/PrepareTarget.h"

#include "main/doSuck_BuildFilename.h"
#include "net/modFs.h"
#include "net/ravlet_url.h"

namespace ravlet {

std::string TargetPath(const std::string& savedir, const std::string& address, int rule,
                       long number) {
    return savedir + doSuck_BuildFilename(address, rule, number);
}

std::string PrepareRenamedTarget(const std::string& savedir, const std::string& address, int rule,
                                 long number, bool* folderFound) {
    std::string path = TargetPath(savedir, address, rule, number);
    // A path the platform cannot open would only make the folder maker fail once per folder.
    const bool found =
        path.size() <= kMaxPathBytes && InsideFolder(savedir, path) && MakePathFor(path);
    if (folderFound) *folderFound = found;
    return path;
}

std::string PrepareTarget(const std::string& savedir, const std::string& address, int rule,
                          long number, bool* folderFound) {
    return PrepareRenamedTarget(savedir, UrlStripFragment(address), rule, number, folderFound);
}

}  // namespace ravlet
