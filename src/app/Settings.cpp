#include "app/Settings.h"

#include "app/LogSink.h"
#include "net/modFs.h"
#include "platform/ProgramFolder.h"

namespace ravlet {

namespace {

const char* const kUserAgent = "Mozilla/4.0 (compatible; MSIE 05.5; Windows 98)";
const char* const kFileTypeGroups =
    "image(.jpg,.jpeg,.jp2,.png)image other(.gif,.bmp,.tif)"
    "movie(.mpg,.mpeg,.m2v,.m2p,.avi,.divx,.asx,.wmv,.mov,.rm)"
    "archive(.zip,.gz,.tar,.rar,.arj,.ace,.tgz,.hqx,.sit,.cab,.iso,.bin)"
    "executable(.exe,.com,.bat,.dll,.sys,.vxd)webdesign(.js,.css,.swf,.ico)"
    "docs(.pdf,.txt,.rtf,.doc,.sdw,.diz,.nfo)"
    "audio(.mp3,.ogg,.wav,.voc,.aif,.xm,.mod,.s3m,.it,.sid,.rns,.rps,.wma,.ram,.mid,.mus,.m3u)";
const char* const kTextTypes =
    ".htm,.html,.cgi,.php,.phtml,.php3,.php4,.shtml,.shtm,.asp,.txt,.pl,.cfm,.cfml,.js,.css,/";

std::string WithSeparator(const std::string& folder) {
    if (!folder.empty() && folder.back() == kPathSep) return folder;
    return folder + kPathSep;
}

}  // namespace

Settings& AppSettings() {
    static Settings settings;
    return settings;
}

void SettingsSetDefaults(Settings& s) {
    s = Settings();
    s.savedir = WithSeparator(DefaultDownloadFolder());
    s.user_agent = kUserAgent;
    s.Refiner_FTentries = kFileTypeGroups;
    s.Scanner_TextTypes = kTextTypes;
    s.webserver = "ravlet.example.org/";
    s.weburlver = "files/ver.php";
    s.webhomepage = "http://ravlet.example.org/";
    const std::string stem = ProgramFile(SettingsStem());
    s.settingsFile = stem + ".ini";
    s.historyFile = stem + ".hst";
    s.dirHistoryFile = stem + ".dir.hst";
}

void SettingsLoad(Settings& s, const std::string& path) {
    SettingsSetDefaults(s);
    const std::string file = path.empty() ? s.settingsFile : path;
    std::string problem;
    if (!SettingsReadFile(s, file, &problem)) {
        s.unreadFile = file;
        s.unreadProblem = problem;
        LogMessage("Can't read the settings file " + file + " (" + problem +
                   "); using the defaults, and the file is left as it is");
    }
    SettingsFinishSavedir(s);
}

void SettingsFinishSavedir(Settings& s) {
    // An empty folder would become the file-system root; the default folder is meant.
    if (s.savedir.find_first_not_of(" \t") == std::string::npos)
        s.savedir = WithSeparator(DefaultDownloadFolder());
    s.savedir = WithSeparator(s.savedir);
}

}  // namespace ravlet
