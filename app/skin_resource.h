#pragma once

// Points the UI library at the skin archive among the executable's resources. Main thread,
// once, before any window exists. A missing or empty resource leaves the library without an
// archive, silently.
void InitSkinResource();
