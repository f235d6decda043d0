// The running program's own file and the name captions show for it.
//
//   std::string path = ProgramFileName();   // ANSI, however long
//   std::string title = ProgramTitle(path);  // "KestrovaSetup", as UTF-8
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace kestrova::framework {

// A call that fills a buffer as GetModuleFileNameA does: the length written,
// the buffer's size when the name did not fit (then cut, perhaps without its
// zero), 0 on failure.
using FileNameQuery = std::function<DWORD(char* buffer, DWORD size)>;

// The name `query` gives, asked again into a larger buffer while it does
// not fit (up to 32768 characters, the longest path Windows has). Raises
// Error when the query fails or the name never fits.
std::string ReadFileName(const FileNameQuery& query);

// The full path of the running program's file (ANSI code page). Raises Error.
std::string ProgramFileName();

// The file name of `programFile` without folder and extension, converted
// from the ANSI code page to UTF-8 for captions.
std::string ProgramTitle(const std::string& programFile);

}  // namespace kestrova::framework
