// The skin archive: an ordinary zip whose members come in the order of a member list, every
// file deflated, folders as folder entries, nothing encrypted.
#pragma once

#include <string>
#include <vector>

// Reads a member list: one member per line, "#" starts a comment line, a name ending in "/"
// is a folder entry. Names are relative, use "/" and never climb out with "..".
bool ReadMemberList(const std::string& path, std::vector<std::string>& members, std::string& error);

// Writes `zip` from the files under `skinDir`. A missing member fails the whole archive and
// leaves no file behind.
bool BuildSkinArchive(const std::string& zip, const std::string& skinDir,
                      const std::vector<std::string>& members, std::string& error);
