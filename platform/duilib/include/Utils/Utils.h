// Strings, rectangles and the small containers of the UI library.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace DuiLib {

// A resource named by text or by a numeric identifier (MAKEINTRESOURCE).
class STRINGorID {
 public:
  STRINGorID(LPCTSTR lpString) : m_lpstr(lpString) {}
  STRINGorID(UINT nID) : m_lpstr(MAKEINTRESOURCE(nID)) {}
  LPCTSTR m_lpstr;
};

class CDuiPoint : public POINT {
 public:
  CDuiPoint();
  CDuiPoint(const POINT& src);
  CDuiPoint(int x, int y);
  explicit CDuiPoint(LPARAM lParam);
};

class CDuiSize : public SIZE {
 public:
  CDuiSize();
  CDuiSize(const SIZE& src);
  CDuiSize(const RECT rc);
  CDuiSize(int cx, int cy);
};

class CDuiRect : public RECT {
 public:
  CDuiRect();
  CDuiRect(const RECT& src);
  CDuiRect(int iLeft, int iTop, int iRight, int iBottom);

  int GetWidth() const;
  int GetHeight() const;
  int Width() const { return GetWidth(); }
  int Height() const { return GetHeight(); }
  void Empty();
  // All four edges zero.
  bool IsNull() const;
  void Join(const RECT& rc);
  void ResetOffset();
  void Normalize();
  void Offset(int cx, int cy);
  void Inflate(int cx, int cy);
  void Deflate(int cx, int cy);
  void Union(CDuiRect& rc);
};

// A wide string. Format follows the Windows wide printf family: %s and %c take wide arguments.
class CDuiString {
 public:
  CDuiString();
  CDuiString(TCHAR ch);
  CDuiString(const CDuiString& src);
  CDuiString(LPCTSTR lpsz, int nLen = -1);
  ~CDuiString();

  void Empty();
  int GetLength() const;
  bool IsEmpty() const;
  TCHAR GetAt(int nIndex) const;
  void Append(LPCTSTR pstr);
  void Assign(LPCTSTR pstr, int nLength = -1);
  LPCTSTR GetData() const;

  void SetAt(int nIndex, TCHAR ch);
  operator LPCTSTR() const;

  TCHAR operator[](int nIndex) const;
  const CDuiString& operator=(const CDuiString& src);
  const CDuiString& operator=(TCHAR ch);
  const CDuiString& operator=(LPCTSTR pstr);

  CDuiString operator+(const CDuiString& src) const;
  CDuiString operator+(LPCTSTR pstr) const;
  const CDuiString& operator+=(const CDuiString& src);
  const CDuiString& operator+=(LPCTSTR pstr);
  const CDuiString& operator+=(const TCHAR ch);

  bool operator==(LPCTSTR str) const;
  bool operator!=(LPCTSTR str) const;
  bool operator<=(LPCTSTR str) const;
  bool operator<(LPCTSTR str) const;
  bool operator>=(LPCTSTR str) const;
  bool operator>(LPCTSTR str) const;

  int Compare(LPCTSTR pstr) const;
  int CompareNoCase(LPCTSTR pstr) const;

  void MakeUpper();
  void MakeLower();

  CDuiString Left(int nLength) const;
  CDuiString Mid(int iPos, int nLength = -1) const;
  CDuiString Right(int nLength) const;

  int Find(TCHAR ch, int iPos = 0) const;
  int Find(LPCTSTR pstr, int iPos = 0) const;
  int ReverseFind(TCHAR ch) const;
  // Replaces every occurrence; returns how many were replaced.
  int Replace(LPCTSTR pstrFrom, LPCTSTR pstrTo);

  int Format(LPCTSTR pstrFormat, ...);

 private:
  std::wstring m_str;
};

// An array of untyped pointers; it owns none of them.
class CStdPtrArray {
 public:
  explicit CStdPtrArray(int iPreallocSize = 0);

  void Empty();
  void Resize(int iSize);
  bool IsEmpty() const;
  int Find(LPVOID iIndex) const;
  bool Add(LPVOID pData);
  bool SetAt(int iIndex, LPVOID pData);
  bool InsertAt(int iIndex, LPVOID pData);
  bool Remove(int iIndex);
  int GetSize() const;
  LPVOID* GetData();

  LPVOID GetAt(int iIndex) const;
  LPVOID operator[](int nIndex) const;

 private:
  std::vector<LPVOID> m_items;
};

// Text keys (case-sensitive) to untyped pointers; it owns none of the pointers.
class CStdStringPtrMap {
 public:
  LPVOID Find(LPCTSTR key) const;
  // False when the key is already present.
  bool Insert(LPCTSTR key, LPVOID pData);
  // Returns the value replaced, or NULL.
  LPVOID Set(LPCTSTR key, LPVOID pData);
  bool Remove(LPCTSTR key);
  void RemoveAll();
  int GetSize() const;
  LPCTSTR GetAt(int iIndex) const;
  LPCTSTR operator[](int nIndex) const;

 private:
  std::map<std::wstring, LPVOID> m_map;
};

}  // namespace DuiLib
