#include "skinzip/skin_archive.h"

#include <zip.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sys/stat.h>

namespace {

// A fixed time stamp (2020-01-01) keeps the archive identical from build to build.
const time_t kMemberTime = 1577836800;

struct ArchiveDiscard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ArchivePtr = std::unique_ptr<zip_t, ArchiveDiscard>;

bool IsSafeName(const std::string& name)
{
    if (name.empty() || name[0] == '/' || name.find('\\') != std::string::npos)
        return false;
    size_t start = 0;
    while (start < name.size()) {
        size_t end = name.find('/', start);
        if (end == std::string::npos)
            end = name.size();
        const std::string part = name.substr(start, end - start);
        if (part.empty() || part == "." || part == "..")
            return false;
        start = end + 1;
    }
    return true;
}

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool AddFile(zip_t* archive, const std::string& name, const std::string& path, std::string& error)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        error = "listed member " + name + " is missing: " + path;
        return false;
    }
    zip_source_t* source = zip_source_file(archive, path.c_str(), 0, -1);
    if (!source) {
        error = "cannot read " + path + ": " + zip_strerror(archive);
        return false;
    }
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        error = "cannot add " + name + ": " + zip_strerror(archive);
        return false;
    }
    if (zip_set_file_compression(archive, index, ZIP_CM_DEFLATE, 9) != 0 ||
        zip_file_set_mtime(archive, index, kMemberTime, 0) != 0) {
        error = "cannot set up " + name + ": " + zip_strerror(archive);
        return false;
    }
    return true;
}

bool AddFolder(zip_t* archive, const std::string& name, std::string& error)
{
    const zip_int64_t index = zip_dir_add(archive, name.c_str(), ZIP_FL_ENC_UTF_8);
    if (index < 0 || zip_file_set_mtime(archive, index, kMemberTime, 0) != 0) {
        error = "cannot add folder " + name + ": " + zip_strerror(archive);
        return false;
    }
    return true;
}

}  // namespace

bool ReadMemberList(const std::string& path, std::vector<std::string>& members, std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = "cannot open member list " + path;
        return false;
    }
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::string name = Trim(line);
        if (name.empty() || name[0] == '#')
            continue;
        if (!IsSafeName(name.back() == '/' ? name.substr(0, name.size() - 1) : name)) {
            error = path + ":" + std::to_string(number) + ": bad member name \"" + name + "\"";
            return false;
        }
        members.push_back(name);
    }
    return true;
}

bool BuildSkinArchive(const std::string& zip, const std::string& skinDir,
                      const std::vector<std::string>& members, std::string& error)
{
    const std::string temporary = zip + ".tmp";
    int code = 0;
    ArchivePtr archive(zip_open(temporary.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code));
    if (!archive) {
        error = "cannot create " + temporary;
        return false;
    }
    for (const std::string& name : members) {
        const bool added = name.back() == '/' ? AddFolder(archive.get(), name, error)
                                              : AddFile(archive.get(), name, skinDir + "/" + name, error);
        if (!added)
            return false;
    }
    if (zip_close(archive.get()) != 0) {
        error = "cannot write " + temporary + ": " + zip_strerror(archive.get());
        std::remove(temporary.c_str());
        return false;
    }
    archive.release();
    if (std::rename(temporary.c_str(), zip.c_str()) != 0) {
        error = "cannot write " + zip;
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
