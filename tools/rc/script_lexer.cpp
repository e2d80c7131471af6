#include "rc/script_lexer.h"

#include "rc/rc_error.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

namespace {

const int kMaxDepth = 16;

struct BuiltIn {
    const char* name;
    uint32_t value;
};

// The constants of the Windows headers that resource scripts use.
const BuiltIn kBuiltIns[] = {
    {"RC_INVOKED", 1},
    {"LANG_NEUTRAL", 0x00}, {"LANG_CHINESE", 0x04}, {"LANG_ENGLISH", 0x09},
    {"SUBLANG_NEUTRAL", 0x00}, {"SUBLANG_DEFAULT", 0x01}, {"SUBLANG_SYS_DEFAULT", 0x02},
    {"SUBLANG_ENGLISH_US", 0x01}, {"SUBLANG_CHINESE_TRADITIONAL", 0x01},
    {"SUBLANG_CHINESE_SIMPLIFIED", 0x02}, {"SUBLANG_CHINESE_HONGKONG", 0x03},
    {"VS_VERSION_INFO", 1}, {"VS_FFI_FILEFLAGSMASK", 0x3F}, {"VS_FF_DEBUG", 0x01},
    {"VS_FF_PRERELEASE", 0x02}, {"VS_FF_PATCHED", 0x04}, {"VS_FF_PRIVATEBUILD", 0x08},
    {"VS_FF_INFOINFERRED", 0x10}, {"VS_FF_SPECIALBUILD", 0x20},
    {"VOS_UNKNOWN", 0}, {"VOS_NT", 0x40000}, {"VOS__WINDOWS32", 0x4}, {"VOS_NT_WINDOWS32", 0x40004},
    {"VFT_UNKNOWN", 0}, {"VFT_APP", 1}, {"VFT_DLL", 2}, {"VFT2_UNKNOWN", 0},
    {"RT_RCDATA", 10}, {"RT_MANIFEST", 24},
    {"CREATEPROCESS_MANIFEST_RESOURCE_ID", 1}, {"ISOLATIONAWARE_MANIFEST_RESOURCE_ID", 2},
};

const char* const kSystemHeaders[] = {
    "windows.h", "winres.h", "winresrc.h", "afxres.h", "winver.h", "verrsrc.h",
    "winuser.h", "winnt.h", "commctrl.h",
};

bool FileExists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string DirectoryOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

struct ScriptLexer::Source {
    std::string path;
    int line = 0;
    bool inComment = false;
    std::string Where() const { return path + ":" + std::to_string(line); }
};

ScriptLexer::ScriptLexer(std::vector<std::string> includeDirs) : m_includeDirs(std::move(includeDirs))
{
    for (const BuiltIn& builtIn : kBuiltIns) {
        Token token;
        token.kind = Token::kNumber;
        token.value = builtIn.value;
        token.text = builtIn.name;
        m_macros[builtIn.name] = {token};
    }
}

std::vector<Token> ScriptLexer::Read(const std::string& path)
{
    std::vector<Token> tokens;
    ReadFile(path, 0, tokens);
    if (!m_conditions.empty())
        throw RcError(path, "#ifdef without #endif");
    Token end;
    end.where = path + ": end of file";
    tokens.push_back(end);
    return tokens;
}

std::string ScriptLexer::Locate(const std::string& name, const std::string& besideDir) const
{
    std::string unixName = name;
    std::replace(unixName.begin(), unixName.end(), '\\', '/');
    if (!unixName.empty() && unixName[0] == '/')
        return FileExists(unixName) ? unixName : std::string();
    if (!besideDir.empty() && FileExists(besideDir + "/" + unixName))
        return besideDir + "/" + unixName;
    for (const std::string& dir : m_includeDirs) {
        if (FileExists(dir + "/" + unixName))
            return dir + "/" + unixName;
    }
    return std::string();
}

bool ScriptLexer::Active() const
{
    return std::all_of(m_conditions.begin(), m_conditions.end(),
                       [](const std::pair<bool, bool>& c) { return c.first; });
}

void ScriptLexer::ReadFile(const std::string& path, int depth, std::vector<Token>& out)
{
    if (depth > kMaxDepth)
        throw RcError(path, "includes nested too deeply");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw RcError(path, "cannot open");
    m_filesRead.push_back(path);
    Source src;
    src.path = path;
    std::string line;
    while (std::getline(in, line)) {
        ++src.line;
        if (src.line == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);
        const std::string trimmed = Trim(line);
        if (!src.inComment && !trimmed.empty() && trimmed[0] == '#')
            Directive(src, trimmed.substr(1), depth, out);
        else if (Active())
            Lex(src, line, true, out);
        else
            SkipComments(src, line);
    }
}

void ScriptLexer::Directive(Source& src, const std::string& line, int depth, std::vector<Token>& out)
{
    const std::string where = src.Where();
    size_t nameEnd = 0;
    while (nameEnd < line.size() && IsIdentChar(line[nameEnd]))
        ++nameEnd;
    const std::string name = line.substr(0, nameEnd);
    if (name == "include") {
        if (Active())
            Include(src, Trim(line.substr(nameEnd)), depth, out);
        return;
    }
    const bool conditional = name == "ifdef" || name == "ifndef" || name == "else" || name == "endif";
    if (!conditional && !Active())
        return;
    std::vector<Token> words;
    Lex(src, line, false, words);
    if (words.empty() || words[0].kind != Token::kIdentifier)
        throw RcError(where, "malformed directive");
    auto argument = [&](size_t i) -> const Token& {
        if (i >= words.size())
            throw RcError(where, "#" + name + " needs an argument");
        return words[i];
    };

    if (name == "ifdef" || name == "ifndef") {
        const bool defined = m_macros.count(argument(1).text) != 0;
        const bool take = name == "ifdef" ? defined : !defined;
        m_conditions.emplace_back(take, take);
        return;
    }
    if (name == "else") {
        if (m_conditions.empty())
            throw RcError(where, "#else without #ifdef");
        m_conditions.back().first = !m_conditions.back().second;
        m_conditions.back().second = true;
        return;
    }
    if (name == "endif") {
        if (m_conditions.empty())
            throw RcError(where, "#endif without #ifdef");
        m_conditions.pop_back();
        return;
    }
    if (name == "define") {
        const Token& macro = argument(1);
        if (macro.kind != Token::kIdentifier)
            throw RcError(where, "#define needs a name");
        const size_t afterName = line.find(macro.text, nameEnd) + macro.text.size();
        if (afterName < line.size() && line[afterName] == '(')
            throw RcError(where, "function-like macros are not supported");
        m_macros[macro.text] = std::vector<Token>(words.begin() + 2, words.end());
    } else if (name == "undef") {
        m_macros.erase(argument(1).text);
    } else if (name == "pragma") {
        if (words.size() == 5 && argument(1).text == "code_page" && words[3].kind == Token::kNumber) {
            if (words[3].value != 65001)
                throw RcError(where, "only UTF-8 scripts are supported: #pragma code_page(65001)");
            return;
        }
        throw RcError(where, "unsupported #pragma");
    } else if (name == "error") {
        throw RcError(where, "#error" + line.substr(5));
    } else {
        throw RcError(where, "unsupported directive #" + name);
    }
}

void ScriptLexer::Include(Source& src, const std::string& rest, int depth, std::vector<Token>& out)
{
    const std::string where = src.Where();
    const bool system = !rest.empty() && rest[0] == '<';
    const size_t close = rest.find(system ? '>' : '"', 1);
    if (rest.size() < 3 || (rest[0] != '<' && rest[0] != '"') || close == std::string::npos)
        throw RcError(where, "malformed #include");
    const std::string file = rest.substr(1, close - 1);
    const std::string found = Locate(file, system ? std::string() : DirectoryOf(src.path));
    if (!found.empty()) {
        ReadFile(found, depth + 1, out);
        return;
    }
    std::string lower = file;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    for (const char* header : kSystemHeaders) {
        if (system && lower == header)
            return;
    }
    throw RcError(where, "cannot find included file \"" + file + "\"");
}

void ScriptLexer::SkipComments(Source& src, const std::string& text)
{
    size_t i = 0;
    while (i < text.size()) {
        const size_t mark = text.find(src.inComment ? "*/" : "/*", i);
        if (mark == std::string::npos)
            return;
        src.inComment = !src.inComment;
        i = mark + 2;
    }
}

void ScriptLexer::Emit(const Token& token, int depth, std::vector<Token>& out) const
{
    if (token.kind == Token::kIdentifier) {
        const auto macro = m_macros.find(token.text);
        if (macro != m_macros.end()) {
            if (depth > kMaxDepth)
                throw RcError(token.where, "macro " + token.text + " expands into itself");
            for (Token replacement : macro->second) {
                replacement.where = token.where;
                Emit(replacement, depth + 1, out);
            }
            return;
        }
    }
    out.push_back(token);
}

void ScriptLexer::Lex(Source& src, const std::string& text, bool expand, std::vector<Token>& out)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        if (src.inComment) {
            const size_t close = text.find("*/", i);
            if (close == std::string::npos)
                return;
            src.inComment = false;
            i = close + 2;
            continue;
        }
        const char c = text[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
            continue;
        }
        if (text.compare(i, 2, "//") == 0)
            return;
        if (text.compare(i, 2, "/*") == 0) {
            src.inComment = true;
            i += 2;
            continue;
        }
        Token token;
        token.where = src.Where();
        if (IsIdentStart(c)) {
            const size_t start = i;
            while (i < n && IsIdentChar(text[i]))
                ++i;
            token.kind = Token::kIdentifier;
            token.text = text.substr(start, i - start);
            if (expand)
                Emit(token, 0, out);
            else
                out.push_back(token);
            continue;
        }
        if (std::isdigit(static_cast<unsigned char>(c))) {
            const size_t start = i;
            while (i < n && std::isxdigit(static_cast<unsigned char>(text[i])))
                ++i;
            if (i < n && (text[i] == 'x' || text[i] == 'X') && i == start + 1 && c == '0') {
                ++i;
                while (i < n && std::isxdigit(static_cast<unsigned char>(text[i])))
                    ++i;
            }
            const std::string digits = text.substr(start, i - start);
            char* end = nullptr;
            const unsigned long long value = std::strtoull(digits.c_str(), &end, 0);
            if (*end != '\0' || value > 0xFFFFFFFFull)
                throw RcError(token.where, "bad number " + digits);
            while (i < n && std::strchr("lLuU", text[i]) && text[i] != '\0') {
                token.isLong = token.isLong || text[i] == 'l' || text[i] == 'L';
                ++i;
            }
            token.kind = Token::kNumber;
            token.value = static_cast<uint32_t>(value);
            token.text = digits;
            out.push_back(token);
            continue;
        }
        if (c == '"') {
            ++i;
            std::string value;
            bool closed = false;
            while (i < n) {
                const char d = text[i++];
                if (d == '"') {
                    if (i < n && text[i] == '"') {
                        value += '"';
                        ++i;
                        continue;
                    }
                    closed = true;
                    break;
                }
                if (d == '\\' && i < n) {
                    const char e = text[i++];
                    switch (e) {
                    case 'n': value += '\n'; break;
                    case 't': value += '\t'; break;
                    case '0': value += '\0'; break;
                    default: value += e; break;
                    }
                    continue;
                }
                value += d;
            }
            if (!closed)
                throw RcError(token.where, "unterminated string");
            token.kind = Token::kString;
            token.text = value;
            out.push_back(token);
            continue;
        }
        if (std::strchr(",|+-&~(){}", c)) {
            token.kind = Token::kPunct;
            token.text = std::string(1, c);
            out.push_back(token);
            ++i;
            continue;
        }
        throw RcError(token.where, std::string("unexpected character '") + c + "'");
    }
}
