// TFrmSettings: the screensaver's settings dialog, built from its stored
// design (RCDATA "TFRMSETTINGS", saver/frm_settings.dfm). It shows what the
// screensaver plays (the movie's name, size and frame rate); there is
// nothing to set yet, so OK and the close button only close it.
//
//   TFrmSettings* form;
//   app.CreateForm(form);
//   form->ShowFacts(DescribeMovie(app.ExeName(), own));
//   form->SetOwnerWindow(owner);   // the "/c:1234" window, before it shows
//   app.Run();
#pragma once

#include <windows.h>

#include "framework/button.h"
#include "framework/form.h"
#include "framework/label.h"
#include "saver/saver_movie.h"

namespace kestrova::saver {

class TFrmSettings : public framework::TForm {
  KESTROVA_CLASS(TFrmSettings)

 public:
  framework::TLabel* LblName = nullptr;
  framework::TLabel* LblSize = nullptr;
  framework::TLabel* LblRate = nullptr;
  framework::TLabel* LblProblem = nullptr;
  framework::TButton* BtnOk = nullptr;

  explicit TFrmSettings(framework::TComponent* owner);

  void ShowFacts(const MovieFacts& facts);
  // The window the dialog belongs to (the Display control panel's); ignored
  // when it is not a window.
  void SetOwnerWindow(HWND owner) { owner_window_ = IsWindow(owner) ? owner : nullptr; }
  void BtnOkClick(framework::TComponent* sender);

 protected:
  void CreateParams(framework::TCreateParams& params) override;

 private:
  HWND owner_window_ = nullptr;
};

}  // namespace kestrova::saver
