// The built-in pictures as the program finds them: bitmap resources by name.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

#include "tests/skin/picture_sizes.h"

namespace kestrova::skin {
namespace {

TEST(SkinPictureResources, EveryPictureIsABitmapOfItsSize) {
  for (const auto& e : testing::kExpectedPictures) {
    const std::unique_ptr<std::remove_pointer_t<HBITMAP>, decltype(&DeleteObject)> bitmap(
        static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), e.name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)),
        &DeleteObject);
    ASSERT_NE(bitmap, nullptr) << e.name;
    BITMAP info{};
    GetObjectA(bitmap.get(), sizeof info, &info);
    EXPECT_EQ(info.bmWidth, e.width) << e.name;
    EXPECT_EQ(info.bmHeight, e.height) << e.name;
    EXPECT_TRUE(info.bmBitsPixel == 8 || info.bmBitsPixel == 24) << e.name;
  }
}

}  // namespace
}  // namespace kestrova::skin
