// The screensaver payload appended to the installer stub, and the movie
// trailer at the end of the screensaver file.
//
// Installer file layout (positions counted back from the end; n is the
// length field, little-endian, counting itself):
//
//   end - (n + 256)   n - 4 bytes   the screensaver file
//   end - 260         4 bytes       n (int32)
//   end - 256         255 bytes     file name; every zero byte is skipped
//   end - 1           1 byte        option byte
//
// Screensaver file layout (m is the movie length field, counting itself):
//
//   end - (m + 1)     m - 4 bytes   the movie (SWF)
//   end - 5           4 bytes       m (int32)
//   end - 1           1 byte        not interpreted
//
// Neither trailer has a signature: both are found by their distance from the
// end alone. Lengths are checked against the file before any copy.
#pragma once

#include <cstdint>
#include <string>

namespace kestrova {

// Set once by ExtractScreensaver; read by the installation and the window.
// Paths and names are ANSI byte strings.
inline std::string ScrTempFile;
inline std::string SwfTempFile;
inline std::string ScreensaverFileName;
inline std::string OptionBits;
// True once ScrTempFile holds the whole screensaver: after a failed or
// partial extraction the installation must not copy what is there.
inline bool ScreensaverExtracted = false;

inline constexpr int kNameFieldSize = 255;
inline constexpr int kPayloadTrailerSize = 260;  // length + name + option byte
inline constexpr int kMovieTrailerSize = 5;      // length + final byte

// Fills the four strings, creates the two temporary files ("scr", "swf") and
// writes both, then sets ScreensaverExtracted. Raises Error on any failure
// but the movie's (ScreensaverExtracted then stays false); returns true.
bool ExtractScreensaver(const std::string& installerPath);

// Writes the movie carried by `screensaverPath` into `moviePath`. False on
// any failure, never raises.
bool ExtractMovie(const std::string& screensaverPath, const std::string& moviePath);

// The byte in binary, most significant digit first, padded to 7 digits.
std::string ByteToBitString(uint8_t b);

// The temporary directory without one trailing separator ('\\' or '/').
std::string TrimTrailingSeparator(std::string directory);

}  // namespace kestrova
