// Array: elements are properties named by index, with a `length`.
#include <algorithm>
#include <cmath>

#include "movie/avm1/builtins.h"
#include "movie/avm1/operators.h"

namespace kestrova::avm1 {

namespace {

constexpr double kMaxLength = 1 << 22;

std::vector<Value> Items(Vm& vm, Object* a) {
  std::vector<Value> out;
  if (!a) return out;
  double n = vm.ToNumber(vm.GetOf(a, "length", a));
  if (!(n > 0)) return out;
  n = std::min(n, kMaxLength);
  out.reserve(static_cast<size_t>(n));
  for (size_t i = 0; i < n; ++i) out.push_back(vm.GetOf(a, std::to_string(i), a));
  return out;
}

void SetItems(Vm& vm, Object* a, const std::vector<Value>& items) {
  vm.SetOf(a, "length", 0.0);
  for (size_t i = 0; i < items.size(); ++i) vm.SetOf(a, std::to_string(i), items[i]);
  vm.SetOf(a, "length", static_cast<double>(items.size()));
}

std::string Join(Vm& vm, Object* a, const std::string& separator) {
  std::string out;
  std::vector<Value> items = Items(vm, a);
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) out += separator;
    if (!items[i].IsUndefined())
      out += vm.ToString(items[i]);
    else if (vm.Version() >= 7)
      out += "undefined";
  }
  return out;
}

// Array.sort flags.
enum SortFlag {
  kCaseInsensitive = 1,
  kDescending = 2,
  kUniqueSort = 4,
  kReturnIndexedArray = 8,
  kNumeric = 16
};

int CompareDefault(Vm& vm, const Value& x, const Value& y, int flags) {
  if (flags & kNumeric) {
    double a = vm.ToNumber(x), b = vm.ToNumber(y);
    if (x.IsNumber() && y.IsNumber()) return a < b ? -1 : a > b ? 1 : 0;
  }
  std::string a = vm.ToString(x), b = vm.ToString(y);
  if (flags & kCaseInsensitive) {
    a = LowerCase(a);
    b = LowerCase(b);
  }
  return a < b ? -1 : a > b ? 1 : 0;
}

// Arrays longer than this sort in n log n: the original player's quicksort
// takes n^2 comparisons on sorted items.
constexpr size_t kQuickSortLimit = 10000;

// The original player's quicksort, whose order of comparisons a comparator
// can see: the first item of a range is the pivot and the comparator's
// first argument; items not above it go right. Ranges are kept on a list,
// the left one first, so no input nests deep.
void PlayerQuickSort(std::vector<size_t>& order, const std::function<int(size_t, size_t)>& cmp) {
  std::vector<std::pair<size_t, size_t>> ranges;
  if (order.size() > 1) ranges.emplace_back(0, order.size() - 1);
  while (!ranges.empty()) {
    auto [lo, hi] = ranges.back();
    ranges.pop_back();
    size_t pivot = order[lo], i = lo + 1, j = hi;
    for (;;) {
      while (i < j && cmp(pivot, order[i]) > 0) ++i;
      while (j > lo && cmp(pivot, order[j]) <= 0) --j;
      if (i >= j) break;
      std::swap(order[i], order[j]);
    }
    std::swap(order[lo], order[j]);
    if (j + 1 < hi) ranges.emplace_back(j + 1, hi);
    if (j > lo + 1) ranges.emplace_back(lo, j - 1);
  }
}

Value Sort(Vm& vm, Object* a, std::function<int(const Value&, const Value&)> compare, int flags) {
  std::vector<Value> items = Items(vm, a);
  std::vector<size_t> order(items.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  bool equalFound = false;
  auto cmp = [&](size_t i, size_t j) {
    int c = compare(items[i], items[j]);
    if (c == 0) equalFound = true;
    return (flags & kDescending) ? -c : c;
  };
  if (order.size() <= kQuickSortLimit)
    PlayerQuickSort(order, cmp);
  else
    std::stable_sort(order.begin(), order.end(), [&](size_t i, size_t j) { return cmp(i, j) < 0; });
  if ((flags & kUniqueSort) && equalFound) return 0.0;
  if (flags & kReturnIndexedArray) {
    std::vector<Value> indexes;
    for (size_t i : order) indexes.push_back(static_cast<double>(i));
    return vm.NewArray(indexes);
  }
  std::vector<Value> sorted;
  for (size_t i : order) sorted.push_back(items[i]);
  SetItems(vm, a, sorted);
  return a;
}

Value SortMethod(Vm& vm, const Value& self, const Args& args) {
  Object* a = self.object();
  if (!a) return Value();
  Object* fn = Arg(args, 0).object();
  int flags = 0;
  if (fn && fn->IsFunction()) {
    flags = vm.ToInt32(Arg(args, 1));
    return Sort(
        vm, a,
        [&](const Value& x, const Value& y) {
          double r = vm.ToNumber(vm.Call(fn, Value(), {x, y}));
          return r < 0 ? -1 : r > 0 ? 1 : 0;
        },
        flags);
  }
  flags = vm.ToInt32(Arg(args, 0));
  return Sort(
      vm, a, [&](const Value& x, const Value& y) { return CompareDefault(vm, x, y, flags); },
      flags);
}

Value SortOn(Vm& vm, const Value& self, const Args& args) {
  Object* a = self.object();
  if (!a) return Value();
  std::vector<std::string> fields;
  std::vector<int> fieldFlags;
  if (Object* list = Arg(args, 0).object()) {
    for (const Value& v : Items(vm, list)) fields.push_back(vm.ToString(v));
  } else {
    fields.push_back(vm.ToString(Arg(args, 0)));
  }
  int flags = 0;
  if (Object* list = Arg(args, 1).object()) {
    for (const Value& v : Items(vm, list)) fieldFlags.push_back(vm.ToInt32(v));
  } else {
    flags = vm.ToInt32(Arg(args, 1));
  }
  return Sort(
      vm, a,
      [&](const Value& x, const Value& y) {
        for (size_t i = 0; i < fields.size(); ++i) {
          int f = i < fieldFlags.size() ? fieldFlags[i] : flags;
          int c = CompareDefault(vm, vm.Get(x, fields[i]), vm.Get(y, fields[i]), f);
          if (i < fieldFlags.size() && (f & kDescending)) c = -c;
          if (c) return c;
        }
        return 0;
      },
      fieldFlags.empty() ? flags : 0);
}

Value Splice(Vm& vm, const Value& self, const Args& args) {
  Object* a = self.object();
  if (!a || args.empty()) return Value();
  std::vector<Value> items = Items(vm, a);
  double n = static_cast<double>(items.size());
  double start = vm.ToInteger(args[0]);
  if (start < 0) start = std::max(0.0, n + start);
  start = std::min(start, n);
  double count = args.size() > 1 ? std::clamp(vm.ToInteger(args[1]), 0.0, n - start) : n - start;
  auto first = items.begin() + static_cast<long>(start);
  std::vector<Value> removed(first, first + static_cast<long>(count));
  items.erase(first, first + static_cast<long>(count));
  items.insert(items.begin() + static_cast<long>(start),
               args.begin() + std::min<size_t>(2, args.size()), args.end());
  SetItems(vm, a, items);
  return vm.NewArray(removed);
}

Value Slice(Vm& vm, const Value& self, const Args& args) {
  std::vector<Value> items = Items(vm, self.object());
  double n = static_cast<double>(items.size());
  auto clampIndex = [&](double i) { return i < 0 ? std::max(0.0, n + i) : std::min(i, n); };
  double start = args.size() > 0 ? clampIndex(vm.ToInteger(args[0])) : 0;
  double end = args.size() > 1 && !args[1].IsUndefined() ? clampIndex(vm.ToInteger(args[1])) : n;
  std::vector<Value> out;
  for (double i = start; i < end; ++i) out.push_back(items[static_cast<size_t>(i)]);
  return vm.NewArray(out);
}

void InstallArrayMethods(Vm& vm, Object* proto) {
  vm.Method(proto, "push", [](Vm& vm, const Value& self, const Args& args) {
    Object* a = self.object();
    if (!a) return Value();
    double n = vm.ToNumber(vm.GetOf(a, "length", a));
    if (std::isnan(n)) n = 0;
    for (const Value& v : args) vm.SetOf(a, vm.NumberText(n++), v);
    vm.SetOf(a, "length", n);
    return Value(n);
  });
  vm.Method(proto, "pop", [](Vm& vm, const Value& self, const Args&) {
    std::vector<Value> items = Items(vm, self.object());
    if (items.empty()) return Value();
    Value last = items.back();
    items.pop_back();
    SetItems(vm, self.object(), items);
    return last;
  });
  vm.Method(proto, "shift", [](Vm& vm, const Value& self, const Args&) {
    std::vector<Value> items = Items(vm, self.object());
    if (items.empty()) return Value();
    Value first = items.front();
    items.erase(items.begin());
    SetItems(vm, self.object(), items);
    return first;
  });
  vm.Method(proto, "unshift", [](Vm& vm, const Value& self, const Args& args) {
    std::vector<Value> items = Items(vm, self.object());
    if (!self.object()) return Value();
    items.insert(items.begin(), args.begin(), args.end());
    SetItems(vm, self.object(), items);
    return Value(static_cast<double>(items.size()));
  });
  vm.Method(proto, "join", [](Vm& vm, const Value& self, const Args& args) {
    std::string sep = args.empty() || args[0].IsUndefined() ? "," : vm.ToString(args[0]);
    return Value(Join(vm, self.object(), sep));
  });
  vm.Method(proto, "toString", [](Vm& vm, const Value& self, const Args&) {
    return Value(Join(vm, self.object(), ","));
  });
  vm.Method(proto, "reverse", [](Vm& vm, const Value& self, const Args&) {
    std::vector<Value> items = Items(vm, self.object());
    std::reverse(items.begin(), items.end());
    if (self.object()) SetItems(vm, self.object(), items);
    return self;
  });
  vm.Method(proto, "concat", [](Vm& vm, const Value& self, const Args& args) {
    std::vector<Value> items = Items(vm, self.object());
    for (const Value& v : args) {
      Object* o = v.object();
      if (o && o->kind == Kind::Array) {
        for (const Value& e : Items(vm, o)) items.push_back(e);
      } else {
        items.push_back(v);
      }
    }
    return Value(vm.NewArray(items));
  });
  vm.Method(proto, "slice", Slice);
  vm.Method(proto, "splice", Splice);
  vm.Method(proto, "sort", SortMethod);
  vm.Method(proto, "sortOn", SortOn);
}

Value MakeArray(Vm& vm, const Value&, const Args& args) {
  if (args.size() == 1 && args[0].IsNumber()) {
    Object* a = vm.NewArray();
    double n = args[0].number();
    if (n >= 0 && n <= kMaxLength) vm.SetOf(a, "length", std::floor(n));
    return a;
  }
  return vm.NewArray(args);
}

}  // namespace

void InstallArray(Vm& vm) {
  vm.arrayProto = vm.NewObject();
  InstallArrayMethods(vm, vm.arrayProto);
  vm.arrayCtor = DefineClass(vm, "Array", MakeArray, MakeArray, vm.arrayProto);
  vm.arrayCtor->Define("CASEINSENSITIVE", 1.0, kDontEnum | kDontDelete | kReadOnly);
  vm.arrayCtor->Define("DESCENDING", 2.0, kDontEnum | kDontDelete | kReadOnly);
  vm.arrayCtor->Define("UNIQUESORT", 4.0, kDontEnum | kDontDelete | kReadOnly);
  vm.arrayCtor->Define("RETURNINDEXEDARRAY", 8.0, kDontEnum | kDontDelete | kReadOnly);
  vm.arrayCtor->Define("NUMERIC", 16.0, kDontEnum | kDontDelete | kReadOnly);
}

}  // namespace kestrova::avm1
