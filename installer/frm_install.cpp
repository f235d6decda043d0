#include "installer/frm_install.h"

#include "framework/application.h"
#include "framework/class_builder.h"
#include "installer/installation.h"
#include "installer/payload.h"

namespace kestrova {

using namespace framework;

const ClassInfo& TFrmInstall::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TFrmInstall>("TFrmInstall", &TForm::StaticClass()).Build();
  return info;
}

TFrmInstall::TFrmInstall(TComponent* owner) : TForm(owner) {
  PublishField("suiForm1", suiForm1);
  PublishField("BtnInstall", BtnInstall);
  PublishField("BtnCancel", BtnCancel);
  PublishField("PreviewFlash", PreviewFlash);
  PublishField("Label1", Label1);
  PublishField("ChkDefaultScreensaver", ChkDefaultScreensaver);
  PublishHandler("FormCreate", &TFrmInstall::FormCreate);
  PublishHandler("BtnCancelClick", &TFrmInstall::BtnCancelClick);
  PublishHandler("BtnInstallClick", &TFrmInstall::BtnInstallClick);
  Icon().LoadFromResourceName(nullptr, "MAINICON");
  skin::RegisterButtonClasses();
  skin::RegisterFormClasses();
  ReadStoredDesign();
}

// An error of the extraction ends it early and goes to the application's
// error box; the window still opens. The filter takes the application's one
// message hook from the skinned frame, whose own handler then never runs.
void TFrmInstall::FormCreate(TComponent*) {
  TApplication* app = TApplication::Current();
  app->OnMessage = [this](MSG& message, bool& handled) { AppMessageFilter(message, handled); };
  ExtractAndPreview(app->ExeName());
}

// A screensaver without a movie, or with one that does not load, previews
// as an empty rectangle and says nothing.
void TFrmInstall::ExtractAndPreview(const std::string& installerPath) {
  if (ExtractScreensaver(installerPath)) PreviewFlash->SetMovie(SwfTempFile);
  PreviewFlash->Play();
}

void TFrmInstall::AppMessageFilter(MSG& message, bool& handled) {
  if (message.message == WM_RBUTTONDOWN && PreviewFlash->HandleAllocated() &&
      message.hwnd == PreviewFlash->Handle())
    handled = true;
}

void TFrmInstall::BtnCancelClick(TComponent*) { Close(); }

void TFrmInstall::BtnInstallClick(TComponent*) {
  InstallMessage message =
      MessageFor(InstallScreensaver(RequestFromPayload(ChkDefaultScreensaver->Checked())));
  TApplication::Current()->MessageBox(message.text, message.caption, kInstallMessageFlags);
  Close();
}

}  // namespace kestrova
