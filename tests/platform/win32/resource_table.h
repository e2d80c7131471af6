// What the test program's resource table holds.
#pragma once

namespace win32_test {

constexpr int kAppIconId = 101;
// A zip resource "ZIPRES"/"IDR_ZIPRES" of 7 bytes; this is where its data lies.
const unsigned char* ZipResourceData();

}  // namespace win32_test
