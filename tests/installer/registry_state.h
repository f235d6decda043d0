// Test helpers over the real registry and profile files: read a value, and
// put back what a test changed when it ends.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kestrova::testing {

std::optional<std::string> ReadRegistryString(HKEY root, const std::string& key,
                                              const std::string& name);
void DeleteRegistryValue(HKEY root, const std::string& key, const std::string& name);
std::optional<std::string> ReadProfileString(const std::string& file, const std::string& section,
                                             const std::string& key);

// One registry string value, restored (or removed again) on destruction.
class SavedRegistryValue {
 public:
  SavedRegistryValue(HKEY root, std::string key, std::string name);
  ~SavedRegistryValue();
  SavedRegistryValue(const SavedRegistryValue&) = delete;
  SavedRegistryValue& operator=(const SavedRegistryValue&) = delete;

 private:
  HKEY root_;
  std::string key_, name_;
  std::optional<std::string> saved_;
};

// A whole key, copied aside and deleted, then copied back on destruction.
class RemovedRegistryKey {
 public:
  RemovedRegistryKey(HKEY root, std::string key);
  ~RemovedRegistryKey();
  RemovedRegistryKey(const RemovedRegistryKey&) = delete;
  RemovedRegistryKey& operator=(const RemovedRegistryKey&) = delete;

 private:
  HKEY root_;
  std::string key_, backup_;
};

// Replaces a key's access list with one entry granting everyone `rights`.
// Raises Error.
void SetEveryoneKeyAccess(HKEY key, DWORD rights);

// A key whose access list grants everyone reading only, until destruction.
class ReadOnlyRegistryKey {
 public:
  ReadOnlyRegistryKey(HKEY root, const std::string& key);
  ~ReadOnlyRegistryKey();
  ReadOnlyRegistryKey(const ReadOnlyRegistryKey&) = delete;
  ReadOnlyRegistryKey& operator=(const ReadOnlyRegistryKey&) = delete;

 private:
  HKEY key_ = nullptr;
};

// One profile-file entry, restored (or removed again) on destruction.
class SavedProfileEntry {
 public:
  SavedProfileEntry(std::string file, std::string section, std::string key);
  ~SavedProfileEntry();
  SavedProfileEntry(const SavedProfileEntry&) = delete;
  SavedProfileEntry& operator=(const SavedProfileEntry&) = delete;

 private:
  std::string file_, section_, key_;
  std::optional<std::string> saved_;
};

}  // namespace kestrova::testing
