// The few operating-system services the portable core needs, with one Win32
// and one POSIX implementation (os_services_win32.cpp, os_services_posix.cpp).
// Paths are byte strings: the ANSI code page on Windows, UTF-8 on POSIX.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace kestrova::os {

// The system's temporary-files directory exactly as the system reports it
// (it may end with a separator). Raises Error when the system gives none.
std::string TempDirectory();

// Creates a new, empty file with a unique name in `directory`, starting with
// `prefix`, and returns its full path. Raises Error on failure.
std::string CreateUniqueTempFile(const std::string& directory, const std::string& prefix);

// A new GUID in registry text form: {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.
std::string NewGuidText();

bool FileExists(const std::string& path);

// Deletes a file; false when it could not be deleted (or did not exist).
bool RemoveFile(const std::string& path);

// Renames `from` to `to`, replacing `to` if it exists.
bool RenameReplacing(const std::string& from, const std::string& to);

// 64-bit positioning of a C stdio file (the plain long of fseek is 32 bits
// on Windows). FileLength leaves the position at the end.
bool SeekFile(std::FILE* file, uint64_t offset);
std::optional<uint64_t> FileLength(std::FILE* file);

// The path separator of the system: '\\' on Windows, '/' elsewhere.
char PathSeparator();

}  // namespace kestrova::os
