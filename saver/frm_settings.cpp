#include "saver/frm_settings.h"

#include "framework/class_builder.h"

namespace kestrova::saver {

using namespace framework;

const ClassInfo& TFrmSettings::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TFrmSettings>("TFrmSettings", &TForm::StaticClass()).Build();
  return info;
}

TFrmSettings::TFrmSettings(TComponent* owner) : TForm(owner) {
  PublishField("LblName", LblName);
  PublishField("LblSize", LblSize);
  PublishField("LblRate", LblRate);
  PublishField("LblProblem", LblProblem);
  PublishField("BtnOk", BtnOk);
  PublishHandler("BtnOkClick", &TFrmSettings::BtnOkClick);
  ReadStoredDesign();
}

void TFrmSettings::ShowFacts(const MovieFacts& facts) {
  LblName->SetCaption(facts.name);
  LblSize->SetCaption(facts.size);
  LblRate->SetCaption(facts.rate);
  LblProblem->SetCaption(facts.problem.empty() ? ""
                                               : "The movie cannot be shown: " + facts.problem);
  LblProblem->SetVisible(!facts.problem.empty());
}

void TFrmSettings::BtnOkClick(TComponent*) { Close(); }

void TFrmSettings::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  if (owner_window_) params.parent = owner_window_;
}

}  // namespace kestrova::saver
