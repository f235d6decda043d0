// Where the system keeps its programs and its profile files, as the running
// program should name them.
#pragma once

#include <string>

namespace kestrova {

// A directory as a Win32 call reported it in a buffer of `size` characters:
// the text up to the first zero, without one trailing "\".
std::string DirectoryFromBuffer(const char* buffer, size_t size);

// GetSystemDirectoryA (buffer of 255), trimmed as above. Raises Error.
std::string SystemDirectory();

// GetWindowsDirectoryA, trimmed as above: where system.ini lives. Raises Error.
std::string WindowsDirectory();

// True when this 32-bit process runs under WOW64 on a 64-bit system.
bool IsWow64();

// The directory a screensaver is installed into, by a name valid for every
// process on the machine: the system directory, or under WOW64 the 32-bit
// system directory (GetSystemWow64DirectoryA), which is where writes to the
// system directory are redirected and which 64-bit processes see by that
// name. Raises Error.
std::string ScreensaverDirectory();

}  // namespace kestrova
