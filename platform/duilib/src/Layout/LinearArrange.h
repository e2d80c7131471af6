// The shared rule of the vertical and horizontal layouts.
#pragma once

#include <windows.h>

#include <vector>

#include "Core/UIControl.h"

namespace DuiLib {

// Places the visible non-float children one after the other along one axis of client: fixed
// sizes first, the rest shared equally by children without one (the last of them also takes
// the rounding), sizes clamped to min/max, each child's padding around it and childPadding
// between children. Across the axis a child takes its fixed size, else the client's.
void ArrangeLinear(const std::vector<CControlUI*>& children, const RECT& client, int childPadding,
                   bool vertical);

}  // namespace DuiLib
