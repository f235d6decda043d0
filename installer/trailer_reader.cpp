#include "installer/trailer_reader.h"

#include <memory>
#include <vector>

#include "common/error.h"
#include "installer/payload.h"

namespace kestrova {

namespace {
constexpr size_t kCopyChunk = 1 << 20;

uint32_t LittleEndian32(const unsigned char* b) {
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}
}  // namespace

TrailerReader::TrailerReader(const std::string& path) : path_(path), file_(path, "rb") {
  if (!file_.IsOpen()) throw Error("cannot open the file \"" + path + "\"");
  std::optional<uint64_t> length = file_.Length();
  if (!length) throw Error("read error in \"" + path_ + "\"");
  size_ = *length;
}

void TrailerReader::ReadBack(ByteSpan container, uint64_t back, char* buffer, size_t count) {
  if (back > container.size || count > back)
    throw Error("read error: \"" + path_ + "\" is too short (" + std::to_string(container.size) +
                " bytes) to hold the trailer");
  if (!file_.Seek(container.offset + container.size - back) || !file_.Read(buffer, count))
    throw Error("read error in \"" + path_ + "\"");
}

int32_t TrailerReader::ReadInt32Back(ByteSpan container, uint64_t back) {
  unsigned char bytes[4];
  ReadBack(container, back, reinterpret_cast<char*>(bytes), 4);
  return static_cast<int32_t>(LittleEndian32(bytes));
}

uint8_t TrailerReader::OptionByte() {
  char byte = 0;
  ReadAt(1, &byte, 1);
  return static_cast<uint8_t>(byte);
}

std::string TrailerReader::FileName() {
  char field[kNameFieldSize];
  ReadAt(256, field, sizeof field);
  std::string name;
  for (char c : field)
    if (c != '\0') name += c;
  return name;
}

int32_t TrailerReader::LengthField() { return ReadInt32Back(Whole(), kPayloadTrailerSize); }

ByteSpan TrailerReader::ScreensaverSpan() {
  int32_t n = LengthField();
  uint64_t start = static_cast<uint64_t>(n) + 256;
  if (n < 4 || start > size_)
    throw Error(
        "the installer carries no screensaver: its trailer is empty or damaged (length field " +
        std::to_string(n) + ", file of " + std::to_string(size_) + " bytes)");
  return {size_ - start, static_cast<uint64_t>(n) - 4};
}

ByteSpan TrailerReader::MovieSpan() { return MovieSpan(Whole()); }

ByteSpan TrailerReader::MovieSpan(ByteSpan container) {
  int32_t m = ReadInt32Back(container, kMovieTrailerSize);
  uint64_t start = static_cast<uint64_t>(m) + 1;
  if (m < 4 || start > container.size)
    throw Error("the screensaver carries no movie: its trailer is empty or damaged (length field " +
                std::to_string(m) + ", screensaver of " + std::to_string(container.size) +
                " bytes)");
  return {container.offset + container.size - start, static_cast<uint64_t>(m) - 4};
}

std::vector<uint8_t> TrailerReader::Read(ByteSpan span, uint64_t limit) {
  if (span.size > limit)
    throw Error("\"" + path_ + "\" holds " + std::to_string(span.size) + " bytes where at most " +
                std::to_string(limit) + " are expected");
  std::vector<uint8_t> bytes(static_cast<size_t>(span.size));
  if (!file_.Seek(span.offset) || !file_.Read(bytes.data(), bytes.size()))
    throw Error("read error in \"" + path_ + "\"");
  return bytes;
}

void TrailerReader::CopyTo(ByteSpan span, const std::string& targetPath) {
  StdioFile out(targetPath, "wb");
  if (!out.IsOpen()) throw Error("cannot write the file \"" + targetPath + "\"");
  if (!file_.Seek(span.offset)) throw Error("read error in \"" + path_ + "\"");
  std::vector<char> chunk(static_cast<size_t>(std::min<uint64_t>(span.size, kCopyChunk)));
  for (uint64_t left = span.size; left > 0;) {
    size_t count = static_cast<size_t>(std::min<uint64_t>(left, chunk.size()));
    if (!file_.Read(chunk.data(), count)) throw Error("read error in \"" + path_ + "\"");
    if (!out.Write(chunk.data(), count))
      throw Error("cannot write the file \"" + targetPath + "\"");
    left -= count;
  }
  if (!out.Close()) throw Error("cannot write the file \"" + targetPath + "\"");
}

}  // namespace kestrova
