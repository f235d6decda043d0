#include <gtest/gtest.h>

#include "framework/application.h"
#include "framework/button.h"
#include "framework/capture.h"
#include "framework/check_box.h"
#include "framework/class_builder.h"
#include "framework/form.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework/screen.h"
#include "framework_test_support.h"

namespace kestrova::framework {
namespace {

constexpr TColor kSwatchColor = 0x0000C0FF;  // orange

class TSwatch : public TCustomControl {
  KESTROVA_CLASS(TSwatch)

 public:
  explicit TSwatch(TComponent* owner) : TCustomControl(owner) {}

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(kSwatchColor);
    Canvas().FillRect(ClientRect());
    Canvas().Pen().SetColor(clNavy);
    Canvas().Ellipse(4, 4, Width() - 4, Height() - 4);
  }
};

const ClassInfo& TSwatch::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TSwatch>("TSwatch", &TCustomControl::StaticClass()).Build();
  return info;
}

class TDemoForm : public TForm {
  KESTROVA_CLASS(TDemoForm)

 public:
  TLabel* Label1 = nullptr;
  TPanel* Panel1 = nullptr;
  TSwatch* Swatch1 = nullptr;
  TCheckBox* ChkOption = nullptr;
  TButton* BtnInstall = nullptr;
  TButton* BtnCancel = nullptr;
  int installs = 0;
  bool fail_on_create = false;

  explicit TDemoForm(TComponent* owner, bool fail = false) : TForm(owner), fail_on_create(fail) {
    PublishField("Label1", Label1);
    PublishField("Panel1", Panel1);
    PublishField("Swatch1", Swatch1);
    PublishField("ChkOption", ChkOption);
    PublishField("BtnInstall", BtnInstall);
    PublishField("BtnCancel", BtnCancel);
    PublishHandler("FormCreate", &TDemoForm::FormCreate);
    PublishHandler("BtnInstallClick", &TDemoForm::BtnInstallClick);
    ReadStoredDesign();
  }
  void FormCreate(TComponent*) {
    if (fail_on_create) throw Error("The screensaver could not be read");
    Label1->SetCaption(Label1->Caption() + ".");
  }
  void BtnInstallClick(TComponent*) { ++installs; }
};

const ClassInfo& TDemoForm::StaticClass() {
  static const ClassInfo info = ClassBuilder<TDemoForm>("TDemoForm", &TForm::StaticClass()).Build();
  return info;
}

TEST(DemoForm, BuiltFromItsStoredDesignShownAndCaptured) {
  TApplication app;
  app.Initialize();
  TDemoForm* form = nullptr;
  app.CreateForm(form);
  EXPECT_EQ(app.MainForm(), form);
  ASSERT_NE(form->Swatch1, nullptr);
  EXPECT_EQ(form->Swatch1->Parent(), form->Panel1);
  EXPECT_EQ(form->Label1->Caption().back(), '.');  // OnCreate ran
  EXPECT_EQ(form->BtnInstall->TabOrder(), 0);
  EXPECT_EQ(form->ChkOption->TabOrder(), 2);
  form->Show();
  testing::Pump();
  EXPECT_EQ(form->ClientWidth(), 320);
  EXPECT_EQ(form->ClientHeight(), 160);
  // Centred on the desktop, whatever the stored left and top said.
  RECT desk = TScreen::DesktopRect();
  EXPECT_NEAR(form->Left() + form->Width() / 2, (desk.left + desk.right) / 2, 1);

  TBitmap shot = testing::Capture(form->Handle());
  SaveBitmapToPng(shot, testing::OutputPath("demo_form.png"));
  POINT swatch = form->Swatch1->ClientToScreen({2, 2});
  RECT win;
  GetWindowRect(form->Handle(), &win);
  EXPECT_EQ(PixelToColor(shot.Pixels().At(swatch.x - win.left, swatch.y - win.top)), kSwatchColor);

  // The client area painted without the screen: the same swatch pixel.
  TBitmap client;
  form->PaintTo(client);
  POINT in_form = {form->Panel1->Left() + form->Swatch1->Left() + 2,
                   form->Panel1->Top() + form->Swatch1->Top() + 2};
  EXPECT_EQ(PixelToColor(client.Pixels().At(in_form.x, in_form.y)), kSwatchColor);
  EXPECT_EQ(PixelToColor(client.Pixels().At(2, 2)), ColorToRGB(clBtnFace));

  form->BtnInstall->Click();
  EXPECT_EQ(form->installs, 1);
  form->Close();  // the main form: the application ends
  EXPECT_TRUE(app.Terminated());
}

TEST(DemoForm, AnErrorInOnCreateGoesToTheErrorReportAndTheFormStillOpens) {
  TApplication app;
  std::vector<std::string> errors;
  app.OnException = [&](TComponent*, const std::exception& e) { errors.push_back(e.what()); };
  TDemoForm* form = new TDemoForm(&app, true);
  form->AfterConstruction();
  EXPECT_EQ(errors, (std::vector<std::string>{"The screensaver could not be read"}));
  form->Show();
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

}  // namespace
}  // namespace kestrova::framework
