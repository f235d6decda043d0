#include "installer/system_folders.h"

#include <windows.h>

#include "common/error.h"

namespace kestrova {

namespace {

constexpr UINT kDirectoryBufferSize = 255;

// Both calls are missing from the oldest systems the installer runs on, so
// they are looked up rather than imported.
using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
using GetSystemWow64DirectoryAFn = UINT(WINAPI*)(LPSTR, UINT);

FARPROC Kernel32Function(const char* name) {
  HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
  return kernel32 ? GetProcAddress(kernel32, name) : nullptr;
}

template <typename Fn>
Fn Kernel32(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(Kernel32Function(name)));
}

template <typename Query>
std::string AskDirectory(Query query, const char* what) {
  char buffer[kDirectoryBufferSize + 1] = {};
  UINT length = query(buffer, kDirectoryBufferSize);
  if (length == 0 || length >= kDirectoryBufferSize)
    throw Error(std::string("the system reports no ") + what);
  return DirectoryFromBuffer(buffer, kDirectoryBufferSize);
}

}  // namespace

std::string DirectoryFromBuffer(const char* buffer, size_t size) {
  size_t n = 0;
  while (n < size && buffer[n] != '\0') ++n;
  std::string directory(buffer, n);
  if (!directory.empty() && directory.back() == '\\') directory.pop_back();
  return directory;
}

std::string SystemDirectory() { return AskDirectory(GetSystemDirectoryA, "system directory"); }

std::string WindowsDirectory() { return AskDirectory(GetWindowsDirectoryA, "Windows directory"); }

bool IsWow64() {
  auto isWow64Process = Kernel32<IsWow64ProcessFn>("IsWow64Process");
  BOOL wow64 = FALSE;
  return isWow64Process && isWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

std::string ScreensaverDirectory() {
  if (!IsWow64()) return SystemDirectory();
  auto wow64Directory = Kernel32<GetSystemWow64DirectoryAFn>("GetSystemWow64DirectoryA");
  if (!wow64Directory) throw Error("the system reports no 32-bit system directory");
  return AskDirectory(wow64Directory, "32-bit system directory");
}

}  // namespace kestrova
