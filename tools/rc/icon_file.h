// An icon file (.ico) as a resource script's ICON statement compiles it: one RT_ICON resource
// per image, a slice of the file, and an RT_GROUP_ICON directory that numbers them.
#pragma once

#include "rc/resource_entry.h"

#include <string>
#include <vector>

// Appends the RT_ICON entries and then the RT_GROUP_ICON entry named `name`. RT_ICON ids
// continue from `nextIconId`, which is advanced. Throws RcError when the file is no icon file.
void AddIconResources(const std::string& path, const ResourceId& name, uint16_t language,
                      uint16_t& nextIconId, std::vector<ResourceEntry>& out);
