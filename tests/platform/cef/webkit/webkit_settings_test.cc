// What the engine's settings give the pages: their language and where the
// engine keeps its cache.
#include <dirent.h>

#include <algorithm>
#include <cctype>

#include "webkit_fixture.h"

TEST_F(WebKitEngineTest, PagesSeeTheLocaleAsTheirLanguage) {
  server_.Add("/language.html", "<html><body><script>document.title = 'lang:' + navigator.language;</script></body></html>");
  Open(server_.Url("/language.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnTitleChange", "lang:"); }));
  std::string title;
  for (const RecordingClient::Call& call : client_->Calls()) {
    if (call.name == "OnTitleChange" && call.detail.find("lang:") == 0)
      title = call.detail;
  }
  std::transform(title.begin(), title.end(), title.begin(), [](unsigned char c) { return std::tolower(c); });
  EXPECT_EQ("lang:zh-cn", title);
}

TEST_F(WebKitEngineTest, TheEngineKeepsItsDataInTheCacheFolder) {
  server_.Add("/first.html", "<html><head><title>First</title></head></html>");
  Open(server_.Url("/first.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/first.html"); }));
  EXPECT_TRUE(Eventually([] {
    DIR* folder = opendir(EngineCachePath().c_str());
    int entries = 0;
    while (folder && readdir(folder))
      ++entries;
    if (folder)
      closedir(folder);
    return entries > 2;  // more than "." and ".."
  }));
}

// A page may read another origin's answers when the switch is given.
TEST_F(WebKitEngineTest, DisabledWebSecurityLetsAPageReadAnotherOrigin) {
  PageServer other;
  other.Add("/data.txt", "from the other origin", "text/plain");
  server_.Add("/reader.html",
              "<html><body><script>"
              "try { var request = new XMLHttpRequest();"
              "  request.open('GET', '" + other.Url("/data.txt") + "', false); request.send();"
              "  document.title = 'read:' + request.responseText; }"
              "catch (e) { document.title = 'refused:' + e; }"
              "</script></body></html>");
  Open(server_.Url("/reader.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnTitleChange", "read:") || Recorded(client_, "OnTitleChange", "refused:"); }));
  EXPECT_TRUE(Recorded(client_, "OnTitleChange", "read:from the other origin"));
}
