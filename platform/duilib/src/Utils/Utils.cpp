#include "Utils/Utils.h"

#include <algorithm>
#include <cstdarg>
#include <cwchar>
#include <cwctype>

namespace DuiLib {

CDuiPoint::CDuiPoint() {
  x = 0;
  y = 0;
}

CDuiPoint::CDuiPoint(const POINT& src) {
  x = src.x;
  y = src.y;
}

CDuiPoint::CDuiPoint(int _x, int _y) {
  x = _x;
  y = _y;
}

CDuiPoint::CDuiPoint(LPARAM lParam) {
  x = GET_X_LPARAM(lParam);
  y = GET_Y_LPARAM(lParam);
}

CDuiSize::CDuiSize() {
  cx = 0;
  cy = 0;
}

CDuiSize::CDuiSize(const SIZE& src) {
  cx = src.cx;
  cy = src.cy;
}

CDuiSize::CDuiSize(const RECT rc) {
  cx = rc.right - rc.left;
  cy = rc.bottom - rc.top;
}

CDuiSize::CDuiSize(int _cx, int _cy) {
  cx = _cx;
  cy = _cy;
}

CDuiRect::CDuiRect() {
  left = top = right = bottom = 0;
}

CDuiRect::CDuiRect(const RECT& src) {
  left = src.left;
  top = src.top;
  right = src.right;
  bottom = src.bottom;
}

CDuiRect::CDuiRect(int iLeft, int iTop, int iRight, int iBottom) {
  left = iLeft;
  top = iTop;
  right = iRight;
  bottom = iBottom;
}

int CDuiRect::GetWidth() const { return right - left; }

int CDuiRect::GetHeight() const { return bottom - top; }

void CDuiRect::Empty() { left = top = right = bottom = 0; }

bool CDuiRect::IsNull() const { return left == 0 && right == 0 && top == 0 && bottom == 0; }

void CDuiRect::Join(const RECT& rc) {
  if (rc.left < left) left = rc.left;
  if (rc.top < top) top = rc.top;
  if (rc.right > right) right = rc.right;
  if (rc.bottom > bottom) bottom = rc.bottom;
}

void CDuiRect::ResetOffset() { Offset(-left, -top); }

void CDuiRect::Normalize() {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
}

void CDuiRect::Offset(int cx, int cy) {
  left += cx;
  right += cx;
  top += cy;
  bottom += cy;
}

void CDuiRect::Inflate(int cx, int cy) {
  left -= cx;
  right += cx;
  top -= cy;
  bottom += cy;
}

void CDuiRect::Deflate(int cx, int cy) { Inflate(-cx, -cy); }

void CDuiRect::Union(CDuiRect& rc) {
  left = std::min(left, rc.left);
  top = std::min(top, rc.top);
  right = std::max(right, rc.right);
  bottom = std::max(bottom, rc.bottom);
}

namespace {

// The Windows wide printf family reads %s and %c as wide; the C library reads them as narrow.
std::wstring WideFormat(LPCTSTR format) {
  std::wstring out;
  for (const wchar_t* p = format; *p != L'\0'; ++p) {
    out += *p;
    if (*p != L'%') continue;
    ++p;
    if (*p == L'%') {
      out += *p;
      continue;
    }
    while (*p != L'\0' && std::wcschr(L"-+ #0123456789.*", *p) != NULL) out += *p++;
    if (*p == L'\0') break;
    if (*p == L's' || *p == L'c') out += L'l';
    if (*p == L'S') {
      out += L's';
      continue;
    }
    out += *p;
  }
  return out;
}

std::wstring Lowered(const std::wstring& s) {
  std::wstring out(s);
  for (wchar_t& ch : out) ch = static_cast<wchar_t>(std::towlower(ch));
  return out;
}

}  // namespace

CDuiString::CDuiString() {}

CDuiString::CDuiString(TCHAR ch) : m_str(1, ch) {}

CDuiString::CDuiString(const CDuiString& src) : m_str(src.m_str) {}

CDuiString::CDuiString(LPCTSTR lpsz, int nLen) { Assign(lpsz, nLen); }

CDuiString::~CDuiString() {}

void CDuiString::Empty() { m_str.clear(); }

int CDuiString::GetLength() const { return static_cast<int>(m_str.size()); }

bool CDuiString::IsEmpty() const { return m_str.empty(); }

TCHAR CDuiString::GetAt(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetLength()) return L'\0';
  return m_str[nIndex];
}

void CDuiString::Append(LPCTSTR pstr) {
  if (pstr != NULL) m_str += pstr;
}

void CDuiString::Assign(LPCTSTR pstr, int nLength) {
  if (pstr == NULL) {
    m_str.clear();
    return;
  }
  size_t length = std::wcslen(pstr);
  if (nLength >= 0 && static_cast<size_t>(nLength) < length) length = nLength;
  m_str.assign(pstr, length);
}

LPCTSTR CDuiString::GetData() const { return m_str.c_str(); }

void CDuiString::SetAt(int nIndex, TCHAR ch) {
  if (nIndex >= 0 && nIndex < GetLength()) m_str[nIndex] = ch;
}

CDuiString::operator LPCTSTR() const { return m_str.c_str(); }

TCHAR CDuiString::operator[](int nIndex) const { return GetAt(nIndex); }

const CDuiString& CDuiString::operator=(const CDuiString& src) {
  m_str = src.m_str;
  return *this;
}

const CDuiString& CDuiString::operator=(TCHAR ch) {
  m_str.assign(1, ch);
  return *this;
}

const CDuiString& CDuiString::operator=(LPCTSTR pstr) {
  // pstr may point into this string.
  std::wstring copy(pstr != NULL ? pstr : L"");
  m_str.swap(copy);
  return *this;
}

CDuiString CDuiString::operator+(const CDuiString& src) const {
  CDuiString out(*this);
  out.m_str += src.m_str;
  return out;
}

CDuiString CDuiString::operator+(LPCTSTR pstr) const {
  CDuiString out(*this);
  out.Append(pstr);
  return out;
}

const CDuiString& CDuiString::operator+=(const CDuiString& src) {
  m_str += src.m_str;
  return *this;
}

const CDuiString& CDuiString::operator+=(LPCTSTR pstr) {
  std::wstring copy(pstr != NULL ? pstr : L"");
  m_str += copy;
  return *this;
}

const CDuiString& CDuiString::operator+=(const TCHAR ch) {
  m_str += ch;
  return *this;
}

bool CDuiString::operator==(LPCTSTR str) const { return Compare(str) == 0; }
bool CDuiString::operator!=(LPCTSTR str) const { return Compare(str) != 0; }
bool CDuiString::operator<=(LPCTSTR str) const { return Compare(str) <= 0; }
bool CDuiString::operator<(LPCTSTR str) const { return Compare(str) < 0; }
bool CDuiString::operator>=(LPCTSTR str) const { return Compare(str) >= 0; }
bool CDuiString::operator>(LPCTSTR str) const { return Compare(str) > 0; }

int CDuiString::Compare(LPCTSTR pstr) const {
  return std::wcscmp(m_str.c_str(), pstr != NULL ? pstr : L"");
}

int CDuiString::CompareNoCase(LPCTSTR pstr) const {
  return Lowered(m_str).compare(Lowered(pstr != NULL ? pstr : L""));
}

void CDuiString::MakeUpper() {
  for (wchar_t& ch : m_str) ch = static_cast<wchar_t>(std::towupper(ch));
}

void CDuiString::MakeLower() { m_str = Lowered(m_str); }

CDuiString CDuiString::Left(int nLength) const {
  if (nLength < 0) nLength = 0;
  return CDuiString(m_str.substr(0, nLength).c_str());
}

CDuiString CDuiString::Mid(int iPos, int nLength) const {
  if (iPos < 0) iPos = 0;
  if (iPos >= GetLength()) return CDuiString();
  return CDuiString(m_str.substr(iPos, nLength < 0 ? std::wstring::npos : nLength).c_str());
}

CDuiString CDuiString::Right(int nLength) const {
  if (nLength < 0) nLength = 0;
  int start = std::max(0, GetLength() - nLength);
  return CDuiString(m_str.substr(start).c_str());
}

int CDuiString::Find(TCHAR ch, int iPos) const {
  if (iPos < 0 || iPos > GetLength()) return -1;
  size_t found = m_str.find(ch, iPos);
  return found == std::wstring::npos ? -1 : static_cast<int>(found);
}

int CDuiString::Find(LPCTSTR pstr, int iPos) const {
  if (pstr == NULL || iPos < 0 || iPos > GetLength()) return -1;
  size_t found = m_str.find(pstr, iPos);
  return found == std::wstring::npos ? -1 : static_cast<int>(found);
}

int CDuiString::ReverseFind(TCHAR ch) const {
  size_t found = m_str.rfind(ch);
  return found == std::wstring::npos ? -1 : static_cast<int>(found);
}

int CDuiString::Replace(LPCTSTR pstrFrom, LPCTSTR pstrTo) {
  if (pstrFrom == NULL || *pstrFrom == L'\0') return 0;
  const std::wstring from(pstrFrom);
  const std::wstring to(pstrTo != NULL ? pstrTo : L"");
  int count = 0;
  for (size_t pos = m_str.find(from); pos != std::wstring::npos;
       pos = m_str.find(from, pos + to.size())) {
    m_str.replace(pos, from.size(), to);
    ++count;
  }
  return count;
}

int CDuiString::Format(LPCTSTR pstrFormat, ...) {
  const std::wstring format = WideFormat(pstrFormat != NULL ? pstrFormat : L"");
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list args;
    va_start(args, pstrFormat);
    int written = std::vswprintf(buffer.data(), buffer.size(), format.c_str(), args);
    va_end(args);
    if (written >= 0) {
      m_str.assign(buffer.data(), written);
      return written;
    }
    // vswprintf reports a short buffer and a bad format alike; give up at a sane size.
    if (buffer.size() >= (1u << 20)) {
      m_str.clear();
      return -1;
    }
    buffer.resize(buffer.size() * 4);
  }
}

CStdPtrArray::CStdPtrArray(int iPreallocSize) {
  if (iPreallocSize > 0) m_items.reserve(iPreallocSize);
}

void CStdPtrArray::Empty() { m_items.clear(); }

void CStdPtrArray::Resize(int iSize) {
  if (iSize >= 0) m_items.resize(iSize, NULL);
}

bool CStdPtrArray::IsEmpty() const { return m_items.empty(); }

int CStdPtrArray::Find(LPVOID pData) const {
  auto it = std::find(m_items.begin(), m_items.end(), pData);
  return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

bool CStdPtrArray::Add(LPVOID pData) {
  m_items.push_back(pData);
  return true;
}

bool CStdPtrArray::SetAt(int iIndex, LPVOID pData) {
  if (iIndex < 0 || iIndex >= GetSize()) return false;
  m_items[iIndex] = pData;
  return true;
}

bool CStdPtrArray::InsertAt(int iIndex, LPVOID pData) {
  if (iIndex == GetSize()) return Add(pData);
  if (iIndex < 0 || iIndex > GetSize()) return false;
  m_items.insert(m_items.begin() + iIndex, pData);
  return true;
}

bool CStdPtrArray::Remove(int iIndex) {
  if (iIndex < 0 || iIndex >= GetSize()) return false;
  m_items.erase(m_items.begin() + iIndex);
  return true;
}

int CStdPtrArray::GetSize() const { return static_cast<int>(m_items.size()); }

LPVOID* CStdPtrArray::GetData() { return m_items.data(); }

LPVOID CStdPtrArray::GetAt(int iIndex) const {
  if (iIndex < 0 || iIndex >= GetSize()) return NULL;
  return m_items[iIndex];
}

LPVOID CStdPtrArray::operator[](int nIndex) const { return GetAt(nIndex); }

LPVOID CStdStringPtrMap::Find(LPCTSTR key) const {
  if (key == NULL) return NULL;
  auto it = m_map.find(key);
  return it == m_map.end() ? NULL : it->second;
}

bool CStdStringPtrMap::Insert(LPCTSTR key, LPVOID pData) {
  if (key == NULL) return false;
  return m_map.emplace(key, pData).second;
}

LPVOID CStdStringPtrMap::Set(LPCTSTR key, LPVOID pData) {
  if (key == NULL) return NULL;
  LPVOID& slot = m_map[key];
  LPVOID old = slot;
  slot = pData;
  return old;
}

bool CStdStringPtrMap::Remove(LPCTSTR key) { return key != NULL && m_map.erase(key) > 0; }

void CStdStringPtrMap::RemoveAll() { m_map.clear(); }

int CStdStringPtrMap::GetSize() const { return static_cast<int>(m_map.size()); }

LPCTSTR CStdStringPtrMap::GetAt(int iIndex) const {
  if (iIndex < 0 || iIndex >= GetSize()) return NULL;
  auto it = m_map.begin();
  std::advance(it, iIndex);
  return it->first.c_str();
}

LPCTSTR CStdStringPtrMap::operator[](int nIndex) const { return GetAt(nIndex); }

}  // namespace DuiLib
