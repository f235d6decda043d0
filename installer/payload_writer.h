// Writing the two trailers: what the packager does to a stub and to a
// screensaver. The reading side is TrailerReader.
#pragma once

#include <cstdint>
#include <string>

namespace kestrova {

// Writes stub + screensaver + length + 255-byte name field + option byte to
// `outPath`, atomically (temporary file, then rename). Raises Error.
void WriteInstaller(const std::string& stubPath, const std::string& screensaverPath,
                    const std::string& name, uint8_t option, const std::string& outPath);

// Writes screensaver + movie + length + one final byte to `outPath`,
// atomically. Raises Error.
void AttachMovie(const std::string& screensaverPath, const std::string& moviePath,
                 const std::string& outPath);

}  // namespace kestrova
