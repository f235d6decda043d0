#include "tests/installer/registry_state.h"

#include <aclapi.h>

#include <vector>

#include "common/error.h"
#include "common/os_services.h"

namespace kestrova::testing {

std::optional<std::string> ReadRegistryString(HKEY root, const std::string& key,
                                              const std::string& name) {
  HKEY handle;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return std::nullopt;
  std::vector<char> data(4096);
  DWORD size = static_cast<DWORD>(data.size()), type = 0;
  LONG status = RegQueryValueExA(handle, name.c_str(), nullptr, &type,
                                 reinterpret_cast<BYTE*>(data.data()), &size);
  RegCloseKey(handle);
  if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  return std::string(data.data());
}

void DeleteRegistryValue(HKEY root, const std::string& key, const std::string& name) {
  HKEY handle;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_SET_VALUE, &handle) != ERROR_SUCCESS) return;
  RegDeleteValueA(handle, name.c_str());
  RegCloseKey(handle);
}

std::optional<std::string> ReadProfileString(const std::string& file, const std::string& section,
                                             const std::string& key) {
  const char* absent =
      "\x01"
      "absent";
  char buffer[1024];
  GetPrivateProfileStringA(section.c_str(), key.c_str(), absent, buffer, sizeof buffer,
                           file.c_str());
  if (std::string(buffer) == absent) return std::nullopt;
  return std::string(buffer);
}

SavedRegistryValue::SavedRegistryValue(HKEY root, std::string key, std::string name)
    : root_(root),
      key_(std::move(key)),
      name_(std::move(name)),
      saved_(ReadRegistryString(root_, key_, name_)) {}

SavedRegistryValue::~SavedRegistryValue() {
  if (!saved_) {
    DeleteRegistryValue(root_, key_, name_);
    return;
  }
  HKEY handle;
  if (RegCreateKeyExA(root_, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                      nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExA(handle, name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(saved_->c_str()),
                 static_cast<DWORD>(saved_->size() + 1));
  RegCloseKey(handle);
}

namespace {
void CopyTree(HKEY root, const std::string& from, const std::string& to) {
  HKEY source, target;
  if (RegOpenKeyExA(root, from.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS)
    throw Error("cannot open " + from);
  if (RegCreateKeyExA(root, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target, nullptr) !=
      ERROR_SUCCESS) {
    RegCloseKey(source);
    throw Error("cannot create " + to);
  }
  LONG status = RegCopyTreeA(source, nullptr, target);
  RegCloseKey(source);
  RegCloseKey(target);
  if (status != ERROR_SUCCESS) throw Error("cannot copy " + from);
}
}  // namespace

RemovedRegistryKey::RemovedRegistryKey(HKEY root, std::string key)
    : root_(root),
      key_(std::move(key)),
      backup_("Software\\KestrovaTestBackup\\" + os::NewGuidText()) {
  CopyTree(root_, key_, backup_);
  if (RegDeleteTreeA(root_, key_.c_str()) != ERROR_SUCCESS) throw Error("cannot delete " + key_);
}

RemovedRegistryKey::~RemovedRegistryKey() {
  try {
    CopyTree(root_, backup_, key_);
    RegDeleteTreeA(root_, "Software\\KestrovaTestBackup");
  } catch (const Error&) {
  }
}

void SetEveryoneKeyAccess(HKEY key, DWORD rights) {
  EXPLICIT_ACCESS_A entry = {};
  entry.grfAccessPermissions = rights;
  entry.grfAccessMode = SET_ACCESS;
  entry.grfInheritance = NO_INHERITANCE;
  entry.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
  entry.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
  entry.Trustee.ptstrName = const_cast<char*>("EVERYONE");
  PACL acl = nullptr;
  if (SetEntriesInAclA(1, &entry, nullptr, &acl) != ERROR_SUCCESS)
    throw Error("cannot build an access list");
  DWORD status = SetSecurityInfo(key, SE_REGISTRY_KEY,
                                 DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                 nullptr, nullptr, acl, nullptr);
  LocalFree(acl);
  if (status != ERROR_SUCCESS) throw Error("cannot set a key's access list");
}

ReadOnlyRegistryKey::ReadOnlyRegistryKey(HKEY root, const std::string& key) {
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr) !=
      ERROR_SUCCESS)
    throw Error("cannot open " + key);
  SetEveryoneKeyAccess(key_, KEY_READ | READ_CONTROL | WRITE_DAC);
}

ReadOnlyRegistryKey::~ReadOnlyRegistryKey() {
  try {
    SetEveryoneKeyAccess(key_, KEY_ALL_ACCESS);
  } catch (const Error&) {
  }
  RegCloseKey(key_);
}

SavedProfileEntry::SavedProfileEntry(std::string file, std::string section, std::string key)
    : file_(std::move(file)),
      section_(std::move(section)),
      key_(std::move(key)),
      saved_(ReadProfileString(file_, section_, key_)) {}

SavedProfileEntry::~SavedProfileEntry() {
  WritePrivateProfileStringA(section_.c_str(), key_.c_str(), saved_ ? saved_->c_str() : nullptr,
                             file_.c_str());
}

}  // namespace kestrova::testing
