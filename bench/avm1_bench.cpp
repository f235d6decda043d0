// The interpreter's speed: `i = 0; s = 0; while (i < 1000000) { s = s + i;
// i++; } trace(s)` in the first frame of a movie, with variables by name
// (as Flash 5-8 compilers emit them) and, for comparison, in registers.
// Goal: under 0.5 s natively for the variable form.
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

void BM_LoopByName(benchmark::State& state) { RunLoop(state, ByName()); }
void BM_LoopInRegisters(benchmark::State& state) { RunLoop(state, InRegisters()); }

BENCHMARK(BM_LoopByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoopInRegisters)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
