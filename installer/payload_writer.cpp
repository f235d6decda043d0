#include "installer/payload_writer.h"

#include <fstream>
#include <limits>
#include <vector>

#include "common/atomic_file.h"
#include "common/error.h"
#include "common/os_services.h"
#include "installer/file_name.h"
#include "installer/payload.h"

namespace kestrova {

namespace {

// Appends a whole file to `out` in bounded chunks and returns its size.
uint64_t Append(AtomicFile& out, const std::string& inputPath) {
  std::ifstream in(inputPath, std::ios::binary);
  if (!in) throw Error("cannot open \"" + inputPath + "\"");
  std::vector<char> chunk(1 << 20);
  uint64_t total = 0;
  while (in) {
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    auto got = static_cast<size_t>(in.gcount());
    out.Write(chunk.data(), got);
    total += got;
  }
  if (in.bad()) throw Error("read error in \"" + inputPath + "\"");
  return total;
}

// A trailer's little-endian length field.
void WriteInt32(AtomicFile& out, uint64_t value, const std::string& what) {
  if (value > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
    throw Error(what + " is too large for the trailer's length field");
  char b[4] = {static_cast<char>(value), static_cast<char>(value >> 8),
               static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
  out.Write(b, 4);
}

void RequireFile(const std::string& path, const std::string& role) {
  if (!os::FileExists(path)) throw Error(role + " \"" + path + "\" does not exist");
}

}  // namespace

void WriteInstaller(const std::string& stubPath, const std::string& screensaverPath,
                    const std::string& name, uint8_t option, const std::string& outPath) {
  RequireFile(stubPath, "the stub");
  RequireFile(screensaverPath, "the screensaver");
  if (name.size() > kNameFieldSize)
    throw Error("the name \"" + name + "\" is longer than 255 bytes");
  if (!IsPlainFileName(name)) throw Error("\"" + name + "\" is not a plain file name");

  AtomicFile out(outPath);
  Append(out, stubPath);
  uint64_t screensaverSize = Append(out, screensaverPath);
  WriteInt32(out, screensaverSize + 4, "the screensaver");
  char field[kNameFieldSize] = {};
  name.copy(field, name.size());
  out.Write(field, sizeof field);
  char optionByte = static_cast<char>(option);
  out.Write(&optionByte, 1);
  out.Commit();
}

void AttachMovie(const std::string& screensaverPath, const std::string& moviePath,
                 const std::string& outPath) {
  RequireFile(screensaverPath, "the screensaver");
  RequireFile(moviePath, "the movie");
  AtomicFile out(outPath);
  Append(out, screensaverPath);
  uint64_t movieSize = Append(out, moviePath);
  WriteInt32(out, movieSize + 4, "the movie");
  char finalByte = 0;
  out.Write(&finalByte, 1);
  out.Commit();
}

}  // namespace kestrova
