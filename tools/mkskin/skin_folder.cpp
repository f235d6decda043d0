#include "tools/mkskin/skin_folder.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/bmp.h"
#include "common/error.h"

namespace kestrova {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool IsBmp(const fs::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  });
  return extension == ".bmp";
}

std::vector<SkinDataEntry> ReadPictures(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const fs::directory_entry& item : fs::directory_iterator(folder))
    if (item.is_regular_file() && IsBmp(item.path())) files.push_back(item.path());
  std::sort(files.begin(), files.end());
  std::vector<SkinDataEntry> entries;
  for (const fs::path& file : files) {
    std::vector<uint8_t> bytes = ReadBytes(file);
    try {
      DecodeBmp(bytes);
    } catch (const Error& e) {
      throw Error(file.string() + ": " + e.what());
    }
    entries.push_back(PictureEntry(file.stem().string(), std::move(bytes)));
  }
  return entries;
}

long ParseNumber(const std::string& text, long low, long high, const std::string& where) {
  long value = 0;
  const char* begin = text.data() + (text.starts_with('+') ? 1 : 0);
  auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
      value > high)
    throw Error(where + ": \"" + text + "\" is not a number from " + std::to_string(low) + " to " +
                std::to_string(high));
  return value;
}

}  // namespace

SkinDataEntry ParseValueLine(const std::string& line, const std::string& where) {
  size_t space = line.find(' ');
  size_t equals = line.find('=');
  if (space == std::string::npos || equals == std::string::npos || equals < space)
    throw Error(where + ": expected \"integer|flag|text NAME=VALUE\"");
  std::string kind = line.substr(0, space);
  std::string name = line.substr(space + 1, equals - space - 1);
  std::string value = line.substr(equals + 1);
  if (name.empty() || name.size() > kSkinNameSize)
    throw Error(where + ": the name must have 1 to 64 characters");
  if (kind == "integer")
    return IntegerEntry(name,
                        static_cast<int32_t>(ParseNumber(value, INT32_MIN, INT32_MAX, where)));
  if (kind == "flag")
    return FlagEntry(name, static_cast<uint8_t>(ParseNumber(value, 0, 255, where)));
  if (kind == "text") return TextEntry(name, value);
  throw Error(where + ": unknown kind \"" + kind + "\"");
}

std::vector<SkinDataEntry> ReadSkinFolder(const std::string& folder) {
  if (!fs::is_directory(folder)) throw Error("not a folder: " + folder);
  std::vector<SkinDataEntry> entries = ReadPictures(folder);
  fs::path values = fs::path(folder) / kSkinValuesFile;
  if (!fs::exists(values)) return entries;
  std::ifstream in(values);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    entries.push_back(ParseValueLine(line, values.string() + ":" + std::to_string(number)));
  }
  return entries;
}

}  // namespace kestrova
