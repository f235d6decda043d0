#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/class_builder.h"
#include "framework/class_registry.h"
#include "framework/form.h"
#include "framework/main_menu.h"
#include "framework/popup_menu.h"
#include "framework/stored_design.h"
#include "framework_test_support.h"

namespace kestrova::framework {
namespace {

class TMenuDesignForm : public TForm {
  KESTROVA_CLASS(TMenuDesignForm)

 public:
  TMainMenu* MainMenu1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem *File1 = nullptr, *Open1 = nullptr, *Copy1 = nullptr;
  std::vector<std::string> clicked;
  int measured = 0;
  explicit TMenuDesignForm(TComponent* owner) : TForm(owner) {
    PublishField("MainMenu1", MainMenu1);
    PublishField("PopupMenu1", PopupMenu1);
    PublishField("File1", File1);
    PublishField("Open1", Open1);
    PublishField("Copy1", Copy1);
    PublishHandler("ItemClick", &TMenuDesignForm::ItemClick);
    PublishHandler("ItemMeasure", &TMenuDesignForm::ItemMeasure);
  }
  void ItemClick(TComponent* sender) { clicked.push_back(sender->Name()); }
  void ItemMeasure(TComponent*, TCanvas&, int&, int&) { ++measured; }
};

const ClassInfo& TMenuDesignForm::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TMenuDesignForm>("TMenuDesignForm", &TForm::StaticClass()).Build();
  return info;
}

const char kDesign[] =
    "object MenuDesignForm: TMenuDesignForm\n"
    "  Caption = 'Menus'\n"
    "  ClientHeight = 120\n"
    "  ClientWidth = 240\n"
    "  Menu = MainMenu1\n"
    "  object MainMenu1: TMainMenu\n"
    "    object File1: TMenuItem\n"
    "      Caption = '&File'\n"
    "      object Open1: TMenuItem\n"
    "        Caption = '&Open...'\n"
    "        ShortCut = 16463\n"
    "        OnClick = ItemClick\n"
    "      end\n"
    "      object N1: TMenuItem\n"
    "        Caption = '-'\n"
    "      end\n"
    "      object Exit1: TMenuItem\n"
    "        Caption = 'E&xit'\n"
    "        Default = True\n"
    "        Enabled = False\n"
    "        Hint = 'Leaves'\n"
    "      end\n"
    "    end\n"
    "    object Help1: TMenuItem\n"
    "      Caption = '&Help'\n"
    "    end\n"
    "  end\n"
    "  object PopupMenu1: TPopupMenu\n"
    "    OwnerDraw = True\n"
    "    object Copy1: TMenuItem\n"
    "      Caption = '&Copy'\n"
    "      Checked = True\n"
    "      GroupIndex = 2\n"
    "      ImageIndex = 3\n"
    "      RadioItem = True\n"
    "      OnMeasureItem = ItemMeasure\n"
    "    end\n"
    "    object Paste1: TMenuItem\n"
    "      Caption = '&Paste'\n"
    "      Visible = False\n"
    "    end\n"
    "  end\n"
    "end\n";

std::wstring Text(HMENU menu, UINT position) {
  wchar_t text[64] = {};
  GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
  return text;
}

std::vector<std::string> Names(const TMenuItem& parent) {
  std::vector<std::string> names;
  for (int i = 0; i < parent.Count(); ++i) names.push_back(parent.Items(i)->Name());
  return names;
}

class MenuDesignTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.OnException = [this](TComponent*, const std::exception& e) { errors.push_back(e.what()); };
    form = new TMenuDesignForm(&app);
    ReadDesign(*form, kDesign, "menus");
  }
  void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }
  TApplication app;
  std::vector<std::string> errors;
  TMenuDesignForm* form = nullptr;
};

TEST_F(MenuDesignTest, ItemsNestInTheirMenuOwnedAndNamedByTheForm) {
  ASSERT_NE(form->MainMenu1, nullptr);
  ASSERT_NE(form->PopupMenu1, nullptr);
  EXPECT_EQ(form->Menu(), form->MainMenu1);
  const TMenuItem& bar = *form->MainMenu1->Items();
  EXPECT_EQ(Names(bar), (std::vector<std::string>{"File1", "Help1"}));
  ASSERT_EQ(bar.Items(0), form->File1);
  EXPECT_EQ(Names(*form->File1), (std::vector<std::string>{"Open1", "N1", "Exit1"}));
  EXPECT_EQ(form->File1->Items(0), form->Open1);
  EXPECT_EQ(form->Open1->Parent(), form->File1);
  EXPECT_EQ(form->Open1->GetParentMenu(), form->MainMenu1);
  EXPECT_EQ(form->Open1->Owner(), form);
  EXPECT_EQ(form->FindComponent("Exit1"), form->File1->Items(2));
  EXPECT_EQ(form->Open1->ShortCut(), ShortCut('O', {TShiftFlag::ssCtrl}));
  EXPECT_TRUE(form->File1->Items(1)->IsLine());
  TMenuItem& exit = *form->File1->Items(2);
  EXPECT_FALSE(exit.Enabled());
  EXPECT_EQ(exit.Hint(), "Leaves");
  EXPECT_TRUE(exit.Default());

  const TMenuItem& popup = *form->PopupMenu1->Items();
  EXPECT_EQ(Names(popup), (std::vector<std::string>{"Copy1", "Paste1"}));
  EXPECT_EQ(form->Copy1->GetParentMenu(), form->PopupMenu1);
  EXPECT_TRUE(form->Copy1->Checked());
  EXPECT_TRUE(form->Copy1->RadioItem());
  EXPECT_EQ(form->Copy1->GroupIndex(), 2);
  EXPECT_EQ(form->Copy1->ImageIndex(), 3);
  EXPECT_FALSE(popup.Items(1)->Visible());
  EXPECT_TRUE(form->PopupMenu1->OwnerDraw());

  // Events stored with the items reach the form's handlers.
  form->Open1->Click();
  EXPECT_EQ(form->clicked, (std::vector<std::string>{"Open1"}));
  ASSERT_TRUE(form->Copy1->OnMeasureItem);
  TCanvas canvas;
  int width = 0, height = 0;
  form->Copy1->OnMeasureItem(form->Copy1, canvas, width, height);
  EXPECT_EQ(form->measured, 1);
}

TEST_F(MenuDesignTest, TheFormShowsTheLoadedMenuAndItsShortCutsReachTheItems) {
  form->Show();
  HMENU bar = GetMenu(form->Handle());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar, form->MainMenu1->Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(Text(bar, 0), L"&File");
  EXPECT_EQ(Text(bar, 1), L"&Help");
  HMENU file = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(file), 3);
  EXPECT_EQ(Text(file, 0), L"&Open...\tCtrl+O");
  EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_TRUE(GetMenuState(file, 2, MF_BYPOSITION) & MF_GRAYED);

  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  TMessage ctrl_o{WM_KEYDOWN, 'O', 0, 0};
  bool taken = form->IsShortCut(ctrl_o);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_TRUE(taken);
  EXPECT_EQ(form->clicked, (std::vector<std::string>{"Open1"}));
  // The menu command reaches the same item.
  form->Perform(WM_COMMAND, form->Open1->Command(), 0);
  EXPECT_EQ(form->clicked.size(), 2u);
}

TEST_F(MenuDesignTest, TheWriterNestsItemsInMenuOrderAndTheDesignReadsBackTheSame) {
  // Menu order, not creation order, decides the writing order.
  form->File1->Insert(0, form->File1->Items(2));
  std::string written = WriteDesign(*form);
  DesignObject tree = ParseDesign(written);
  ASSERT_EQ(tree.children.size(), 2u) << written;  // only the menus at the form's level
  const DesignObject& main = tree.children[0];
  EXPECT_EQ(main.name, "MainMenu1");
  ASSERT_EQ(main.children.size(), 2u) << written;
  const DesignObject& file = main.children[0];
  EXPECT_EQ(file.class_name, "TMenuItem");
  ASSERT_EQ(file.children.size(), 3u) << written;
  EXPECT_EQ(file.children[0].name, "Exit1");
  EXPECT_EQ(file.children[1].name, "Open1");
  EXPECT_NE(written.find("ShortCut = 16463"), std::string::npos) << written;
  EXPECT_NE(written.find("Menu = MainMenu1"), std::string::npos) << written;
  EXPECT_NE(written.find("OnMeasureItem = ItemMeasure"), std::string::npos) << written;
  EXPECT_EQ(written.find("Checked = False"), std::string::npos) << written;

  OwnedComponent<TMenuDesignForm> copy(new TMenuDesignForm(nullptr));
  ReadDesign(*copy, written, "written");
  EXPECT_EQ(WriteDesign(*copy), written);
  EXPECT_EQ(copy->Menu(), copy->MainMenu1);
  EXPECT_EQ(Names(*copy->File1), (std::vector<std::string>{"Exit1", "Open1", "N1"}));
}

TEST_F(MenuDesignTest, OnlyMenuItemsNestInMenusAndItems) {
  const std::string bad =
      "object Other: TForm\n"
      "  object PopupMenu2: TPopupMenu\n"
      "    object Timer1: TTimer\n"
      "    end\n"
      "  end\n"
      "end\n";
  // An unpublished menu is found by name once the menu classes are registered.
  RegisterMenuClasses();
  OwnedComponent<TForm> other(new TForm(nullptr));
  try {
    ReadDesign(*other, bad, "bad");
    ADD_FAILURE() << "a timer was taken into a menu";
  } catch (const DesignError& e) {
    EXPECT_NE(std::string(e.what()).find("line 3"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("TPopupMenu holds no TTimer"), std::string::npos)
        << e.what();
  }
}

}  // namespace
}  // namespace kestrova::framework
