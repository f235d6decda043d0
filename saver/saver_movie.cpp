#include "saver/saver_movie.h"

#include <cmath>
#include <cstdio>

#include "common/error.h"
#include "installer/trailer_reader.h"
#include "movie/swf/decoder.h"

namespace kestrova::saver {
namespace {

std::string NameOf(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = name.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// Whole rates as "24", others with up to two decimals ("12.5").
std::string RateText(float rate) {
  char text[32];
  if (std::fabs(rate - std::round(rate)) < 0.005f)
    std::snprintf(text, sizeof text, "%.0f", rate);
  else
    std::snprintf(text, sizeof text, "%.2f", rate);
  std::string s = text;
  if (s.find('.') != std::string::npos) s.erase(s.find_last_not_of('0') + 1);
  return s;
}

}  // namespace

SaverMovie ReadOwnMovie(const std::string& screensaverPath) {
  SaverMovie own;
  try {
    TrailerReader reader(screensaverPath);
    std::vector<uint8_t> bytes = reader.Read(reader.MovieSpan(), swf::kMaxMovieBytes);
    own.movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(bytes));
  } catch (const Error& e) {
    own.problem = e.what();
  } catch (const std::bad_alloc&) {
    own.problem = "not enough memory for the movie";
  }
  return own;
}

MovieFacts DescribeMovie(const std::string& screensaverPath, const SaverMovie& own) {
  MovieFacts facts;
  facts.name = NameOf(screensaverPath);
  if (!own.movie) {
    facts.size = facts.rate = "none";
    facts.problem = own.problem.empty() ? "no movie" : own.problem;
    return facts;
  }
  const swf::TwipsRect& stage = own.movie->header.stage;
  auto pixels = [](swf::Twips t) { return std::to_string(std::lround(t.Pixels())); };
  facts.size = pixels(stage.Width()) + " x " + pixels(stage.Height()) + " pixels";
  float rate = own.movie->header.frameRate;
  facts.rate =
      rate > 0 ? RateText(rate) + " frames per second" : "not set (played at 12 frames per second)";
  return facts;
}

}  // namespace kestrova::saver
