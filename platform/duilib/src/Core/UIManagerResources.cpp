// The process-wide resource settings of the paint manager and the reading of skin members.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "Core/ResourceArchive.h"
#include "Core/TextCodec.h"
#include "Core/UIManager.h"

namespace DuiLib {

namespace {

// Settings are made on the main thread before windows exist; members are read from any
// window's thread and from the image preloader, which may still be reading when the settings
// change, so they are read and written under the lock.
struct ResourceState {
  std::mutex lock;
  HINSTANCE instance = NULL;
  HINSTANCE resourceDll = NULL;
  CDuiString resourcePath;
  CDuiString resourceZip;
  bool cachedZip = false;
  int resourceType = UILIB_FILE;
  std::vector<unsigned char> ownedZipData;  // only for an archive read from a file
  std::unique_ptr<ResourceArchive> archive;
};

ResourceState& State() {
  static ResourceState state;
  return state;
}

const uintmax_t kMaxFileSize = 256u << 20;

std::string NativePath(const CDuiString& path) {
  CDuiString native(path);
  native.Replace(_T("\\"), _T("/"));
  return Utf8FromWide(native.GetData());
}

bool IsAbsolute(LPCTSTR path) { return path[0] == L'/' || path[0] == L'\\'; }

bool ReadFile(const std::string& path, std::vector<unsigned char>& out) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxFileSize) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::vector<unsigned char> data(static_cast<size_t>(size));
  if (size > 0 && !in.read(reinterpret_cast<char*>(data.data()), size)) return false;
  out.swap(data);
  return true;
}

void OpenArchive(ResourceState& state, const void* data, size_t size, LPCTSTR password) {
  state.archive = ResourceArchive::Open(data, size, Utf8FromWide(password));
}

}  // namespace

HINSTANCE CPaintManagerUI::GetInstance() { return State().instance; }

CDuiString CPaintManagerUI::GetInstancePath() {
  HINSTANCE instance = GetInstance();
  if (instance == NULL) return CDuiString();
  TCHAR module[MAX_PATH + 1] = {0};
  ::GetModuleFileNameW(instance, module, MAX_PATH);
  CDuiString path(module);
  int pos = std::max(path.ReverseFind(L'\\'), path.ReverseFind(L'/'));
  if (pos >= 0) path = path.Left(pos + 1);
  return path;
}

CDuiString CPaintManagerUI::GetCurrentPath() {
  std::error_code error;
  std::string current = std::filesystem::current_path(error).string();
  if (error) return CDuiString();
  return CDuiString(WideFromUtf8(current).c_str());
}

HINSTANCE CPaintManagerUI::GetResourceDll() {
  ResourceState& state = State();
  return state.resourceDll != NULL ? state.resourceDll : state.instance;
}

const CDuiString& CPaintManagerUI::GetResourcePath() { return State().resourcePath; }

const CDuiString& CPaintManagerUI::GetResourceZip() { return State().resourceZip; }

bool CPaintManagerUI::IsCachedResourceZip() { return State().cachedZip; }

HANDLE CPaintManagerUI::GetResourceZipHandle() {
  ResourceState& state = State();
  std::lock_guard<std::mutex> hold(state.lock);
  return state.archive.get();
}

int CPaintManagerUI::GetResourceType() { return State().resourceType; }

void CPaintManagerUI::SetInstance(HINSTANCE hInst) { State().instance = hInst; }

void CPaintManagerUI::SetCurrentPath(LPCTSTR pStrPath) {
  if (pStrPath == NULL) return;
  std::error_code error;
  std::filesystem::current_path(NativePath(pStrPath), error);
}

void CPaintManagerUI::SetResourceDll(HINSTANCE hInst) { State().resourceDll = hInst; }

void CPaintManagerUI::SetResourcePath(LPCTSTR pStrPath) {
  CDuiString path(pStrPath);
  if (!path.IsEmpty()) {
    TCHAR last = path.GetAt(path.GetLength() - 1);
    if (last != L'\\' && last != L'/') path += L'\\';
  }
  ResourceState& state = State();
  std::lock_guard<std::mutex> hold(state.lock);
  state.resourcePath = path;
}

void CPaintManagerUI::SetResourceType(int nType) {
  ResourceState& state = State();
  std::lock_guard<std::mutex> hold(state.lock);
  state.resourceType = nType;
}

void CPaintManagerUI::SetResourceZip(LPVOID pVoid, unsigned int len, LPCTSTR password) {
  ResourceState& state = State();
  std::lock_guard<std::mutex> hold(state.lock);
  state.resourceZip = _T("membuffer");
  state.cachedZip = true;
  state.ownedZipData.clear();
  OpenArchive(state, pVoid, len, password);
}

void CPaintManagerUI::SetResourceZip(LPCTSTR pstrZip, bool bCachedResourceZip, LPCTSTR password) {
  ResourceState& state = State();
  CDuiString path(pstrZip);
  if (!path.IsEmpty() && !IsAbsolute(path)) path = state.resourcePath + path;
  std::vector<unsigned char> data;
  bool read = !path.IsEmpty() && ReadFile(NativePath(path), data);
  std::lock_guard<std::mutex> hold(state.lock);
  state.resourceZip = pstrZip;
  state.cachedZip = bCachedResourceZip;
  state.archive.reset();
  state.ownedZipData.swap(data);
  if (read) OpenArchive(state, state.ownedZipData.data(), state.ownedZipData.size(), password);
}

bool CPaintManagerUI::LoadResourceData(LPCTSTR name, std::vector<unsigned char>& out) {
  if (name == NULL || *name == L'\0') return false;
  ResourceState& state = State();
  CDuiString member(name);
  std::unique_lock<std::mutex> hold(state.lock);
  if (state.resourceType == UILIB_ZIP || state.resourceType == UILIB_ZIPRESOURCE) {
    member.Replace(_T("\\"), _T("/"));
    return state.archive && state.archive->Read(Utf8FromWide(member.GetData()), out);
  }
  CDuiString path = IsAbsolute(name) ? member : state.resourcePath + member;
  hold.unlock();
  return ReadFile(NativePath(path), out);
}

}  // namespace DuiLib
