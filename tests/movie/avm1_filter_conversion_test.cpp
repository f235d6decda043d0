// Script filter objects to the player's filters: the units and flags the
// renderer reads (radians, box blur passes, straight ARGB colours, a
// bevel's placement as inner / on top), and values that are no filter.
#include <gtest/gtest.h>

#include <cmath>

#include "movie/avm1/builtins.h"
#include "movie/avm1/filter_conversion.h"
#include "movie/avm1/filter_objects.h"

namespace kestrova::avm1 {
namespace {

class QuietHost : public VmHost {
 public:
  void Trace(const std::string&) override {}
  void Warn(const std::string&) override {}
  void FsCommand(const std::string&, const std::string&) override {}
  double Milliseconds() const override { return 0; }
};

class FilterConversion : public ::testing::Test {
 protected:
  FilterConversion() { InstallFlashPackage(vm_); }
  Value Make(const char* name, const Args& args) {
    Value filters = vm_.Get(vm_.Get(Value(vm_.global), "flash"), "filters");
    return vm_.Construct(vm_.Get(filters, name), args);
  }
  Value Numbers(std::vector<double> items) {
    std::vector<Value> values(items.begin(), items.end());
    return vm_.NewArray(values);
  }
  QuietHost host_;
  Vm vm_{8, host_};
};

TEST_F(FilterConversion, ShadowsTakeRadiansPassesAndOneColour) {
  auto f = ToSwfFilter(vm_, Make("DropShadowFilter", {5.0, 90.0, double(0x112233), 0.5, 3.0, 2.0,
                                                      1.5, 3.0, true, false, true}));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->kind, swf::Filter::Kind::DropShadow);
  EXPECT_NEAR(f->angle, std::acos(-1.0) / 2, 1e-6);
  EXPECT_FLOAT_EQ(f->distance, 5);
  EXPECT_EQ(f->color, MakePixel(0x11, 0x22, 0x33, 128));
  EXPECT_FLOAT_EQ(f->blurX, 3);
  EXPECT_FLOAT_EQ(f->blurY, 2);
  EXPECT_FLOAT_EQ(f->strength, 1.5);
  EXPECT_EQ(f->passes, 3);
  EXPECT_TRUE(f->inner);
  EXPECT_FALSE(f->knockout);
  EXPECT_FALSE(f->compositeSource) << "hideObject draws the shadow alone";

  auto glow = ToSwfFilter(vm_, Make("GlowFilter", {}));
  ASSERT_TRUE(glow);
  EXPECT_EQ(glow->color, 0xFFFF0000u);
  EXPECT_FLOAT_EQ(glow->blurX, 6);
  EXPECT_EQ(glow->passes, 1);
  EXPECT_TRUE(glow->compositeSource);
  auto blur = ToSwfFilter(vm_, Make("BlurFilter", {8.0, 2.0, 0.0}));
  ASSERT_TRUE(blur);
  EXPECT_EQ(blur->kind, swf::Filter::Kind::Blur);
  EXPECT_EQ(blur->passes, 0);
}

TEST_F(FilterConversion, BevelTypesPlaceTheBevel) {
  struct Case {
    const char* type;
    bool inner, onTop;
  } cases[] = {{"inner", true, false}, {"outer", false, false}, {"full", false, true}};
  for (const Case& c : cases) {
    auto f =
        ToSwfFilter(vm_, Make("BevelFilter", {4.0, 45.0, double(0x00FF00), 0.25, double(0x0000FF),
                                              1.0, 4.0, 4.0, 1.0, 2.0, Value(c.type), true}));
    ASSERT_TRUE(f) << c.type;
    EXPECT_EQ(f->inner, c.inner) << c.type;
    EXPECT_EQ(f->onTop, c.onTop) << c.type;
    EXPECT_EQ(f->highlight, MakePixel(0, 0xFF, 0, 64)) << c.type;
    EXPECT_EQ(f->color, MakePixel(0, 0, 0xFF, 255)) << "the shadow colour";
    EXPECT_TRUE(f->knockout);
  }
}

// As many stops as the shortest of the three arrays.
TEST_F(FilterConversion, GradientFiltersTakeTheirStops) {
  auto f = ToSwfFilter(
      vm_, Make("GradientBevelFilter", {4.0, 0.0, Numbers({double(0xFF0000), double(0x0000FF), 0}),
                                        Numbers({1, 0.5}), Numbers({0, 255, 128})}));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->kind, swf::Filter::Kind::GradientBevel);
  ASSERT_EQ(f->gradient.size(), 2u);
  EXPECT_EQ(f->gradient[0].color, 0xFFFF0000u);
  EXPECT_EQ(f->gradient[1].color, MakePixel(0, 0, 0xFF, 128));
  EXPECT_EQ(f->gradient[1].ratio, 255);
  EXPECT_TRUE(f->inner) << "the default type";
}

TEST_F(FilterConversion, MatrixFiltersKeepTheirNumbers) {
  auto m = ToSwfFilter(vm_, Make("ColorMatrixFilter", {Numbers({0, 1, 0, 0, 10})}));
  ASSERT_TRUE(m);
  EXPECT_EQ(m->kind, swf::Filter::Kind::ColorMatrix);
  EXPECT_FLOAT_EQ(m->matrix[1], 1);
  EXPECT_FLOAT_EQ(m->matrix[4], 10);
  EXPECT_FLOAT_EQ(m->matrix[6], 0) << "missing entries are 0";
  auto c = ToSwfFilter(vm_, Make("ConvolutionFilter", {3.0, 1.0, Numbers({1, 2}), 4.0, 1.0, false,
                                                       false, double(0x102030), 1.0}));
  ASSERT_TRUE(c);
  EXPECT_EQ(c->columns, 3);
  EXPECT_EQ(c->rows, 1);
  EXPECT_EQ(c->kernel, (std::vector<float>{1, 2, 0})) << "a short kernel is filled with 0";
  EXPECT_FLOAT_EQ(c->divisor, 4);
  EXPECT_FALSE(c->preserveAlpha);
  EXPECT_FALSE(c->clamp);
  EXPECT_EQ(c->defaultColor, MakePixel(0x10, 0x20, 0x30, 255));
}

// A timeline's filters as script objects, and back: the same filters.
TEST_F(FilterConversion, TimelineFiltersMakeObjectsThatConvertBack) {
  swf::Filter bevel;
  bevel.kind = swf::Filter::Kind::Bevel;
  bevel.color = MakePixel(1, 2, 3, 51);
  bevel.highlight = MakePixel(0xF0, 0xE0, 0xD0, 255);
  bevel.angle = 1, bevel.distance = 3, bevel.blurX = 5, bevel.blurY = 6, bevel.strength = 2;
  bevel.passes = 2, bevel.onTop = true, bevel.knockout = true;
  swf::Filter ramp = bevel;
  ramp.kind = swf::Filter::Kind::GradientGlow;
  ramp.onTop = false, ramp.inner = true, ramp.color = swf::Filter{}.color;  // stops only
  ramp.gradient = {{0, MakePixel(9, 8, 7, 0)}, {200, MakePixel(1, 1, 1, 255)}};
  swf::Filter shadow;
  shadow.kind = swf::Filter::Kind::DropShadow;
  shadow.compositeSource = false;
  swf::Filter kernel;
  kernel.kind = swf::Filter::Kind::Convolution;
  kernel.columns = kernel.rows = 2;
  kernel.kernel = {1, -1, 0.5f, 2};
  kernel.divisor = 3, kernel.defaultColor = MakePixel(4, 5, 6, 255), kernel.preserveAlpha = true;
  for (const swf::Filter& f : {bevel, ramp, shadow, kernel}) {
    auto back = ToSwfFilter(vm_, ToFilterObject(vm_, f));
    ASSERT_TRUE(back) << int(f.kind);
    EXPECT_EQ(back->kind, f.kind);
    EXPECT_EQ(back->color, f.color) << int(f.kind);
    EXPECT_NEAR(back->angle, f.angle, 1e-6);
    EXPECT_FLOAT_EQ(back->blurY, f.blurY);
    EXPECT_EQ(back->passes, f.passes);
    EXPECT_EQ(back->inner, f.inner) << int(f.kind);
    EXPECT_EQ(back->onTop, f.onTop) << int(f.kind);
    EXPECT_EQ(back->knockout, f.knockout);
    EXPECT_EQ(back->compositeSource, f.compositeSource);
    ASSERT_EQ(back->gradient.size(), f.gradient.size());
    for (size_t i = 0; i < f.gradient.size(); ++i) {
      EXPECT_EQ(back->gradient[i].color, f.gradient[i].color);
      EXPECT_EQ(back->gradient[i].ratio, f.gradient[i].ratio);
    }
    EXPECT_EQ(back->kernel, f.kernel);
    EXPECT_EQ(back->defaultColor, f.defaultColor);
    EXPECT_FLOAT_EQ(back->divisor, f.divisor);
  }
  EXPECT_EQ(ToSwfFilter(vm_, ToFilterObject(vm_, bevel))->highlight, bevel.highlight);
}

TEST_F(FilterConversion, OtherValuesAreNoFilter) {
  EXPECT_FALSE(ToSwfFilter(vm_, Value()));
  EXPECT_FALSE(ToSwfFilter(vm_, 5.0));
  EXPECT_FALSE(ToSwfFilter(vm_, vm_.NewObject()));
  Object* wrapper = vm_.NewObject();  // as Color keeps its target
  wrapper->primitive = Value(vm_.NewObject());
  EXPECT_FALSE(ToSwfFilter(vm_, wrapper));
  EXPECT_FALSE(ToSwfFilter(vm_, Make("DisplacementMapFilter", {}))) << "not drawn";
}

}  // namespace
}  // namespace kestrova::avm1
