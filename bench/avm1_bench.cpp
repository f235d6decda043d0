// The interpreter's speed: `i = 0; s = 0; while (i < 1000000) { s = s + i;
// i++; } trace(s)` in the first frame of a movie, with variables by name
// (as Flash 5-8 compilers emit them) and, for comparison, in registers.
// Goal: under 0.5 s natively for the variable form. And a movie that makes
// objects every frame as particle screensavers do (`p = {x: i}` 200 times
// a frame, 1000 frames), with the heap collected as it grows and, for
// comparison, never collected.
#include <benchmark/benchmark.h>

#include <memory>

#include "movie/avm1/runtime.h"
#include "movie/swf/decoder.h"
#include "movie/swf/writer.h"
#include "tests/movie/action_code.h"

namespace {

using namespace kestrova;
using avm1::testing::Code;

constexpr double kIterations = 1e6;

// while (cond) body, with the If and Jump offsets worked out.
Code While(const Code& cond, const Code& body) {
  Code loop;
  loop.Append(cond).If(static_cast<int16_t>(body.Size() + 5)).Append(body);
  loop.Jump(static_cast<int16_t>(-(static_cast<int>(loop.Size()) + 5)));
  return loop;
}

Code ByName() {
  Code code;
  code.Str("i").Num(0).Op(0x1D).Str("s").Num(0).Op(0x1D);
  Code cond;
  cond.Str("i").Op(0x1C).Num(kIterations).Op(0x48).Op(0x12);  // !(i < n)
  Code body;
  body.Str("s").Str("s").Op(0x1C).Str("i").Op(0x1C).Op(0x47).Op(0x1D);  // s = s + i
  body.Str("i").Str("i").Op(0x1C).Op(0x50).Op(0x1D);                    // i = i + 1
  return code.Append(While(cond, body)).Str("s").Op(0x1C).Trace();
}

// The same with i in register 1 and s in register 2 (StoreRegister, Pop).
Code InRegisters() {
  auto reg = [](uint8_t r) { return std::vector<uint8_t>{4, r}; };
  Code code;
  code.Num(0).Record(0x87, {1}).Op(0x17).Num(0).Record(0x87, {2}).Op(0x17);
  Code cond;
  cond.Record(0x96, reg(1)).Num(kIterations).Op(0x48).Op(0x12);
  Code body;
  body.Record(0x96, reg(2)).Record(0x96, reg(1)).Op(0x47).Record(0x87, {2}).Op(0x17);
  body.Record(0x96, reg(1)).Op(0x50).Record(0x87, {1}).Op(0x17);
  return code.Append(While(cond, body)).Record(0x96, reg(2)).Trace();
}

void RunLoop(benchmark::State& state, const Code& code) {
  swf::SwfWriter swf(7, {{0}, {2000}, {0}, {2000}}, 12);
  swf.Tag(swf::tag::kDoAction, swf::DoActionBody(code.Bytes()));
  swf.ShowFrame();
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  std::string last;
  for (auto _ : state) {
    avm1::RuntimeOutput output{[&](const std::string& line) { last = line; }, nullptr};
    avm1::Runtime runtime(movie, output);
    benchmark::DoNotOptimize(last);
  }
  if (last != "499999500000") state.SkipWithError(("wrong sum " + last).c_str());
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kIterations));
}

// Two frames that loop: 200 objects a frame, each replacing the last.
std::shared_ptr<const swf::Movie> ParticleMovie() {
  Code frame;
  for (int i = 0; i < 200; ++i) frame.Str("p").Str("x").Num(i).Num(1).Op(0x43).Op(0x1D);
  swf::SwfWriter swf(7, {{0}, {2000}, {0}, {2000}}, 12);
  for (int f = 0; f < 2; ++f) {
    swf.Tag(swf::tag::kDoAction, swf::DoActionBody(frame.Bytes()));
    swf.ShowFrame();
  }
  return std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
}

void RunParticles(benchmark::State& state, avm1::Collection collection) {
  auto movie = ParticleMovie();
  constexpr int kFrames = 1000;
  size_t objects = 0, collections = 0;
  for (auto _ : state) {
    avm1::Runtime runtime(movie, {nullptr, nullptr}, collection);
    for (int f = 1; f < kFrames; ++f) runtime.Advance();
    objects = runtime.Machine().ObjectCount();
    collections = runtime.Machine().collections;
  }
  state.counters["objects"] = static_cast<double>(objects);
  state.counters["collections"] = static_cast<double>(collections);
  state.SetItemsProcessed(state.iterations() * kFrames);
}

void BM_ParticlesCollected(benchmark::State& state) {
  RunParticles(state, avm1::Collection::kWhenGrown);
}
void BM_ParticlesNeverCollected(benchmark::State& state) {
  RunParticles(state, avm1::Collection::kNever);
}
BENCHMARK(BM_ParticlesCollected)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParticlesNeverCollected)->Unit(benchmark::kMillisecond);

void BM_LoopByName(benchmark::State& state) { RunLoop(state, ByName()); }
void BM_LoopInRegisters(benchmark::State& state) { RunLoop(state, InRegisters()); }

BENCHMARK(BM_LoopByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoopInRegisters)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
