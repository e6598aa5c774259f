#include "net/Json.h"

#include <cstdlib>

namespace ravlet {

namespace {

constexpr int kMaxDepth = 200;

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// The length of the UTF-8 sequence at text[i], or 0 when it is none (overlong forms,
// surrogates and code points above U+10FFFF included).
std::size_t Utf8Length(const std::string& text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(i);
    if (c < 0x80) return 1;
    std::size_t n;
    unsigned min;
    unsigned cp;
    if ((c & 0xE0) == 0xC0) {
        n = 2, min = 0x80, cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3, min = 0x800, cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4, min = 0x10000, cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > text.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

class Reader {
  public:
    explicit Reader(const std::string& text) : t_(text) {}

    bool Document(JsonValue& v) {
        Blanks();
        if (!Value(v, 0)) return false;
        Blanks();
        if (p_ != t_.size()) return Fail("text after the end of the value");
        return true;
    }

    std::string problem;

  private:
    bool Fail(const std::string& what) {
        if (problem.empty()) problem = what + " at byte " + std::to_string(p_);
        return false;
    }
    void Blanks() {
        while (p_ < t_.size() &&
               (t_[p_] == ' ' || t_[p_] == '\t' || t_[p_] == '\n' || t_[p_] == '\r'))
            ++p_;
    }
    bool Word(const char* word) {
        std::size_t i = 0;
        for (; word[i]; ++i)
            if (p_ + i >= t_.size() || t_[p_ + i] != word[i]) return Fail("not JSON");
        p_ += i;
        return true;
    }
    bool Value(JsonValue& v, int depth) {
        if (depth > kMaxDepth) return Fail("nested too deep");
        if (p_ >= t_.size()) return Fail("cut short");
        switch (t_[p_]) {
            case '{':
                return Object(v, depth);
            case '[':
                return Array(v, depth);
            case '"':
                v.kind = JsonValue::Kind::Text;
                return Text(v.text);
            case 't':
                v.kind = JsonValue::Kind::Bool;
                v.boolean = true;
                return Word("true");
            case 'f':
                v.kind = JsonValue::Kind::Bool;
                return Word("false");
            case 'n':
                v.kind = JsonValue::Kind::Null;
                return Word("null");
            default:
                return Number(v);
        }
    }
    bool Number(JsonValue& v) {
        const std::size_t start = p_;
        if (p_ < t_.size() && t_[p_] == '-') ++p_;
        const auto digits = [&] {
            const std::size_t s = p_;
            while (p_ < t_.size() && t_[p_] >= '0' && t_[p_] <= '9') ++p_;
            return p_ - s;
        };
        const std::size_t intStart = p_;
        const std::size_t intDigits = digits();
        if (intDigits == 0) return Fail("not JSON");
        if (intDigits > 1 && t_[intStart] == '0') return Fail("a number with a leading zero");
        if (p_ < t_.size() && t_[p_] == '.') {
            ++p_;
            if (digits() == 0) return Fail("a number without digits after the point");
        }
        if (p_ < t_.size() && (t_[p_] == 'e' || t_[p_] == 'E')) {
            ++p_;
            if (p_ < t_.size() && (t_[p_] == '+' || t_[p_] == '-')) ++p_;
            if (digits() == 0) return Fail("a number without exponent digits");
        }
        v.kind = JsonValue::Kind::Number;
        v.number = std::strtod(t_.substr(start, p_ - start).c_str(), nullptr);
        return true;
    }
    bool Hex4(unsigned& cp) {
        if (p_ + 4 > t_.size()) return Fail("cut short");
        cp = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = t_[p_++];
            cp <<= 4;
            if (c >= '0' && c <= '9')
                cp |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                cp |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                cp |= static_cast<unsigned>(c - 'A' + 10);
            else
                return Fail("a bad \\u escape");
        }
        return true;
    }
    bool Text(std::string& out) {
        ++p_;  // the opening quote
        out.clear();
        while (true) {
            if (p_ >= t_.size()) return Fail("cut short");
            const unsigned char c = static_cast<unsigned char>(t_[p_]);
            if (c == '"') {
                ++p_;
                return true;
            }
            if (c < 0x20) return Fail("a control character in a string");
            if (c == '\\') {
                if (++p_ >= t_.size()) return Fail("cut short");
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
                        unsigned cp = 0;
                        if (!Hex4(cp)) return false;
                        if (cp >= 0xDC00 && cp <= 0xDFFF) return Fail("a lone surrogate");
                        if (cp >= 0xD800 && cp <= 0xDBFF) {
                            unsigned low = 0;
                            if (p_ + 1 >= t_.size() || t_[p_] != '\\' || t_[p_ + 1] != 'u')
                                return Fail("a lone surrogate");
                            p_ += 2;
                            if (!Hex4(low)) return false;
                            if (low < 0xDC00 || low > 0xDFFF) return Fail("a lone surrogate");
                            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                        }
                        AppendUtf8(out, cp);
                        break;
                    }
                    default:
                        return Fail("a bad escape");
                }
                continue;
            }
            const std::size_t n = Utf8Length(t_, p_);
            if (n == 0) return Fail("a byte that is no UTF-8");
            out.append(t_, p_, n);
            p_ += n;
        }
    }
    bool Array(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Array;
        ++p_;
        Blanks();
        if (p_ < t_.size() && t_[p_] == ']') {
            ++p_;
            return true;
        }
        while (true) {
            Blanks();
            v.items.emplace_back();
            if (!Value(v.items.back(), depth + 1)) return false;
            Blanks();
            if (p_ >= t_.size()) return Fail("cut short");
            if (t_[p_] == ']') {
                ++p_;
                return true;
            }
            if (t_[p_++] != ',') return Fail("not JSON");
        }
    }
    bool Object(JsonValue& v, int depth) {
        v.kind = JsonValue::Kind::Object;
        ++p_;
        Blanks();
        if (p_ < t_.size() && t_[p_] == '}') {
            ++p_;
            return true;
        }
        while (true) {
            Blanks();
            if (p_ >= t_.size()) return Fail("cut short");
            if (t_[p_] != '"') return Fail("not JSON");
            std::string name;
            if (!Text(name)) return false;
            Blanks();
            if (p_ >= t_.size()) return Fail("cut short");
            if (t_[p_++] != ':') return Fail("not JSON");
            Blanks();
            v.members.emplace_back(std::move(name), JsonValue());
            if (!Value(v.members.back().value, depth + 1)) return false;
            Blanks();
            if (p_ >= t_.size()) return Fail("cut short");
            if (t_[p_] == '}') {
                ++p_;
                return true;
            }
            if (t_[p_++] != ',') return Fail("not JSON");
        }
    }

    const std::string& t_;
    std::size_t p_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Member(const std::string& name) const {
    if (kind != Kind::Object) return nullptr;
    for (const auto& m : members)
        if (SameName(m.name, name)) return &m.value;
    return nullptr;
}

bool ParseJson(const std::string& text, JsonValue& value, std::string& problem) {
    value = JsonValue();
    Reader reader(text);
    if (reader.Document(value)) return true;
    problem = reader.problem;
    value = JsonValue();
    return false;
}

namespace {

// The quoting both writers share; they differ only in what becomes of a byte that is no
// UTF-8 (U+FFFD, or the Latin-1 character of that number) and whether DEL is escaped.
std::string Quote(const std::string& text, bool latin1) {
    static const char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || (latin1 && c == 0x7F)) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (const std::size_t n = Utf8Length(text, i)) {
            out.append(text, i, n);
            i += n;
            continue;
        } else if (latin1) {
            AppendUtf8(out, c);
        } else {
            out += "\\ufffd";
        }
        ++i;
    }
    return out + "\"";
}

}  // namespace

std::string JsonQuote(const std::string& text) {
    return Quote(text, false);
}

std::optional<JsonValue> JsonParse(const std::string& text) {
    JsonValue value;
    std::string problem;
    if (!ParseJson(text, value, problem)) return std::nullopt;
    return value;
}

std::string JsonString(const std::string& text) {
    return Quote(text, true);
}

}  // namespace ravlet
