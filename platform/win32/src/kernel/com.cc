// COM and OLE initialisation: counted per thread, S_OK the first time, S_FALSE after.
#include "kernel/process_state.h"

#include <windows.h>

namespace {
thread_local int t_com_count = 0;
thread_local int t_ole_count = 0;
}  // namespace

HRESULT WINAPI CoInitialize(LPVOID reserved) {
  if (win32::internal::CoInitializeFails()) return E_FAIL;
  return t_com_count++ == 0 ? S_OK : S_FALSE;
}

void WINAPI CoUninitialize() {
  if (t_com_count > 0) --t_com_count;
}

HRESULT WINAPI OleInitialize(LPVOID reserved) {
  HRESULT com = CoInitialize(reserved);
  if (FAILED(com)) return com;
  return t_ole_count++ == 0 ? S_OK : S_FALSE;
}

void WINAPI OleUninitialize() {
  if (t_ole_count > 0) --t_ole_count;
  CoUninitialize();
}
