// quellix-skinzip: packs a product's skin folder into its skin archive.
//   quellix-skinzip [--depfile file] -o out.zip skin-folder member-list
#include "skinzip/skin_archive.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

int Usage()
{
    fprintf(stderr, "usage: quellix-skinzip [--depfile file] -o out.zip skin-folder member-list\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string output, depfile;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-o" && i + 1 < argc)
            output = argv[++i];
        else if (arg == "--depfile" && i + 1 < argc)
            depfile = argv[++i];
        else if (!arg.empty() && arg[0] != '-')
            positional.push_back(arg);
        else
            return Usage();
    }
    if (output.empty() || positional.size() != 2)
        return Usage();
    const std::string& skinDir = positional[0];
    const std::string& listPath = positional[1];

    std::vector<std::string> members;
    std::string error;
    if (!ReadMemberList(listPath, members, error) || !BuildSkinArchive(output, skinDir, members, error)) {
        fprintf(stderr, "quellix-skinzip: %s\n", error.c_str());
        return 1;
    }
    if (!depfile.empty()) {
        std::ofstream out(depfile, std::ios::trunc);
        out << output << ": " << listPath;
        for (const std::string& name : members) {
            if (name.back() != '/')
                out << " " << skinDir << "/" << name;
        }
        out << "\n";
    }
    return 0;
}
