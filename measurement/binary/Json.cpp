#include "Json.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace {

constexpr int kDeepest = 128;

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    bool document(JsonValue& value) {
        if (!parse(value, 0))
            return false;
        blanks();
        return at_ == text_.size();
    }

  private:
    void blanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\r' || text_[at_] == '\n'))
            ++at_;
    }
    bool take(char c) {
        blanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool word(std::string_view w) {
        if (text_.substr(at_, w.size()) != w)
            return false;
        at_ += w.size();
        return true;
    }

    bool parse(JsonValue& value, int depth) {
        if (depth > kDeepest)
            return false;
        blanks();
        if (at_ >= text_.size())
            return false;
        switch (text_[at_]) {
        case '{':
            return object(value, depth);
        case '[':
            return array(value, depth);
        case '"':
            value.kind = JsonValue::Kind::String;
            return string(value.text);
        case 't':
            value.kind = JsonValue::Kind::Boolean;
            value.number = 1;
            return word("true");
        case 'f':
            value.kind = JsonValue::Kind::Boolean;
            return word("false");
        case 'n':
            return word("null");
        default:
            value.kind = JsonValue::Kind::Number;
            return number(value.number);
        }
    }

    bool object(JsonValue& value, int depth) {
        ++at_;
        value.kind = JsonValue::Kind::Object;
        if (take('}'))
            return true;
        do {
            blanks();
            std::string key;
            if (!string(key) || !take(':'))
                return false;
            value.keys.push_back(std::move(key));
            if (!parse(value.items.emplace_back(), depth + 1))
                return false;
        } while (take(','));
        return take('}');
    }

    // Only the objects and arrays of an array are kept: a value takes a hundred bytes, so
    // megabytes of bare numbers would take gigabytes, and a session reads none of them.
    bool array(JsonValue& value, int depth) {
        ++at_;
        value.kind = JsonValue::Kind::Array;
        if (take(']'))
            return true;
        JsonValue scalar;
        do {
            blanks();
            const bool kept = at_ < text_.size() && (text_[at_] == '{' || text_[at_] == '[');
            scalar.text.clear();
            if (!parse(kept ? value.items.emplace_back() : scalar, depth + 1))
                return false;
        } while (take(','));
        return take(']');
    }

    bool number(double& n) {
        constexpr double kInfinity = std::numeric_limits<double>::infinity();
        if (word("NaN")) {
            n = std::numeric_limits<double>::quiet_NaN();
            return true;
        }
        if (word("Infinity")) {
            n = kInfinity;
            return true;
        }
        if (word("-Infinity")) {
            n = -kInfinity;
            return true;
        }
        const char* first = text_.data() + at_;
        const char* last = text_.data() + text_.size();
        // from_chars takes no leading '+', nor does JSON.
        if (first < last && *first == '+')
            return false;
        const auto [ptr, ec] = std::from_chars(first, last, n);
        if (ptr == first)
            return false;
        // Out of a double's range: as strtod gives it, with its sign.
        if (ec == std::errc::result_out_of_range) {
            const std::string_view token(first, static_cast<std::size_t>(ptr - first));
            const std::size_t exponent = token.find_first_of("eE");
            const bool tiny =
                exponent != std::string_view::npos && token.substr(exponent + 1).starts_with('-');
            const double magnitude = tiny ? 0.0 : kInfinity;
            n = *first == '-' ? -magnitude : magnitude;
        }
        at_ += static_cast<std::size_t>(ptr - first);
        return true;
    }

    static void appendUtf8(std::uint32_t c, std::string& out) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    bool string(std::string& out) {
        if (at_ >= text_.size() || text_[at_] != '"')
            return false;
        ++at_;
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"')
                return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size())
                return false;
            const char e = text_[at_++];
            switch (e) {
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
                std::uint32_t code = 0;
                const char* first = text_.data() + at_;
                if (text_.size() - at_ < 4 ||
                    std::from_chars(first, first + 4, code, 16).ptr != first + 4)
                    return false;
                at_ += 4;
                appendUtf8(code, out); // surrogates stay apart: only ASCII keys matter here
                break;
            }
            default:
                out += e;
            }
        }
        return false;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

const JsonValue* JsonValue::find(std::string_view key) const {
    if (kind != Kind::Object)
        return nullptr;
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (sameIgnoringCase(keys[i], key))
            return &items[i];
    return nullptr;
}

const std::vector<JsonValue>& JsonValue::elements() const {
    static const std::vector<JsonValue> kNone;
    return kind == Kind::Array ? items : kNone;
}

bool ParseJson(std::string_view text, JsonValue& value) {
    return Parser(text).document(value);
}
