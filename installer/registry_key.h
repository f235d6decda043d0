// RegistryKey: an open registry key, closed when the object goes. Opening
// does not raise, so that a key that could not be opened still makes the
// following write fail with a clear message (the installation reports that
// write, not the open).
//
//   RegistryKey desktop = RegistryKey::OpenExisting(HKEY_CURRENT_USER, "Control Panel\\Desktop");
//   desktop.SetString("SCRNSAVE.EXE", path);  // raises Error when the key is not open
#pragma once

#include <windows.h>

#include <string>

namespace kestrova {

class RegistryKey {
 public:
  // Opens a key with full access; never creates it.
  static RegistryKey OpenExisting(HKEY root, const std::string& path);
  // Opens a key with full access, creating it (and its parents) if missing.
  static RegistryKey OpenOrCreate(HKEY root, const std::string& path);

  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey();

  bool IsOpen() const { return key_ != nullptr; }

  // Writes a REG_SZ value, terminating zero included. Raises Error.
  void SetString(const std::string& name, const std::string& value);

 private:
  RegistryKey(HKEY key, std::string path) : key_(key), path_(std::move(path)) {}
  void Close();

  HKEY key_ = nullptr;
  std::string path_;
};

}  // namespace kestrova
