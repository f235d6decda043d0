#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/component.h"

namespace kestrova::framework {
namespace {

// Records every notification and its own destruction in a shared log.
class Recorder : public TComponent {
 public:
  Recorder(TComponent* owner, std::string name, std::vector<std::string>& log)
      : TComponent(owner), log_(log) {
    SetName(name);
  }
  ~Recorder() override { log_.push_back("~" + Name()); }
  TComponent* partner = nullptr;

 protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    // A newcomer has no name yet: insertions are logged by position.
    if (op == TOperation::opInsert)
      log_.push_back(Name() + " +" + std::to_string(c->Owner()->ComponentCount()));
    else
      log_.push_back(Name() + " -" + c->Name());
    if (op == TOperation::opRemove && c == partner) partner = nullptr;
  }

 private:
  std::vector<std::string>& log_;
};

TEST(Component, OwnerFreesOwnedInReverseCreationOrderTellingTheRest) {
  std::vector<std::string> log;
  auto* owner = new Recorder(nullptr, "Owner", log);
  new Recorder(owner, "A", log);
  new Recorder(owner, "B", log);
  new Recorder(owner, "C", log);
  // Each insertion is passed to the owner and to everything it held before.
  EXPECT_EQ(log,
            (std::vector<std::string>{"Owner +1", "A +2", "Owner +2", "A +3", "B +3", "Owner +3"}));
  log.clear();
  owner->Free();
  // C goes first; the survivors (and C itself) hear of each removal.
  EXPECT_EQ(log, (std::vector<std::string>{"A -C", "B -C", "C -C", "Owner -C", "~C", "A -B", "B -B",
                                           "Owner -B", "~B", "A -A", "Owner -A", "~A", "~Owner"}));
}

TEST(Component, FreeNotificationTellsAPartnerThatIsNotTheOwner) {
  std::vector<std::string> log;
  OwnedComponent<Recorder> form1(new Recorder(nullptr, "Form1", log));
  OwnedComponent<Recorder> form2(new Recorder(nullptr, "Form2", log));
  auto* button = new Recorder(form1.get(), "Button", log);
  auto* theme = new Recorder(form2.get(), "Theme", log);
  button->partner = theme;
  theme->FreeNotification(button);
  log.clear();
  theme->Free();
  EXPECT_EQ(button->partner, nullptr);
  EXPECT_EQ(log.front(), "Button -Theme");
  // The link is gone both ways: freeing the button now tells nobody in Form2.
  log.clear();
  button->Free();
  for (const std::string& line : log) EXPECT_EQ(line.find("Form2"), std::string::npos) << line;
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner) {
  std::vector<std::string> log;
  OwnedComponent<TComponent> owner(new TComponent(nullptr));
  auto* a = new TComponent(owner.get());
  a->SetName("Button1");
  auto* b = new TComponent(owner.get());
  EXPECT_THROW(b->SetName("button1"), Error);
  EXPECT_THROW(b->SetName("1Button"), Error);
  EXPECT_THROW(b->SetName("Bad Name"), Error);
  b->SetName("Button2");
  EXPECT_EQ(owner->FindComponent("BUTTON2"), b);
  EXPECT_EQ(owner->ComponentCount(), 2);
}

TEST(Component, StateFlagsDuringTeardownAndLoading) {
  struct Probe : TComponent {
    using TComponent::TComponent;
    bool* saw_destroying = nullptr;
    void BeforeDestroy() override { *saw_destroying = Destroying(); }
  };
  bool saw = false;
  auto* p = new Probe(nullptr);
  p->saw_destroying = &saw;
  EXPECT_FALSE(p->Destroying());
  p->BeginLoading();
  EXPECT_TRUE(p->Loading());
  p->Loaded();
  EXPECT_FALSE(p->Loading());
  p->SetDesigning(true);
  EXPECT_TRUE(p->Designing());
  p->Free();
  EXPECT_TRUE(saw);
}

}  // namespace
}  // namespace kestrova::framework
