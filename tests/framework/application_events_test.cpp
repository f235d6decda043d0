// The application's single message hook handed between TApplicationEvents
// and TApplication::OnMessage, and events published through an accessor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/application_events.h"
#include "framework/class_builder.h"
#include "framework/form.h"
#include "framework/stored_design.h"
#include "framework_test_support.h"

namespace kestrova::framework {
namespace {

class ApplicationEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(&app);
    form->HandleNeeded();
  }
  // Posts a marker message to the form and handles the queue.
  void Post() {
    PostMessageW(form->Handle(), WM_USER + 3, 0, 0);
    app.ProcessMessages();
  }
  auto Hook(std::string name) {
    return [this, name](MSG& msg, bool&) {
      if (msg.message == WM_USER + 3) seen.push_back(name);
    };
  }

  TApplication app;
  TForm* form = nullptr;
  std::vector<std::string> seen;
};

TEST_F(ApplicationEventsTest, TheHookGoesToTheNewestAndIsClearedOnlyByItsOwner) {
  app.OnMessage = Hook("application");
  auto* events = new TApplicationEvents(form);
  events->OnMessage = Hook("events");
  Post();
  EXPECT_EQ(seen, (std::vector<std::string>{"events"}));
  EXPECT_TRUE(events->OwnsHook());
  // A later assignment replaces the events object outright ...
  app.OnMessage = Hook("later");
  Post();
  EXPECT_EQ(seen, (std::vector<std::string>{"events", "later"}));
  EXPECT_FALSE(events->OwnsHook());
  // ... and it no longer touches the hook when it goes.
  events->Free();
  Post();
  EXPECT_EQ(seen, (std::vector<std::string>{"events", "later", "later"}));
  // One that still owns the hook clears it.
  auto* owner = new TApplicationEvents(form);
  owner->OnMessage = Hook("owner");
  owner->Free();
  EXPECT_FALSE(bool(app.OnMessage));
  Post();
  EXPECT_EQ(seen.size(), 3u);
}

// A part that keeps an event its owner publishes.
struct TBar {
  TNotifyEvent OnButtonClick;
};

class TFramed : public TComponent {
  KESTROVA_CLASS(TFramed)

 public:
  using TComponent::TComponent;
  TBar& Bar() { return bar_; }

 private:
  TBar bar_;
};

const ClassInfo& TFramed::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TFramed>("TFramed", &TComponent::StaticClass())
          .EventAccessor<TNotifyEvent>(
              "OnBarButtonClick", [](TFramed& f) -> TNotifyEvent& { return f.Bar().OnButtonClick; })
          .Build();
  return info;
}

class TFramedForm : public TForm {
  KESTROVA_CLASS(TFramedForm)

 public:
  TFramed* Framed1 = nullptr;
  int clicks = 0;
  explicit TFramedForm(TComponent* owner) : TForm(owner) {
    PublishField("Framed1", Framed1);
    PublishHandler("BarClick", &TFramedForm::BarClick);
  }
  void BarClick(TComponent*) { ++clicks; }
};

const ClassInfo& TFramedForm::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TFramedForm>("TFramedForm", &TForm::StaticClass()).Build();
  return info;
}

TEST(EventAccessor, AnEventKeptInAPartIsBoundAndWrittenLikeAnOwnOne) {
  OwnedComponent<TFramedForm> form(new TFramedForm(nullptr));
  ReadDesign(*form,
             "object F: TFramedForm\n  object Framed1: TFramed\n"
             "    OnBarButtonClick = BarClick\n  end\nend\n");
  ASSERT_NE(form->Framed1, nullptr);
  form->Framed1->Bar().OnButtonClick(form->Framed1);
  EXPECT_EQ(form->clicks, 1);
  EXPECT_NE(WriteDesign(*form).find("OnBarButtonClick = BarClick"), std::string::npos);
}

}  // namespace
}  // namespace kestrova::framework
