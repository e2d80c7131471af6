// Writes the C++ source that defines quellix_resource_table ("win32/resources.h"). File data
// is assembled into the read-only image with .incbin, so the executable's resources are its
// own bytes and nothing is copied at run time; built bytes become constant arrays.
#pragma once

#include "rc/resource_entry.h"

#include <string>
#include <vector>

std::string MakeResourceSource(const std::vector<ResourceEntry>& entries, const std::string& scriptPath);
