#include "app/SettingsKeys.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "net/ravlet_url.h"
#include "reroute/ReRouteTable.h"

namespace ravlet::settings {

namespace {

KeyRow Line(const char* line) {
    KeyRow r;
    r.line = line;
    return r;
}
KeyRow Text(const char* key, std::string Settings::*field) {
    KeyRow r;
    r.key = key;
    r.text = field;
    return r;
}
KeyRow Number(const char* key, Conversion c, int Settings::*field, Written w = Written::Plain) {
    KeyRow r;
    r.key = key;
    r.conversion = c;
    r.number = field;
    r.written = w;
    return r;
}
KeyRow Lenient(const char* key, int Settings::*field) {
    return Number(key, Conversion::Lenient, field);
}
KeyRow Strict(const char* key, int Settings::*field, Written w = Written::Plain) {
    return Number(key, Conversion::Strict, field, w);
}
KeyRow Bool(const char* key, bool Settings::*field, Conversion c = Conversion::Boolean,
            Written w = Written::Plain) {
    KeyRow r;
    r.key = key;
    r.conversion = c;
    r.boolean = field;
    r.written = w;
    return r;
}
KeyRow Flag(const char* key, bool Settings::*field) {
    return Bool(key, field, Conversion::Flag);
}

using S = Settings;

std::vector<KeyRow> BuildRows() {
    return {
        Strict("winrefinerot", &S::winrefinerot),
        Strict("winrefinerol", &S::winrefinerol),
        Strict("winrefinerw", &S::winrefinerw),
        Strict("winrefinerh", &S::winrefinerh),
        Text("savedir", &S::savedir),
        Text("savedirs", &S::savedirs),
        Lenient("fileexistsdo", &S::fileexistsdo),
        Lenient("filenaming", &S::filenaming),
        Bool("filenameredirect", &S::filenameredirect),
        Line(""),
        Line("// net engine"),
        Text("user-agent", &S::user_agent),
        Lenient("nettimeout", &S::nettimeout),
        Lenient("netProxyUse", &S::netProxyUse),
        Text("netProxy", &S::netProxy),
        Line(""),
        Line("// download options"),
        Bool("netsizeforce", &S::netsizeforce),
        Bool("netsizenull", &S::netsizenull),
        Lenient("netsizemin", &S::netsizemin),
        Lenient("netsizemax", &S::netsizemax),
        Bool("netmimetypeforce", &S::netmimetypeforce),
        Text("netsizemimetype", &S::netsizemimetype),
        Bool("netdownloadignoretext", &S::netdownloadignoretext),
        Line(""),
        Line("// scan options"),
        Bool("scanlink", &S::scanlink),
        Bool("scanimg", &S::scanimg),
        Bool("scanwildsrc", &S::scanwildsrc),
        Bool("scantxthttp", &S::scantxthttp),
        Line(""),
        Line("// reroute options"),
        Flag("ReRouteAutoClose", &S::ReRouteAutoClose),
        Flag("ReRouteAuto", &S::ReRouteAuto),
        Text("ReRouteDefaultId", &S::ReRouteDefaultId),
        Line(""),
        Flag("confirmclose", &S::confirmclose),
        Strict("Auto_BuildBase", &S::Auto_BuildBase),
        Strict("Auto_Leech", &S::Auto_Leech, Written::Absolute),
        Bool("Auto_CBmonitor", &S::Auto_CBmonitor),
        Bool("Auto_CBmonitor_GetChange", &S::Auto_CBmonitor_GetChange, Conversion::Boolean,
             Written::MinusOneForTrue),
        Strict("Auto_Close", &S::Auto_Close, Written::Absolute),
        Line(""),
        Line("// FilterRavPad (Default) Options"),
        Bool("Refiner_AutoShow", &S::Refiner_AutoShow),
        Bool("Refiner_AutoApply", &S::Refiner_AutoApply),
        Bool("Refiner_AutoHide", &S::Refiner_AutoHide),
        Strict("Refiner_FrameSize", &S::Refiner_FrameSize),
        Strict("Refiner_FrameChk", &S::Refiner_FrameChk),
        Line(""),
        Strict("Refiner_AAchk", &S::Refiner_AAchk),
        Text("Refiner_PSsuffix", &S::Refiner_PSsuffix),
        Text("Refiner_PSprefix", &S::Refiner_PSprefix),
        Strict("Refiner_PSprefixcut", &S::Refiner_PSprefixcut),
        Strict("Refiner_PSinvert", &S::Refiner_PSinvert),
        Text("Refiner_FRfind", &S::Refiner_FRfind),
        Text("Refiner_FRreplace", &S::Refiner_FRreplace),
        Strict("Refiner_FRmatchPos", &S::Refiner_FRmatchPos),
        Strict("Refiner_FRmatchMode", &S::Refiner_FRmatchMode),
        Bool("Refiner_FRmatchCase", &S::Refiner_FRmatchCase),
        Bool("Refiner_FRmatchNot", &S::Refiner_FRmatchNot),
        Strict("Refiner_OWval", &S::Refiner_OWval),
        Text("Refiner_OWtext", &S::Refiner_OWtext),
        Strict("Refiner_CUopts", &S::Refiner_CUopts),
        Text("Refiner_FTentries", &S::Refiner_FTentries),
        Strict("Refiner_FTopts", &S::Refiner_FTopts),
        Line(""),
        Line("// Scanner Options"),
        Strict("Scanner_Cache", &S::Scanner_Cache),
        Bool("Scanner_ForeignRedirectScan", &S::Scanner_ForeignRedirectScan),
        Bool("Scanner_ListTake", &S::Scanner_ListTake),
        Strict("Scanner_LevelMode", &S::Scanner_LevelMode),
        Strict("Scanner_LevelDepth", &S::Scanner_LevelDepth),
        Bool("Scanner_LinkCollectAll", &S::Scanner_LinkCollectAll),
        Text("Scanner_TextTypes", &S::Scanner_TextTypes),
        Line("// Website Options"),
        Text("webserver", &S::webserver),
        Text("weburlver", &S::weburlver),
        Text("webhomepage", &S::webhomepage),
        Line(""),
        Line("// Toolbar"),
        Bool("Tlb_DownloadDirectory", &S::Tlb_DownloadDirectory),
        Line(""),
        Line("// download managers of this platform"),
        Text("ReRouteAria2Rpc", &S::ReRouteAria2Rpc),
        Text("ReRouteAria2Secret", &S::ReRouteAria2Secret),
        Line(""),
        Line("// resume, retries and cookies of downloads"),
        Bool("netResume", &S::netResume),
        Lenient("netRetries", &S::netRetries),
        Text("netCookies", &S::netCookies),
        Line(""),
        Line("// parallel transfers and their manners"),
        Strict("netParallel", &S::netParallel),
        Strict("netParallelHost", &S::netParallelHost),
        Strict("netWait", &S::netWait),
        Text("netLimitRate", &S::netLimitRate),
        Line(""),
        Line("// window places"),
        Text("MainWindowPlace", &S::MainWindowPlace),
        Bool("MainWindowMaximized", &S::MainWindowMaximized),
        Bool("LogDocked", &S::LogDocked),
        Strict("LogPaneHeight", &S::LogPaneHeight),
        Text("LogWindowPlace", &S::LogWindowPlace),
        Text("RefinerPlace", &S::RefinerPlace),
    };
}

// Older files spelt the two re-route options this way; they are read, never written.
const char* NewName(const std::string& key) {
    if (key == "ReRootAutoClose") return "ReRouteAutoClose";
    if (key == "ReRootAuto") return "ReRouteAuto";
    return nullptr;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Halves go to the even neighbour; false outside the 32-bit range.
bool ToInt32(double v, int& out) {
    const double r = std::nearbyint(v);
    if (!(r >= INT_MIN && r <= INT_MAX)) return false;
    out = static_cast<int>(r);
    return true;
}

bool EqualsNoCase(const std::string& text, const char* word) {
    std::size_t i = 0;
    for (; word[i]; ++i) {
        if (i >= text.size()) return false;
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i]) return false;
    }
    return i == text.size();
}

bool ConvertBoolean(const std::string& value, bool& out) {
    std::size_t b = 0, e = value.size();
    while (b < e && IsBlank(value[b])) ++b;
    while (e > b && IsBlank(value[e - 1])) --e;
    const std::string word = value.substr(b, e - b);
    if (EqualsNoCase(word, "true")) return out = true, true;
    if (EqualsNoCase(word, "false")) return out = false, true;
    double v = 0;
    if (!WholeValue(word, v) || std::isnan(v)) return false;
    out = v != 0;
    return true;
}

}  // namespace

const std::vector<KeyRow>& KeyRows() {
    static const std::vector<KeyRow> rows = BuildRows();
    return rows;
}

const KeyRow* FindKey(const std::string& key) {
    const char* renamed = NewName(key);
    const std::string& name = renamed ? std::string(renamed) : key;
    for (const KeyRow& r : KeyRows())
        if (r.key && name == r.key) return &r;
    return nullptr;
}

bool ApplyValue(Settings& s, const KeyRow& row, const std::string& value) {
    switch (row.conversion) {
        case Conversion::Text:
            s.*row.text = value;
            if (row.text == &Settings::ReRouteDefaultId)
                s.ReRouteDefaultIndex = ReRouteIndex(value);
            return true;
        case Conversion::Lenient:
        case Conversion::Strict: {
            double v = 0;
            if (row.conversion == Conversion::Lenient)
                v = LeadingValue(value);
            else if (!WholeValue(value, v))
                return false;
            int n = 0;
            if (!ToInt32(v, n)) return false;
            s.*row.number = n;
            return true;
        }
        case Conversion::Boolean: {
            bool b = false;
            if (!ConvertBoolean(value, b)) return false;
            s.*row.boolean = b;
            return true;
        }
        case Conversion::Flag: {
            const double v = LeadingValue(value);
            if (std::isnan(v)) return false;
            s.*row.boolean = v != 0;
            return true;
        }
    }
    return false;
}

std::string WrittenValue(const Settings& s, const KeyRow& row) {
    if (row.text) return s.*row.text;
    if (row.number) {
        const long long n = s.*row.number;
        if (row.written != Written::Absolute) return std::to_string(n);
        // The absolute value of the smallest integer is one beyond the largest; it is written
        // as the largest so that the file reads back.
        return std::to_string(std::min<long long>(std::llabs(n), INT_MAX));
    }
    const bool b = s.*row.boolean;
    if (!b) return "0";
    return row.written == Written::MinusOneForTrue ? "-1" : "1";
}

}  // namespace ravlet::settings
