// Building control trees from skins: what is taken, what is skipped, and bad skins.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UIlib.h"
#include "test_resources.h"

using namespace DuiLib;

namespace {

// Records the classes it is asked for and builds "Wnd" and "CefBrowser" as containers.
class RecordingFactory : public IDialogBuilderCallback {
 public:
  CControlUI* CreateControl(LPCTSTR pstrClass) override {
    asked.push_back(pstrClass);
    const CDuiString name(pstrClass);
    if (name == _T("Wnd") || name == _T("CefBrowser")) return new CContainerUI;
    return NULL;
  }
  std::vector<std::wstring> asked;
};

class BuilderTest : public ::testing::Test {
 protected:
  CControlUI* Build(const std::string& skin) {
    duilib_test::SkinFiles files({{"skin.xml", skin}});
    CDialogBuilder builder;
    CControlUI* root = builder.Create(_T("skin.xml"), NULL, &factory_, &manager_);
    if (root != NULL) manager_.AttachDialog(root);
    return root;
  }

  RecordingFactory factory_;
  CPaintManagerUI manager_;
};

}  // namespace

TEST_F(BuilderTest, MalformedOrMissingSkinsGiveNoTree) {
  const std::vector<std::string> bad = {
      "",
      "<Window><VerticalLayout></Window>",
      "<Window size=\"1,2\"><Button name=\"a\"></Window",
      "not xml at all",
  };
  for (const std::string& skin : bad) {
    EXPECT_EQ(Build(skin), nullptr) << skin;
  }
  CDialogBuilder builder;
  EXPECT_EQ(builder.Create(_T("absent.xml"), NULL, NULL, &manager_), nullptr);
  EXPECT_EQ(builder.Create(STRINGorID(static_cast<LPCTSTR>(NULL))), nullptr);
}

TEST_F(BuilderTest, AbsurdlyDeepSkinsAreCutOffInsteadOfExhaustingTheStack) {
  std::string skin = "<Window>";
  for (int i = 0; i < 100000; ++i) skin += "<VerticalLayout>";
  skin += "<Button name=\"deep\"/>";
  for (int i = 0; i < 100000; ++i) skin += "</VerticalLayout>";
  skin += "</Window>";
  CControlUI* root = Build(skin);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(manager_.FindControl(_T("deep")), nullptr);
}

TEST_F(BuilderTest, UnknownElementsAreSkippedWithTheirChildrenAndUnknownAttributesIgnored) {
  CControlUI* root = Build(R"(<Window size="300,200" frobnicate="yes">
    <Image name="imgs/x.png" />
    <VerticalLayout name="root" sparkle="7">
      <Gadget name="gadget"><Button name="inside" /></Gadget>
      <Label name="label" text="hi" wobble="1" />
      <Wnd name="host"><Button name="hosted" /></Wnd>
      <Button name="btn"><Label name="notachild" /></Button>
    </VerticalLayout>
  </Window>)");
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->GetName(), CDuiString(_T("root")));
  EXPECT_EQ(manager_.FindControl(_T("gadget")), nullptr);
  EXPECT_EQ(manager_.FindControl(_T("inside")), nullptr);
  ASSERT_NE(manager_.FindControl(_T("label")), nullptr);
  EXPECT_EQ(manager_.FindControl(_T("label"))->GetText(), CDuiString(_T("hi")));
  // The window's own class comes from the callback, children and all.
  ASSERT_NE(manager_.FindControl(_T("hosted")), nullptr);
  EXPECT_EQ(manager_.FindControl(_T("hosted"))->GetParent(), manager_.FindControl(_T("host")));
  // A button holds no children.
  EXPECT_EQ(manager_.FindControl(_T("notachild")), nullptr);
  EXPECT_EQ(factory_.asked, (std::vector<std::wstring>{L"Gadget", L"Wnd"}));
  EXPECT_EQ(static_cast<CContainerUI*>(root)->GetCount(), 3);
}

TEST_F(BuilderTest, WindowAttributesFontsAndDefaultsReachThePaintManager) {
  CControlUI* root = Build(R"(<Window size="800,572" sizebox="4,4,6,6" caption="0,0,0,27"
      mininfo="640,480" maxinfo="1000,900" roundcorner="5,6" bktrans="true">
    <Font id="7" name="Serif" size="18" bold="true" italic="true" />
    <Font id="8" size="14" underline="true" default="true" />
    <Font name="NoId" size="30" />
    <Default name="Button" value="height=&quot;21&quot; textcolor=&quot;#FF112233&quot;" />
    <HorizontalLayout><Button name="b" /><Label name="l" font="99" /></HorizontalLayout>
  </Window>)");
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(manager_.GetInitSize().cx, 800);
  EXPECT_EQ(manager_.GetInitSize().cy, 572);
  EXPECT_EQ(manager_.GetSizeBox().right, 6);
  EXPECT_EQ(manager_.GetCaptionRect().bottom, 27);
  EXPECT_EQ(manager_.GetMinInfo().cx, 640);
  EXPECT_EQ(manager_.GetMaxInfo().cy, 900);
  EXPECT_EQ(manager_.GetRoundCorner().cy, 6);
  EXPECT_TRUE(manager_.IsBackgroundTransparent());

  const TFontInfo* serif = manager_.GetFontInfo(7);
  EXPECT_EQ(serif->sFontName, CDuiString(_T("Serif")));
  EXPECT_EQ(serif->iSize, 18);
  EXPECT_TRUE(serif->bBold);
  EXPECT_TRUE(serif->bItalic);
  EXPECT_FALSE(serif->bUnderline);
  // A missing font id falls back to the default font, which font 8 became.
  const TFontInfo* missing = manager_.GetFontInfo(99);
  ASSERT_NE(missing, nullptr);
  EXPECT_EQ(missing->iSize, 14);
  EXPECT_TRUE(missing->bUnderline);
  EXPECT_FALSE(missing->sFontName.IsEmpty());

  CButtonUI* button = static_cast<CButtonUI*>(manager_.FindControl(_T("b")));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->GetFixedHeight(), 21);
  EXPECT_EQ(button->GetTextColor(), 0xFF112233u);
}

TEST_F(BuilderTest, SharedFontsServeOtherWindows) {
  ASSERT_NE(Build(R"(<Window><Font id="4242" size="33" shared="true" /><Control /></Window>)"),
            nullptr);
  CPaintManagerUI other;
  EXPECT_EQ(other.GetFontInfo(4242)->iSize, 33);
}

TEST_F(BuilderTest, ControlAttributesOfTheSkins) {
  CControlUI* root = Build(R"(<Window><VerticalLayout bkcolor="#FF1f93e8" bordersize="1"
      bordercolor="#aa1f93e8" inset="6,-1">
    <Label name="l" align="right" valign="bottom" textcolor="#FFFFFF" textpadding="6,0,6,0"
           userdata="u" tooltip="t" enabled="false" keyboard="false" minwidth="3" maxheight="9" />
  </VerticalLayout></Window>)");
  ASSERT_NE(root, nullptr);
  CContainerUI* box = static_cast<CContainerUI*>(root);
  EXPECT_EQ(box->GetBkColor(), 0xFF1F93E8u);
  EXPECT_EQ(box->GetBorderColor(), 0xAA1F93E8u);
  EXPECT_EQ(box->GetBorderSize(), 1);
  EXPECT_EQ(box->GetInset().left, 6);
  EXPECT_EQ(box->GetInset().top, -1);
  EXPECT_EQ(box->GetInset().right, 0);

  CLabelUI* label = static_cast<CLabelUI*>(manager_.FindControl(_T("l")));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->GetTextStyle() & (DT_CENTER | DT_RIGHT), static_cast<UINT>(DT_RIGHT));
  EXPECT_EQ(label->GetTextStyle() & (DT_VCENTER | DT_BOTTOM), static_cast<UINT>(DT_BOTTOM));
  EXPECT_EQ(label->GetTextColor(), 0xFFFFFFFFu);  // six digits mean an opaque colour
  EXPECT_EQ(label->GetTextPadding().right, 6);
  EXPECT_EQ(label->GetUserData(), CDuiString(_T("u")));
  EXPECT_EQ(label->GetToolTip(), CDuiString(_T("t")));
  EXPECT_FALSE(label->IsEnabled());
  EXPECT_FALSE(label->IsKeyboardEnabled());
  EXPECT_EQ(label->GetMinWidth(), 3);
  EXPECT_EQ(label->GetMaxHeight(), 9);
}

TEST_F(BuilderTest, ControlsAreAddedToAGivenParent) {
  duilib_test::SkinFiles files({{"part.xml", "<Window><Button name=\"x\"/><Button name=\"y\"/></Window>"}});
  CVerticalLayoutUI* parent = new CVerticalLayoutUI;
  manager_.AttachDialog(parent);
  CDialogBuilder builder;
  CControlUI* first = builder.Create(_T("part.xml"), NULL, NULL, &manager_, parent);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(parent->GetCount(), 2);
  EXPECT_EQ(manager_.FindControl(_T("y")), parent->GetItemAt(1));
}

TEST(ResourceIndexTest, MapsSkinNamesToMembersAndSkipsUnknownContent) {
  duilib_test::SkinFiles files({
      {"res.xml", R"(<Res><Xml id="XML_MSG" path="msg.xml"/><Group><Image id="logo" path="imgs/l.png"/>
                   <Xml id="second" path="b.xml"/></Group><Junk id="x" path="y"/>
                   <Xml id="XML_MSG" path="later.xml"/><Xml path="noid.xml"/></Res>)"},
      {"msg.xml", "<Window><Label name=\"MessageTitle\" text=\"T\"/></Window>"},
      {"broken.xml", "<Res><Xml id=\"a\" path=\"b\"></Res>"},
  });
  CResourceManager* resources = CResourceManager::GetInstance();
  resources->ResetResourceMap();
  EXPECT_TRUE(resources->LoadResource(_T("res.xml")));
  EXPECT_STREQ(resources->GetXmlPath(_T("XML_MSG")), _T("msg.xml"));
  EXPECT_STREQ(resources->GetXmlPath(_T("second")), _T("b.xml"));
  EXPECT_STREQ(resources->GetImagePath(_T("logo")), _T("imgs/l.png"));
  EXPECT_EQ(resources->GetXmlPath(_T("x")), nullptr);
  EXPECT_EQ(resources->GetXmlPath(_T("missing")), nullptr);
  EXPECT_FALSE(resources->LoadResource(_T("broken.xml")));
  EXPECT_FALSE(resources->LoadResource(_T("absent.xml")));

  // A skin asked for by an index name is read from the member it maps to.
  CPaintManagerUI manager;
  CDialogBuilder builder;
  CControlUI* root = builder.Create(_T("XML_MSG"), NULL, NULL, &manager);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->GetName(), CDuiString(_T("MessageTitle")));
  delete root;

  resources->Release();
  CResourceManager* fresh = CResourceManager::GetInstance();
  EXPECT_EQ(fresh->GetXmlPath(_T("XML_MSG")), nullptr);
}

TEST_F(BuilderTest, AbsurdNumbersInAttributesAreHeldWithinAMillionPixels) {
  CControlUI* root = Build(
      "<Window><VerticalLayout>"
      "<Button name=\"b\" width=\"1e30\" padding=\"8.9e36,-1e400,nan,2\" />"
      "<Button name=\"c\" pos=\"-inf,0,inf,1e300\" float=\"true\" height=\"-nan\" />"
      "</VerticalLayout></Window>");
  ASSERT_NE(root, nullptr);
  CControlUI* b = manager_.FindControl(_T("b"));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->GetFixedWidth(), 1000000);
  const RECT padding = b->GetPadding();
  EXPECT_EQ(padding.left, 1000000);
  EXPECT_EQ(padding.top, -1000000);
  EXPECT_EQ(padding.right, 0);
  EXPECT_EQ(padding.bottom, 2);
}
