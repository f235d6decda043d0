// Extraction of a 64 MB screensaver against a plain chunked copy of the same
// bytes, in one run. The ratio is extraction time / copy time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "installer/payload.h"
#include "installer/payload_writer.h"

namespace {

constexpr size_t kScreensaverSize = 64u << 20;

struct Fixture {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "kestrova-bench-payload";
  std::string installer = (dir / "setup.exe").string();
  std::string screensaver = (dir / "big.scr").string();
  Fixture() {
    std::filesystem::create_directories(dir);
    std::vector<char> bytes(kScreensaverSize);
    std::mt19937 random(1);
    for (auto& b : bytes) b = static_cast<char>(random());
    std::ofstream(screensaver, std::ios::binary).write(bytes.data(), bytes.size());
    std::string stub = (dir / "stub.exe").string();
    std::ofstream(stub, std::ios::binary) << "MZ stub";
    kestrova::WriteInstaller(stub, screensaver, "big.scr", 5, installer);
  }
  ~Fixture() { std::filesystem::remove_all(dir); }
};

Fixture& Files() {
  static Fixture fixture;
  return fixture;
}

void PlainCopy(const std::string& from, const std::string& to) {
  std::ifstream in(from, std::ios::binary);
  std::ofstream out(to, std::ios::binary | std::ios::trunc);
  std::vector<char> chunk(1 << 20);
  while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0)
    out.write(chunk.data(), in.gcount());
}

void BM_PlainCopy(benchmark::State& state) {
  auto& files = Files();
  std::string target = (files.dir / "copy.bin").string();
  for (auto _ : state) PlainCopy(files.screensaver, target);
  state.SetBytesProcessed(state.iterations() * kScreensaverSize);
}

void BM_ExtractScreensaver(benchmark::State& state) {
  auto& files = Files();
  setenv("TMPDIR", files.dir.c_str(), 1);
  for (auto _ : state) {
    kestrova::ExtractScreensaver(files.installer);
    state.PauseTiming();
    std::remove(kestrova::ScrTempFile.c_str());
    std::remove(kestrova::SwfTempFile.c_str());
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * kScreensaverSize);
}

BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ExtractScreensaver)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace

BENCHMARK_MAIN();
