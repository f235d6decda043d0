// Date on the movie's own clock: `new Date()` is the milliseconds the movie
// has played, counted from 1 January 1970, so runs repeat. The player has no
// time zone: local time is universal time (getTimezoneOffset is 0).
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "movie/avm1/builtins.h"

namespace kestrova::avm1 {

namespace {

constexpr double kDayMs = 86400000;
// ECMAScript's range of times: 10^8 days either side of 1970.
constexpr double kMaxTime = 8.64e15;

// Days since 1970-01-01 of a proleptic Gregorian date (month 0-11, may overflow).
double DaysFromCivil(double year, double month, double day) {
  year += std::floor(month / 12);
  month = std::fmod(month, 12);
  if (month < 0) month += 12;
  double y = month < 2 ? year - 1 : year;
  double era = std::floor(y / 400);
  double yoe = y - era * 400;
  double mp = month < 2 ? month + 9 : month - 2;
  double doy = std::floor((153 * mp + 2) / 5);
  double doe = yoe * 365 + std::floor(yoe / 4) - std::floor(yoe / 100) + doy;
  return era * 146097 + doe - 719468 + (day - 1);
}

struct Civil {
  double year, month, day, weekday, hours, minutes, seconds, ms;
};

Civil ToCivil(double t) {
  double days = std::floor(t / kDayMs);
  double rest = t - days * kDayMs;
  double z = days + 719468;
  double era = std::floor(z / 146097);
  double doe = z - era * 146097;
  double yoe = std::floor(
      (doe - std::floor(doe / 1460) + std::floor(doe / 36524) - std::floor(doe / 146096)) / 365);
  double doy = doe - (365 * yoe + std::floor(yoe / 4) - std::floor(yoe / 100));
  double mp = std::floor((5 * doy + 2) / 153);
  Civil c{};
  c.day = doy - std::floor((153 * mp + 2) / 5) + 1;
  c.month = mp < 10 ? mp + 2 : mp - 10;
  c.year = yoe + era * 400 + (c.month < 2 ? 1 : 0);
  c.weekday = std::fmod(days + 4, 7);  // 1970-01-01 was a Thursday
  if (c.weekday < 0) c.weekday += 7;
  c.hours = std::floor(rest / 3600000);
  c.minutes = std::floor(std::fmod(rest, 3600000) / 60000);
  c.seconds = std::floor(std::fmod(rest, 60000) / 1000);
  c.ms = std::fmod(rest, 1000);
  return c;
}

double FromCivil(const Civil& c) {
  double t = DaysFromCivil(c.year, c.month, c.day) * kDayMs + c.hours * 3600000 +
             c.minutes * 60000 + c.seconds * 1000 + c.ms;
  return std::isfinite(t) && std::fabs(t) <= kMaxTime ? t : std::nan("");
}

Object* DateOf(const Value& self) {
  Object* d = self.object();
  return d && d->kind == Kind::Date ? d : nullptr;
}

double TimeOf(const Value& self) {
  Object* d = DateOf(self);
  return d ? d->primitive.number() : std::nan("");
}

// new Date(), new Date(ms), new Date(year, month [, day, hours, minutes, seconds, ms]).
double TimeFromArgs(Vm& vm, const Args& args) {
  if (args.empty()) return std::floor(vm.Host().Milliseconds());
  if (args.size() == 1) return vm.ToNumber(args[0]);
  std::array<double, 7> part = {0, 0, 1, 0, 0, 0, 0};
  for (size_t i = 0; i < args.size() && i < part.size(); ++i) part[i] = vm.ToNumber(args[i]);
  for (double p : part)
    if (!std::isfinite(p)) return std::nan("");
  double year = std::trunc(part[0]);
  if (year >= 0 && year <= 99) year += 1900;
  return FromCivil({year, std::trunc(part[1]), std::trunc(part[2]), 0, std::trunc(part[3]),
                    std::trunc(part[4]), std::trunc(part[5]), std::trunc(part[6])});
}

std::string Two(double n) {
  std::string s = std::to_string(static_cast<int>(n));
  return s.size() < 2 ? "0" + s : s;
}

// As Flash Player prints a date: "Thu Jan 1 00:00:00 GMT+0000 1970".
std::string DateText(double t) {
  if (std::isnan(t)) return "Invalid Date";
  static constexpr std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed",
                                                       "Thu", "Fri", "Sat"};
  static constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  Civil c = ToCivil(t);
  return std::string(kDays[static_cast<size_t>(c.weekday)]) + " " +
         kMonths[static_cast<size_t>(c.month)] + " " + std::to_string(static_cast<int>(c.day)) +
         " " + Two(c.hours) + ":" + Two(c.minutes) + ":" + Two(c.seconds) + " GMT+0000 " +
         std::to_string(static_cast<int64_t>(c.year));
}

using Field = double Civil::*;

void Getter(Vm& vm, const char* name, Field field) {
  NativeFn get = [field](Vm&, const Value& self, const Args&) -> Value {
    double t = TimeOf(self);
    return std::isnan(t) ? t : ToCivil(t).*field;
  };
  vm.Method(vm.dateProto, name, get);
  vm.Method(vm.dateProto, std::string("getUTC") + (name + 3), get);
}

// setHours(h [, m, s, ms]) and the like: the fields from `first` on.
void Setter(Vm& vm, const char* name, std::initializer_list<Field> fields) {
  std::vector<Field> order(fields);
  NativeFn set = [order](Vm& vm, const Value& self, const Args& args) -> Value {
    Object* d = DateOf(self);
    if (!d) return Value(std::nan(""));
    double t = d->primitive.number();
    Civil c = ToCivil(std::isnan(t) ? 0 : t);
    for (size_t i = 0; i < order.size() && i < args.size(); ++i)
      c.*order[i] = std::trunc(vm.ToNumber(args[i]));
    d->primitive = FromCivil(c);
    return d->primitive;
  };
  vm.Method(vm.dateProto, name, set);
  vm.Method(vm.dateProto, std::string("setUTC") + (name + 3), set);
}

}  // namespace

void InstallDate(Vm& vm) {
  vm.dateProto = vm.NewObject();
  auto make = [](Vm& vm, const Value&, const Args& args) -> Value {
    Object* d = vm.Make(Kind::Date, vm.dateProto);
    double t = TimeFromArgs(vm, args);
    d->primitive = std::isfinite(t) && std::fabs(t) <= kMaxTime ? std::trunc(t) : std::nan("");
    return d;
  };
  Object* ctor = DefineClass(vm, "Date", make, make, vm.dateProto);
  vm.Method(ctor, "UTC", [](Vm& vm, const Value&, const Args& args) -> Value {
    return TimeFromArgs(vm, args.size() < 2 ? Args{Arg(args, 0), Value(0)} : args);
  });
  auto time = [](Vm&, const Value& self, const Args&) -> Value { return TimeOf(self); };
  vm.Method(vm.dateProto, "getTime", time);
  vm.Method(vm.dateProto, "valueOf", time);
  vm.Method(vm.dateProto, "toString",
            [](Vm&, const Value& self, const Args&) -> Value { return DateText(TimeOf(self)); });
  vm.Method(vm.dateProto, "getTimezoneOffset", [](Vm&, const Value& self, const Args&) -> Value {
    return std::isnan(TimeOf(self)) ? std::nan("") : 0.0;
  });
  vm.Method(vm.dateProto, "getYear", [](Vm&, const Value& self, const Args&) -> Value {
    double t = TimeOf(self);
    return std::isnan(t) ? t : ToCivil(t).year - 1900;
  });
  Getter(vm, "getFullYear", &Civil::year);
  Getter(vm, "getMonth", &Civil::month);
  Getter(vm, "getDate", &Civil::day);
  Getter(vm, "getDay", &Civil::weekday);
  Getter(vm, "getHours", &Civil::hours);
  Getter(vm, "getMinutes", &Civil::minutes);
  Getter(vm, "getSeconds", &Civil::seconds);
  Getter(vm, "getMilliseconds", &Civil::ms);
  vm.Method(vm.dateProto, "setTime", [](Vm& vm, const Value& self, const Args& args) -> Value {
    Object* d = DateOf(self);
    if (!d) return Value(std::nan(""));
    double t = vm.ToNumber(Arg(args, 0));
    d->primitive = std::isfinite(t) && std::fabs(t) <= kMaxTime ? std::trunc(t) : std::nan("");
    return d->primitive;
  });
  Setter(vm, "setFullYear", {&Civil::year, &Civil::month, &Civil::day});
  Setter(vm, "setMonth", {&Civil::month, &Civil::day});
  Setter(vm, "setDate", {&Civil::day});
  Setter(vm, "setHours", {&Civil::hours, &Civil::minutes, &Civil::seconds, &Civil::ms});
  Setter(vm, "setMinutes", {&Civil::minutes, &Civil::seconds, &Civil::ms});
  Setter(vm, "setSeconds", {&Civil::seconds, &Civil::ms});
  Setter(vm, "setMilliseconds", {&Civil::ms});
}

}  // namespace kestrova::avm1
