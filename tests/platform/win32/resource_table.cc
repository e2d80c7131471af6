// The resources this test program carries, as the resource compiler would generate them.
#include <win32/resources.h>

#include "resource_table.h"

namespace {

const unsigned char kZip[] = {'P', 'K', 3, 4, 'z', 'i', 'p'};
const unsigned char kIconGroup[] = {0, 0, 1, 0, 1, 0};
const unsigned char kNeutralText[] = {'n'};
const unsigned char kChineseText[] = {'z', 'h'};

const QuellixResourceEntry kEntries[] = {
    {L"ZIPRES", 0, L"IDR_ZIPRES", 0, 0x0804, kZip, sizeof(kZip)},
    {nullptr, 14, nullptr, win32_test::kAppIconId, 0x0804, kIconGroup, sizeof(kIconGroup)},
    {nullptr, 10, L"TEXT", 0, 0x0000, kNeutralText, sizeof(kNeutralText)},
    {nullptr, 10, L"TEXT", 0, 0x0804, kChineseText, sizeof(kChineseText)},
};

}  // namespace

extern "C" const QuellixResourceTable quellix_resource_table = {kEntries, 4};

namespace win32_test {
const unsigned char* ZipResourceData() { return kZip; }
}  // namespace win32_test
