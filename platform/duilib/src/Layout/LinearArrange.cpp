#include "Layout/LinearArrange.h"

#include <algorithm>
#include <cstdint>

#include "Core/PixelRange.h"

namespace DuiLib {

namespace {

// Sizes and edges named along the layout's axis ("main") and across it ("cross").
struct Axis {
  bool vertical;

  LONG Main(const SIZE& sz) const { return vertical ? sz.cy : sz.cx; }
  LONG Cross(const SIZE& sz) const { return vertical ? sz.cx : sz.cy; }
  LONG PadBefore(const RECT& pad) const { return vertical ? pad.top : pad.left; }
  LONG PadAfter(const RECT& pad) const { return vertical ? pad.bottom : pad.right; }
  LONG CrossBefore(const RECT& pad) const { return vertical ? pad.left : pad.top; }
  LONG CrossAfter(const RECT& pad) const { return vertical ? pad.right : pad.bottom; }
  LONG MinMain(CControlUI* c) const { return vertical ? c->GetMinHeight() : c->GetMinWidth(); }
  LONG MaxMain(CControlUI* c) const { return vertical ? c->GetMaxHeight() : c->GetMaxWidth(); }
  LONG MinCross(CControlUI* c) const { return vertical ? c->GetMinWidth() : c->GetMinHeight(); }
  LONG MaxCross(CControlUI* c) const { return vertical ? c->GetMaxWidth() : c->GetMaxHeight(); }
  LONG FixedCross(CControlUI* c) const { return vertical ? c->GetFixedWidth() : c->GetFixedHeight(); }

  RECT Place(int64_t mainStart, int64_t mainSize, int64_t crossStart, int64_t crossSize) const {
    const LONG mainFrom = ClampPixel(mainStart);
    const LONG mainTo = ClampPixel(mainStart + mainSize);
    const LONG crossFrom = ClampPixel(crossStart);
    const LONG crossTo = ClampPixel(crossStart + crossSize);
    if (vertical) return RECT{crossFrom, mainFrom, crossTo, mainTo};
    return RECT{mainFrom, crossFrom, mainTo, crossTo};
  }
};

LONG Clamp(LONG value, LONG low, LONG high) { return std::max(low, std::min(value, high)); }

}  // namespace

void ArrangeLinear(const std::vector<CControlUI*>& children, const RECT& client, int childPadding,
                   bool vertical) {
  const Axis axis{vertical};
  const SIZE available = {client.right - client.left, client.bottom - client.top};

  // Sums run in 64 bits: thousands of children a million pixels wide would overflow LONG.
  int adjustables = 0;
  int64_t fixedTotal = 0;
  for (CControlUI* child : children) {
    const RECT pad = child->GetPadding();
    const LONG main = axis.Main(child->EstimateSize(available));
    if (main == 0) ++adjustables;
    else fixedTotal += Clamp(main, axis.MinMain(child), axis.MaxMain(child));
    fixedTotal += axis.PadBefore(pad) + axis.PadAfter(pad);
  }
  if (!children.empty()) fixedTotal += static_cast<int64_t>(children.size() - 1) * childPadding;

  const LONG free = static_cast<LONG>(std::max<int64_t>(0, axis.Main(available) - fixedTotal));
  const LONG share = adjustables > 0 ? free / adjustables : 0;
  const LONG rounding = adjustables > 0 ? free - share * adjustables : 0;

  int64_t position = vertical ? client.top : client.left;
  const LONG crossOrigin = vertical ? client.left : client.top;
  int adjustablesSeen = 0;
  for (CControlUI* child : children) {
    const RECT pad = child->GetPadding();
    LONG main = axis.Main(child->EstimateSize(available));
    if (main == 0) {
      ++adjustablesSeen;
      main = share + (adjustablesSeen == adjustables ? rounding : 0);
    }
    main = Clamp(main, axis.MinMain(child), axis.MaxMain(child));

    LONG cross = axis.FixedCross(child);
    if (cross == 0) cross = axis.Cross(available) - axis.CrossBefore(pad) - axis.CrossAfter(pad);
    cross = std::max<LONG>(0, Clamp(cross, axis.MinCross(child), axis.MaxCross(child)));

    const int64_t start = position + axis.PadBefore(pad);
    child->SetPos(axis.Place(start, main, int64_t{crossOrigin} + axis.CrossBefore(pad), cross), false);
    position = start + main + axis.PadAfter(pad) + childPadding;
  }
}

}  // namespace DuiLib
