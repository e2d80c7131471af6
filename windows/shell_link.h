#pragma once

#include <windows.h>

#include <string>

// The one gate between page-supplied addresses and the shell: only an
// absolute http or https address with a host may leave the launcher. Local
// paths, other schemes ("file:", "javascript:", "app:"...) and empty text
// would let a page start programs or open files on the player's machine.
bool IsWebAddress(const std::wstring& address);

// Opens `address` in the default web browser when IsWebAddress accepts it;
// returns whether it was handed to the shell. Any thread.
bool OpenWebAddress(const std::wstring& address);
