// Plays a movie written in a test with its scripts: the trace lines of its
// first `frames` frames, each warning among them as "warning: ...".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "movie/avm1/runtime.h"
#include "movie/swf/decoder.h"
#include "movie/swf/writer.h"

namespace kestrova::avm1::testing {

inline std::vector<std::string> TraceLines(const swf::SwfWriter& swf, int frames = 1) {
  auto movie = std::make_shared<const swf::Movie>(swf::DecodeMovie(swf.Finish(false)));
  std::vector<std::string> lines;
  RuntimeOutput output{[&](const std::string& l) { lines.push_back(l); },
                       [&](const std::string& w) { lines.push_back("warning: " + w); }};
  Runtime runtime(movie, output);
  for (int f = 1; f < frames; ++f) runtime.Advance();
  return lines;
}

}  // namespace kestrova::avm1::testing
