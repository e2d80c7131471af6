// What a skin's image description asks for, and how its pieces map onto the item.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace DuiLib {

struct ImageDrawSpec {
  std::wstring file;
  bool hasSource = false;
  RECT source = {0, 0, 0, 0};  // within the image
  bool hasDest = false;
  RECT dest = {0, 0, 0, 0};    // relative to the item's top-left corner
  RECT corner = {0, 0, 0, 0};  // nine-slice insets
  int fade = 255;
  bool xtiled = false;
  bool ytiled = false;
};

// Applies a description onto spec: either a bare file name or key='value' pairs (double
// quotes work too). Unknown keys are skipped. False for an unterminated value or a pair
// without '=', after which spec holds the pairs read so far.
bool ParseImageDescription(LPCTSTR text, ImageDrawSpec& spec);

// One piece of the picture: a source rectangle in the image painted over a destination
// rectangle, stretched unless tiled.
struct ImagePiece {
  RECT source;
  RECT dest;
  bool tileX;
  bool tileY;
};

// The one to nine pieces that paint spec over rcItem for an image of the given size; empty
// when the source or the destination is empty after clipping the source to the image.
std::vector<ImagePiece> LayOutImagePieces(const ImageDrawSpec& spec, int imageWidth,
                                          int imageHeight, const RECT& rcItem);

}  // namespace DuiLib
