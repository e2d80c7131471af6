// How an executable carries its resources on this platform: the resource compiler turns the
// product's .rc script into a table whose data lies in the executable's read-only image, and
// FindResourceW/LockResource hand out pointers into it. A program without a table has no
// resources.
#pragma once

#include <cstdint>

struct QuellixResourceEntry {
  const wchar_t* type_name;  // null when the type is numeric
  uint16_t type_id;
  const wchar_t* name;       // null when the name is numeric
  uint16_t name_id;
  uint16_t language;
  const unsigned char* data;
  uint32_t size;
};

struct QuellixResourceTable {
  const QuellixResourceEntry* entries;
  uint32_t count;
};

// Defined by the generated resource source of an executable; weak, so programs without one link.
extern "C" const QuellixResourceTable quellix_resource_table __attribute__((weak));
