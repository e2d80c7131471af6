#include "Layout/LinearArrange.h"

#include <algorithm>

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

  RECT Place(const RECT& client, LONG mainStart, LONG mainSize, LONG crossStart,
             LONG crossSize) const {
    if (vertical) {
      return RECT{crossStart, mainStart, crossStart + crossSize, mainStart + mainSize};
    }
    return RECT{mainStart, crossStart, mainStart + mainSize, crossStart + crossSize};
  }
};

LONG Clamp(LONG value, LONG low, LONG high) { return std::max(low, std::min(value, high)); }

}  // namespace

void ArrangeLinear(const std::vector<CControlUI*>& children, const RECT& client, int childPadding,
                   bool vertical) {
  const Axis axis{vertical};
  const SIZE available = {client.right - client.left, client.bottom - client.top};

  int adjustables = 0;
  LONG fixedTotal = 0;
  for (CControlUI* child : children) {
    const RECT pad = child->GetPadding();
    const LONG main = axis.Main(child->EstimateSize(available));
    if (main == 0) ++adjustables;
    else fixedTotal += Clamp(main, axis.MinMain(child), axis.MaxMain(child));
    fixedTotal += axis.PadBefore(pad) + axis.PadAfter(pad);
  }
  if (!children.empty()) fixedTotal += static_cast<LONG>(children.size() - 1) * childPadding;

  const LONG free = std::max<LONG>(0, axis.Main(available) - fixedTotal);
  const LONG share = adjustables > 0 ? free / adjustables : 0;
  const LONG rounding = adjustables > 0 ? free - share * adjustables : 0;

  LONG position = vertical ? client.top : client.left;
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

    const LONG start = position + axis.PadBefore(pad);
    child->SetPos(axis.Place(client, start, main, crossOrigin + axis.CrossBefore(pad), cross), false);
    position = start + main + axis.PadAfter(pad) + childPadding;
  }
}

}  // namespace DuiLib
