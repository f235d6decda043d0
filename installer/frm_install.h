// TFrmInstall: the installer window, built from its stored design (RCDATA
// "TFRMINSTALL", installer/frm_install.dfm). Creating it extracts the
// payload and starts the preview; Install installs, Cancel and the title
// bar's close button close it without installing.
//
//   TApplication app;
//   app.Initialize();
//   app.CreateForm(FrmInstall);
//   app.Run();
#pragma once

#include <windows.h>

#include <string>

#include "framework/form.h"
#include "framework/label.h"
#include "movie/control/shockwave_flash.h"
#include "skin/buttons.h"
#include "skin/form/form.h"

namespace kestrova {

class TFrmInstall : public framework::TForm {
  KESTROVA_CLASS(TFrmInstall)

 public:
  skin::TsuiForm* suiForm1 = nullptr;
  skin::TsuiButton* BtnInstall = nullptr;
  skin::TsuiButton* BtnCancel = nullptr;
  movie::TShockwaveFlash* PreviewFlash = nullptr;
  framework::TLabel* Label1 = nullptr;
  skin::TsuiCheckBox* ChkDefaultScreensaver = nullptr;

  explicit TFrmInstall(framework::TComponent* owner);

  void FormCreate(framework::TComponent* sender);
  void BtnCancelClick(framework::TComponent* sender);
  void BtnInstallClick(framework::TComponent* sender);
  // What FormCreate does with the program's own file: extract it and play
  // the movie it carries. Raises the extraction's errors only.
  void ExtractAndPreview(const std::string& installerPath);
  // The application's message hook: drops right-button presses on the
  // preview, so the movie control never offers its menu.
  void AppMessageFilter(MSG& message, bool& handled);
};

// The installer window while it exists.
inline TFrmInstall* FrmInstall = nullptr;

}  // namespace kestrova
