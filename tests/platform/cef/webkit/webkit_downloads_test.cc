// Downloads: the client says where a file goes and hears when it is there.
#include <fstream>
#include <sstream>

#include "webkit_fixture.h"

TEST_F(WebKitEngineTest, DownloadGoesWhereTheClientSaysAndEndsComplete) {
  const std::string target = EngineCachePath() + "/saved.bin";
  server_.Add("/first.html", "<html><head><title>First</title></head></html>");
  server_.Add("/file.bin", "downloaded bytes", "application/octet-stream");
  client_->on_before_download = [target](CefRefPtr<CefBeforeDownloadCallback> callback) {
    callback->Continue(target, false);
  };
  Open(server_.Url("/first.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/first.html"); }));

  browser_->GetMainFrame()->LoadURL(server_.Url("/file.bin"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnDownloadUpdated", "complete"); }));
  EXPECT_TRUE(Recorded(client_, "OnBeforeDownload", "file.bin"));
  EXPECT_TRUE(Recorded(client_, "OnDownloadUpdated", "complete " + target));
  std::ifstream saved(target);
  std::stringstream content;
  content << saved.rdbuf();
  EXPECT_EQ("downloaded bytes", content.str());
  // The page stays; the load that turned into a download shows nothing.
  EXPECT_FALSE(Recorded(client_, "OnLoadError", std::to_string(ERR_CONNECTION_REFUSED)));
  EXPECT_EQ(server_.Url("/first.html"), browser_->GetMainFrame()->GetURL().ToString());
}

TEST_F(WebKitEngineTest, DownloadWithoutTheClientsAnswerIsCancelled) {
  server_.Add("/first.html", "<html><head><title>First</title></head></html>");
  server_.Add("/file.bin", "downloaded bytes", "application/octet-stream");
  Open(server_.Url("/first.html"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadEnd", "/first.html"); }));
  browser_->GetMainFrame()->LoadURL(server_.Url("/file.bin"));
  ASSERT_TRUE(Eventually([this] { return Recorded(client_, "OnBeforeDownload", "file.bin"); }));
  EXPECT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadingStateChange", "idle"); }));
  EXPECT_FALSE(Recorded(client_, "OnDownloadUpdated", "complete"));
}
