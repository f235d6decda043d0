// The product's inflater against zlib and libdeflate, decoding the same raw
// DEFLATE streams (zlib level 6) in one run, on two 8 MB corpora:
//   bmp   skin-like 24-bit BMP pictures: gradients, pinstripes, see-through
//         magenta corners, rounded buttons and a little noise;
//   text  the system's header files and copyright texts, in path order.
// Rates are of inflated bytes per second. The Zlib* pair reads the same data
// as zlib streams (header and Adler-32 checked), as the SWF reader does.
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <vector>

#include "common/bmp.h"
#include "common/inflater.h"
#include "common/zlib_stream.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr size_t kCorpusSize = 8u << 20;

kestrova::PixelBuffer SkinLikePicture(std::mt19937& random) {
  int width = 16 + static_cast<int>(random() % 384), height = 16 + static_cast<int>(random() % 200);
  kestrova::PixelBuffer picture(width, height);
  uint8_t base = static_cast<uint8_t>(random());
  int radius = static_cast<int>(random() % 12), noise = static_cast<int>(random() % 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int dx = std::max({radius - x, x - (width - 1 - radius), 0});
      int dy = std::max({radius - y, y - (height - 1 - radius), 0});
      if (dx * dx + dy * dy > radius * radius) {
        picture.At(x, y) = kestrova::MakePixel(255, 0, 255);
        continue;
      }
      int shade = base + y * 96 / height + ((y % 2) ? 12 : 0) + (noise ? int(random() % 4) : 0);
      uint8_t v = static_cast<uint8_t>(std::clamp(shade, 0, 255));
      picture.At(x, y) = kestrova::MakePixel(v, static_cast<uint8_t>(v / 2 + 64), 230);
    }
  }
  return picture;
}

Bytes BmpCorpus() {
  std::mt19937 random(7);
  Bytes corpus;
  while (corpus.size() < kCorpusSize) {
    Bytes file = kestrova::EncodeBmp24(SkinLikePicture(random).View());
    corpus.insert(corpus.end(), file.begin(), file.end());
  }
  corpus.resize(kCorpusSize);
  return corpus;
}

Bytes TextCorpus() {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  for (const char* root : {"/usr/share/doc", "/usr/include"})
    for (const auto& item :
         fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied))
      if (item.is_regular_file() &&
          (item.path().extension() == ".h" || item.path().filename() == "copyright"))
        files.push_back(item.path());
  std::sort(files.begin(), files.end());
  Bytes corpus;
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    corpus.insert(corpus.end(), std::istreambuf_iterator<char>(in),
                  std::istreambuf_iterator<char>());
    if (corpus.size() >= kCorpusSize) break;
  }
  if (corpus.size() < kCorpusSize) throw std::runtime_error("not enough text on this system");
  corpus.resize(kCorpusSize);
  return corpus;
}

Bytes Deflate(const Bytes& data) {
  z_stream z{};
  deflateInit2(&z, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  Bytes out(deflateBound(&z, uLong(data.size())));
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = uInt(data.size());
  z.next_out = out.data();
  z.avail_out = uInt(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

// The raw stream with the zlib header before it and the Adler-32 after it.
Bytes Wrap(const Bytes& plain, const Bytes& deflated) {
  Bytes out(2 + deflated.size());
  out[0] = 0x78;
  out[1] = 0x9C;
  std::copy(deflated.begin(), deflated.end(), out.begin() + 2);
  uLong adler = adler32(1, plain.data(), uInt(plain.size()));
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(adler >> shift));
  return out;
}

struct Corpus {
  Bytes plain, deflated, zlib;
  explicit Corpus(Bytes data)
      : plain(std::move(data)), deflated(Deflate(plain)), zlib(Wrap(plain, deflated)) {}
};

const Corpus& Get(int which) {
  static const Corpus bmp(BmpCorpus()), text(TextCorpus());
  return which == 0 ? bmp : text;
}

// Copies into a buffer allocated once, as the other two decoders write.
class BufferSink : public kestrova::ByteSink {
 public:
  explicit BufferSink(Bytes& out) : out_(out) {}
  void Write(const uint8_t* data, size_t size) override {
    if (size > out_.size() - used_) throw std::runtime_error("output overflow");
    std::memcpy(out_.data() + used_, data, size);
    used_ += size;
  }
  size_t used_ = 0;

 private:
  Bytes& out_;
};

void Check(benchmark::State& state, const Corpus& corpus, const Bytes& out, size_t size) {
  if (size != corpus.plain.size() || std::memcmp(out.data(), corpus.plain.data(), size) != 0)
    state.SkipWithError("wrong output");
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(corpus.plain.size()));
  state.counters["ratio"] = double(corpus.plain.size()) / double(corpus.deflated.size());
}

void Ours(benchmark::State& state) {
  const Corpus& corpus = Get(int(state.range(0)));
  Bytes out(corpus.plain.size());
  size_t size = 0;
  for (auto _ : state) {
    kestrova::MemorySource in(corpus.deflated.data(), corpus.deflated.size());
    BufferSink sink(out);
    kestrova::InflateRaw(in, sink);
    size = sink.used_;
  }
  Check(state, corpus, out, size);
}

void Zlib(benchmark::State& state) {
  const Corpus& corpus = Get(int(state.range(0)));
  Bytes out(corpus.plain.size());
  size_t size = 0;
  for (auto _ : state) {
    z_stream z{};
    inflateInit2(&z, -15);
    z.next_in = const_cast<Bytef*>(corpus.deflated.data());
    z.avail_in = uInt(corpus.deflated.size());
    z.next_out = out.data();
    z.avail_out = uInt(out.size());
    inflate(&z, Z_FINISH);
    size = z.total_out;
    inflateEnd(&z);
  }
  Check(state, corpus, out, size);
}

void Libdeflate(benchmark::State& state) {
  const Corpus& corpus = Get(int(state.range(0)));
  Bytes out(corpus.plain.size());
  size_t size = 0;
  libdeflate_decompressor* d = libdeflate_alloc_decompressor();
  for (auto _ : state)
    libdeflate_deflate_decompress(d, corpus.deflated.data(), corpus.deflated.size(), out.data(),
                                  out.size(), &size);
  libdeflate_free_decompressor(d);
  Check(state, corpus, out, size);
}

void OursZlibStream(benchmark::State& state) {
  const Corpus& corpus = Get(int(state.range(0)));
  Bytes out(corpus.plain.size());
  size_t size = 0;
  for (auto _ : state) {
    kestrova::MemorySource in(corpus.zlib.data(), corpus.zlib.size());
    BufferSink sink(out);
    kestrova::InflateZlib(in, sink);
    size = sink.used_;
  }
  Check(state, corpus, out, size);
}

void ZlibZlibStream(benchmark::State& state) {
  const Corpus& corpus = Get(int(state.range(0)));
  Bytes out(corpus.plain.size());
  uLongf size = 0;
  for (auto _ : state) {
    size = uLongf(out.size());
    if (uncompress(out.data(), &size, corpus.zlib.data(), uLong(corpus.zlib.size())) != Z_OK)
      state.SkipWithError("zlib refused the stream");
  }
  Check(state, corpus, out, size);
}

// Argument 0: the BMP corpus, 1: the text corpus.
BENCHMARK(Ours)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Zlib)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Libdeflate)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(OursZlibStream)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ZlibZlibStream)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
