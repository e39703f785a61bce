#include "platform/qt/ResourceSymbols.h"

#include "platform/qt/ResourceLexer.h"
#include "platform/qt/WindowStyles.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

#define TALVORIN_NAMED(constant)                                                                   \
    { #constant, static_cast < long long>(constant) }

const std::pair<const char*, long long> kBuiltIns[] = {
    TALVORIN_NAMED(WS_CHILD),
    TALVORIN_NAMED(WS_VISIBLE),
    TALVORIN_NAMED(WS_DISABLED),
    TALVORIN_NAMED(WS_CAPTION),
    TALVORIN_NAMED(WS_BORDER),
    TALVORIN_NAMED(WS_DLGFRAME),
    TALVORIN_NAMED(WS_VSCROLL),
    TALVORIN_NAMED(WS_HSCROLL),
    TALVORIN_NAMED(WS_SYSMENU),
    TALVORIN_NAMED(WS_THICKFRAME),
    TALVORIN_NAMED(WS_GROUP),
    TALVORIN_NAMED(WS_TABSTOP),
    TALVORIN_NAMED(WS_MINIMIZEBOX),
    TALVORIN_NAMED(WS_MAXIMIZEBOX),
    TALVORIN_NAMED(WS_POPUP),
    TALVORIN_NAMED(WS_EX_TRANSPARENT),
    TALVORIN_NAMED(WS_EX_CLIENTEDGE),
    TALVORIN_NAMED(WS_EX_STATICEDGE),
    TALVORIN_NAMED(DS_SETFONT),
    TALVORIN_NAMED(DS_MODALFRAME),
    TALVORIN_NAMED(DS_3DLOOK),
    TALVORIN_NAMED(DS_FIXEDSYS),
    TALVORIN_NAMED(DS_CONTROL),
    TALVORIN_NAMED(DS_CENTER),
    TALVORIN_NAMED(DS_SHELLFONT),
    TALVORIN_NAMED(SS_LEFT),
    TALVORIN_NAMED(SS_CENTER),
    TALVORIN_NAMED(SS_RIGHT),
    TALVORIN_NAMED(SS_ICON),
    TALVORIN_NAMED(SS_BLACKRECT),
    TALVORIN_NAMED(SS_GRAYRECT),
    TALVORIN_NAMED(SS_WHITERECT),
    TALVORIN_NAMED(SS_BLACKFRAME),
    TALVORIN_NAMED(SS_GRAYFRAME),
    TALVORIN_NAMED(SS_WHITEFRAME),
    TALVORIN_NAMED(SS_SIMPLE),
    TALVORIN_NAMED(SS_LEFTNOWORDWRAP),
    TALVORIN_NAMED(SS_BITMAP),
    TALVORIN_NAMED(SS_ETCHEDHORZ),
    TALVORIN_NAMED(SS_ETCHEDVERT),
    TALVORIN_NAMED(SS_ETCHEDFRAME),
    TALVORIN_NAMED(SS_REALSIZECONTROL),
    TALVORIN_NAMED(SS_NOPREFIX),
    TALVORIN_NAMED(SS_NOTIFY),
    TALVORIN_NAMED(SS_CENTERIMAGE),
    TALVORIN_NAMED(SS_SUNKEN),
    TALVORIN_NAMED(BS_PUSHBUTTON),
    TALVORIN_NAMED(BS_DEFPUSHBUTTON),
    TALVORIN_NAMED(BS_CHECKBOX),
    TALVORIN_NAMED(BS_AUTOCHECKBOX),
    TALVORIN_NAMED(BS_3STATE),
    TALVORIN_NAMED(BS_AUTO3STATE),
    TALVORIN_NAMED(BS_GROUPBOX),
    TALVORIN_NAMED(BS_LEFTTEXT),
    TALVORIN_NAMED(BS_MULTILINE),
    TALVORIN_NAMED(ES_LEFT),
    TALVORIN_NAMED(ES_CENTER),
    TALVORIN_NAMED(ES_RIGHT),
    TALVORIN_NAMED(ES_MULTILINE),
    TALVORIN_NAMED(ES_PASSWORD),
    TALVORIN_NAMED(ES_AUTOVSCROLL),
    TALVORIN_NAMED(ES_AUTOHSCROLL),
    TALVORIN_NAMED(ES_READONLY),
    TALVORIN_NAMED(ES_WANTRETURN),
    TALVORIN_NAMED(ES_NUMBER),
    TALVORIN_NAMED(CBS_SIMPLE),
    TALVORIN_NAMED(CBS_DROPDOWN),
    TALVORIN_NAMED(CBS_DROPDOWNLIST),
    TALVORIN_NAMED(CBS_AUTOHSCROLL),
    TALVORIN_NAMED(CBS_SORT),
    TALVORIN_NAMED(LBS_NOTIFY),
    TALVORIN_NAMED(LBS_SORT),
    TALVORIN_NAMED(LBS_MULTIPLESEL),
    TALVORIN_NAMED(LBS_NOINTEGRALHEIGHT),
    TALVORIN_NAMED(LBS_EXTENDEDSEL),
    TALVORIN_NAMED(LBS_NOSEL),
    TALVORIN_NAMED(LVS_REPORT),
    TALVORIN_NAMED(LVS_SINGLESEL),
    TALVORIN_NAMED(LVS_SHOWSELALWAYS),
    TALVORIN_NAMED(LVS_NOCOLUMNHEADER),
    TALVORIN_NAMED(LVS_NOSORTHEADER),
    TALVORIN_NAMED(DTS_SHORTDATEFORMAT),
    TALVORIN_NAMED(DTS_UPDOWN),
    TALVORIN_NAMED(DTS_SHOWNONE),
    TALVORIN_NAMED(DTS_LONGDATEFORMAT),
    TALVORIN_NAMED(DTS_TIMEFORMAT),
    TALVORIN_NAMED(DTS_RIGHTALIGN),
    TALVORIN_NAMED(VK_BACK),
    TALVORIN_NAMED(VK_TAB),
    TALVORIN_NAMED(VK_RETURN),
    TALVORIN_NAMED(VK_ESCAPE),
    TALVORIN_NAMED(VK_SPACE),
    TALVORIN_NAMED(VK_PRIOR),
    TALVORIN_NAMED(VK_NEXT),
    TALVORIN_NAMED(VK_END),
    TALVORIN_NAMED(VK_HOME),
    TALVORIN_NAMED(VK_LEFT),
    TALVORIN_NAMED(VK_UP),
    TALVORIN_NAMED(VK_RIGHT),
    TALVORIN_NAMED(VK_DOWN),
    TALVORIN_NAMED(VK_INSERT),
    TALVORIN_NAMED(VK_DELETE),
    {"IDOK", 1},
    {"IDCANCEL", 2},
    {"IDC_STATIC", -1},
};

#undef TALVORIN_NAMED

// "-12", "0x1F" or "42" as a whole word.
bool ParseInteger(const std::string& word, long long& value) {
    if (word.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtoll(word.c_str(), &end, 0);
    return *end == '\0';
}

} // namespace

ResourceSymbols::ResourceSymbols() {
    for (const auto& [name, value] : kBuiltIns) {
        values_.emplace(name, value);
    }
    for (int f = 1; f <= 12; ++f) {
        values_.emplace("VK_F" + std::to_string(f), VK_F1 + f - 1);
    }
}

bool ResourceSymbols::Find(std::string_view name, long long& value) const {
    const auto it = values_.find(std::string(name));
    if (it == values_.end()) {
        return false;
    }
    value = it->second;
    return true;
}

bool ResourceSymbols::Define(const std::string& name, long long value, int line,
                             ResourceError& error) {
    const auto [it, added] = values_.emplace(name, value);
    if (!added && it->second != value) {
        error.line = line;
        error.message = "'" + name + "' defined twice with different values";
        return false;
    }
    return true;
}

bool ResourceSymbols::ReadHeader(std::string_view header, ResourceError& error) {
    std::vector<Token> t;
    if (!TokenizeResourceScript(header, t, error)) {
        return false;
    }
    auto fail = [&](const Token& at, const std::string& message) {
        error.line = at.line;
        error.message = message;
        return false;
    };
    for (std::size_t i = 0; t[i].kind != TokenKind::kEnd;) {
        if (t[i].kind == TokenKind::kDirective) {
            std::istringstream words(t[i].text);
            std::string directive, name, value;
            words >> directive >> name >> value;
            long long number = 0;
            if (directive == "define" && !ParseInteger(value, number)) {
                return fail(t[i], "'" + name + "' is not defined as a plain number");
            }
            if (directive == "define" && !Define(name, number, t[i].line, error)) {
                return false;
            }
            ++i;
            continue;
        }
        // [inline] constexpr int|unsigned NAME = [-]NUMBER ;
        const Token& start = t[i];
        if (t[i].text == "inline") {
            ++i;
        }
        if (t[i].text != "constexpr" || (t[i + 1].text != "int" && t[i + 1].text != "unsigned")) {
            return fail(start, "expected a constant definition, found '" + start.text + "'");
        }
        i += 2;
        const Token& name = t[i];
        if (name.kind != TokenKind::kName || t[i + 1].text != "=") {
            return fail(name, "expected 'NAME =' in a constant definition");
        }
        i += 2;
        const bool negative = t[i].text == "-" && t[i].kind == TokenKind::kPunct;
        if (negative) {
            ++i;
        }
        if (t[i].kind != TokenKind::kNumber || t[i + 1].text != ";") {
            return fail(t[i], "'" + name.text + "' is not defined as a plain number");
        }
        if (!Define(name.text, negative ? -t[i].number : t[i].number, name.line, error)) {
            return false;
        }
        i += 2;
    }
    return true;
}
