#include "app/cache_clearing.h"

#include <direct.h>
#include <io.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const unsigned kSystemFolderAttrib = _A_SUBDIR | _A_SYSTEM;

// Writes the pattern less its trailing "*", then `name`, then `tail`, bounded by the buffer.
bool ComposeChildPath(char (&buffer)[MAX_PATH], const char* pattern, const char* name,
                      const char* tail)
{
    const int folderLength = static_cast<int>(strlen(pattern)) - 1;
    const int written = snprintf(buffer, MAX_PATH, "%.*s%s%s", folderLength, pattern, name, tail);
    if (written < 0 || written >= MAX_PATH) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}

void ReportTooLong(const char* pattern, const char* name)
{
    const int folderLength = static_cast<int>(strlen(pattern)) - 1;
    printf("%.*s%s: path too long, left alone.\n", folderLength, pattern, name);
}

void DeleteSubFolderEntry(const char* pattern, const _finddata_t& entry)
{
    char childPattern[MAX_PATH];
    if (!MakeChildPattern(childPattern, pattern, entry.name)) {
        ReportTooLong(pattern, entry.name);
        return;
    }
    DeleteFolderContents(childPattern);
    childPattern[strlen(childPattern) - 2] = '\0';
    if (entry.attrib == kSystemFolderAttrib) {
        printf("This is system file, can't delete!\n");
        return;
    }
    if (_rmdir(childPattern) != 0)
        ReportDeleteError(entry.name);
}

void DeleteFileEntry(const char* pattern, const _finddata_t& entry)
{
    char path[MAX_PATH];
    if (!ComposeChildPath(path, pattern, entry.name, "")) {
        ReportTooLong(pattern, entry.name);
        return;
    }
    if (remove(path) != 0)
        ReportDeleteError(entry.name);
}

}  // namespace

bool IsDotEntry(const char* name)
{
    return strcmp(name, ".") == 0 || strcmp(name, "..") == 0;
}

bool IsDirectoryAttrib(unsigned attrib)
{
    return attrib == _A_SUBDIR || attrib == (_A_SUBDIR | _A_HIDDEN) || attrib == kSystemFolderAttrib;
}

bool MakeChildPattern(char (&buffer)[MAX_PATH], const char* pattern, const char* name)
{
    return ComposeChildPath(buffer, pattern, name, "\\*");
}

void ReportDeleteError(const char* name)
{
    switch (errno) {
    case ENOENT:
        printf("Path is invalid.\n");
        break;
    case EACCES:
        if (name)
            printf("%s had been opend by some application, can't delete.\n", name);
        else
            printf("Cache folder is a link or belongs to another user; left alone.\n");
        break;
    case ENOTEMPTY:
        printf("Given path is not a directory, the directory is not empty, or the directory is "
               "either the current working directory or the root directory.\n");
        break;
    default:
        break;
    }
}

void DeleteFolderContents(const char* pattern)
{
    _finddata_t entry;
    const intptr_t listing = _findfirst(pattern, &entry);
    if (listing == -1) {
        ReportDeleteError(NULL);
        return;
    }
    // Every entry is examined, the first one too: dot entries are skipped by name wherever
    // the listing puts them.
    do {
        if (IsDotEntry(entry.name))
            continue;
        if (IsDirectoryAttrib(entry.attrib))
            DeleteSubFolderEntry(pattern, entry);
        else
            DeleteFileEntry(pattern, entry);
    } while (_findnext(listing, &entry) == 0);
    _findclose(listing);
}
