#include "reroute/Json.h"

#include <cstdlib>

namespace ravlet {

namespace {

constexpr int kMaxDepth = 64;

// The length of the valid UTF-8 sequence at text[i], 0 when there is none.
std::size_t Utf8Length(const std::string& text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(i);
    std::size_t n = 0;
    unsigned min = 0, code = 0;
    if (c >= 0xC2 && c <= 0xDF)
        n = 2, min = 0x80, code = c & 0x1Fu;
    else if (c >= 0xE0 && c <= 0xEF)
        n = 3, min = 0x800, code = c & 0x0Fu;
    else if (c >= 0xF0 && c <= 0xF4)
        n = 4, min = 0x10000, code = c & 0x07u;
    else
        return 0;
    if (i + n > text.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0u) != 0x80u) return 0;
        code = (code << 6) | (byte(i + k) & 0x3Fu);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return n;
}

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class Parser {
  public:
    explicit Parser(const std::string& text) : t_(text) {}

    bool Document(JsonValue& v) {
        if (!Value(v, 0)) return false;
        Blanks();
        return p_ == t_.size();
    }

  private:
    void Blanks() {
        while (p_ < t_.size() &&
               (t_[p_] == ' ' || t_[p_] == '\t' || t_[p_] == '\n' || t_[p_] == '\r'))
            ++p_;
    }
    bool Word(const char* w) {
        const std::string word = w;
        if (t_.compare(p_, word.size(), word) != 0) return false;
        p_ += word.size();
        return true;
    }
    bool Value(JsonValue& v, int depth) {
        if (depth > kMaxDepth) return false;
        Blanks();
        if (p_ >= t_.size()) return false;
        const char c = t_[p_];
        if (c == '{') return Object(v, depth);
        if (c == '[') return Array(v, depth);
        if (c == '"') return v.kind = JsonValue::Kind::String, String(v.text);
        if (c == 't' || c == 'f') {
            v.kind = JsonValue::Kind::Bool;
            v.boolean = c == 't';
            return Word(c == 't' ? "true" : "false");
        }
        if (c == 'n') return v.kind = JsonValue::Kind::Null, Word("null");
        return Number(v);
    }
    bool Number(JsonValue& v) {
        const std::size_t b = p_;
        if (p_ < t_.size() && t_[p_] == '-') ++p_;
        const auto digits = [&] {
            const std::size_t s = p_;
            while (p_ < t_.size() && t_[p_] >= '0' && t_[p_] <= '9') ++p_;
            return p_ > s;
        };
        if (!digits()) return false;
        if (p_ < t_.size() && t_[p_] == '.' && (++p_, !digits())) return false;
        if (p_ < t_.size() && (t_[p_] == 'e' || t_[p_] == 'E')) {
            ++p_;
            if (p_ < t_.size() && (t_[p_] == '+' || t_[p_] == '-')) ++p_;
            if (!digits()) return false;
        }
        v.kind = JsonValue::Kind::Number;
        v.number = std::strtod(t_.substr(b, p_ - b).c_str(), nullptr);
        return true;
    }
    bool Hex4(unsigned& code) {
        if (p_ + 4 > t_.size()) return false;
        code = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = t_[p_++];
            code <<= 4;
            if (c >= '0' && c <= '9')
                code |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                code |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                code |= static_cast<unsigned>(c - 'A' + 10);
            else
                return false;
        }
        return true;
    }
    bool String(std::string& out) {
        ++p_;  // the opening quote
        while (p_ < t_.size()) {
            const unsigned char c = static_cast<unsigned char>(t_[p_]);
            if (c == '"') return ++p_, true;
            if (c < 0x20) return false;
            if (c != '\\') {
                out += static_cast<char>(c);
                ++p_;
                continue;
            }
            if (++p_ >= t_.size()) return false;
            const char e = t_[p_++];
            switch (e) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    unsigned code = 0;
                    if (!Hex4(code)) return false;
                    if (code >= 0xD800 && code <= 0xDBFF) {
                        unsigned low = 0;
                        if (!Word("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF)
                            return false;
                        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    } else if (code >= 0xDC00 && code <= 0xDFFF) {
                        return false;
                    }
                    AppendUtf8(out, code);
                    break;
                }
                default:
                    return false;
            }
        }
        return false;
    }
    bool Array(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Array;
        ++p_;
        Blanks();
        if (p_ < t_.size() && t_[p_] == ']') return ++p_, true;
        for (;;) {
            v.items.emplace_back();
            if (!Value(v.items.back(), depth + 1)) return false;
            Blanks();
            if (p_ >= t_.size()) return false;
            if (t_[p_] == ']') return ++p_, true;
            if (t_[p_++] != ',') return false;
        }
    }
    bool Object(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Object;
        ++p_;
        Blanks();
        if (p_ < t_.size() && t_[p_] == '}') return ++p_, true;
        for (;;) {
            Blanks();
            std::string name;
            if (p_ >= t_.size() || t_[p_] != '"' || !String(name)) return false;
            Blanks();
            if (p_ >= t_.size() || t_[p_++] != ':') return false;
            JsonValue member;
            if (!Value(member, depth + 1)) return false;
            v.members[name] = std::move(member);
            Blanks();
            if (p_ >= t_.size()) return false;
            if (t_[p_] == '}') return ++p_, true;
            if (t_[p_++] != ',') return false;
        }
    }

    const std::string& t_;
    std::size_t p_ = 0;
};

}  // namespace

std::string JsonString(const std::string& text) {
    static const char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++i;
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 15];
            ++i;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
        } else if (const std::size_t n = Utf8Length(text, i)) {
            out.append(text, i, n);
            i += n;
        } else {
            AppendUtf8(out, c);
            ++i;
        }
    }
    return out + "\"";
}

const JsonValue* JsonValue::Member(const std::string& name) const {
    if (kind != Kind::Object) return nullptr;
    const auto it = members.find(name);
    return it == members.end() ? nullptr : &it->second;
}

std::optional<JsonValue> JsonParse(const std::string& text) {
    JsonValue v;
    if (!Parser(text).Document(v)) return std::nullopt;
    return v;
}

}  // namespace ravlet
