// The keys of skin files and the four index kinds the file-theme look-ups
// take (portable data). The key table is one constant array, so it exists
// once for the whole program; each index kind is a contiguous run of it and
// an index is the position within its run.
#pragma once

#include <array>
#include <string_view>

namespace kestrova::skin {

enum class TsuiFileThemeColor : int {};   // 0..31
enum class TsuiFileThemeBitmap : int {};  // 0..33
enum class TsuiFileThemeInt : int {};     // 0..8
enum class TsuiFileThemeBool : int {};    // 0..8

constexpr int kSkinKeyCount = 84;

struct SkinKeyRun {
  int start;
  int count;
};
constexpr SkinKeyRun kColorKeys{0, 32};
constexpr SkinKeyRun kBitmapKeys{32, 34};
constexpr SkinKeyRun kIntKeys{66, 9};
constexpr SkinKeyRun kBoolKeys{75, 9};

extern const std::array<std::string_view, kSkinKeyCount> SkinKeyNames;

// The key of an index; empty for an index outside its run.
std::string_view SkinKeyName(TsuiFileThemeColor index);
std::string_view SkinKeyName(TsuiFileThemeBitmap index);
std::string_view SkinKeyName(TsuiFileThemeInt index);
std::string_view SkinKeyName(TsuiFileThemeBool index);

}  // namespace kestrova::skin
