#include "skin/filetheme/reader_skin.h"

#include <exception>

#include "framework/text.h"

namespace kestrova::skin {

using framework::TBitmap;

ReaderSkin::ReaderSkin(std::unique_ptr<Tsk2SkinFileReader> reader) : reader_(std::move(reader)) {
  for (const auto& [name, pixels] : reader_->Pictures())
    pictures_.emplace_back(name, std::make_unique<TBitmap>(pixels));
}

std::unique_ptr<ReaderSkin> ReaderSkin::Load(const std::string& fileName,
                                             const std::string& password) {
  std::unique_ptr<Tsk2SkinFileReader> reader;
  try {
    reader = std::make_unique<Tsk2SkinFileReader>(fileName, password);
    if (!reader->SkinLoaded()) return nullptr;
    return std::make_unique<ReaderSkin>(std::move(reader));
  } catch (const std::exception&) {
    // "Failed to read skin file!" and every other reading fault end quietly:
    // a theme that cannot load is simply not ready.
    return nullptr;
  }
}

const TBitmap* ReaderSkin::GetBitmap(std::string_view name) const {
  for (const auto& [key, bitmap] : pictures_)
    if (framework::SameText(key, name)) return bitmap.get();
  return nullptr;
}

int32_t ReaderSkin::GetInteger(std::string_view name) const { return reader_->GetInteger(name); }

bool ReaderSkin::GetBool(std::string_view name) const { return reader_->GetBool(name); }

}  // namespace kestrova::skin
