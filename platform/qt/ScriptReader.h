#pragma once

#include "platform/qt/ResourceLexer.h"
#include "platform/qt/ResourceSymbols.h"
#include "platform/qt/ResourceTemplates.h"

#include <string>
#include <string_view>
#include <vector>

// Walks the tokens of one resource script: the words, texts and numbers its statements are
// made of, with the error that names the line where something else was found. Numbers may be
// written as sums and unions of numbers and names; a name is looked up in the symbols.
class ScriptReader {
public:
    // Bits added with '|' and taken away with '| NOT', kept apart so that a statement can apply
    // them to its usual style.
    struct StyleBits {
        unsigned added = 0;
        unsigned removed = 0;
        unsigned On(unsigned usual) const { return (usual | added) & ~removed; }
    };

    explicit ScriptReader(ResourceError& error) : error_(error) {}

    bool Load(std::string_view text); // false for text the lexer refuses
    ResourceSymbols& Symbols() { return symbols_; }

    const Token& Peek(std::size_t ahead = 0) const;
    const Token& Take();
    void Skip() { Take(); }
    static std::string Shown(const Token& token); // for messages: 'name', "text", ...
    static bool SameWord(std::string_view a, std::string_view b); // ignoring case

    bool Fail(const Token& at, const std::string& message);
    bool Fail(int line, const std::string& message);
    bool Expected(const std::string& what); // "expected <what>, found <the next token>"

    bool IsWord(const Token& token, std::string_view word) const; // a name, ignoring case
    bool IsPunct(const Token& token, char c) const;
    bool TakePunct(char c);
    bool Comma(const char* after);
    bool Begin(); // BEGIN or {
    bool AtEnd(); // takes END or } when it comes next
    bool Text(std::string& text, const char* what);

    bool Int(int& value, const char* what);
    // An id as written, keeping the symbol's name when it was one name alone.
    bool Id(int& value, std::string& name);
    bool ResourceId(int& value); // a positive one
    bool Style(StyleBits& bits);
    bool Style(unsigned& style); // applied to the usual style already in style

    // How deep parentheses, signs and popup menus may nest: far beyond any template, and far
    // within the stack, which each level of the recursive reading takes a little of.
    static constexpr int kMaxNesting = 64;

    // One level of nesting for as long as it lives.
    class Nested {
    public:
        explicit Nested(ScriptReader& reader);
        ~Nested() { --reader_.depth_; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;
        // False, with the error naming the line, for a level beyond kMaxNesting.
        bool Allowed() const { return allowed_; }

    private:
        ScriptReader& reader_;
        bool allowed_;
    };

private:
    bool Primary(long long& value, const char* what);
    bool Number(long long& value, const char* what);

    ResourceError& error_;
    ResourceSymbols symbols_;
    std::vector<Token> t_;
    std::size_t i_ = 0;
    int depth_ = 0;
};
