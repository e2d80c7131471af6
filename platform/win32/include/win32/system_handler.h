// Addresses the engine hands to the system's own handler for their scheme ("mailto:", a game
// store's scheme...), once the client has allowed it. Exists with the GTK desktop only.
#pragma once

// Any thread; returns at once. The handler starts on a worker thread; false when |uri| (UTF-8)
// is empty, overlong or holds control characters or spaces, or when refused because too many
// addresses were handed over lately, web addresses opened through ShellExecuteW included.
bool Win32OpenWithSystemHandler(const char* uri);
