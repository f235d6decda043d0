// "drawing": a scene a script draws with the MovieClip drawing API on its
// first frame (a gradient sky, a radial sun, hills of curves, a line
// star), the star turned a little each frame by its onEnterFrame.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "movie/swf/writer.h"
#include "tools/mkswf/sample_movies.h"

namespace kestrova::mkswf {

namespace {

using namespace swf;

// Byte code of method calls on named clips, argument by argument.
class Calls {
 public:
  Calls& Op(uint8_t op) {
    bytes_.push_back(op);
    return *this;
  }
  Calls& Push(uint8_t type, const std::vector<uint8_t>& data) {
    const size_t size = data.size() + 1;
    bytes_.insert(bytes_.end(), {0x96, uint8_t(size), uint8_t(size >> 8), type});
    bytes_.insert(bytes_.end(), data.begin(), data.end());
    return *this;
  }
  Calls& Str(const std::string& s) {
    std::vector<uint8_t> data(s.begin(), s.end());
    data.push_back(0);
    return Push(0, data);
  }
  Calls& Num(double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, 8);
    std::vector<uint8_t> data;
    for (int i : {4, 5, 6, 7, 0, 1, 2, 3}) data.push_back(static_cast<uint8_t>(bits >> (8 * i)));
    return Push(6, data);
  }
  Calls& Nums(const std::vector<double>& items) {  // an array of them
    for (auto it = items.rbegin(); it != items.rend(); ++it) Num(*it);
    return Num(double(items.size())).Op(0x42);
  }
  // clip.method(args): the arguments pushed last first, by `pushArgs`.
  template <typename F>
  Calls& Call(const std::string& clip, const char* method, int count, F&& pushArgs) {
    pushArgs(*this);
    Num(count).Str(clip).Op(0x1C).Str(method).Op(0x52).Op(0x17);
    return *this;
  }
  Calls& Call(const std::string& clip, const char* method, std::vector<double> args) {
    return Call(clip, method, int(args.size()), [&](Calls& c) {
      for (auto it = args.rbegin(); it != args.rend(); ++it) c.Num(*it);
    });
  }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

void Circle(Calls& s, const std::string& clip, double x, double y, double r) {
  const double pi = std::acos(-1.0), reach = r / std::cos(pi / 8);
  s.Call(clip, "moveTo", {x + r, y});
  for (int i = 1; i <= 8; ++i) {
    const double mid = (i - 0.5) * pi / 4, end = i * pi / 4;
    s.Call(clip, "curveTo",
           {x + reach * std::cos(mid), y + reach * std::sin(mid), x + r * std::cos(end),
            y + r * std::sin(end)});
  }
}

void Gradient(Calls& s, const std::string& clip, const char* type, std::vector<double> colours,
              double x, double y, double w, double h) {
  s.Call(clip, "beginGradientFill", 5, [&](Calls& c) {
    c.Str("matrixType").Str("box").Str("x").Num(x).Str("y").Num(y);
    c.Str("w").Num(w).Str("h").Num(h).Str("r").Num(std::acos(-1.0) / 2).Num(6).Op(0x43);
    c.Nums({0, 255}).Nums({100, 100}).Nums(colours).Str(type);
  });
}

Calls FirstFrame() {
  Calls s;
  for (const auto& clip : {std::pair{"scene", 1}, {"star", 2}})
    s.Call("_root", "createEmptyMovieClip", 2,
           [&](Calls& c) { c.Num(clip.second).Str(clip.first); });
  Gradient(s, "scene", "linear", {0x102858, 0x90C8FF}, 0, 0, kStageWidth, kStageHeight);
  s.Call("scene", "moveTo", {0, 0}).Call("scene", "lineTo", {kStageWidth, 0});
  s.Call("scene", "lineTo", {kStageWidth, kStageHeight}).Call("scene", "lineTo", {0, kStageHeight});
  Gradient(s, "scene", "radial", {0xFFF8C0, 0xFF9020}, 270, 20, 60, 60);
  Circle(s, "scene", 300, 50, 30);
  s.Call("scene", "beginFill", {0x286838, 100});
  s.Call("scene", "moveTo", {0, kStageHeight}).Call("scene", "lineTo", {0, 120});
  s.Call("scene", "curveTo", {100, 80, 200, 130}).Call("scene", "curveTo", {300, 180, 393, 110});
  s.Call("scene", "lineTo", {kStageWidth, kStageHeight}).Call("scene", "endFill", {});
  s.Call("star", "lineStyle", {3, 0xFFFFFF, 80});
  const double pi = std::acos(-1.0);
  for (int i = 0; i <= 5; ++i)  // a five-pointed star in one stroke
    s.Call("star", i ? "lineTo" : "moveTo",
           {30 * std::sin(i * 4 * pi / 5), -30 * std::cos(i * 4 * pi / 5)});
  s.Str("star").Op(0x1C).Str("_x").Num(90).Op(0x4F);
  s.Str("star").Op(0x1C).Str("_y").Num(60).Op(0x4F);
  // star.onEnterFrame = function () { this._rotation += 4; }
  Calls turn;
  turn.Str("this").Op(0x1C).Str("_rotation").Str("this").Op(0x1C).Str("_rotation").Op(0x4E);
  turn.Num(4).Op(0x47).Op(0x4F);
  const size_t size = turn.Bytes().size();
  s.Str("star").Op(0x1C).Str("onEnterFrame");
  std::vector<uint8_t> function = {0x9B, 5, 0, 0, 0, 0, uint8_t(size), uint8_t(size >> 8)};
  for (uint8_t b : function) s.Op(b);
  for (uint8_t b : turn.Bytes()) s.Op(b);
  return s.Op(0x4F);
}

}  // namespace

std::vector<uint8_t> DrawingMovie(bool compress) {
  SwfWriter swf(6, {{0}, Twips::FromPixels(kStageWidth), {0}, Twips::FromPixels(kStageHeight)}, 24);
  swf.Tag(tag::kDoAction, DoActionBody(FirstFrame().Bytes()));
  swf.ShowFrame();
  return swf.Finish(compress);
}

}  // namespace kestrova::mkswf
