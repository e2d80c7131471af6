// A fault in a resource script or in a file it names, with the place it was found.
#pragma once

#include <stdexcept>
#include <string>

struct RcError : std::runtime_error {
    RcError(const std::string& where, const std::string& what)
        : std::runtime_error(where.empty() ? what : where + ": " + what) {}
};
