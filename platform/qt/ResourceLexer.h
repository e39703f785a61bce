#pragma once

#include "platform/qt/ResourceTemplates.h"

#include <string>
#include <string_view>
#include <vector>

// The words of a resource script: numbers, quoted texts, names, punctuation and whole
// preprocessor lines. Texts are UTF-8 and pass through unchanged but for their escapes.
enum class TokenKind { kEnd, kNumber, kString, kName, kPunct, kDirective };

struct Token {
    TokenKind kind = TokenKind::kEnd;
    std::string text; // the name, the text without quotes, the punctuation or the directive line
    long long number = 0;
    int line = 0;
};

// Splits a script into tokens, the last one of kind kEnd. Comments vanish. False, with the
// line and reason in error, for an unterminated text or comment, an unknown escape or a stray
// character.
bool TokenizeResourceScript(std::string_view script, std::vector<Token>& tokens,
                            ResourceError& error);
