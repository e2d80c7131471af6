// The binary VS_VERSIONINFO structure of a VERSIONINFO statement.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A BLOCK (children, no value) or a VALUE (text, or binary words).
struct VersionNode {
    std::string key;
    bool isBlock = false;
    bool isText = false;
    std::string text;                 // UTF-8
    std::vector<unsigned char> data;  // binary value
    std::vector<VersionNode> children;
};

struct VersionInfo {
    uint32_t fileVersionMS = 0, fileVersionLS = 0;
    uint32_t productVersionMS = 0, productVersionLS = 0;
    uint32_t fileFlagsMask = 0, fileFlags = 0, fileOS = 0, fileType = 0, fileSubtype = 0;
    std::vector<VersionNode> children;
};

std::vector<unsigned char> BuildVersionResource(const VersionInfo& info);
