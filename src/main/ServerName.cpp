#include "main/ServerName.h"

#include <vector>

#include "net/RvUrl.h"
#include "net/ravlet_url.h"

namespace ravlet {

namespace {

struct Parameter {
    std::string name;  // lower case
    std::string value;
};

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string PercentDecoded(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Latin1ToUtf8(const std::string& text) {
    std::string out;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The parameters after the disposition type: name=token or name="quoted string", separated
// by ";". In a quoted string only \" and \\ are escapes: servers send Windows paths with
// plain backslashes. A quote left open runs to the end of the header.
std::vector<Parameter> Parameters(const std::string& header) {
    std::vector<Parameter> out;
    std::size_t i = 0;
    const std::size_t n = header.size();
    while (i < n) {
        const std::size_t end = header.find_first_of(";=", i);
        if (end == std::string::npos) break;
        if (header[end] == ';') {  // the type, or a parameter without a value
            i = end + 1;
            continue;
        }
        Parameter p;
        p.name = LCase(Trim(header.substr(i, end - i)));
        i = end + 1;
        while (i < n && (header[i] == ' ' || header[i] == '\t')) ++i;
        if (i < n && header[i] == '"') {
            for (++i; i < n && header[i] != '"'; ++i) {
                if (header[i] == '\\' && i + 1 < n &&
                    (header[i + 1] == '"' || header[i + 1] == '\\'))
                    ++i;
                p.value += header[i];
            }
            i = header.find(';', i);
            if (i == std::string::npos) i = n;
        } else {
            const std::size_t semi = header.find(';', i);
            const std::size_t stop = semi == std::string::npos ? n : semi;
            p.value = Trim(header.substr(i, stop - i));
            i = stop;
        }
        out.push_back(std::move(p));
        if (i < n) ++i;
    }
    return out;
}

// charset'language'percent-encoded text; empty when the value has another form.
std::string ExtendedValue(const std::string& value) {
    const std::size_t first = value.find('\'');
    if (first == std::string::npos) return std::string();
    const std::size_t second = value.find('\'', first + 1);
    if (second == std::string::npos) return std::string();
    const std::string charset = LCase(Trim(value.substr(0, first)));
    const std::string text = PercentDecoded(value.substr(second + 1));
    return charset == "iso-8859-1" ? Latin1ToUtf8(text) : text;
}

}  // namespace

std::string ContentDispositionName(const std::string& value) {
    std::string plain, extended;
    bool havePlain = false;
    for (const Parameter& p : Parameters(value)) {
        if (p.name == "filename*" && extended.empty()) extended = ExtendedValue(p.value);
        if (p.name == "filename" && !havePlain) {
            plain = Trim(p.value);
            havePlain = true;
        }
    }
    return extended.empty() ? plain : Trim(extended);
}

std::string ServerNamedAddress(const std::string& requested, const std::string& name) {
    RvUrl url;
    url.url(requested);
    url.Query(std::string());
    url.File(name);
    return url.url();
}

}  // namespace ravlet
