// Skin images decoded from PNG into cairo surfaces.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "Core/UIRender.h"
#include "UIRenderCairo.h"

namespace DuiLib {

// Largest picture accepted, so that a hostile header cannot make us allocate gigabytes.
constexpr unsigned long kMaxImagePixels = 4096ul * 4096ul;

struct DecodedImage {
  CairoSurfacePtr surface;
  TImageInfo info;  // points into surface
  size_t bytes = 0;
};

// Null for data that is not a PNG picture of at most kMaxImagePixels.
std::unique_ptr<DecodedImage> DecodePng(const std::vector<unsigned char>& data);

}  // namespace DuiLib
