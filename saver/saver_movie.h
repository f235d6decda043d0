// The screensaver's own movie: the movie trailer at the end of the running
// program's file, read and decoded, and the facts the settings dialog shows.
//
//   SaverMovie own = ReadOwnMovie(app.ExeName());
//   if (own.movie) screen->ShowMovie(own.movie);   // else: a black screen
#pragma once

#include <memory>
#include <string>

#include "movie/swf/movie.h"

namespace kestrova::saver {

struct SaverMovie {
  std::shared_ptr<const swf::Movie> movie;  // null when missing or damaged
  std::string problem;                      // why there is no movie
};

// Never raises: a screensaver without a movie still runs, on black.
SaverMovie ReadOwnMovie(const std::string& screensaverPath);

struct MovieFacts {
  std::string name;     // the screensaver's file name without its extension
  std::string size;     // "393 x 169 pixels"
  std::string rate;     // "24 frames per second"
  std::string problem;  // empty when the movie plays
};

MovieFacts DescribeMovie(const std::string& screensaverPath, const SaverMovie& own);

}  // namespace kestrova::saver
