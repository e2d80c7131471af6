// quellix-rc: compiles a resource script into a C++ source that carries the resources.
//   quellix-rc [-I dir]... [--depfile file] -o out.cpp script.rc
#include "rc/rc_error.h"
#include "rc/resource_source.h"
#include "rc/script_lexer.h"
#include "rc/script_parser.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

int Usage()
{
    fprintf(stderr, "usage: quellix-rc [-I dir]... [--depfile file] -o out.cpp script.rc\n");
    return 2;
}

std::string DirectoryOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string EscapeForDepfile(const std::string& path)
{
    std::string out;
    for (char c : path) {
        if (c == ' ' || c == '#' || c == '\\')
            out += '\\';
        if (c == '$')
            out += '$';
        out += c;
    }
    return out;
}

// Writes through a temporary file so that a failed run leaves no half-written output.
void WriteFile(const std::string& path, const std::string& text)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush())
            throw RcError(temporary, "cannot write");
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
        throw RcError(path, "cannot write");
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> includeDirs;
    std::string output, depfile, script;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "-I" || arg == "-o" || arg == "--depfile") && i + 1 < argc) {
            const std::string value = argv[++i];
            if (arg == "-I")
                includeDirs.push_back(value);
            else if (arg == "-o")
                output = value;
            else
                depfile = value;
        } else if (!arg.empty() && arg[0] != '-' && script.empty()) {
            script = arg;
        } else {
            return Usage();
        }
    }
    if (output.empty() || script.empty())
        return Usage();

    try {
        ScriptLexer lexer(includeDirs);
        ScriptParser parser(lexer, lexer.Read(script), DirectoryOf(script));
        const std::vector<ResourceEntry> entries = parser.Parse();
        WriteFile(output, MakeResourceSource(entries, script));
        if (!depfile.empty()) {
            std::string rule = EscapeForDepfile(output) + ":";
            for (const std::string& file : lexer.FilesRead())
                rule += " " + EscapeForDepfile(file);
            for (const std::string& file : parser.FilesNamed())
                rule += " " + EscapeForDepfile(file);
            WriteFile(depfile, rule + "\n");
        }
    } catch (const RcError& error) {
        fprintf(stderr, "quellix-rc: %s\n", error.what());
        return 1;
    }
    return 0;
}
