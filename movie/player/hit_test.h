// Hit testing for the mouse: which button (or clip acting as one) lies
// under a point of the stage. Shapes answer with their fills as drawn (the
// shape's fill rule) and their lines; text by its box. Points are in twips
// of the space named.
#pragma once

#include "movie/player/clip.h"
#include "movie/raster/raster.h"

namespace kestrova::movie {

// Whether `shape` covers `local` (its own twips).
bool ShapeHit(const swf::Shape& shape, raster::Point local);
// Whether a button's hit state covers `local` (the button's twips).
bool ButtonHit(const swf::Movie& movie, const swf::Button& button, raster::Point local);
// Whether anything a clip shows (drawing, shapes, sprites, fields) covers
// `stage`; `world` maps the clip's twips to the stage.
bool ClipContentHit(const Clip& clip, const raster::Matrix& world, raster::Point stage);

// The topmost enabled button under `stage`, or clip the host lets act as
// one (such a clip takes the mouse for all it holds). Objects outside
// their mask, invisible ones and masks themselves take no mouse.
Clip* FindMouseTarget(Clip& root, raster::Point stage, ScriptHost* host);

// The matrix from a clip's twips to the stage.
raster::Matrix WorldMatrix(const Clip& clip);

}  // namespace kestrova::movie
