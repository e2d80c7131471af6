// Reads a resource script into tokens, doing the preprocessing a resource script uses:
// comments, #include, #define/#undef, #ifdef/#ifndef/#else/#endif and #pragma code_page.
// Identifiers that name a macro are replaced by the macro's tokens; the usual Windows
// constants are predefined, so <windows.h>-style includes are accepted and skipped.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct Token {
    enum Kind { kIdentifier, kNumber, kString, kPunct, kEnd };
    Kind kind = kEnd;
    std::string text;    // identifier, string contents (UTF-8) or punctuation
    uint32_t value = 0;  // numbers
    bool isLong = false; // number written with an L suffix
    std::string where;   // "file:line"
};

class ScriptLexer {
public:
    explicit ScriptLexer(std::vector<std::string> includeDirs);

    // Tokens of the whole script, ending in one kEnd token. Throws RcError.
    std::vector<Token> Read(const std::string& path);

    // Every file read, the script and its includes.
    const std::vector<std::string>& FilesRead() const { return m_filesRead; }
    // Finds a file named by the script: beside the script first, then in the include dirs.
    std::string Locate(const std::string& name, const std::string& besideDir) const;

private:
    struct Source;
    void ReadFile(const std::string& path, int depth, std::vector<Token>& out);
    void Directive(Source& src, const std::string& line, int depth, std::vector<Token>& out);
    void Include(Source& src, const std::string& rest, int depth, std::vector<Token>& out);
    void Lex(Source& src, const std::string& text, bool expand, std::vector<Token>& out);
    void SkipComments(Source& src, const std::string& text);
    void Emit(const Token& token, int depth, std::vector<Token>& out) const;
    bool Active() const;

    std::vector<std::string> m_includeDirs;
    std::map<std::string, std::vector<Token>> m_macros;
    std::vector<std::string> m_filesRead;
    std::vector<std::pair<bool, bool>> m_conditions;  // (taking this branch, a branch was taken)
};
