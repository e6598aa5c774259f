// ravlet-cli export: a list written as the web page of links that ravlet's HTML export writes.
#include <iostream>
#include <string>
#include <vector>

#include "app/FileLines.h"
#include "app/Settings.h"
#include "cli/CliCommand.h"
#include "cli/ReadListInput.h"
#include "main/ExportHtml.h"
#include "net/ravlet_url.h"

namespace ravlet::cli {

namespace {

const char kHelp[] =
    "usage: ravlet-cli export [--title T] [--headline] [--description D] [--new-window]\n"
    "                         [--promote] [--base B] [LISTFILE|-] -o PAGE.html\n"
    "\n"
    "Reads a list (one entry a line, as a list file holds it; standard input for - or when no\n"
    "file is given) and writes it as ravlet's \"&Export HTML File...\" does: a page with one\n"
    "link an entry. An entry with a scheme (http://, ftp://, ...) links to itself; any other\n"
    "links to the export base followed by the entry. The export base is --base when it has a\n"
    "scheme, else the folder of the page address; the page address is --base, or else the\n"
    "first entry with a scheme. The title is the page address unless --title is given.\n"
    "Titles, descriptions and entries are written with & < > and \" escaped. The page is\n"
    "written in one step: a failure leaves no half-written page under PAGE.html.\n"
    "\n"
    "options:\n"
    "  -o PAGE.html      the page to write (required; - for standard output)\n"
    "  --title T         the page title\n"
    "  --headline        the title again as a heading on the page\n"
    "  --description D   a paragraph of description under the title\n"
    "  --new-window      links open in a new browser window\n"
    "  --promote         a closing paragraph with a link to ravlet's home page (the setting\n"
    "                    webhomepage)\n"
    "  --base B          the base address of relative entries\n"
    "  --help            this text\n"
    "\n"
    "Exit status 0 when the page was written, 1 when the list cannot be read or the page not\n"
    "written, 2 for a wrong command line.\n";

int Usage(const std::string& problem) {
    return UsageError("export", problem, kHelp);
}

int Run(const std::vector<std::string>& args) {
    ExportHtmlOptions o;
    bool haveTitle = false, haveList = false;
    std::string base, list, out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) return false;
            into = args[++i];
            return true;
        };
        if (a == "--help" || a == "-h") {
            std::cout << kHelp;
            return 0;
        } else if (a == "--title") {
            if (!value(o.title)) return Usage("--title needs a text");
            haveTitle = true;
        } else if (a == "--headline") {
            o.headline = true;
        } else if (a == "--description") {
            if (!value(o.description)) return Usage("--description needs a text");
            o.useDescription = true;
        } else if (a == "--new-window") {
            o.newWindow = true;
        } else if (a == "--promote") {
            o.promote = true;
        } else if (a == "--base") {
            if (!value(base)) return Usage("--base needs an address");
        } else if (a == "-o" || a == "--output") {
            if (!value(out) || out.empty()) return Usage("-o needs a file");
        } else if (a != "-" && a.rfind("-", 0) == 0) {
            return Usage("unknown option '" + a + "'");
        } else if (haveList) {
            return Usage("one list only");
        } else {
            list = a;
            haveList = true;
        }
    }
    if (out.empty()) return Usage("-o PAGE.html is required");

    std::string bytes;
    if (!ReadListInput("export", haveList ? list : "", bytes)) return 1;
    Settings& settings = AppSettings();
    SettingsLoad(settings);
    UrlSchemesInit();
    const std::vector<std::string> entries = FileLines(bytes);
    std::string page = base;
    for (std::size_t i = 0; page.empty() && i < entries.size(); ++i)
        if (UrlHasScheme(entries[i])) page = entries[i];
    if (!haveTitle) o.title = page;
    const std::string text =
        ExportHtmlPage(entries, ExportHtmlBase(base, page), o, settings.webhomepage);
    if (out == "-") {
        std::cout << text << std::flush;
        return std::cout ? 0 : 1;
    }
    std::string error;
    if (!ExportHtmlWrite(out, text, error)) {
        std::cerr << "ravlet-cli export: the page " << out << " could not be written: " << error
                  << "\n";
        return 1;
    }
    return 0;
}

const bool registered = RegisterCommand(
    {"export",
     "export [--title T] [--headline] [--description D] [--new-window] [--promote] [--base B] "
     "[LISTFILE|-] -o PAGE.html",
     "write a list as ravlet's HTML export writes it: a web page of links", 80, &Run});

}  // namespace

}  // namespace ravlet::cli
