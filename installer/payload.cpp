#include "installer/payload.h"

#include "common/error.h"
#include "common/os_services.h"
#include "installer/trailer_reader.h"

namespace kestrova {

std::string ByteToBitString(uint8_t b) {
  std::string s;
  unsigned rest = b;
  do {
    s.insert(s.begin(), static_cast<char>('0' + (rest & 1)));
    rest >>= 1;
  } while (rest >= 2);
  s.insert(s.begin(), static_cast<char>('0' + rest));
  while (s.size() < 7) s.insert(s.begin(), '0');
  return s;
}

std::string TrimTrailingSeparator(std::string directory) {
  if (!directory.empty() && (directory.back() == '\\' || directory.back() == '/'))
    directory.pop_back();
  return directory;
}

bool ExtractScreensaver(const std::string& installerPath) {
  ScreensaverExtracted = false;
  std::string tempDirectory = TrimTrailingSeparator(os::TempDirectory());
  ScrTempFile = os::CreateUniqueTempFile(tempDirectory, "scr");
  SwfTempFile = os::CreateUniqueTempFile(tempDirectory, "swf");

  TrailerReader installer(installerPath);
  OptionBits = ByteToBitString(installer.OptionByte());
  ScreensaverFileName.clear();
  ScreensaverFileName = installer.FileName();
  installer.CopyTo(installer.ScreensaverSpan(), ScrTempFile);
  ScreensaverExtracted = true;

  ExtractMovie(ScrTempFile, SwfTempFile);
  return true;
}

bool ExtractMovie(const std::string& screensaverPath, const std::string& moviePath) {
  try {
    TrailerReader screensaver(screensaverPath);
    screensaver.CopyTo(screensaver.MovieSpan(), moviePath);
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace kestrova
