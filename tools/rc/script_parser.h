// Turns the tokens of a resource script into resources: LANGUAGE statements, ICON,
// VERSIONINFO and file resources of any other type ("NAME TYPE "file""). Other statements
// are refused with a clear error.
#pragma once

#include "rc/resource_entry.h"
#include "rc/script_lexer.h"
#include "rc/version_block.h"

#include <string>
#include <vector>

// English (United States), what a resource compiler assumes before any LANGUAGE statement.
const uint16_t kDefaultLanguage = 0x0409;

class ScriptParser {
public:
    // `lexer` has read `tokens`; it finds the files that statements name.
    ScriptParser(const ScriptLexer& lexer, std::vector<Token> tokens, std::string scriptDir);

    // Throws RcError on the first fault.
    std::vector<ResourceEntry> Parse();

    // Files named by statements, for dependency tracking.
    const std::vector<std::string>& FilesNamed() const { return m_filesNamed; }

private:
    const Token& Peek() const { return m_tokens[m_pos]; }
    const Token& Next();
    bool IsWord(const Token& token, const char* word) const;
    bool IsPunct(const Token& token, const char* punct) const;
    void Expect(const char* punct);
    uint32_t Expression(bool* isLong = nullptr);
    uint32_t Operand(bool* isLong);
    ResourceId Id(const Token& token) const;
    std::string FileOperand();
    void SkipMemoryFlags();
    void ExpectBegin();
    bool AtEnd();
    void Statement(std::vector<ResourceEntry>& out);
    void VersionInfoStatement(const ResourceId& name, std::vector<ResourceEntry>& out);
    std::vector<VersionNode> VersionChildren();
    void FourPartVersion(uint32_t& ms, uint32_t& ls);

    const ScriptLexer& m_lexer;
    std::vector<Token> m_tokens;
    std::string m_scriptDir;
    size_t m_pos = 0;
    uint16_t m_language = kDefaultLanguage;
    uint16_t m_nextIconId = 1;
    std::vector<std::string> m_filesNamed;
};
