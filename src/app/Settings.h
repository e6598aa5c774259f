#pragma once
// The process-wide settings record and its file: one field per key, named by the key.
#include <string>

namespace ravlet {

struct Settings {
    int winrefinerot = 0;
    int winrefinerol = 0;
    int winrefinerw = 0;
    int winrefinerh = 0;
    std::string savedir;  // with trailing separator after loading
    std::string savedirs;
    int fileexistsdo = 0;
    int filenaming = 1;
    bool filenameredirect = false;

    std::string user_agent;  // key "user-agent"
    int nettimeout = 30000;
    int netProxyUse = 0;
    std::string netProxy;

    bool netsizeforce = false;
    bool netsizenull = false;
    int netsizemin = 0;
    int netsizemax = 0;
    bool netmimetypeforce = false;
    std::string netsizemimetype;
    bool netdownloadignoretext = false;

    bool scanlink = true;
    bool scanimg = false;
    bool scanwildsrc = false;
    bool scantxthttp = false;

    bool ReRouteAutoClose = false;
    bool ReRouteAuto = false;
    std::string ReRouteDefaultId;
    int ReRouteDefaultIndex = -1;  // position of ReRouteDefaultId in the download-manager table

    bool confirmclose = true;
    int Auto_BuildBase = 0;
    int Auto_Leech = 0;
    bool Auto_CBmonitor = false;
    bool Auto_CBmonitor_GetChange = false;
    int Auto_Close = 0;

    bool Refiner_AutoShow = true;
    bool Refiner_AutoApply = false;
    bool Refiner_AutoHide = false;
    int Refiner_FrameSize = 0;
    int Refiner_FrameChk = 7;
    int Refiner_AAchk = 0;
    std::string Refiner_PSsuffix;
    std::string Refiner_PSprefix;
    int Refiner_PSprefixcut = 0;
    int Refiner_PSinvert = 0;
    std::string Refiner_FRfind;
    std::string Refiner_FRreplace;
    int Refiner_FRmatchPos = 0;
    int Refiner_FRmatchMode = 0;
    bool Refiner_FRmatchCase = false;
    bool Refiner_FRmatchNot = false;
    int Refiner_OWval = 0;
    std::string Refiner_OWtext;
    int Refiner_CUopts = 0;
    std::string Refiner_FTentries;
    int Refiner_FTopts = 1;

    int Scanner_Cache = 200;
    bool Scanner_ForeignRedirectScan = false;
    bool Scanner_ListTake = true;
    int Scanner_LevelMode = 0;
    int Scanner_LevelDepth = 0;
    bool Scanner_LinkCollectAll = true;
    std::string Scanner_TextTypes;

    std::string webserver;
    std::string weburlver;
    std::string webhomepage;

    bool Tlb_DownloadDirectory = false;

    // Keys of our own, written after the others: the download managers of this platform.
    std::string ReRouteAria2Rpc = "http://127.0.0.1:6800/jsonrpc";
    std::string ReRouteAria2Secret;

    // Keys of our own: resuming, retrying and cookies of the download run.
    bool netResume = true;       // a broken download keeps its part file to be continued
    int netRetries = 2;          // further tries after a transient failure
    std::string netCookies;      // a cookies.txt read for every request; empty: none
    std::string netCookiesSave;  // not a key: where the command line saves the cookies

    // Keys of our own: transfers side by side, their manners and their rate.
    int netParallel = 1;             // transfers at once
    int netParallelHost = 0;         // at once to one host; 0: as many as netParallel
    int netWait = 0;                 // milliseconds between two requests to one host
    std::string netLimitRate = "0";  // bytes per second of the whole run ("500k"); 0: none

    // Keys of our own: where the windows were when ravlet closed last.
    std::string MainWindowPlace;  // "left,top,width,height" of the normal window; "" never
    bool MainWindowMaximized = false;
    bool LogDocked = true;
    int LogPaneHeight = 0;       // pixels; 0 leaves it to the layout
    std::string LogWindowPlace;  // "left,top,width,height" of the log's own window; "" never
    std::string RefinerPlace;    // "left,top"; "" never

    // Paths derived from the program folder.
    std::string settingsFile;    // <program folder>/ravlet.ini
    std::string historyFile;     // <program folder>/ravlet.hst
    std::string dirHistoryFile;  // <program folder>/ravlet.dir.hst

    // A settings file that exists but could not be read whole when the record was loaded
    // (empty when it was read or is absent): it is never written over by this record.
    std::string unreadFile;
    std::string unreadProblem;
};

// The one record of the process.
Settings& AppSettings();

// Every field to its default and the three paths from the program folder.
void SettingsSetDefaults(Settings& s);
// Defaults, then the settings file over them, then savedir gains its trailing separator.
// A path given reads that file instead of settingsFile (which stays the program folder's).
// A file that cannot be read whole is noted in unreadFile and left alone by every write.
void SettingsLoad(Settings& s, const std::string& path = std::string());
// An empty or blank savedir becomes the work folder (an empty one would be the file-system
// root); then savedir gains its trailing separator.
void SettingsFinishSavedir(Settings& s);
// Applies a settings file to the record; keys the file lacks keep their values.
// False when the file exists but cannot be read whole (not a regular file, far too big for a
// settings file, a read error), with the reason in *problem; the record is then unchanged.
// A missing file is no error.
bool SettingsReadFile(Settings& s, const std::string& path, std::string* problem = nullptr);
// Applies one "key=value" assignment (the reader's rules); false for an unknown key, and
// when the line sets nothing: a comment, no "=", or a value the key cannot convert (the
// field then keeps its value).
bool SettingsApplyLine(Settings& s, const std::string& line);
// The whole file text as it is written (CR LF line ends).
std::string SettingsText(const Settings& s);
// Writes through a temporary file renamed over the old one; an empty path means settingsFile.
// On failure returns false with the reason in *error and leaves the old file as it was.
// Refused: the file named in unreadFile, and a target that is not a regular file. A link is
// written through to the file it names.
bool SettingsWriteFile(const Settings& s, const std::string& path = std::string(),
                       std::string* error = nullptr);

}  // namespace ravlet
