#pragma once
// The version check of the about page: the program's web site answers a small text block
// with the latest version, possibly new addresses for itself, and a free text to show.
#include <string>

namespace ravlet {

struct Settings;

// major.minor.revision of the running program.
struct ProgramVersionParts {
    int major = 0;
    int minor = 0;
    int revision = 0;
    std::string Text() const;
};
ProgramVersionParts ProgramVersion();

// Verdicts of the comparison: 0 cannot tell, 1 up to date, 2 a newer one is available,
// 3 the running program is newer (a pre-release).
int CompareVersion(const std::string& received, const ProgramVersionParts& mine);
// The text shown for a verdict.
std::string VersionVerdictText(int verdict, const std::string& received,
                               const ProgramVersionParts& mine);

// The key lines and the free text of an answer.
struct VersionAnswer {
    std::string version, webserver, weburlver, webhomepage;
    std::string freeText;
};
// The block after the line "%versionstrings%" up to "%eof%"; false without "%eof%".
bool ReadVersionAnswer(const std::string& text, VersionAnswer& answer);

// What the shell may be handed: a home page only as a web address, the version page only as
// a host (optional port) and a path, with no blanks, control characters or scheme. An empty
// text is no address at all and opens nothing the shell could misuse.
bool SafeWebHomepage(const std::string& text);
bool SafeWebServer(const std::string& text);
bool SafeWebPath(const std::string& text);

// Parses an answer into verTxt. 0 not parsable; 2 the web site's addresses changed and were
// stored (the check goes again to the new address; only when allowMove); 1 a verdict, with
// the home page stored and the settings file written.
int DoXtraCheckVer_Parse(const std::string& text, Settings& s, std::string& verTxt,
                         const ProgramVersionParts& mine, bool allowMove = true);

// A site that keeps moving its check is given up after this many moves.
inline constexpr int kVersionCheckMaxMoves = 3;

inline constexpr const char* kVersionNoConnect = "Could not connect to Server";
inline constexpr const char* kVersionNotParsable =
    "The requested Information could not be parsed. Please try again later. If the Problem "
    "still exists then check Ravlet homepage for new version.";

// The whole check against "http://" + webserver + weburlver; true when a verdict came. verTxt
// is the text to show.
bool DoXtraCheckVer(Settings& s, std::string& verTxt,
                    const ProgramVersionParts& mine = ProgramVersion());

}  // namespace ravlet
