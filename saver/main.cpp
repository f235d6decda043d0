// KestrovaSaver.scr entry point: the mode Windows asks for on the command
// line, with the movie carried at the end of this program's own file.
#include <windows.h>

#include <cstdint>
#include <exception>

#include "framework/application.h"
#include "saver/frm_settings.h"
#include "saver/saver_command.h"
#include "saver/saver_movie.h"
#include "saver/saver_session.h"

namespace {

using namespace kestrova;
using namespace kestrova::saver;

HWND WindowOf(uint64_t handle) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(handle)); }

void RunSettings(framework::TApplication& app, const SaverMovie& own, HWND owner) {
  TFrmSettings* form = nullptr;
  app.CreateForm(form);
  form->ShowFacts(DescribeMovie(app.ExeName(), own));
  form->SetOwnerWindow(owner);
  app.Run();
}

int Run(framework::TApplication& app, const SaverCommand& command) {
  switch (command.mode) {
    case SaverMode::FullScreen:
      RunFullScreen(app, ReadOwnMovie(app.ExeName()));
      return 0;
    case SaverMode::Preview:
      return RunPreview(app, ReadOwnMovie(app.ExeName()), WindowOf(command.window)) ? 0 : 1;
    case SaverMode::Settings:
      RunSettings(app, ReadOwnMovie(app.ExeName()), WindowOf(command.window));
      return 0;
    case SaverMode::Password:  // no password of our own to change
    case SaverMode::None:
      return 0;
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  framework::TApplication app;
  app.Initialize();
  try {
    return Run(app, ParseSaverCommand(arguments ? arguments : ""));
  } catch (const std::exception& e) {
    app.HandleException(e);
    return 1;
  }
}
