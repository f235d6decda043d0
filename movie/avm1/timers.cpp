// setInterval / clearInterval on the movie's clock: an interval is due
// at whole periods after it was set, checked once per frame.
#include <cmath>

#include "movie/avm1/builtins.h"
#include "movie/avm1/runtime.h"

namespace kestrova::avm1 {

namespace {

constexpr size_t kMaxIntervals = 1000;
constexpr int kMaxCatchUp = 10;  // firings of one interval per frame

}  // namespace

void Runtime::InstallTimers() {
  vm_.Method(vm_.global, "setInterval", [this](Vm&, const Value&, const Args& args) -> Value {
    int id = SetInterval(args);
    return id ? Value(static_cast<double>(id)) : Value();
  });
  vm_.Method(vm_.global, "clearInterval", [this](Vm& vm, const Value&, const Args& args) {
    ClearInterval(vm.ToNumber(Arg(args, 0)));
    return Value();
  });
}

int Runtime::SetInterval(const Args& args) {
  if (intervals_.size() >= kMaxIntervals) {
    vm_.WarnOnce(LimitWarning::kIntervals,
                 "more than " + std::to_string(kMaxIntervals) + " intervals; no more were set");
    return 0;
  }
  Interval interval;
  size_t rest;
  Object* first = Arg(args, 0).object();
  if (first && first->IsFunction()) {
    interval.function = args[0];
    rest = 1;
  } else {
    if (!first || args.size() < 3) return 0;
    interval.object = args[0];
    interval.method = vm_.ToString(args[1]);
    rest = 2;
  }
  double period = vm_.ToNumber(Arg(args, rest));
  if (!std::isfinite(period) || period < 1) period = 1;
  interval.period = period;
  interval.due = Milliseconds() + period;
  interval.args.assign(args.begin() + std::min(args.size(), rest + 1), args.end());
  interval.id = nextInterval_++;
  intervals_.push_back(std::move(interval));
  return intervals_.back().id;
}

void Runtime::ClearInterval(double id) {
  std::erase_if(intervals_, [id](const Interval& i) { return i.id == id; });
}

void Runtime::FireIntervals() {
  double now = Milliseconds();
  std::vector<int> ids;
  for (const Interval& i : intervals_) ids.push_back(i.id);
  for (int id : ids) {
    for (int n = 0; n < kMaxCatchUp; ++n) {
      auto it = std::find_if(intervals_.begin(), intervals_.end(),
                             [id](const Interval& i) { return i.id == id; });
      if (it == intervals_.end() || it->due > now) break;
      it->due += it->period;
      Interval copy = *it;
      try {
        if (copy.function.IsObject())
          vm_.Call(copy.function, Value(), copy.args);
        else
          vm_.CallMethod(copy.object, copy.method, copy.args);
      } catch (const ScriptThrow& t) {
        Warn("uncaught exception: " + vm_.ToString(t.value));
      } catch (const ScriptAbort&) {
      }
    }
  }
}

}  // namespace kestrova::avm1
