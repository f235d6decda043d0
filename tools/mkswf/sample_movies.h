// The small movies kestrova-mkswf writes, each built in code: for tests,
// benchmarks and the sample screensaver.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrova::mkswf {

struct MovieKind {
  const char* name;
  const char* description;
  std::vector<uint8_t> (*build)(bool compress);  // CWS if compress, else FWS
};

// shapes, gradients, tween, sprite, morph, bitmap, sample, text, particles,
// drawing, buttons, effects.
const std::vector<MovieKind>& MovieKinds();
const MovieKind* FindMovieKind(const std::string& name);

// The stage of every sample movie: the preview rectangle of the installer.
constexpr int kStageWidth = 393;
constexpr int kStageHeight = 169;

// The scripted sample (particles_movie.cpp).
std::vector<uint8_t> Particles(bool compress);
// Drawn by a script with the drawing API (drawing_movie.cpp).
std::vector<uint8_t> DrawingMovie(bool compress);
// Two buttons that answer the mouse (buttons_movie.cpp).
std::vector<uint8_t> ButtonsMovie(bool compress);
// SWF 8 filters, a blend mode and a colour transform set by a script
// (effects_movie.cpp).
std::vector<uint8_t> EffectsMovie(bool compress);

}  // namespace kestrova::mkswf
