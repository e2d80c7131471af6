// Layout of skins shaped like the launcher's windows, and the visibility rules behind it.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "UIlib.h"
#include "test_resources.h"

using namespace DuiLib;

namespace {

const char kMainSkin[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<Window size="800,572" sizebox="4,4,6,6" caption="0,0,0,27" mininfo="800,572">
  <Font id="1210" size="12" bold="true" />
  <VerticalLayout name="root">
    <HorizontalLayout name="header" height="27" inset="10,0,0,0" childpadding="3">
      <Control name="logo" width="16" height="16" padding="0,5,0,0" />
      <Label name="title" width="300" font="1210" text="Title" />
      <HorizontalLayout name="row" float="0,0,1,0" height="27">
        <Control name="spacer" />
        <Control width="20" />
        <Button name="menubtn" width="45" height="21" padding="0,3,0,0" />
        <Button name="hidebtn" width="28" height="27" />
        <Button name="minbtn" width="28" height="27" />
        <Button name="maxbtn" width="28" height="27" />
        <Button name="restorebtn" width="28" height="27" visible="false" />
        <Button name="closebtn" width="39" height="27" />
      </HorizontalLayout>
    </HorizontalLayout>
    <VerticalLayout name="body" inset="3,0,3,3">
      <Wnd name="browserwnd" />
    </VerticalLayout>
  </VerticalLayout>
</Window>)";

const char kLoginSkin[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<Window size="1164,717" caption="0,0,0,901" bktrans="true">
  <VerticalLayout name="root">
    <VerticalLayout name="top" height="256">
      <HorizontalLayout name="bar" height="30" padding="500,115,0,0" childpadding="3">
        <Control name="gap" />
        <Button name="frame_minbtn" width="30" />
        <Button name="frame_closebtn" width="30" />
        <Control name="tail" width="360" />
      </HorizontalLayout>
    </VerticalLayout>
    <VerticalLayout name="area" inset="230,-95,0,0">
      <Wnd name="browserwnd" width="600" height="360">
        <Label name="loading" width="660" height="410" align="center" text="..." />
      </Wnd>
    </VerticalLayout>
  </VerticalLayout>
</Window>)";

// Builds "Wnd" as a plain container, as the launcher's host control is one.
class WndFactory : public IDialogBuilderCallback {
 public:
  CControlUI* CreateControl(LPCTSTR pstrClass) override {
    return CDuiString(pstrClass) == _T("Wnd") ? new CContainerUI : NULL;
  }
};

class LayoutTest : public ::testing::Test {
 protected:
  LayoutTest()
      : skins_({{"main.xml", kMainSkin}, {"login.xml", kLoginSkin}}) {}

  CControlUI* Load(LPCTSTR skin) {
    CDialogBuilder builder;
    CControlUI* root = builder.Create(skin, NULL, &factory_, &manager_);
    if (root != NULL) manager_.AttachDialog(root);
    return root;
  }

  void LayOut(int width, int height) { manager_.GetRoot()->SetPos(RECT{0, 0, width, height}); }

  struct Expected {
    const char* name;
    RECT rect;
  };

  void ExpectRects(const std::vector<Expected>& rows) {
    for (const Expected& row : rows) {
      const std::wstring name(row.name, row.name + strlen(row.name));
      CControlUI* control = manager_.FindControl(name.c_str());
      ASSERT_NE(control, nullptr) << row.name;
      const RECT got = control->GetPos();
      EXPECT_EQ(Text(got), Text(row.rect)) << row.name;
    }
  }

  static std::string Text(const RECT& rc) {
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," +
           std::to_string(rc.right) + "," + std::to_string(rc.bottom);
  }

  duilib_test::SkinFiles skins_;
  WndFactory factory_;
  CPaintManagerUI manager_;
};

}  // namespace

using MainSkinLayoutTest = LayoutTest;

TEST_F(MainSkinLayoutTest, TitleBarAndBodyAtCreationSize) {
  ASSERT_NE(Load(_T("main.xml")), nullptr);
  LayOut(800, 572);
  ExpectRects({
                  {"header", {0, 0, 800, 27}},
                  {"logo", {10, 5, 26, 21}},
                  {"title", {29, 0, 329, 27}},
                  // The float row spans the whole header; the spacer takes what buttons leave.
                  {"row", {0, 0, 800, 27}},
                  {"spacer", {0, 0, 612, 27}},
                  {"menubtn", {632, 3, 677, 24}},
                  {"hidebtn", {677, 0, 705, 27}},
                  {"minbtn", {705, 0, 733, 27}},
                  {"maxbtn", {733, 0, 761, 27}},
                  {"closebtn", {761, 0, 800, 27}},
                  {"body", {0, 27, 800, 572}},
                  {"browserwnd", {3, 27, 797, 569}},
              });
}

TEST_F(MainSkinLayoutTest, ButtonsFollowTheRightEdgeWhenMaximised) {
  ASSERT_NE(Load(_T("main.xml")), nullptr);
  LayOut(800, 572);
  // Maximised: the restore button replaces the maximise button in the same place.
  manager_.FindControl(_T("maxbtn"))->SetVisible(false);
  manager_.FindControl(_T("restorebtn"))->SetVisible(true);
  LayOut(1920, 1040);
  ExpectRects({
                  {"title", {29, 0, 329, 27}},
                  {"spacer", {0, 0, 1732, 27}},
                  {"menubtn", {1752, 3, 1797, 24}},
                  {"minbtn", {1825, 0, 1853, 27}},
                  {"restorebtn", {1853, 0, 1881, 27}},
                  {"closebtn", {1881, 0, 1920, 27}},
                  {"browserwnd", {3, 27, 1917, 1037}},
              });
}

TEST_F(MainSkinLayoutTest, LoginSkinWithPaddingAndNegativeInset) {
  ASSERT_NE(Load(_T("login.xml")), nullptr);
  LayOut(1164, 717);
  ExpectRects({
                  {"top", {0, 0, 1164, 256}},
                  {"bar", {500, 115, 1164, 145}},
                  {"gap", {500, 115, 735, 145}},
                  {"frame_minbtn", {738, 115, 768, 145}},
                  {"frame_closebtn", {771, 115, 801, 145}},
                  {"tail", {804, 115, 1164, 145}},
                  {"area", {0, 256, 1164, 717}},
                  {"browserwnd", {230, 161, 830, 521}},
                  // A plain container gives its children its own client area.
                  {"loading", {230, 161, 830, 521}},
              });
}

TEST(LinearLayoutTest, AutoSizedChildrenShareTheRestWithinTheirLimits) {
  CVerticalLayoutUI box;
  CControlUI* fixed = new CControlUI;
  CControlUI* capped = new CControlUI;
  CControlUI* rest = new CControlUI;
  CControlUI* floating = new CControlUI;
  fixed->SetFixedHeight(100);
  capped->SetMaxHeight(50);
  floating->SetAttribute(_T("float"), _T("true"));
  floating->SetAttribute(_T("pos"), _T("10,20,110,60"));
  box.Add(fixed);
  box.Add(capped);
  box.Add(rest);
  box.Add(floating);
  box.SetAttribute(_T("childpadding"), _T("5"));
  box.SetPos(RECT{100, 100, 300, 411});

  // 311 - 100 fixed - 2 * 5 padding = 201 shared by two: 100 each, the last takes the rounding.
  EXPECT_EQ(fixed->GetPos().bottom, 200);
  EXPECT_EQ(capped->GetPos().top, 205);
  EXPECT_EQ(capped->GetPos().bottom, 255);  // clamped to its maximum
  EXPECT_EQ(rest->GetPos().top, 260);
  EXPECT_EQ(rest->GetPos().bottom, 361);
  EXPECT_EQ(rest->GetPos().right, 300);
  // A float child sits by its own rectangle relative to the container and takes no share.
  EXPECT_EQ(floating->GetPos().left, 110);
  EXPECT_EQ(floating->GetPos().top, 120);
  EXPECT_EQ(floating->GetPos().right, 210);
  EXPECT_EQ(floating->GetPos().bottom, 160);
}

TEST(LinearLayoutTest, MinimumWinsOverTheShareAndHiddenChildrenTakeNoSpace) {
  CHorizontalLayoutUI row;
  CControlUI* wide = new CControlUI;
  CControlUI* hidden = new CControlUI;
  CControlUI* last = new CControlUI;
  wide->SetMinWidth(150);
  hidden->SetFixedWidth(40);
  hidden->SetVisible(false);
  row.Add(wide);
  row.Add(hidden);
  row.Add(last);
  row.SetAttribute(_T("childpadding"), _T("10"));
  row.SetPos(RECT{0, 0, 200, 30});

  EXPECT_EQ(wide->GetPos().right, 150);
  EXPECT_EQ(last->GetPos().left, 160);
  EXPECT_EQ(last->GetPos().right, 255);  // its share, past the row's end
}

// Edges of a hostile skin's layout are held far beyond any screen instead of overflowing.
const LONG kFarEdge = 100000000;

bool WithinFarEdges(const RECT& rc) {
  return rc.left <= rc.right && rc.top <= rc.bottom && rc.left >= -kFarEdge &&
         rc.right <= kFarEdge && rc.top >= -kFarEdge && rc.bottom <= kFarEdge;
}

TEST(HostileLayoutTest, FloatFractionsFarBeyondTheParentStayWithinTheFarEdges) {
  struct Case {
    const wchar_t* float_value;
    RECT expected;
  } cases[] = {
      {L"1000000,1000000,1000000,1000000", {kFarEdge, kFarEdge, kFarEdge, kFarEdge}},
      {L"-1000000,-1000000,1000000,1000000", {-kFarEdge, -kFarEdge, kFarEdge, kFarEdge}},
      {L"0.5,0,1e300,1", {500000, 0, kFarEdge, 1000000}},
      {L"-1e300,-1e300,-1e300,-1e300", {-kFarEdge, -kFarEdge, -kFarEdge, -kFarEdge}},
  };
  for (const Case& c : cases) {
    CHorizontalLayoutUI row;
    CControlUI* floating = new CControlUI;
    floating->SetAttribute(_T("float"), c.float_value);
    row.Add(floating);
    row.SetPos(RECT{0, 0, 1000000, 1000000});
    const RECT rc = floating->GetPos();
    EXPECT_EQ(c.expected.left, rc.left) << c.float_value;
    EXPECT_EQ(c.expected.top, rc.top) << c.float_value;
    EXPECT_EQ(c.expected.right, rc.right) << c.float_value;
    EXPECT_EQ(c.expected.bottom, rc.bottom) << c.float_value;
  }
}

TEST(HostileLayoutTest, FractionsThatAreNotNumbersLeaveABoundedRectangle) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const TPercentInfo& percent : {TPercentInfo{nan, nan, nan, nan}, TPercentInfo{inf, -inf, inf, inf},
                                      TPercentInfo{-inf, nan, inf, -inf}}) {
    for (const RECT& parent : {RECT{0, 0, 0, 0}, RECT{-50, -50, 900, 700}}) {
      CVerticalLayoutUI box;
      CControlUI* floating = new CControlUI;
      floating->SetFloat(true);
      floating->SetFloatPercent(percent);
      box.Add(floating);
      box.SetPos(parent);
      EXPECT_TRUE(WithinFarEdges(floating->GetPos()));
    }
  }
}

TEST(HostileLayoutTest, ThousandsOfMillionPixelChildrenEndAtTheFarEdge) {
  for (bool vertical : {false, true}) {
    CVerticalLayoutUI column;
    CHorizontalLayoutUI row;
    CContainerUI& box = vertical ? static_cast<CContainerUI&>(column) : row;
    box.SetAttribute(_T("childpadding"), _T("1000000"));
    std::vector<CControlUI*> children;
    for (int i = 0; i < 3000; ++i) {
      CControlUI* child = new CControlUI;
      child->SetAttribute(vertical ? _T("height") : _T("width"), _T("1000000"));
      child->SetAttribute(_T("padding"), _T("1000000,1000000,1000000,1000000"));
      box.Add(child);
      children.push_back(child);
    }
    CControlUI* shared = new CControlUI;  // takes what is left, which is nothing
    box.Add(shared);
    box.SetPos(RECT{0, 0, 800, 600});
    for (CControlUI* child : children)
      ASSERT_TRUE(WithinFarEdges(child->GetPos())) << vertical;
    const RECT last = children.back()->GetPos();
    EXPECT_EQ(kFarEdge, vertical ? last.bottom : last.right);
    EXPECT_TRUE(WithinFarEdges(shared->GetPos()));
  }
}

TEST(VisibilityTest, HiddenContainerHidesItsChildrenWithoutChangingTheirOwnFlag) {
  CVerticalLayoutUI outer;
  CHorizontalLayoutUI* inner = new CHorizontalLayoutUI;
  CControlUI* leaf = new CControlUI;
  CControlUI* hiddenLeaf = new CControlUI;
  hiddenLeaf->SetVisible(false);
  inner->Add(leaf);
  inner->Add(hiddenLeaf);
  outer.Add(inner);

  outer.SetVisible(false);
  EXPECT_FALSE(inner->IsVisible());
  EXPECT_FALSE(leaf->IsVisible());

  outer.SetVisible(true);
  EXPECT_TRUE(leaf->IsVisible());
  EXPECT_FALSE(hiddenLeaf->IsVisible());  // its own flag still says hidden

  inner->SetInternVisible(false);
  EXPECT_FALSE(leaf->IsVisible());
  inner->SetInternVisible(true);
  EXPECT_TRUE(leaf->IsVisible());

  // A child added to a hidden container starts hidden.
  outer.SetVisible(false);
  CControlUI* late = new CControlUI;
  inner->Add(late);
  EXPECT_FALSE(late->IsVisible());
}

TEST(FindControlTest, ByNameByPointAndNotThroughHiddenOrMouselessControls) {
  duilib_test::SkinFiles skins({{"find.xml", R"(<Window size="200,100">
    <HorizontalLayout name="root">
      <Button name="a" width="50" />
      <Button name="b" width="50" mouse="false" />
      <Button name="c" width="50" visible="false" />
      <Control name="a" width="50" />
    </HorizontalLayout></Window>)"}});
  CPaintManagerUI manager;
  CDialogBuilder builder;
  CControlUI* root = builder.Create(_T("find.xml"), NULL, NULL, &manager);
  ASSERT_NE(root, nullptr);
  manager.AttachDialog(root);
  root->SetPos(RECT{0, 0, 200, 100});

  CControlUI* a = manager.FindControl(_T("a"));
  ASSERT_NE(a, nullptr);
  EXPECT_STREQ(a->GetClass(), _T("ButtonUI"));  // the first of a name keeps it
  EXPECT_EQ(manager.FindControl(_T("missing")), nullptr);
  EXPECT_EQ(manager.FindControl(POINT{25, 50}), a);
  // Without the mouse the point falls through to the layout under it.
  EXPECT_EQ(manager.FindControl(POINT{75, 50}), root);
  EXPECT_EQ(manager.FindControl(POINT{500, 50}), nullptr);

  // A removed control is forgotten by name.
  static_cast<CContainerUI*>(root)->Remove(a);
  EXPECT_EQ(manager.FindControl(_T("a")), nullptr);
}
