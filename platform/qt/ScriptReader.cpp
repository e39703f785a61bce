#include "platform/qt/ScriptReader.h"

#include <algorithm>
#include <cctype>
#include <string>

bool ScriptReader::SameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

bool ScriptReader::Load(std::string_view text) {
    i_ = 0;
    return TokenizeResourceScript(text, t_, error_);
}

bool ScriptReader::Fail(int line, const std::string& message) {
    error_.line = line;
    error_.message = message;
    return false;
}

const Token& ScriptReader::Peek(std::size_t ahead) const {
    return t_[std::min(i_ + ahead, t_.size() - 1)];
}

const Token& ScriptReader::Take() {
    const Token& token = Peek();
    if (token.kind != TokenKind::kEnd) {
        ++i_;
    }
    return token;
}

std::string ScriptReader::Shown(const Token& token) {
    switch (token.kind) {
    case TokenKind::kEnd:
        return "the end of the script";
    case TokenKind::kString:
        return "\"" + token.text + "\"";
    case TokenKind::kDirective:
        return "#" + token.text;
    default:
        return "'" + token.text + "'";
    }
}

bool ScriptReader::Fail(const Token& at, const std::string& message) {
    return Fail(at.line, message);
}

bool ScriptReader::Expected(const std::string& what) {
    return Fail(Peek(), "expected " + what + ", found " + Shown(Peek()));
}

bool ScriptReader::IsWord(const Token& token, std::string_view word) const {
    return token.kind == TokenKind::kName && SameWord(token.text, word);
}

bool ScriptReader::IsPunct(const Token& token, char c) const {
    return token.kind == TokenKind::kPunct && token.text[0] == c;
}

bool ScriptReader::TakePunct(char c) {
    if (!IsPunct(Peek(), c)) {
        return false;
    }
    ++i_;
    return true;
}

bool ScriptReader::Comma(const char* after) {
    return TakePunct(',') || Expected(std::string("',' after ") + after);
}

bool ScriptReader::Begin() {
    if (IsWord(Peek(), "BEGIN") || IsPunct(Peek(), '{')) {
        ++i_;
        return true;
    }
    return Expected("BEGIN");
}

bool ScriptReader::AtEnd() {
    if (IsWord(Peek(), "END") || IsPunct(Peek(), '}')) {
        ++i_;
        return true;
    }
    return false;
}

bool ScriptReader::Text(std::string& text, const char* what) {
    if (Peek().kind != TokenKind::kString) {
        return Expected(std::string("a quoted ") + what);
    }
    text = Take().text;
    return true;
}

ScriptReader::Nested::Nested(ScriptReader& reader)
    : reader_(reader),
      allowed_(++reader.depth_ <= kMaxNesting ||
               reader.Fail(reader.Peek(), "parentheses, signs or menus nested more than " +
                                              std::to_string(kMaxNesting) + " levels deep")) {}

bool ScriptReader::Primary(long long& value, const char* what) {
    const Nested nested(*this);
    if (!nested.Allowed()) {
        return false;
    }
    const Token& token = Peek();
    if (TakePunct('-')) {
        if (!Primary(value, what)) {
            return false;
        }
        value = -value;
        return true;
    }
    if (TakePunct('(')) {
        return Number(value, what) && (TakePunct(')') || Expected("')'"));
    }
    if (token.kind == TokenKind::kNumber) {
        value = Take().number;
        return true;
    }
    if (token.kind == TokenKind::kName && !IsWord(token, "NOT")) {
        if (!symbols_.Find(token.text, value)) {
            return Fail(token, "unknown name '" + token.text + "'");
        }
        ++i_;
        return true;
    }
    return Expected(what);
}

bool ScriptReader::Number(long long& value, const char* what) {
    if (!Primary(value, what)) {
        return false;
    }
    while (IsPunct(Peek(), '|') || IsPunct(Peek(), '+')) {
        const bool sum = Take().text[0] == '+';
        long long more = 0;
        if (!Primary(more, what)) {
            return false;
        }
        value = sum ? value + more : (value | more);
    }
    return true;
}

bool ScriptReader::Int(int& value, const char* what) {
    const Token& at = Peek();
    long long v = 0;
    if (!Number(v, what)) {
        return false;
    }
    if (v < -32768 || v > 65535) {
        return Fail(at, std::string(what) + " out of range: " + std::to_string(v));
    }
    value = static_cast<int>(v);
    return true;
}

bool ScriptReader::Id(int& value, std::string& name) {
    name = Peek().kind == TokenKind::kName && !IsPunct(Peek(1), '|') && !IsPunct(Peek(1), '+')
               ? Peek().text
               : std::string();
    return Int(value, "a control id");
}

bool ScriptReader::ResourceId(int& value) {
    const Token& at = Peek();
    if (!Int(value, "a resource id")) {
        return false;
    }
    return value > 0 || Fail(at, "a resource id must be positive");
}

bool ScriptReader::Style(StyleBits& bits) {
    do {
        const bool remove = IsWord(Peek(), "NOT");
        if (remove) {
            ++i_;
        }
        long long value = 0;
        if (!Primary(value, "a style")) {
            return false;
        }
        (remove ? bits.removed : bits.added) |= static_cast<unsigned>(value);
    } while (TakePunct('|'));
    return true;
}

bool ScriptReader::Style(unsigned& style) {
    StyleBits bits;
    if (!Style(bits)) {
        return false;
    }
    style = bits.On(style);
    return true;
}
