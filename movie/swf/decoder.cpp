#include "movie/swf/decoder.h"

#include <vector>

#include "common/stdio_file.h"

#include "movie/swf/reader.h"
#include "movie/swf/swf_error.h"
#include "movie/swf/timeline_reader.h"
#include "movie/swf/zlib_stream.h"

namespace kestrova::swf {

namespace {

// Bytes of the movie after the 8-byte signature/version/length prefix,
// inflated for CWS (a truncated or damaged stream is an error).
std::vector<uint8_t> Body(std::span<const uint8_t> bytes, Header& header) {
  auto rest = bytes.subspan(8);
  if (!header.compressed) return {rest.begin(), rest.end()};
  return Inflate(rest, header.fileLength - 8);
}

}  // namespace

// Header: 3 bytes "FWS" / "CWS" / "ZWS", U8 version, U32 uncompressed file
// length; then (inflated for CWS) RECT stage, U16 frame rate 8.8, U16 frame
// count, and the tag stream.
Movie DecodeMovie(std::span<const uint8_t> bytes) {
  if (bytes.size() < 3) throw SwfError("truncated header");
  std::string signature(reinterpret_cast<const char*>(bytes.data()), 3);
  if (signature == "ZWS") throw SwfError("unsupported compression (LZMA)");
  if (signature != "FWS" && signature != "CWS") throw SwfError("not a SWF movie");
  if (bytes.size() < 8) throw SwfError("truncated header");

  Movie movie;
  Header& header = movie.header;
  Reader prefix(bytes.subspan(3, 5));
  header.version = prefix.U8();
  header.fileLength = prefix.U32();
  header.compressed = signature == "CWS";
  if (header.fileLength > kMaxMovieBytes) throw SwfError("movie too large");
  if (header.fileLength < 8) header.fileLength = 8;

  std::vector<uint8_t> body = Body(bytes, header);
  Reader in(body);
  try {
    header.stage = in.Rect();
    header.frameRate = in.U16() / 256.0f;
    header.frameCount = in.U16();
  } catch (const SwfError&) {
    throw SwfError("truncated header");
  }
  DecodeContext context{movie, {}};
  ReadTimeline(in, context, movie.root, true);
  return movie;
}

Movie LoadMovie(const std::string& path) {
  // A file larger than any movie we play is refused before it is read.
  std::vector<uint8_t> bytes;
  switch (ReadWholeFile(path, kMaxMovieBytes, bytes)) {
    case ReadFileResult::kOk:
      return DecodeMovie(bytes);
    case ReadFileResult::kCannotOpen:
      throw SwfError("cannot open the movie \"" + path + "\"");
    case ReadFileResult::kTooLarge:
      throw SwfError("movie too large");
    default:
      throw SwfError("cannot read the movie \"" + path + "\"");
  }
}

}  // namespace kestrova::swf
