// KestrovaSkinShow.exe: a skinned form in a chosen style or skin file, for
// looking at the skin engine, and screenshots of it for the tests.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "framework/application.h"
#include "framework/capture.h"
#include "tools/skinshow/skin_show_form.h"
#include "tools/skinshow/skin_show_options.h"

namespace kestrova::skinshow {
namespace {

// Shows the form, lets every queued message (the first paint among them)
// be handled, then writes the whole window.
void WriteScreenshot(framework::TApplication& app, TFrmSkinShow& form, const std::string& path) {
  form.Show();
  UpdateWindow(form.Handle());
  app.ProcessMessages();
  framework::SaveBitmapToPng(framework::CaptureWindow(form.Handle()), path);
}

int Show(const Options& options) {
  framework::TApplication app;
  app.Initialize();
  TFrmSkinShow* form = nullptr;
  app.CreateForm(form);
  form->Restyle(options.style);
  if (!options.skin.empty() && !form->UseSkin(options.skin, options.password))
    std::fprintf(stderr, "KestrovaSkinShow: the skin file could not be loaded: fallback look\n");
  if (!options.screenshot.empty()) {
    WriteScreenshot(app, *form, options.screenshot);
    return 0;
  }
  app.Run();
  return 0;
}

}  // namespace
}  // namespace kestrova::skinshow

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return kestrova::skinshow::RunWithOptions(__argc, __argv, kestrova::skinshow::Show);
}
