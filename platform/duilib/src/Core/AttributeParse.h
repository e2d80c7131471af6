// Reading the values of skin attributes. Missing or malformed numbers read as 0.
#pragma once

#include <windows.h>

namespace DuiLib {

// "l,t,r,b"; fewer numbers leave the rest 0 ("6,-1" is 6,-1,0,0).
RECT ParseRect(LPCTSTR value);
// "cx,cy".
SIZE ParseSize(LPCTSTR value);
int ParseInt(LPCTSTR value);
bool ParseBool(LPCTSTR value);
// "#AARRGGBB", or "#RRGGBB" for an opaque colour.
DWORD ParseColor(LPCTSTR value);
// Up to count decimal numbers separated by commas, each held within +-1000000; returns how
// many were read.
int ParseNumbers(LPCTSTR value, double* numbers, int count);

}  // namespace DuiLib
