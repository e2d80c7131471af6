#include "rc/script_parser.h"

#include "rc/byte_writer.h"
#include "rc/icon_file.h"
#include "rc/rc_error.h"
#include "rc/version_block.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace {

const char* const kMemoryFlags[] = {"PRELOAD", "LOADONCALL", "FIXED", "MOVEABLE", "DISCARDABLE",
                                    "PURE", "IMPURE", "SHARED", "NONSHARED"};

const char* const kUnsupportedStatements[] = {
    "ACCELERATORS", "BITMAP", "CURSOR", "DIALOG", "DIALOGEX", "DLGINCLUDE", "DLGINIT", "FONT",
    "HTML", "MENU", "MENUEX", "MESSAGETABLE", "PLUGPLAY", "STRINGTABLE", "TEXTINCLUDE", "TOOLBAR",
    "VXD", "CHARACTERISTICS", "VERSION"};

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), ::toupper);
    return text;
}

}  // namespace

ScriptParser::ScriptParser(const ScriptLexer& lexer, std::vector<Token> tokens, std::string scriptDir)
    : m_lexer(lexer), m_tokens(std::move(tokens)), m_scriptDir(std::move(scriptDir))
{
}

std::vector<ResourceEntry> ScriptParser::Parse()
{
    std::vector<ResourceEntry> out;
    while (Peek().kind != Token::kEnd)
        Statement(out);
    return out;
}

const Token& ScriptParser::Next()
{
    const Token& token = m_tokens[m_pos];
    if (token.kind != Token::kEnd)
        ++m_pos;
    return token;
}

bool ScriptParser::IsWord(const Token& token, const char* word) const
{
    return token.kind == Token::kIdentifier && token.text == word;
}

bool ScriptParser::IsPunct(const Token& token, const char* punct) const
{
    return token.kind == Token::kPunct && token.text == punct;
}

void ScriptParser::Expect(const char* punct)
{
    const Token& token = Next();
    if (!IsPunct(token, punct))
        throw RcError(token.where, std::string("expected '") + punct + "'");
}

uint32_t ScriptParser::Operand(bool* isLong)
{
    const Token& token = Next();
    if (token.kind == Token::kNumber) {
        if (isLong && token.isLong)
            *isLong = true;
        return token.value;
    }
    if (IsPunct(token, "~"))
        return ~Operand(isLong);
    if (IsPunct(token, "-"))
        return 0u - Operand(isLong);
    if (IsPunct(token, "(")) {
        const uint32_t value = Expression(isLong);
        Expect(")");
        return value;
    }
    if (token.kind == Token::kIdentifier)
        throw RcError(token.where, token.text + " is not a defined number");
    throw RcError(token.where, "expected a number");
}

uint32_t ScriptParser::Expression(bool* isLong)
{
    uint32_t value = Operand(isLong);
    for (;;) {
        const Token& op = Peek();
        if (IsPunct(op, "|")) {
            Next();
            value |= Operand(isLong);
        } else if (IsPunct(op, "&")) {
            Next();
            value &= Operand(isLong);
        } else if (IsPunct(op, "+")) {
            Next();
            value += Operand(isLong);
        } else if (IsPunct(op, "-")) {
            Next();
            value -= Operand(isLong);
        } else {
            return value;
        }
    }
}

ResourceId ScriptParser::Id(const Token& token) const
{
    if (token.kind == Token::kNumber) {
        if (token.value > 0xFFFF)
            throw RcError(token.where, "resource number " + std::to_string(token.value) + " is above 65535");
        return ResourceId::Numeric(static_cast<uint16_t>(token.value));
    }
    if ((token.kind == Token::kIdentifier || token.kind == Token::kString) && !token.text.empty())
        return ResourceId::Named(Upper(token.text));
    throw RcError(token.where, "expected a resource name or number");
}

std::string ScriptParser::FileOperand()
{
    const Token& token = Next();
    if (token.kind != Token::kString)
        throw RcError(token.where, "expected a quoted file name");
    const std::string found = m_lexer.Locate(token.text, m_scriptDir);
    if (found.empty())
        throw RcError(token.where, "cannot find file \"" + token.text + "\"");
    char* absolute = realpath(found.c_str(), nullptr);
    if (!absolute)
        throw RcError(token.where, "cannot resolve \"" + found + "\"");
    const std::string path = absolute;
    free(absolute);
    m_filesNamed.push_back(path);
    return path;
}

void ScriptParser::SkipMemoryFlags()
{
    while (Peek().kind == Token::kIdentifier &&
           std::any_of(std::begin(kMemoryFlags), std::end(kMemoryFlags),
                       [&](const char* flag) { return Peek().text == flag; }))
        Next();
}

void ScriptParser::ExpectBegin()
{
    const Token& token = Next();
    if (!IsWord(token, "BEGIN") && !IsPunct(token, "{"))
        throw RcError(token.where, "expected BEGIN");
}

bool ScriptParser::AtEnd()
{
    if (IsWord(Peek(), "END") || IsPunct(Peek(), "}")) {
        Next();
        return true;
    }
    if (Peek().kind == Token::kEnd)
        throw RcError(Peek().where, "missing END");
    return false;
}

void ScriptParser::Statement(std::vector<ResourceEntry>& out)
{
    const Token& first = Next();
    if (IsWord(first, "LANGUAGE")) {
        const uint32_t primary = Expression();
        Expect(",");
        const uint32_t sub = Expression();
        if (primary > 0x3FF || sub > 0x3F)
            throw RcError(first.where, "language out of range");
        m_language = static_cast<uint16_t>(sub << 10 | primary);
        return;
    }
    const ResourceId name = Id(first);
    const Token& type = Next();
    for (const Token* word : {&first, &type}) {
        for (const char* keyword : kUnsupportedStatements) {
            if (word->kind == Token::kIdentifier && word->text == keyword)
                throw RcError(word->where, "unsupported statement " + word->text);
        }
    }
    if (IsWord(type, "VERSIONINFO")) {
        VersionInfoStatement(name, out);
        return;
    }
    SkipMemoryFlags();
    if (IsWord(type, "ICON")) {
        AddIconResources(FileOperand(), name, m_language, m_nextIconId, out);
        return;
    }
    ResourceEntry entry;
    entry.type = IsWord(type, "RCDATA") ? ResourceId::Numeric(kTypeRcData) : Id(type);
    entry.name = name;
    entry.language = m_language;
    if (IsWord(Peek(), "BEGIN") || IsPunct(Peek(), "{"))
        throw RcError(Peek().where, "inline resource data is not supported; name a file");
    entry.file = FileOperand();
    struct stat info;
    if (stat(entry.file.c_str(), &info) != 0 || info.st_size > 0xFFFFFFFFll)
        throw RcError(entry.file, "cannot read, or larger than 4 GiB");
    entry.size = static_cast<uint32_t>(info.st_size);
    out.push_back(entry);
}

void ScriptParser::FourPartVersion(uint32_t& ms, uint32_t& ls)
{
    uint32_t parts[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (!IsPunct(Peek(), ","))
                break;
            Next();
        }
        parts[i] = Expression() & 0xFFFF;
    }
    ms = parts[0] << 16 | parts[1];
    ls = parts[2] << 16 | parts[3];
}

void ScriptParser::VersionInfoStatement(const ResourceId& name, std::vector<ResourceEntry>& out)
{
    VersionInfo info;
    for (;;) {
        const Token& word = Peek();
        if (IsWord(word, "BEGIN") || IsPunct(word, "{"))
            break;
        Next();
        if (IsWord(word, "FILEVERSION"))
            FourPartVersion(info.fileVersionMS, info.fileVersionLS);
        else if (IsWord(word, "PRODUCTVERSION"))
            FourPartVersion(info.productVersionMS, info.productVersionLS);
        else if (IsWord(word, "FILEFLAGSMASK"))
            info.fileFlagsMask = Expression();
        else if (IsWord(word, "FILEFLAGS"))
            info.fileFlags = Expression();
        else if (IsWord(word, "FILEOS"))
            info.fileOS = Expression();
        else if (IsWord(word, "FILETYPE"))
            info.fileType = Expression();
        else if (IsWord(word, "FILESUBTYPE"))
            info.fileSubtype = Expression();
        else
            throw RcError(word.where, "unknown VERSIONINFO statement '" + word.text + "'");
    }
    ExpectBegin();
    info.children = VersionChildren();

    ResourceEntry entry;
    entry.type = ResourceId::Numeric(kTypeVersion);
    entry.name = name;
    entry.language = m_language;
    entry.bytes = BuildVersionResource(info);
    entry.size = static_cast<uint32_t>(entry.bytes.size());
    out.push_back(entry);
}

std::vector<VersionNode> ScriptParser::VersionChildren()
{
    std::vector<VersionNode> children;
    while (!AtEnd()) {
        const Token& word = Next();
        const Token& key = Next();
        if (key.kind != Token::kString)
            throw RcError(key.where, "expected a quoted key");
        VersionNode node;
        node.key = key.text;
        if (IsWord(word, "BLOCK")) {
            node.isBlock = true;
            ExpectBegin();
            node.children = VersionChildren();
        } else if (IsWord(word, "VALUE")) {
            bool hasNumbers = false;
            ByteWriter data;
            while (IsPunct(Peek(), ",")) {
                Next();
                if (Peek().kind == Token::kString) {
                    node.isText = true;
                    node.text += Next().text;
                } else {
                    hasNumbers = true;
                    bool isLong = false;
                    const uint32_t value = Expression(&isLong);
                    if (isLong)
                        data.U32(value);
                    else
                        data.U16(static_cast<uint16_t>(value));
                }
            }
            if (node.isText && hasNumbers)
                throw RcError(key.where, "a VALUE holds either text or numbers, not both");
            node.text = node.text.substr(0, node.text.find('\0'));
            node.data = data.Data();
        } else {
            throw RcError(word.where, "expected BLOCK or VALUE");
        }
        children.push_back(node);
    }
    return children;
}
