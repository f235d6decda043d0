// Helpers of the menu tests under Wine: the menu window open in this
// thread, and where pictures of it go.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <utility>

namespace kestrova::skin::testing {

inline BOOL CALLBACK FindVisibleWindowOfClass(HWND w, LPARAM out) {
  auto* wanted = reinterpret_cast<std::pair<const wchar_t*, HWND>*>(out);
  wchar_t name[16] = {};
  GetClassNameW(w, name, 16);
  if (std::wstring(name) != wanted->first || !IsWindowVisible(w)) return TRUE;
  wanted->second = w;
  return FALSE;
}

// The visible window of this thread with that class name, or null.
inline HWND ThreadWindowOfClass(const wchar_t* class_name) {
  std::pair<const wchar_t*, HWND> wanted{class_name, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &FindVisibleWindowOfClass, LPARAM(&wanted));
  return wanted.second;
}

// The open menu's window, or null.
inline HWND OpenMenuWindow() { return ThreadWindowOfClass(L"#32768"); }

// build/.../test-output/FILE, the folder made when missing.
inline std::string OutputPath(const std::string& file) {
  std::filesystem::path dir = std::filesystem::path(KESTROVA_BINARY_DIR) / "test-output";
  std::filesystem::create_directories(dir);
  return (dir / file).string();
}

}  // namespace kestrova::skin::testing
