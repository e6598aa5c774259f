#pragma once
// Stateless helpers on addresses and texts shared by every subsystem.
#include <string>
#include <vector>

namespace ravlet {

// Scheme table: filled once at start-up; filling it again does nothing.
void UrlSchemesInit();
const std::vector<std::string>& UrlSchemes();

std::string UrlGetScheme(const std::string& text);
bool UrlHasScheme(const std::string& text);
bool UrlIsFile(const std::string& text);
std::string UrlResolve(const std::string& base, const std::string& ref);
std::string UrlBase(const std::string& address);

struct UrlParts {
    std::string scheme, userinfo, host, port, path;
};
// On failure returns false and leaves parts untouched. The path keeps its leading "/".
bool UrlSplit(const std::string& address, UrlParts& parts);
std::string UrlSite(const std::string& address);
// A path without "/" sets only file and leaves folder as the caller had it.
void UrlSplitPath(const std::string& path, std::string& folder, std::string& file);
std::string UrlStripFragment(const std::string& text);
std::string HtmlDecodeAmp(const std::string& text);
std::string UrlCanonicalize(const std::string& text);
// The local path of a file:// address, with this platform's separator.
std::string UrlFileToPath(const std::string& address);

// Sizes (mode 0, bytes) and durations (mode 1, milliseconds) written by people.
std::string ParseUnitValue(const std::string& text, int mode);
bool EndsWithOneOf(const std::string& text, const std::string& list, const std::string& separator);
bool StartsWithOneOf(const std::string& text, const std::string& list,
                     const std::string& separator);

// Control bytes (0x00-0x1F, 0x7F) written as "\\x1b": a text from a server printed to a
// terminal cannot move its cursor or rewrite it.
std::string EscapeControls(const std::string& text);
std::string FirstLine(const std::string& text);
std::string NormalizeNewlines(const std::string& text);
// Entries joined with CR LF, none after the last.
std::string ListToText(const std::vector<std::string>& list);
// Lines of text (CR LF appended first, then split at CR LF).
std::vector<std::string> TextToLines(const std::string& text);

// Small text routines the Parts use everywhere.
std::string LCase(std::string text);
std::string UCase(std::string text);
std::string Trim(const std::string& text);  // blanks only, as the system trims
bool IEquals(const std::string& a, const std::string& b);
bool IStartsWith(const std::string& text, const std::string& prefix);
bool IEndsWith(const std::string& text, const std::string& suffix);
// Whether what stands in text at pos, letter case ignored; what must fit inside text there.
bool IEqualAt(const std::string& text, std::size_t pos, const std::string& what);
// Case-insensitive find from pos (0-based); npos when not found.
std::size_t IFind(const std::string& text, const std::string& what, std::size_t pos = 0);
std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to);
std::string IReplaceAll(const std::string& text, const std::string& from, const std::string& to);
// The pieces between separators; an empty text has none, an empty separator gives one piece.
std::vector<std::string> Split(const std::string& text, const std::string& separator);

// Number conversions of the settings reader, shared with other readers. Blanks are " " and
// tab; halves round to even.
// The leading decimal number (fraction and exponent allowed, blanks inside it skipped);
// 0 when the text starts with none, NaN when it is beyond a double.
double LeadingValue(const std::string& text);
// The whole text (outer blanks aside) as one decimal number; false when it is not one.
bool WholeValue(const std::string& text, double& value);
// LeadingValue rounded and clamped to the 32-bit range (NaN gives 0).
long long LenientNumber(const std::string& text);
// WholeValue rounded; false (value untouched) when it is none or outside the 32-bit range.
bool StrictNumber(const std::string& text, long long& value);

}  // namespace ravlet
