// The MSVC runtime's folder calls. Paths accept '\' as separator.
#pragma once

int _rmdir(const char* path);
int _mkdir(const char* path);
