#include "installer/registry_key.h"

#include <utility>

#include "common/error.h"
#include "common/os_services.h"

namespace kestrova {

RegistryKey RegistryKey::OpenExisting(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) key = nullptr;
  return RegistryKey(key, path);
}

RegistryKey RegistryKey::OpenOrCreate(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    key = nullptr;
  return RegistryKey(key, path);
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept
    : key_(std::exchange(other.key_, nullptr)), path_(std::move(other.path_)) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    Close();
    key_ = std::exchange(other.key_, nullptr);
    path_ = std::move(other.path_);
  }
  return *this;
}

RegistryKey::~RegistryKey() { Close(); }

void RegistryKey::Close() {
  if (key_) RegCloseKey(key_);
  key_ = nullptr;
}

void RegistryKey::SetString(const std::string& name, const std::string& value) {
  if (!key_) throw Error("cannot open the registry key \"" + path_ + "\"");
  const auto* data = reinterpret_cast<const BYTE*>(value.c_str());
  if (RegSetValueExA(key_, name.c_str(), 0, REG_SZ, data, static_cast<DWORD>(value.size() + 1)) !=
      ERROR_SUCCESS)
    throw Error("cannot write " + os::QuotedPath(name) + " under \"" + path_ + "\"");
}

}  // namespace kestrova
