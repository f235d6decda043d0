// kestrova-gallery OUT.png: one sheet showing every built-in skin picture of
// every style, enlarged three times, each frame labelled, and per style a
// small window put together from its pictures. See-through (magenta) pixels
// show as a pale magenta checkerboard.
#include <algorithm>
#include <string>
#include <vector>

#include "common/error.h"
#include "common/png.h"
#include "skin/style_table.h"
#include "tools/cli/command_line.h"
#include "tools/gallery/preview.h"
#include "tools/gallery/tiny_font.h"
#include "tools/skinart/catalog.h"

namespace kestrova::gallery {
namespace {

constexpr int kScale = 3;
constexpr int kMargin = 24;
constexpr int kGap = 8;
constexpr int kSheetWidth = 1440;
const Pixel kPaper = MakePixel(0xFF, 0xFF, 0xFF);
const Pixel kInk = MakePixel(0x30, 0x30, 0x38);
const Pixel kSoftInk = MakePixel(0x70, 0x70, 0x80);
const Pixel kRule = MakePixel(0xD0, 0xD0, 0xD8);

Pixel SeeThrough(int x, int y) {
  return ((x / 6 + y / 6) % 2) ? MakePixel(0xFF, 0xE0, 0xFF) : MakePixel(0xFF, 0xF4, 0xFF);
}

void DrawEnlarged(PixelView sheet, PixelView image, int x0, int y0) {
  for (int y = 0; y < image.height * kScale; ++y)
    for (int x = 0; x < image.width * kScale; ++x) {
      const Pixel p = image.At(x / kScale, y / kScale);
      const int sx = x0 + x, sy = y0 + y;
      if (!sheet.Contains(sx, sy)) continue;
      sheet.At(sx, sy) = (p & 0xFFFFFF) == 0xFF00FF ? SeeThrough(sx, sy) : (p | 0xFF000000);
    }
}

// One labelled image of a row; the label's words go on separate lines
// after the first (so "max hover" reads "MAX" over "HOVER").
struct Cell {
  PixelView image;
  std::string label;
};

std::vector<std::string> LabelLines(const std::string& label) {
  std::vector<std::string> lines;
  const size_t space = label.find(' ');
  lines.push_back(label.substr(0, space));
  if (space != std::string::npos) lines.push_back(label.substr(space + 1));
  return lines;
}

class Sheet {
 public:
  explicit Sheet(PixelView target) : target_(target) {}
  int Y() const { return y_; }

  void Heading(const std::string& text) {
    y_ += 14;
    DrawText(target_, kMargin, y_, text, kInk, 3);
    y_ += 7 * 3 + 6;
    for (int x = kMargin; x < kSheetWidth - kMargin; ++x) target_.At(x, y_) = kRule;
    y_ += 12;
  }

  void Title(const std::string& text) {
    DrawText(target_, kMargin, y_, text, kInk, 2);
    y_ += 7 * 2 + 6;
  }

  // Cells side by side, wrapping onto a new line when the sheet is full.
  void Row(const std::vector<Cell>& cells) {
    int x = kMargin, lineHeight = 0;
    for (const Cell& cell : cells) {
      const auto lines = LabelLines(cell.label);
      int labelWidth = 0;
      for (const auto& l : lines) labelWidth = std::max(labelWidth, TextWidth(l));
      const int w = std::max(cell.image.width * kScale, labelWidth);
      const int h = cell.image.height * kScale + 6 + static_cast<int>(lines.size()) * 9;
      if (x + w > kSheetWidth - kMargin && x > kMargin) {
        x = kMargin;
        y_ += lineHeight + 10;
        lineHeight = 0;
      }
      DrawEnlarged(target_, cell.image, x, y_);
      int ly = y_ + cell.image.height * kScale + 5;
      for (const auto& l : lines) {
        DrawText(target_, x, ly, l, kSoftInk);
        ly += 9;
      }
      x += w + kGap;
      lineHeight = std::max(lineHeight, h);
    }
    y_ += lineHeight + 18;
  }

 private:
  PixelView target_;
  int y_ = kMargin;
};

std::string SizeText(const PixelBuffer& p) {
  return std::to_string(p.Width()) + "X" + std::to_string(p.Height());
}

// Frames as the components cut them: the last one flush right.
std::vector<Cell> FrameCells(const skinart::Picture& p) {
  std::vector<Cell> cells;
  const int fw = p.pixels.Width() / p.frames;
  for (int k = 0; k < p.frames; ++k) {
    PixelView frame = p.pixels.View();
    frame.pixels += k == p.frames - 1 ? p.pixels.Width() - fw : fw * k;
    frame.width = fw;
    cells.push_back({frame, k < static_cast<int>(p.frameLabels.size()) ? p.frameLabels[k] : ""});
  }
  return cells;
}

// Narrow pictures are used tiled or stretched: show them so as well.
PixelBuffer Tiled(const PixelBuffer& p, int width) {
  PixelBuffer out(width, p.Height());
  for (int y = 0; y < p.Height(); ++y)
    for (int x = 0; x < width; ++x) out.At(x, y) = p.At(x % p.Width(), y);
  return out;
}

struct StyleSection {
  const char* prefix;
  skin::TsuiUIStyle style;
};
constexpr StyleSection kSections[] = {{"MACOS_", skin::TsuiUIStyle::MacOS},
                                      {"WINXP_", skin::TsuiUIStyle::WinXP},
                                      {"DEEPBLUE_", skin::TsuiUIStyle::DeepBlue},
                                      {"PROTEIN_", skin::TsuiUIStyle::Protein},
                                      {"BLUEGLASS_", skin::TsuiUIStyle::BlueGlass}};

bool IsTitlePiece(const std::string& name) { return name.find("_TITLE_") != std::string::npos; }

void StylePictures(Sheet& sheet, const StyleSection& s, const std::vector<skinart::Picture>& all,
                   std::vector<PixelBuffer>& keep) {
  sheet.Heading(std::string(s.prefix, std::string(s.prefix).size() - 1));
  std::vector<Cell> titlePieces;
  for (const auto& p : all) {
    if (p.name.rfind(s.prefix, 0) != 0 || (p.frames == 1 && !IsTitlePiece(p.name))) continue;
    if (IsTitlePiece(p.name)) {
      titlePieces.push_back(
          {p.pixels.View(), p.name.substr(p.name.rfind('_') + 1) + " " + SizeText(p.pixels)});
      continue;
    }
    sheet.Title(p.name + "  " + SizeText(p.pixels) + "  " + std::to_string(p.frames) + " FRAMES");
    sheet.Row(FrameCells(p));
  }
  sheet.Title(std::string(s.prefix) + "TITLE_LEFT  _CLIENT  _RIGHT");
  sheet.Row(titlePieces);
  keep.push_back(StylePreview(s.style, all));
  sheet.Title("PUT TOGETHER: TITLE BAR, FRAME, BUTTONS AT 80X27, TOGGLES");
  sheet.Row({{keep.back().View(), ""}});
}

void FixedPictures(Sheet& sheet, const std::vector<skinart::Picture>& all,
                   std::vector<PixelBuffer>& keep) {
  sheet.Heading("FIXED NAMES");
  for (const auto& p : all) {
    if (p.frames != 1 || IsTitlePiece(p.name)) continue;
    sheet.Title(p.name + "  " + SizeText(p.pixels));
    std::vector<Cell> cells{{p.pixels.View(), "as stored"}};
    if (p.pixels.Width() <= 8) {
      keep.push_back(Tiled(p.pixels, 64));
      cells.push_back({keep.back().View(), "repeated as used"});
    }
    sheet.Row(cells);
  }
}

int Layout(PixelView target, const std::vector<skinart::Picture>& pictures) {
  Sheet sheet(target);
  std::vector<PixelBuffer> keep;
  keep.reserve(16);  // cells point into these
  for (const StyleSection& s : kSections) StylePictures(sheet, s, pictures, keep);
  FixedPictures(sheet, pictures, keep);
  return sheet.Y() + kMargin;
}

}  // namespace
}  // namespace kestrova::gallery

int main(int argc, char** argv) {
  using namespace kestrova;
  CLI::App app("Draws every built-in skin picture of the five styles on one labelled sheet.",
               "kestrova-gallery");
  std::string out;
  app.add_option("OUT", out, "the PNG file to write")->type_name("")->required();
  return cli::Run(app, argc, argv, [&] {
    const auto pictures = skinart::BuiltInPictures();
    PixelBuffer sheet(gallery::kSheetWidth, 8000, gallery::kPaper);
    PixelView used = sheet.View();
    used.height = std::min(gallery::Layout(sheet.View(), pictures), used.height);
    WritePng(out, used);
    return 0;
  });
}
