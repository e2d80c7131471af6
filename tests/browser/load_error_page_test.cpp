#include "browser/load_error_page.h"

#include <gtest/gtest.h>

TEST(LoadErrorPage, NamesTheAddressTheErrorAndTheSignedCode) {
  EXPECT_EQ(
      "<html><body><h2>Failed to load URL http://www.vantellis.example/micro/ with error "
      "net::ERR_NAME_NOT_RESOLVED (-105).</h2></body></html>",
      BuildLoadErrorPage("http://www.vantellis.example/micro/", "net::ERR_NAME_NOT_RESOLVED",
                         -105));
  EXPECT_EQ("<html><body><h2>Failed to load URL  with error  (0).</h2></body></html>",
            BuildLoadErrorPage("", "", 0));
}

TEST(LoadErrorPage, InsertsACraftedAddressAndErrorTextAsPlainText) {
  std::string page = BuildLoadErrorPage(
      "http://x.example/?q=<script>alert('x')</script>&a=\"b\"", "<img src=x onerror=y>", -2);
  EXPECT_EQ(
      "<html><body><h2>Failed to load URL "
      "http://x.example/?q=&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;&amp;a=&quot;b&quot; "
      "with error &lt;img src=x onerror=y&gt; (-2).</h2></body></html>",
      page);
  EXPECT_EQ(std::string::npos, page.find("<script"));
  EXPECT_EQ(std::string::npos, page.find("<img"));
}

TEST(LoadErrorPage, KeepsNonAsciiTextUnchanged) {
  EXPECT_EQ("http://游戏.example/页面", EscapeHtmlText("http://游戏.example/页面"));
}
