// form_repaint_bench [REPEATS]: times full repaints of the installer window
// under Wine (or Windows): the frame, the title bar, the patterned client and
// every control, as the system asks for them after the whole window was
// invalidated; then the skinned frame's own share (its non-client frame and
// its client background, without the controls on it), and each control's own
// repaint (its window alone, the label's rectangle of the frame, the preview
// empty, with a movie stopped and with it playing). Prints milliseconds per
// repaint.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include <memory>

#include "framework/application.h"
#include "installer/frm_install.h"
#include "movie/swf/decoder.h"
#include "skin/titlebar/titlebar.h"
#include "tools/mkswf/sample_movies.h"

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

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// A window's own repaint, its children left alone.
void RedrawAlone(HWND window, const RECT* part = nullptr) {
  RedrawWindow(window, part, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

// The preview's repaint while its movie plays: the frames the timer brings
// are drawn between the timed repaints, which are all that is counted.
double PlayingRepaint(TApplication& app, HWND preview, int repeats) {
  double total = 0;
  for (int i = 0; i < repeats; ++i) {
    Sleep(1);
    app.ProcessMessages();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    RedrawAlone(preview);
    QueryPerformanceCounter(&end);
    total += Milliseconds(start, end);
  }
  return total / repeats;
}

void PrintControls(TApplication& app, TFrmInstall& form, int repeats) {
  auto alone = [&](kestrova::framework::TWinControl& c) {
    HWND h = c.Handle();
    return MillisecondsEach(repeats, [&] { RedrawAlone(h); });
  };
  std::printf("each control alone:\n");
  std::printf("  button Install %.3f ms, button Cancel %.3f ms\n", alone(*form.BtnInstall),
              alone(*form.BtnCancel));
  std::printf("  check box %.3f ms\n", alone(*form.ChkDefaultScreensaver));
  std::printf("  title bar (its window) %.3f ms\n", alone(*form.suiForm1->TitleBar()));
  const RECT label = form.Label1->BoundsRect();
  HWND frame = form.suiForm1->Handle();
  std::printf("  label (its rectangle of the frame) %.3f ms\n",
              MillisecondsEach(repeats, [&] { RedrawAlone(frame, &label); }));
  kestrova::movie::TShockwaveFlash& preview = *form.PreviewFlash;
  const double empty = alone(preview);
  auto movie = std::make_shared<const kestrova::swf::Movie>(
      kestrova::swf::DecodeMovie(kestrova::mkswf::FindMovieKind("sample")->build(false)));
  preview.ShowMovie(movie);
  const double stopped = alone(preview);
  preview.Play();
  const double playing = PlayingRepaint(app, preview.Handle(), repeats);
  std::printf(
      "  preview: empty %.3f ms, movie stopped %.3f ms, playing %.3f ms (%u frames drawn)\n", empty,
      stopped, playing, preview.FramesRendered());
  preview.ShowMovie(nullptr);
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
  PrintControls(app, *form, repeats);
  std::printf("repeats: %d\n", repeats);
  FrmInstall = nullptr;
  return 0;
}
