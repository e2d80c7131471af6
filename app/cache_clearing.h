// Emptying of the browser cache folder with the runtime library's narrow file functions.
// A pattern is a folder path followed by "\*". Every path composed below it must fit a
// MAX_PATH buffer; an entry whose path would not fit is skipped and reported, never cut.
// Failures are reported as lines on standard output and the deletion goes on.
#pragma once

#include <windows.h>

// Deletes everything below the folder that `pattern` lists; the folder itself stays.
void DeleteFolderContents(const char* pattern);

bool IsDotEntry(const char* name);

// Only a plain, hidden or system folder is descended into; a folder with any further
// attribute bit (read-only, archive, link...) is deleted like a file.
bool IsDirectoryAttrib(unsigned attrib);

// The pattern less its "*", then `name`, then "\*". False, with an empty buffer, when the
// result would not fit.
bool MakeChildPattern(char (&buffer)[MAX_PATH], const char* pattern, const char* name);

// Prints the line for the runtime library's last error code; `name` may be null when the
// failure concerns the listed folder itself.
void ReportDeleteError(const char* name);
