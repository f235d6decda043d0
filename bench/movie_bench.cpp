// Time per frame of the movie player: one Advance and one Render, looping
// over the movie's frames, for the sample movies of kestrova-mkswf and
// every movie of the reference corpus, at 393x169 (the preview) and at
// 1920x1080. Corpus cases are named source/case.
#include <benchmark/benchmark.h>

#include <algorithm>

#include <filesystem>
#include <memory>
#include <string>

#include "common/error.h"
#include "movie/player/renderer.h"
#include "movie/swf/decoder.h"
#include "tools/mkswf/sample_movies.h"

namespace {

using namespace kestrova;

void RenderFrames(benchmark::State& state, std::shared_ptr<const swf::Movie> movie, int width,
                  int height) {
  movie::Player player(movie);
  movie::Renderer renderer(movie);
  PixelBuffer target(width, height);
  for (auto _ : state) {
    player.Advance();
    renderer.Render(player, target.View());
    benchmark::DoNotOptimize(target.View().pixels);
  }
  state.SetItemsProcessed(state.iterations());  // frames
}

void Register(const std::string& name, std::shared_ptr<const swf::Movie> movie) {
  for (auto [w, h] : {std::pair{393, 169}, std::pair{1920, 1080}}) {
    std::string label = name + "/" + std::to_string(w) + "x" + std::to_string(h);
    benchmark::RegisterBenchmark(label.c_str(), [movie, w, h](benchmark::State& s) {
      RenderFrames(s, movie, w, h);
    })->Unit(benchmark::kMillisecond);
  }
}

void RegisterAll() {
  for (const auto& kind : mkswf::MovieKinds())
    Register(std::string("mkswf/") + kind.name,
             std::make_shared<const swf::Movie>(swf::DecodeMovie(kind.build(true))));
  namespace fs = std::filesystem;
  if (!fs::exists(KESTROVA_SWF_CORPUS)) return;
  std::vector<fs::path> cases;
  for (const auto& source : fs::directory_iterator(KESTROVA_SWF_CORPUS))
    if (source.is_directory())
      for (const auto& c : fs::directory_iterator(source))
        if (fs::exists(c.path() / "movie.swf")) cases.push_back(c.path());
  std::sort(cases.begin(), cases.end());
  for (const fs::path& c : cases) {
    try {
      auto movie = std::make_shared<const swf::Movie>(swf::LoadMovie((c / "movie.swf").string()));
      Register(c.parent_path().filename().string() + "/" + c.filename().string(), movie);
    } catch (const Error&) {
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  RegisterAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
