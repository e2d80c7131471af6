#include "UIRenderImageDescription.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

namespace DuiLib {
namespace {

const wchar_t* SkipSpaces(const wchar_t* p) {
  while (*p != L'\0' && std::iswspace(*p)) ++p;
  return p;
}

// "l,t,r,b"; numbers that are missing or unreadable count as 0.
RECT ParseRect(const std::wstring& value) {
  LONG parts[4] = {0, 0, 0, 0};
  const wchar_t* p = value.c_str();
  for (LONG& part : parts) {
    wchar_t* end = nullptr;
    long number = std::wcstol(p, &end, 10);
    if (end == p) break;
    part = static_cast<LONG>(std::clamp(number, -1000000L, 1000000L));
    p = SkipSpaces(end);
    if (*p != L',') break;
    ++p;
  }
  return RECT{parts[0], parts[1], parts[2], parts[3]};
}

void ApplyPair(const std::wstring& key, const std::wstring& value, ImageDrawSpec& spec) {
  if (key == L"file" || key == L"res") {
    spec.file = value;
  } else if (key == L"source") {
    spec.source = ParseRect(value);
    spec.hasSource = true;
  } else if (key == L"dest") {
    spec.dest = ParseRect(value);
    spec.hasDest = true;
  } else if (key == L"corner") {
    spec.corner = ParseRect(value);
  } else if (key == L"fade") {
    spec.fade = static_cast<int>(std::clamp(std::wcstol(value.c_str(), nullptr, 10), 0L, 255L));
  } else if (key == L"xtiled") {
    spec.xtiled = value == L"true";
  } else if (key == L"ytiled") {
    spec.ytiled = value == L"true";
  }
}

std::wstring Trimmed(const wchar_t* text) {
  std::wstring s = SkipSpaces(text);
  while (!s.empty() && std::iswspace(s.back())) s.pop_back();
  return s;
}

}  // namespace

bool ParseImageDescription(LPCTSTR text, ImageDrawSpec& spec) {
  if (text == nullptr) return true;
  if (std::wcschr(text, L'=') == nullptr) {
    std::wstring file = Trimmed(text);
    if (!file.empty()) spec.file = file;
    return true;
  }
  const wchar_t* p = SkipSpaces(text);
  while (*p != L'\0') {
    const wchar_t* keyStart = p;
    while (*p != L'\0' && *p != L'=' && !std::iswspace(*p)) ++p;
    std::wstring key(keyStart, p);
    p = SkipSpaces(p);
    if (*p != L'=') return false;
    p = SkipSpaces(p + 1);
    wchar_t quote = *p;
    if (quote != L'\'' && quote != L'"') return false;
    const wchar_t* valueEnd = std::wcschr(p + 1, quote);
    if (valueEnd == nullptr) return false;
    ApplyPair(key, std::wstring(p + 1, valueEnd), spec);
    p = SkipSpaces(valueEnd + 1);
  }
  return true;
}

namespace {

struct Span {
  LONG begin;
  LONG end;
};

// Edges of the three slices along one axis: [begin, begin+head), middle, [end-tail, end).
struct Slices {
  LONG cuts[4];
};

Slices Cut(Span span, LONG head, LONG tail) {
  return Slices{{span.begin, span.begin + head, span.end - tail, span.end}};
}

// Insets that together exceed the source are shrunk in proportion to fit it. The destination
// keeps them at their size unless nothing is left between them, in the source or in the
// destination: then the two share the destination in the same proportion.
void FitInsets(LONG& head, LONG& tail, LONG sourceSize, LONG destSize, LONG& destHead,
               LONG& destTail) {
  head = std::max(head, LONG{0});
  tail = std::max(tail, LONG{0});
  const long long both = 0LL + head + tail;
  if (both > sourceSize) {
    head = static_cast<LONG>(sourceSize * head / both);
    tail = sourceSize - head;
  }
  destHead = head;
  destTail = tail;
  if (head + tail >= sourceSize || head + tail > destSize) {
    destHead = head + tail > 0 ? static_cast<LONG>(1LL * destSize * head / (head + tail)) : 0;
    destTail = head + tail > 0 ? destSize - destHead : 0;
  }
}

}  // namespace

std::vector<ImagePiece> LayOutImagePieces(const ImageDrawSpec& spec, int imageWidth,
                                          int imageHeight, const RECT& rcItem) {
  RECT src = spec.hasSource ? spec.source : RECT{0, 0, LONG{imageWidth}, LONG{imageHeight}};
  src.left = std::max(src.left, LONG{0});
  src.top = std::max(src.top, LONG{0});
  src.right = std::min(src.right, LONG{imageWidth});
  src.bottom = std::min(src.bottom, LONG{imageHeight});
  RECT dst = rcItem;
  if (spec.hasDest) {
    dst = RECT{rcItem.left + spec.dest.left, rcItem.top + spec.dest.top,
               rcItem.left + spec.dest.right, rcItem.top + spec.dest.bottom};
  }
  std::vector<ImagePiece> pieces;
  if (src.right <= src.left || src.bottom <= src.top) return pieces;
  if (dst.right <= dst.left || dst.bottom <= dst.top) return pieces;

  LONG left = spec.corner.left, right = spec.corner.right;
  LONG top = spec.corner.top, bottom = spec.corner.bottom;
  LONG dLeft, dRight, dTop, dBottom;
  FitInsets(left, right, src.right - src.left, dst.right - dst.left, dLeft, dRight);
  FitInsets(top, bottom, src.bottom - src.top, dst.bottom - dst.top, dTop, dBottom);

  Slices srcX = Cut({src.left, src.right}, left, right);
  Slices srcY = Cut({src.top, src.bottom}, top, bottom);
  Slices dstX = Cut({dst.left, dst.right}, dLeft, dRight);
  Slices dstY = Cut({dst.top, dst.bottom}, dTop, dBottom);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      ImagePiece piece{{srcX.cuts[col], srcY.cuts[row], srcX.cuts[col + 1], srcY.cuts[row + 1]},
                       {dstX.cuts[col], dstY.cuts[row], dstX.cuts[col + 1], dstY.cuts[row + 1]},
                       spec.xtiled && col == 1, spec.ytiled && row == 1};
      if (piece.source.right <= piece.source.left || piece.source.bottom <= piece.source.top ||
          piece.dest.right <= piece.dest.left || piece.dest.bottom <= piece.dest.top) {
        continue;
      }
      pieces.push_back(piece);
    }
  }
  return pieces;
}

}  // namespace DuiLib
