#include "platform/qt/ResourceLexer.h"

#include <cctype>

namespace {

class Lexer {
public:
    Lexer(std::string_view script, std::vector<Token>& tokens, ResourceError& error)
        : s_(script), tokens_(tokens), error_(error) {
        if (s_.substr(0, 3) == "\xEF\xBB\xBF") {
            pos_ = 3; // a UTF-8 byte-order mark
        }
    }

    bool Run() {
        bool lineStart = true;
        while (pos_ < s_.size()) {
            const char c = s_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
                lineStart = true;
                continue;
            }
            if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
                continue;
            }
            if (c == '/' && Peek(1) == '/') {
                SkipToEndOfLine();
                continue;
            }
            if (c == '/' && Peek(1) == '*') {
                if (!SkipBlockComment()) {
                    return false;
                }
                continue;
            }
            const bool ok = c == '#' && lineStart ? Directive()
                            : c == '"'            ? String()
                            : IsDigit(c)          ? Number()
                            : IsNameStart(c)      ? Name()
                                                  : Punct(c);
            if (!ok) {
                return false;
            }
            lineStart = false;
        }
        tokens_.push_back({TokenKind::kEnd, {}, 0, line_});
        return true;
    }

private:
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static bool IsNameStart(char c) {
        return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
    }
    static bool IsNameChar(char c) { return IsNameStart(c) || IsDigit(c); }

    char Peek(std::size_t ahead) const {
        return pos_ + ahead < s_.size() ? s_[pos_ + ahead] : '\0';
    }

    bool Fail(std::string message) {
        error_.line = line_;
        error_.message = std::move(message);
        return false;
    }

    void SkipToEndOfLine() {
        while (pos_ < s_.size() && s_[pos_] != '\n') {
            ++pos_;
        }
    }

    bool SkipBlockComment() {
        const int startLine = line_;
        for (pos_ += 2; pos_ + 1 < s_.size(); ++pos_) {
            if (s_[pos_] == '\n') {
                ++line_;
            } else if (s_[pos_] == '*' && s_[pos_ + 1] == '/') {
                pos_ += 2;
                return true;
            }
        }
        line_ = startLine;
        return Fail("comment not closed");
    }

    bool Directive() {
        const std::size_t start = ++pos_;
        SkipToEndOfLine();
        tokens_.push_back(
            {TokenKind::kDirective, std::string(s_.substr(start, pos_ - start)), 0, line_});
        return true;
    }

    // Quotes inside a text are doubled or escaped with a backslash.
    bool String() {
        std::string text;
        for (++pos_; pos_ < s_.size(); ++pos_) {
            const char c = s_[pos_];
            if (c == '\n') {
                break;
            }
            if (c == '"') {
                if (Peek(1) != '"') {
                    ++pos_;
                    tokens_.push_back({TokenKind::kString, std::move(text), 0, line_});
                    return true;
                }
                text += '"';
                ++pos_;
            } else if (c == '\\') {
                const char e = Peek(1);
                const char* const escapes = "n\nt\tr\r\\\\\"\"";
                std::size_t i = 0;
                while (escapes[i] != '\0' && escapes[i] != e) {
                    i += 2;
                }
                if (escapes[i] == '\0' || e == '\0') {
                    return Fail(std::string("unknown escape \\") + e + " in a text");
                }
                text += escapes[i + 1];
                ++pos_;
            } else {
                text += c;
            }
        }
        return Fail("text not closed on its line");
    }

    bool Number() {
        const std::size_t start = pos_;
        long long value = 0;
        const bool hex = s_[pos_] == '0' && (Peek(1) == 'x' || Peek(1) == 'X');
        if (hex) {
            pos_ += 2;
        }
        std::size_t digits = 0;
        for (; pos_ < s_.size(); ++pos_, ++digits) {
            const char c = s_[pos_];
            int d;
            if (IsDigit(c)) {
                d = c - '0';
            } else if (hex && std::isxdigit(static_cast<unsigned char>(c))) {
                d = std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
            } else {
                break;
            }
            value = value * (hex ? 16 : 10) + d;
            if (value > 0xFFFFFFFFLL) {
                return Fail("number too large: " + std::string(s_.substr(start, pos_ - start)));
            }
        }
        while (pos_ < s_.size() &&
               (s_[pos_] == 'L' || s_[pos_] == 'l' || s_[pos_] == 'U' || s_[pos_] == 'u')) {
            ++pos_; // long and unsigned suffixes
        }
        if ((hex && digits == 0) || (pos_ < s_.size() && IsNameChar(s_[pos_]))) {
            SkipName();
            return Fail("malformed number '" + std::string(s_.substr(start, pos_ - start)) + "'");
        }
        tokens_.push_back(
            {TokenKind::kNumber, std::string(s_.substr(start, pos_ - start)), value, line_});
        return true;
    }

    void SkipName() {
        while (pos_ < s_.size() && IsNameChar(s_[pos_])) {
            ++pos_;
        }
    }

    bool Name() {
        const std::size_t start = pos_;
        SkipName();
        tokens_.push_back(
            {TokenKind::kName, std::string(s_.substr(start, pos_ - start)), 0, line_});
        return true;
    }

    bool Punct(char c) {
        static constexpr std::string_view kPunctuation = ",|{}()-+;=";
        if (kPunctuation.find(c) == std::string_view::npos) {
            return Fail(std::string("unexpected character '") + c + "'");
        }
        ++pos_;
        tokens_.push_back({TokenKind::kPunct, std::string(1, c), 0, line_});
        return true;
    }

    std::string_view s_;
    std::vector<Token>& tokens_;
    ResourceError& error_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

} // namespace

bool TokenizeResourceScript(std::string_view script, std::vector<Token>& tokens,
                            ResourceError& error) {
    tokens.clear();
    return Lexer(script, tokens, error).Run();
}
