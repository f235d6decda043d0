#include "installer/payload_writer.h"

#include <fstream>
#include <limits>
#include <vector>

#include "common/error.h"
#include "common/os_services.h"
#include "installer/payload.h"

namespace kestrova {

namespace {

// An output file written under a temporary name and renamed into place on
// Commit; destroyed uncommitted, it removes the partial file.
class AtomicOutput {
 public:
  explicit AtomicOutput(std::string path) : path_(std::move(path)), temp_(path_ + ".partial") {
    out_.open(temp_, std::ios::binary | std::ios::trunc);
    if (!out_) throw Error("cannot write \"" + path_ + "\"");
  }
  ~AtomicOutput() {
    if (!committed_) {
      out_.close();
      os::RemoveFile(temp_);
    }
  }
  AtomicOutput(const AtomicOutput&) = delete;
  AtomicOutput& operator=(const AtomicOutput&) = delete;

  void Write(const char* data, size_t size) {
    if (!out_.write(data, static_cast<std::streamsize>(size)))
      throw Error("cannot write \"" + path_ + "\"");
  }
  // Appends a whole file and returns its size.
  uint64_t Append(const std::string& inputPath) {
    std::ifstream in(inputPath, std::ios::binary);
    if (!in) throw Error("cannot open \"" + inputPath + "\"");
    std::vector<char> chunk(1 << 20);
    uint64_t total = 0;
    while (in) {
      in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
      auto got = static_cast<size_t>(in.gcount());
      Write(chunk.data(), got);
      total += got;
    }
    if (in.bad()) throw Error("read error in \"" + inputPath + "\"");
    return total;
  }
  void WriteInt32(uint64_t value, const std::string& what) {
    if (value > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
      throw Error(what + " is too large for the trailer's length field");
    char b[4] = {static_cast<char>(value), static_cast<char>(value >> 8),
                 static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
    Write(b, 4);
  }
  void Commit() {
    out_.close();
    if (!out_) throw Error("cannot write \"" + path_ + "\"");
    if (!os::RenameReplacing(temp_, path_)) throw Error("cannot replace \"" + path_ + "\"");
    committed_ = true;
  }

 private:
  std::string path_;
  std::string temp_;
  std::ofstream out_;
  bool committed_ = false;
};

void RequireFile(const std::string& path, const std::string& role) {
  if (!os::FileExists(path)) throw Error(role + " \"" + path + "\" does not exist");
}

}  // namespace

bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (unsigned char c : name)
    if (c < 0x20 || c == 0x7F || c == '\\' || c == '/' || c == ':') return false;
  return true;
}

void WriteInstaller(const std::string& stubPath, const std::string& screensaverPath,
                    const std::string& name, uint8_t option, const std::string& outPath) {
  RequireFile(stubPath, "the stub");
  RequireFile(screensaverPath, "the screensaver");
  if (name.size() > kNameFieldSize)
    throw Error("the name \"" + name + "\" is longer than 255 bytes");
  if (!IsPlainFileName(name)) throw Error("\"" + name + "\" is not a plain file name");

  AtomicOutput out(outPath);
  out.Append(stubPath);
  uint64_t screensaverSize = out.Append(screensaverPath);
  out.WriteInt32(screensaverSize + 4, "the screensaver");
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
  AtomicOutput out(outPath);
  out.Append(screensaverPath);
  uint64_t movieSize = out.Append(moviePath);
  out.WriteInt32(movieSize + 4, "the movie");
  char finalByte = 0;
  out.Write(&finalByte, 1);
  out.Commit();
}

}  // namespace kestrova
