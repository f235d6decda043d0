#include <gtest/gtest.h>

#include <string>

#include "framework/bitmap.h"
#include "framework/class_builder.h"
#include "framework/class_registry.h"
#include "framework/collection.h"
#include "framework/form.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework/picture.h"
#include "framework/stored_design.h"

namespace kestrova::framework {
namespace {

enum class TShade { shLight, shDark, shDeep };
enum class TPart { ptTop, ptMiddle, ptBottom };

class TSection : public TCollectionItem {
  KESTROVA_CLASS(TSection)

 public:
  int Width() const { return width_; }
  void SetWidth(int w) { width_ = w; }
  TBitmap& Picture() { return picture_; }

 private:
  int width_ = 10;
  TBitmap picture_;
};

const ClassInfo& TSection::StaticClass() {
  static const ClassInfo info = ClassBuilder<TSection>("TSection", &TCollectionItem::StaticClass())
                                    .Integer("Width", &TSection::Width, &TSection::SetWidth, 10)
                                    .Object("Picture", &TSection::Picture)
                                    .Build();
  return info;
}

// One published property of every kind a design can hold.
class TProbe : public TComponent {
  KESTROVA_CLASS(TProbe)

 public:
  explicit TProbe(TComponent* owner) : TComponent(owner) {}
  int Count() const { return count_; }
  void SetCount(int v) { count_ = v; }
  bool Flag() const { return flag_; }
  void SetFlag(bool v) { flag_ = v; }
  TShade Shade() const { return shade_; }
  void SetShade(TShade v) { shade_ = v; }
  SetOf<TPart> Parts() const { return parts_; }
  void SetParts(SetOf<TPart> v) { parts_ = v; }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& v) { text_ = v; }
  TColor Tint() const { return tint_; }
  void SetTint(TColor v) { tint_ = v; }
  std::vector<uint8_t> Blob() const { return blob_; }
  void SetBlob(const std::vector<uint8_t>& v) { blob_ = v; }
  TFont& Font() { return font_; }
  TPicture& Logo() { return logo_; }
  TOwnedCollection<TSection>& Sections() { return sections_; }
  TComponent* Buddy() const { return buddy_; }
  void SetBuddy(TComponent* c) { buddy_ = c; }
  TNotifyEvent OnPoke;
  std::vector<std::string>* loaded_log = nullptr;
  void Loaded() override {
    TComponent::Loaded();
    if (loaded_log) loaded_log->push_back(Name() + (buddy_ ? " sees " + buddy_->Name() : ""));
  }

 private:
  int count_ = 0;
  bool flag_ = false;
  TShade shade_ = TShade::shLight;
  SetOf<TPart> parts_;
  std::string text_;
  TColor tint_ = clWindow;
  std::vector<uint8_t> blob_;
  TFont font_;
  TPicture logo_;
  TOwnedCollection<TSection> sections_;
  TComponent* buddy_ = nullptr;
};

const ClassInfo& TProbe::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TProbe>("TProbe", &TComponent::StaticClass())
          .Integer("Count", &TProbe::Count, &TProbe::SetCount, 0)
          .Boolean("Flag", &TProbe::Flag, &TProbe::SetFlag, false)
          .Enumeration<TShade>("Shade", &TProbe::Shade, &TProbe::SetShade,
                               {"shLight", "shDark", "shDeep"}, TShade::shLight)
          .Set<TPart>("Parts", &TProbe::Parts, &TProbe::SetParts, {"ptTop", "ptMiddle", "ptBottom"},
                      SetOf<TPart>{})
          .String("Text", &TProbe::Text, &TProbe::SetText)
          .StoredWhen([](const TProbe& p) { return !p.Text().empty(); })
          .Color("Tint", &TProbe::Tint, &TProbe::SetTint, clWindow)
          .Binary("Blob", &TProbe::Blob, &TProbe::SetBlob)
          .Object("Font", &TProbe::Font)
          .Object("Logo", &TProbe::Logo)
          .Collection("Sections", &TProbe::Sections)
          .Component<TProbe>("Buddy", &TProbe::Buddy, &TProbe::SetBuddy)
          .Event("OnPoke", &TProbe::OnPoke)
          .Build();
  return info;
}

class TDesignForm : public TForm {
  KESTROVA_CLASS(TDesignForm)

 public:
  TProbe* Probe1 = nullptr;
  TProbe* Probe2 = nullptr;
  TLabel* Label1 = nullptr;
  TPanel* Panel1 = nullptr;
  int pokes = 0;
  explicit TDesignForm(TComponent* owner) : TForm(owner) {
    PublishField("Probe1", Probe1);
    PublishField("Probe2", Probe2);
    PublishField("Label1", Label1);
    PublishField("Panel1", Panel1);
    PublishHandler("ProbePoke", &TDesignForm::ProbePoke);
    PublishHandler("FormResize", &TDesignForm::FormResize);
    PublishHandler("FormKeyDown", &TDesignForm::FormKeyDown);
  }
  void FormKeyDown(TComponent*, uint16_t&, TShiftState) {}
  void ProbePoke(TComponent*) { ++pokes; }
  void FormResize(TComponent*) {}
};

const ClassInfo& TDesignForm::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TDesignForm>("TDesignForm", &TForm::StaticClass()).Build();
  return info;
}

// A 2x1 24-bit BMP: red, blue.
std::string TinyBmpHex() {
  return "424D3E00000000000000360000002800000002000000010000000100180000000000080000000000000000000"
         "00000000000000000000000FFFF00000000";
}

std::string FullDesign() {
  return "object DesignForm: TDesignForm\n"
         "  Left = 10\n"
         "  Top = 20\n"
         "  Caption = 'Zu'#252'rich '''#9'tab'\n"
         "  Color = clBtnFace\n"
         "  Font.Charset = ANSI_CHARSET\n"
         "  Font.Color = $00FF8000\n"
         "  Font.Height = -13\n"
         "  Font.Name = 'Tahoma'\n"
         "  Font.Style = [fsBold, fsItalic]\n"
         "  BorderStyle = bsDialog\n"
         "  ClientHeight = 120\n"
         "  ClientWidth = 200\n"
         "  Position = poDesktopCenter\n"
         "  Scaled = False\n"
         "  OnResize = FormResize\n"
         "  object Probe1: TProbe\n"
         "    Count = -42\n"
         "    Flag = True\n"
         "    Shade = shDeep\n"
         "    Parts = [ptTop, ptBottom]\n"
         "    Text = 'line one'#13#10'line two'\n"
         "    Tint = 8355711\n"
         "    Blob = {00FF10\n      20}\n"
         "    Logo.Data = {07544269746D6170" +
         TinyBmpHex() +
         "}\n"
         "    Sections = <\n"
         "      item\n"
         "        Width = 48\n"
         "        Picture.Data = {" +
         TinyBmpHex() +
         "}\n"
         "      end\n"
         "      item\n"
         "      end>\n"
         "    Buddy = Probe2\n"
         "    OnPoke = ProbePoke\n"
         "  end\n"
         "  object Probe2: TProbe\n"
         "    Buddy = Probe1\n"
         "  end\n"
         "  object Panel1: TPanel\n"
         "    Left = 4\n"
         "    Top = 4\n"
         "    Width = 100\n"
         "    Height = 50\n"
         "    BevelOuter = bvLowered\n"
         "    Caption = 'Panel'\n"
         "    object Label1: TLabel\n"
         "      Left = 2\n"
         "      Top = 3\n"
         "      Caption = 'Label'\n"
         "      Transparent = True\n"
         "    end\n"
         "  end\n"
         "end\n";
}

TEST(StoredDesign, ReadsEveryPropertyKindIntoFieldsHandlersAndParents) {
  OwnedComponent<TDesignForm> form(new TDesignForm(nullptr));
  ReadDesign(*form, FullDesign());
  EXPECT_EQ(form->Name(), "DesignForm");
  EXPECT_EQ(form->Caption(),
            "Zu\xC3\xBC"
            "rich '\ttab");
  EXPECT_EQ(form->Color(), clBtnFace);
  EXPECT_EQ(form->Font().Name(), "Tahoma");
  EXPECT_EQ(form->Font().Color(), 0x00FF8000u);
  EXPECT_EQ(form->Font().Charset(), ANSI_CHARSET);
  EXPECT_TRUE(form->Font().Style().Contains(TFontStyle::fsItalic));
  EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsDialog);
  EXPECT_EQ(form->ClientWidth(), 200);
  EXPECT_EQ(form->ClientHeight(), 120);
  ASSERT_NE(form->Probe1, nullptr);
  TProbe& p = *form->Probe1;
  EXPECT_EQ(p.Count(), -42);
  EXPECT_TRUE(p.Flag());
  EXPECT_EQ(p.Shade(), TShade::shDeep);
  EXPECT_EQ(p.Parts(), (SetOf<TPart>{TPart::ptTop, TPart::ptBottom}));
  EXPECT_EQ(p.Text(), "line one\r\nline two");
  EXPECT_EQ(p.Tint(), 8355711u);
  EXPECT_EQ(p.Blob(), (std::vector<uint8_t>{0x00, 0xFF, 0x10, 0x20}));
  ASSERT_EQ(p.Logo().Width(), 2);
  EXPECT_EQ(p.Logo().Bitmap().Pixels().At(0, 0), MakePixel(255, 0, 0));
  ASSERT_EQ(p.Sections().Count(), 2);
  EXPECT_EQ(p.Sections().Items(0)->Width(), 48);
  EXPECT_EQ(p.Sections().Items(1)->Width(), 10);
  TBitmap& pic = p.Sections().Items(0)->Picture();
  ASSERT_EQ(pic.Width(), 2);
  EXPECT_EQ(pic.Pixels().At(0, 0), MakePixel(255, 0, 0));
  EXPECT_EQ(pic.Pixels().At(1, 0), MakePixel(0, 0, 255));
  // References resolve even to objects read later.
  EXPECT_EQ(p.Buddy(), form->Probe2);
  EXPECT_EQ(form->Probe2->Buddy(), form->Probe1);
  p.OnPoke(&p);
  EXPECT_EQ(form->pokes, 1);
  ASSERT_NE(form->Label1, nullptr);
  EXPECT_EQ(form->Label1->Parent(), form->Panel1);
  EXPECT_EQ(form->Panel1->Parent(), form.get());
  EXPECT_EQ(form->Label1->Owner(), form.get());
  EXPECT_TRUE(form->Label1->Transparent());
  // The label takes the form's font through the panel.
  EXPECT_EQ(form->Label1->Font().Name(), "Tahoma");
}

TEST(StoredDesign, WritingAndReadingAgainGivesTheSameDesign) {
  OwnedComponent<TDesignForm> first(new TDesignForm(nullptr));
  ReadDesign(*first, FullDesign());
  std::string written = WriteDesign(*first);
  OwnedComponent<TDesignForm> second(new TDesignForm(nullptr));
  ReadDesign(*second, written);
  EXPECT_EQ(WriteDesign(*second), written);
  EXPECT_EQ(ParseDesign(written), CaptureDesign(*second));
  EXPECT_NE(written.find("Font.Style = [fsBold, fsItalic]"), std::string::npos) << written;
  EXPECT_NE(written.find("Color = clBtnFace"), std::string::npos);
  EXPECT_NE(written.find("OnPoke = ProbePoke"), std::string::npos);
  EXPECT_NE(written.find("Buddy = Probe2"), std::string::npos);
  EXPECT_NE(written.find("Logo.Data = {"), std::string::npos);
  EXPECT_EQ(second->Probe1->Sections().Items(0)->Picture().Pixels().At(1, 0), MakePixel(0, 0, 255));
}

TEST(StoredDesign, LoadedRunsAfterEveryReferenceIsResolved) {
  OwnedComponent<TDesignForm> form(new TDesignForm(nullptr));
  std::vector<std::string> log;
  auto* a = new TProbe(form.get());
  a->SetName("Probe1");
  a->loaded_log = &log;
  ReadDesign(*form,
             "object F: TDesignForm\n object Probe1: TProbe\n  Buddy = Later\n end\n"
             " object Later: TProbe\n end\nend\n");
  EXPECT_EQ(log, (std::vector<std::string>{"Probe1 sees Later"}));
  EXPECT_FALSE(a->Loading());
}

struct BadDesign {
  const char* text;
  const char* message;
};

TEST(StoredDesign, ErrorsNameTheLineAndTheProperty) {
  const BadDesign cases[] = {
      {"object F: TDesignForm\n  Colour = clRed\nend\n",
       "test line 2: property Colour: TDesignForm has no such property"},
      {"object F: TDesignForm\n  Left = 1\n  BorderStyle = bsRound\nend\n",
       "test line 3: property BorderStyle: invalid value bsRound"},
      {"object F: TDesignForm\n  Font.Style = [fsBold, fsWide]\nend\n",
       "test line 2: property Font.Style: invalid set element fsWide"},
      {"object F: TDesignForm\n  Caption = 12\nend\n",
       "test line 2: property Caption: string expected"},
      {"object F: TDesignForm\n  OnResize = Missing\nend\n",
       "test line 2: property OnResize: TDesignForm publishes no handler Missing"},
      {"object F: TDesignForm\n  object P: TProbe\n    OnPoke = FormKeyDown\n  end\nend\n",
       "test line 3: property OnPoke: handler FormKeyDown does not fit the event"},
      {"object F: TDesignForm\n  object P: TProbe\n    Buddy = Nobody\n  end\nend\n",
       "test line 3: property Buddy: no component named Nobody"},
      {"object F: TDesignForm\n  object X: TNoSuchClass\n  end\nend\n",
       "test line 2: class TNoSuchClass not found"},
      {"object F: TDesignForm\n  object Probe1: TLabel\n  end\nend\n",
       "test line 2: field Probe1 does not fit class TLabel"},
      {"object F: TDesignForm\n  object P: TProbe\n    Blob = {0F0}\n  end\nend\n",
       "test line 3: odd number of hexadecimal digits"},
      {"object F: TDesignForm\n  Caption = 'open\nend\n", "test line 2: unterminated string"},
      {"object F: TDesignForm\n  Left = 1\n", "test line 3: 'end' expected"},
      {"object F: TDesignForm\n  object P: TProbe\n    Sections = <\n      item\n"
       "        Picture.Data = {424D00}\n      end>\n  end\nend\n",
       "test line 5: property Picture.Data: BMP: header is truncated"},
  };
  for (const BadDesign& c : cases) {
    OwnedComponent<TDesignForm> form(new TDesignForm(nullptr));
    try {
      ReadDesign(*form, c.text, "test");
      ADD_FAILURE() << "no error for: " << c.text;
    } catch (const DesignError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

// A class no form publishes: designs find it only once it is registered.
class TRegisteredGadget : public TComponent {
  KESTROVA_CLASS(TRegisteredGadget)

 public:
  using TComponent::TComponent;
};

const ClassInfo& TRegisteredGadget::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TRegisteredGadget>("TRegisteredGadget", &TComponent::StaticClass()).Build();
  return info;
}

TEST(ClassRegistry, DesignsNameRegisteredClassesAndNamesStayUnique) {
  const char* design =
      "object F: TDesignForm\n  object G: TRegisteredGadget\n    Tag = 7\n  end\nend\n";
  OwnedComponent<TDesignForm> before(new TDesignForm(nullptr));
  EXPECT_THROW(ReadDesign(*before, design), DesignError);
  RegisterClasses({&TRegisteredGadget::StaticClass()});
  RegisterClasses({&TRegisteredGadget::StaticClass()});  // again: nothing happens
  OwnedComponent<TDesignForm> form(new TDesignForm(nullptr));
  ReadDesign(*form, design);
  auto* g = dynamic_cast<TRegisteredGadget*>(form->FindComponent("G"));
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->Tag(), 7);
  EXPECT_EQ(FindRegisteredClass("tregisteredgadget"), &TRegisteredGadget::StaticClass());
  EXPECT_EQ(FindRegisteredClass("TLabel"), &TLabel::StaticClass());
  static const ClassInfo impostor = [] {
    ClassInfo c;
    c.name = "TRegisteredGadget";
    return c;
  }();
  EXPECT_THROW(RegisterClasses({&impostor}), Error);
  EXPECT_EQ(FindRegisteredClass("TRegisteredGadget"), &TRegisteredGadget::StaticClass());
}

TEST(PublishedProperties, ByNameAccessFollowsInheritanceAndKinds) {
  OwnedComponent<TDesignForm> form(new TDesignForm(nullptr));
  auto* p = new TProbe(form.get());
  EXPECT_TRUE(HasPublishedProperty(*p, "Shade"));
  EXPECT_TRUE(HasPublishedProperty(*p, "tag"));  // inherited, any case
  EXPECT_FALSE(HasPublishedProperty(*p, "UIStyle"));
  SetEnumProperty(*p, "Shade", "shDark");
  EXPECT_EQ(GetOrdProperty(*p, "Shade"), 1);
  SetOrdProperty(*p, "Shade", 2);
  EXPECT_EQ(GetEnumProperty(*p, "Shade"), "shDeep");
  EXPECT_THROW(SetOrdProperty(*p, "Shade", 3), PropertyError);
  EXPECT_THROW(SetStrProperty(*p, "Count", "x"), PropertyError);
  auto* q = new TProbe(form.get());
  SetComponentProperty(*p, "Buddy", q);
  EXPECT_EQ(GetComponentProperty(*p, "Buddy"), q);
  EXPECT_THROW(SetComponentProperty(*p, "Buddy", form.get()), PropertyError);
  EXPECT_EQ(GetObjectProperty(*p, "Font"), &p->Font());
}

}  // namespace
}  // namespace kestrova::framework

namespace kestrova::framework {
namespace {

// A component that holds others as its items, like a menu its menu items,
// and a collection whose items refer to components.
class TShelf;

class TShelfLink : public TCollectionItem {
  KESTROVA_CLASS(TShelfLink)

 public:
  TComponent* Target() const { return target_; }
  void SetTarget(TComponent* c) {
    target_ = c;
    FreeNotify(c);
    Changed();
  }

 protected:
  void Notification(TComponent* c, TOperation op) override {
    if (op == TOperation::opRemove && c == target_) target_ = nullptr;
  }

 private:
  TComponent* target_ = nullptr;
};

const ClassInfo& TShelfLink::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TShelfLink>("TShelfLink", &TCollectionItem::StaticClass())
          .Component<TComponent>("Target", &TShelfLink::Target, &TShelfLink::SetTarget)
          .Build();
  return info;
}

class TShelfLinks : public TOwnedCollection<TShelfLink> {
 public:
  using TOwnedCollection::TOwnedCollection;
  std::vector<int> updates;  // index of the item, -1 for all

 protected:
  void Update(TCollectionItem* item) override { updates.push_back(item ? item->Index() : -1); }
};

class TShelf : public TComponent {
  KESTROVA_CLASS(TShelf)

 public:
  using TComponent::TComponent;
  std::vector<TComponent*> items;
  TShelfLinks& Links() { return links_; }
  bool AcceptDesignChild(TComponent* child) override {
    items.push_back(child);
    return true;
  }
  std::vector<TComponent*> DesignChildren() const override { return items; }

 protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    links_.Notification(c, op);
  }

 private:
  TShelfLinks links_{this};
};

const ClassInfo& TShelf::StaticClass() {
  static const ClassInfo info = ClassBuilder<TShelf>("TShelf", &TComponent::StaticClass())
                                    .Collection("Links", &TShelf::Links)
                                    .Build();
  return info;
}

class TShelfForm : public TForm {
  KESTROVA_CLASS(TShelfForm)

 public:
  TShelf* Shelf1 = nullptr;
  explicit TShelfForm(TComponent* owner) : TForm(owner) {
    PublishField("Shelf1", Shelf1);
    PublishClass<TProbe>();
  }
};

const ClassInfo& TShelfForm::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TShelfForm>("TShelfForm", &TForm::StaticClass()).Build();
  return info;
}

TEST(StoredDesign, NestedComponentsGoToTheirHolderAndReferencesReachOtherForms) {
  OwnedComponent<TForm> app_owner(new TForm(nullptr));  // stands in for the application
  auto* other = new TForm(app_owner.get());
  other->SetName("OtherForm");
  auto* distant = new TProbe(other);
  distant->SetName("FarProbe");
  auto* form = new TShelfForm(app_owner.get());
  const std::string design =
      "object ShelfForm: TShelfForm\n"
      "  object Shelf1: TShelf\n"
      "    Links = <\n"
      "      item\n        Target = Near\n      end\n"
      "      item\n        Target = OtherForm.FarProbe\n      end>\n"
      "    object Near: TProbe\n      Count = 2\n    end\n"
      "    object Nearer: TProbe\n    end\n"
      "  end\n"
      "end\n";
  ReadDesign(*form, design);
  ASSERT_NE(form->Shelf1, nullptr);
  TShelf& shelf = *form->Shelf1;
  ASSERT_EQ(shelf.items.size(), 2u);
  EXPECT_EQ(shelf.items[0]->Name(), "Near");
  EXPECT_EQ(shelf.items[0]->Owner(), form);
  ASSERT_EQ(shelf.Links().Count(), 2);
  EXPECT_EQ(shelf.Links().Items(0)->Target(), shelf.items[0]);
  EXPECT_EQ(shelf.Links().Items(1)->Target(), distant);
  std::string written = WriteDesign(*form);
  EXPECT_NE(written.find("Target = OtherForm.FarProbe"), std::string::npos) << written;
  DesignObject tree = ParseDesign(written);
  ASSERT_EQ(tree.children.size(), 1u);
  ASSERT_EQ(tree.children[0].children.size(), 2u);  // the items inside their shelf
  EXPECT_EQ(tree.children[0].children[1].name, "Nearer");
  // Removal reaches the items through the collection's owner.
  distant->Free();
  EXPECT_EQ(shelf.Links().Items(1)->Target(), nullptr);
  shelf.items[0]->Free();
  EXPECT_EQ(shelf.Links().Items(0)->Target(), nullptr);
}

TEST(Collection, UpdatesNameTheItemAndCollectAcrossBeginAndEndUpdate) {
  OwnedComponent<TShelf> shelf(new TShelf(nullptr));
  TShelfLinks& links = shelf->Links();
  EXPECT_EQ(links.Owner(), shelf.get());
  links.Add();
  links.Add()->SetTarget(nullptr);
  EXPECT_EQ(links.updates, (std::vector<int>{-1, -1, 1}));
  links.updates.clear();
  links.BeginUpdate();
  links.BeginUpdate();
  links.Add();
  links.Items(0)->SetTarget(shelf.get());
  links.Delete(1);
  links.EndUpdate();
  EXPECT_TRUE(links.updates.empty());
  links.EndUpdate();
  EXPECT_EQ(links.updates, (std::vector<int>{-1}));
  links.EndUpdate();  // one too many: ignored
  EXPECT_EQ(links.UpdateCount(), 0);
}

}  // namespace
}  // namespace kestrova::framework
