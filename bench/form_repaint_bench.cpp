// form_repaint_bench [REPEATS]: times full repaints of the installer window
// under Wine (or Windows): the frame, the title bar, the patterned client and
// every control, as the system asks for them after the whole window was
// invalidated; then the skinned frame's own share (its non-client frame and
// its client background, without the controls on it). Prints milliseconds
// per repaint.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "framework/application.h"
#include "installer/frm_install.h"
#include "skin/titlebar/titlebar.h"

namespace {

using kestrova::FrmInstall;
using kestrova::TFrmInstall;
using kestrova::framework::TApplication;

template <class F>
double MillisecondsEach(int repeats, F&& once) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  once();  // warm: pictures loaded, caches filled
  QueryPerformanceCounter(&start);
  for (int i = 0; i < repeats; ++i) once();
  QueryPerformanceCounter(&end);
  return 1000.0 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart) / repeats;
}

}  // namespace

int main(int argc, char** argv) {
  const int repeats = argc > 1 ? std::atoi(argv[1]) : 200;
  TApplication app;
  app.OnException = [](kestrova::framework::TComponent*, const std::exception&) {};
  app.Initialize();
  TFrmInstall* form = nullptr;
  app.CreateForm(form);
  form->Show();
  app.ProcessMessages();
  HWND window = form->Handle();
  HWND frame = form->suiForm1->Handle();

  const double whole = MillisecondsEach(repeats, [&] {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  });
  const double own = MillisecondsEach(repeats, [&] {
    SendMessageW(window, WM_NCPAINT, 1, 0);
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
  });
  const double border = MillisecondsEach(repeats, [&] { form->suiForm1->PaintFormBorder(); });
  const double background = MillisecondsEach(repeats, [&] {
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
  });
  form->Label1->Hide();
  const double bare = MillisecondsEach(repeats, [&] {
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
  });
  form->Label1->Show();
  std::printf("  the background without the label %.3f ms\n", bare);
  const double title = MillisecondsEach(repeats, [&] { form->suiForm1->TitleBar()->Paint(); });
  std::printf(
      "  of which the frame %.3f ms, the background (with the frame) %.3f ms, the title bar %.3f "
      "ms\n",
      border, background, title);
  std::printf("whole window (%dx%d), every control: %.3f ms per repaint\n", form->Width(),
              form->Height(), whole);
  std::printf("skinned frame only (frame, title bar, background): %.3f ms per repaint\n", own);
  std::printf("repeats: %d\n", repeats);
  FrmInstall = nullptr;
  return 0;
}
