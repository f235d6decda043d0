// The screensaver's three ways of running, each until it is done.
//
//   TApplication app;
//   SaverMovie own = ReadOwnMovie(app.ExeName());
//   RunFullScreen(app, own);            // "/s": until a key, click or move
//   RunPreview(app, own, parent);       // "/p": until the parent goes
#pragma once

#include <windows.h>

#include "framework/application.h"
#include "saver/saver_movie.h"
#include "saver/wake_rule.h"

namespace kestrova::saver {

// One screen per monitor, the cursor hidden, until the user wakes it.
void RunFullScreen(framework::TApplication& app, const SaverMovie& own);

// The movie inside `parent` (another program's window) until it goes; false
// (and nothing shown) when `parent` is not a window.
bool RunPreview(framework::TApplication& app, const SaverMovie& own, HWND parent);

// True for a queued message that wakes the full screen: a key, a mouse
// button, or a mouse move that finds the cursor far from where it rested
// (`rule`; the position is the system's, the message's only if it has none).
bool WakesScreen(const MSG& message, WakeRule& rule);

}  // namespace kestrova::saver
