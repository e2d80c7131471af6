// The MSVC runtime's folder listing. Attributes are the DOS attribute word.
#pragma once

#include <cstdint>
#include <ctime>

#define _A_NORMAL 0x00
#define _A_RDONLY 0x01
#define _A_HIDDEN 0x02
#define _A_SYSTEM 0x04
#define _A_SUBDIR 0x10
#define _A_ARCH 0x20

typedef uint32_t _fsize_t;

struct _finddata_t {
  unsigned attrib;
  time_t time_create;
  time_t time_access;
  time_t time_write;
  _fsize_t size;
  char name[260];
};

// -1 on failure, with errno set (ENOENT when the folder does not exist).
intptr_t _findfirst(const char* pattern, struct _finddata_t* data);
int _findnext(intptr_t handle, struct _finddata_t* data);
int _findclose(intptr_t handle);
