// Version resources: the fixed file information and the string tables of a module's
// VS_VERSION_INFO, read back with GetFileVersionInfoW and VerQueryValueW.
//
// Modules on this platform: a program carries only its own resources (win32/resources.h),
// so the module whose version information can be read is the running executable, named by
// its path as GetModuleFileNameW gives it, by a path that leads to the same file, or by its
// bare file name (found in the program's folder, then the current folder). Any other file that
// exists has no version resource (ERROR_RESOURCE_TYPE_NOT_FOUND); a missing one gives
// ERROR_FILE_NOT_FOUND.
#pragma once

#include <windows.h>

typedef UINT* PUINT;

struct VS_FIXEDFILEINFO {
  DWORD dwSignature;  // VS_FFI_SIGNATURE
  DWORD dwStrucVersion;
  DWORD dwFileVersionMS;
  DWORD dwFileVersionLS;
  DWORD dwProductVersionMS;
  DWORD dwProductVersionLS;
  DWORD dwFileFlagsMask;
  DWORD dwFileFlags;
  DWORD dwFileOS;
  DWORD dwFileType;
  DWORD dwFileSubtype;
  DWORD dwFileDateMS;
  DWORD dwFileDateLS;
};

#define VS_FFI_SIGNATURE 0xFEEF04BDL
#define VS_FFI_STRUCVERSION 0x00010000L
#define VS_FFI_FILEFLAGSMASK 0x0000003FL
#define VS_FF_DEBUG 0x00000001L
#define VS_FF_PRERELEASE 0x00000002L
#define VS_FF_PATCHED 0x00000004L
#define VS_FF_PRIVATEBUILD 0x00000008L
#define VS_FF_INFOINFERRED 0x00000010L
#define VS_FF_SPECIALBUILD 0x00000020L
#define VOS_UNKNOWN 0x00000000L
#define VOS_NT 0x00040000L
#define VOS__WINDOWS32 0x00000004L
#define VOS_NT_WINDOWS32 0x00040004L
#define VFT_UNKNOWN 0x00000000L
#define VFT_APP 0x00000001L
#define VFT_DLL 0x00000002L
#define VFT2_UNKNOWN 0x00000000L

// The size of buffer GetFileVersionInfoW needs for |filename|'s version information, or 0
// (GetLastError says why). |handle|, when given, is set to 0.
DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR filename, LPDWORD handle);
// Copies the version information into |data|; fails with ERROR_INSUFFICIENT_BUFFER, copying
// nothing, when |length| is below the size GetFileVersionInfoSizeW gives.
BOOL WINAPI GetFileVersionInfoW(LPCWSTR filename, DWORD handle, DWORD length, LPVOID data);
// Finds a value in a version block: L"\\" gives the VS_FIXEDFILEINFO (|*length| in bytes),
// L"\\VarFileInfo\\Translation" the language and code page pairs (bytes), and
// L"\\StringFileInfo\\<lang><codepage>\\<name>" a string (|*length| in characters, with the
// terminator). Keys compare without regard to case. A string is handed out as this platform's
// WCHAR text, which stays valid for the life of the process. A block whose structure runs
// past its own length is refused.
BOOL WINAPI VerQueryValueW(LPCVOID block, LPCWSTR sub_block, LPVOID* buffer, PUINT length);

#define GetFileVersionInfoSize GetFileVersionInfoSizeW
#define GetFileVersionInfo GetFileVersionInfoW
#define VerQueryValue VerQueryValueW
