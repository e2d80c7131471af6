#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cef/testing/renderer.h"
#include "include/cef_app.h"
#include "include/cef_render_process_handler.h"
#include "include/cef_task.h"
#include "message_args.h"
#include "win32/testing/environment.h"

namespace {

using cef::testing::kMainFrame;

// Records the engine's render-process callbacks as readable lines.
class RecordingApp : public CefApp, public CefRenderProcessHandler {
 public:
  CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() override { return this; }

  void OnRenderThreadCreated(CefRefPtr<CefListValue> extra_info) override {
    Record("thread created");
    render_thread = std::this_thread::get_id();
  }
  void OnWebKitInitialized() override { Record("webkit initialized"); }
  void OnBrowserCreated(CefRefPtr<CefBrowser> browser) override {
    Record("browser created " + std::to_string(browser->GetIdentifier()));
  }
  void OnBrowserDestroyed(CefRefPtr<CefBrowser> browser) override {
    Record("browser destroyed " + std::to_string(browser->GetIdentifier()));
  }
  void OnContextCreated(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                        CefRefPtr<CefV8Context> context) override {
    EXPECT_TRUE(context->IsValid());
    EXPECT_TRUE(context->GetBrowser()->IsSame(browser));
    EXPECT_EQ(frame.get(), context->GetFrame().get());
    EXPECT_EQ(std::this_thread::get_id(), render_thread);
    EXPECT_TRUE(CefCurrentlyOn(TID_RENDERER));
    contexts.push_back(context);
    Record("context created " + Describe(frame));
  }
  void OnContextReleased(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                         CefRefPtr<CefV8Context> context) override {
    EXPECT_TRUE(context->IsValid());
    Record("context released " + Describe(frame));
  }
  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser, CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override {
    Record("message " + message->GetName().ToString());
    return message->GetName() == "handled";
  }

  static std::string Describe(CefRefPtr<CefFrame> frame) {
    return (frame->IsMain() ? std::string("main") : frame->GetName().ToString()) + " " +
           frame->GetURL().ToString();
  }

  void Record(const std::string& event) { events.push_back(event); }

  std::vector<std::string> events;
  std::vector<CefRefPtr<CefV8Context>> contexts;
  std::thread::id render_thread;

  IMPLEMENT_REFCOUNTING(RecordingApp);
};

class RendererSessionTest : public ::testing::Test {
 protected:
  // Events since the last call; read on the render thread, where they are written.
  std::vector<std::string> TakeEvents() {
    std::vector<std::string> events;
    session_.RunOnRenderThread([&] { events.swap(app_->events); });
    return events;
  }

  CefRefPtr<RecordingApp> app_ = new RecordingApp;
  cef::testing::RendererSession session_{app_.get()};
};

TEST_F(RendererSessionTest, EveryDocumentOfEveryFrameGetsItsOwnContext) {
  EXPECT_EQ((std::vector<std::string>{"thread created", "webkit initialized"}), TakeEvents());
  const int browser = session_.CreateBrowser();
  EXPECT_EQ(1, browser);

  session_.LoadDocument(browser, "http://a.example/");
  EXPECT_TRUE(session_.LoadInlineFrame(browser, "ad", "http://ad.example/"));
  EXPECT_TRUE(session_.LoadInlineFrame(browser, "ad", "http://ad.example/2"));
  session_.Reload(browser);
  session_.LoadDocument(browser, "http://b.example/");

  EXPECT_EQ((std::vector<std::string>{
                "browser created 1",
                "context created main http://a.example/",
                "context created ad http://ad.example/",
                "context released ad http://ad.example/",
                "context created ad http://ad.example/2",
                "context released ad http://ad.example/2",
                "context released main http://a.example/",
                "context created main http://a.example/",
                "context created ad http://ad.example/2",
                "context released ad http://ad.example/2",
                "context released main http://a.example/",
                "context created main http://b.example/",
            }),
            TakeEvents());

  session_.RunOnRenderThread([&] {
    ASSERT_EQ(6u, app_->contexts.size());
    for (size_t i = 0; i + 1 < app_->contexts.size(); ++i) {
      EXPECT_FALSE(app_->contexts[i]->IsValid()) << i;
      EXPECT_EQ(nullptr, app_->contexts[i]->GetBrowser().get()) << i;
      EXPECT_EQ(nullptr, app_->contexts[i]->GetGlobal().get()) << i;
      EXPECT_FALSE(app_->contexts[i]->Enter()) << i;
    }
    EXPECT_TRUE(app_->contexts.back()->IsValid());
  });
}

TEST_F(RendererSessionTest, AMainFrameNavigationRemovesTheInlineFrames) {
  const int browser = session_.CreateBrowser();
  EXPECT_FALSE(session_.LoadInlineFrame(browser, "early", "http://x.example/"));
  session_.LoadDocument(browser, "http://a.example/");
  EXPECT_FALSE(session_.LoadInlineFrame(browser, kMainFrame, "http://x.example/"));
  ASSERT_TRUE(session_.LoadInlineFrame(browser, "ad", "http://ad.example/"));

  CefRefPtr<CefBrowser> renderer_browser = session_.GetBrowser(browser);
  CefRefPtr<CefFrame> ad;
  session_.RunOnRenderThread([&] {
    ad = renderer_browser->GetFrame("ad");
    ASSERT_TRUE(ad);
    EXPECT_EQ(2u, renderer_browser->GetFrameCount());
    EXPECT_TRUE(ad->GetParent()->IsMain());
    EXPECT_TRUE(renderer_browser->GetFrame(ad->GetIdentifier())->GetBrowser()->IsSame(
        renderer_browser));

    // A load asked for through the frame starts once the caller is done.
    renderer_browser->GetMainFrame()->LoadURL("http://b.example/");
    EXPECT_TRUE(ad->IsValid());
    EXPECT_EQ("http://a.example/", renderer_browser->GetMainFrame()->GetURL().ToString());
  });
  session_.RunOnRenderThread([&] {
    EXPECT_EQ("http://b.example/", renderer_browser->GetMainFrame()->GetURL().ToString());
    EXPECT_EQ(1u, renderer_browser->GetFrameCount());
    EXPECT_EQ(nullptr, renderer_browser->GetFrame("ad").get());
    EXPECT_FALSE(ad->IsValid());
  });
  EXPECT_EQ(nullptr, session_.GetGlobal(browser, "ad", "anything").get());
}

TEST_F(RendererSessionTest, DestroyingABrowserReleasesItsContextsBeforeSayingSo) {
  const int first = session_.CreateBrowser();
  const int second = session_.CreateBrowser();
  session_.LoadDocument(first, "http://a.example/");
  session_.LoadInlineFrame(first, "ad", "http://ad.example/");
  TakeEvents();

  CefRefPtr<CefBrowser> renderer_browser = session_.GetBrowser(first);
  session_.DestroyBrowser(first);
  EXPECT_EQ((std::vector<std::string>{"context released ad http://ad.example/",
                                      "context released main http://a.example/",
                                      "browser destroyed 1"}),
            TakeEvents());
  EXPECT_EQ(nullptr, session_.GetBrowser(first).get());
  session_.RunOnRenderThread([&] {
    EXPECT_FALSE(renderer_browser->GetMainFrame()->IsValid());
    EXPECT_FALSE(renderer_browser->SendProcessMessage(PID_BROWSER,
                                                      CefProcessMessage::Create("late")));
  });

  session_.LoadDocument(second, "http://b.example/");
  EXPECT_EQ((std::vector<std::string>{"context created main http://b.example/"}), TakeEvents());
}

TEST_F(RendererSessionTest, ARendererSendsOnlyToTheBrowserProcess) {
  const int browser = session_.CreateBrowser();
  CefRefPtr<CefBrowser> renderer_browser = session_.GetBrowser(browser);
  session_.RunOnRenderThread([&] {
    EXPECT_EQ(nullptr, renderer_browser->GetHost().get());
    EXPECT_FALSE(renderer_browser->SendProcessMessage(PID_RENDERER,
                                                      CefProcessMessage::Create("to self")));
    EXPECT_FALSE(renderer_browser->SendProcessMessage(PID_BROWSER, nullptr));
    CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("up");
    message->GetArgumentList()->SetString(0, "x");
    EXPECT_TRUE(renderer_browser->SendProcessMessage(PID_BROWSER, message));
  });

  std::vector<cef::testing::SentMessage> sent = session_.MessagesToBrowser();
  ASSERT_EQ(1u, sent.size());
  EXPECT_EQ(browser, sent[0].browser_id);
  EXPECT_EQ("up", sent[0].message->GetName().ToString());
  EXPECT_EQ((std::vector<std::string>{"x"}), ArgumentsOf(sent[0].message));
}

TEST_F(RendererSessionTest, MessagesFromTheBrowserReachTheHandlerWithItsAnswer) {
  const int browser = session_.CreateBrowser();
  TakeEvents();
  EXPECT_TRUE(session_.DeliverProcessMessage(browser, CefProcessMessage::Create("handled")));
  EXPECT_FALSE(session_.DeliverProcessMessage(browser, CefProcessMessage::Create("other")));
  EXPECT_FALSE(session_.DeliverProcessMessage(browser + 1, CefProcessMessage::Create("handled")));
  EXPECT_FALSE(session_.DeliverProcessMessage(browser, nullptr));
  EXPECT_EQ((std::vector<std::string>{"message handled", "message other"}), TakeEvents());
}

TEST_F(RendererSessionTest, ScriptsRunAreRecordedPerFrameWithinABudget) {
  const int browser = session_.CreateBrowser();
  session_.LoadDocument(browser, "http://a.example/");
  session_.LoadInlineFrame(browser, "ad", "http://ad.example/");
  CefRefPtr<CefBrowser> renderer_browser = session_.GetBrowser(browser);
  session_.RunOnRenderThread([&] {
    renderer_browser->GetMainFrame()->ExecuteJavaScript("a()", "http://a.example/", 3);
    renderer_browser->GetFrame("ad")->ExecuteJavaScript("b()", "", 0);
  });

  std::vector<cef::testing::ScriptRun> main_scripts = session_.ScriptsRun(browser, kMainFrame);
  ASSERT_EQ(1u, main_scripts.size());
  EXPECT_EQ("a()", main_scripts[0].code);
  EXPECT_EQ("http://a.example/", main_scripts[0].url);
  EXPECT_EQ(3, main_scripts[0].start_line);
  ASSERT_EQ(1u, session_.ScriptsRun(browser, "ad").size());
  EXPECT_TRUE(session_.ScriptsRun(browser, "nowhere").empty());

  const std::string big(1 << 20, 'x');
  session_.RunOnRenderThread([&] {
    for (int i = 0; i < 100; ++i)
      renderer_browser->GetMainFrame()->ExecuteJavaScript(big, "", i);
  });
  std::vector<cef::testing::ScriptRun> kept = session_.ScriptsRun(browser, kMainFrame);
  ASSERT_FALSE(kept.empty());
  EXPECT_LT(kept.size(), 100u);
  EXPECT_EQ(99, kept.back().start_line);
}

TEST_F(RendererSessionTest, FramesLoadedFromTextKnowTheirSource) {
  const int browser = session_.CreateBrowser();
  session_.LoadDocument(browser, "http://a.example/");
  CefRefPtr<CefBrowser> renderer_browser = session_.GetBrowser(browser);

  class Collect : public CefStringVisitor {
   public:
    void Visit(const CefString& string) override { text = string.ToString(); }
    std::string text = "unvisited";
    IMPLEMENT_REFCOUNTING(Collect);
  };
  CefRefPtr<Collect> source = new Collect;
  CefRefPtr<Collect> text = new Collect;
  session_.RunOnRenderThread([&] {
    CefRefPtr<CefFrame> frame = renderer_browser->GetMainFrame();
    frame->LoadString("<p>Hello <b>there</b></p>", "http://error.example/");
  });
  session_.RunOnRenderThread([&] {
    CefRefPtr<CefFrame> frame = renderer_browser->GetMainFrame();
    frame->GetSource(source.get());
    frame->GetText(text.get());
    EXPECT_EQ("http://error.example/", frame->GetURL().ToString());
  });
  EXPECT_EQ("<p>Hello <b>there</b></p>", source->text);
  EXPECT_EQ("Hello there", text->text);
}

// Signals when run, and remembers whether it ran on the render thread.
class SignalTask : public CefTask {
 public:
  void Execute() override {
    std::lock_guard<std::mutex> lock(mutex);
    on_render_thread = CefCurrentlyOn(TID_RENDERER);
    ran = true;
    done.notify_all();
  }
  void Wait() {
    std::unique_lock<std::mutex> lock(mutex);
    done.wait(lock, [this] { return ran; });
  }

  std::mutex mutex;
  std::condition_variable done;
  bool ran = false;
  bool on_render_thread = false;

  IMPLEMENT_REFCOUNTING(SignalTask);
};

TEST_F(RendererSessionTest, TheRenderThreadTakesPostedTasksOnlyWhileItRuns) {
  EXPECT_FALSE(CefCurrentlyOn(TID_RENDERER));
  CefRefPtr<SignalTask> now = new SignalTask;
  CefRefPtr<SignalTask> later = new SignalTask;
  ASSERT_TRUE(CefPostTask(TID_RENDERER, now.get()));
  ASSERT_TRUE(CefPostDelayedTask(TID_RENDERER, later.get(), 1));
  now->Wait();
  later->Wait();
  EXPECT_TRUE(now->on_render_thread);
  EXPECT_TRUE(later->on_render_thread);
}

TEST(RendererProcessTest, TheRendererRoleStartsTheAppsRenderThreadAndEndsWithZero) {
  win32::testing::SetCommandLine(L"Vantellis.exe --type=renderer --lang=zh-CN");
  CefRefPtr<RecordingApp> app = new RecordingApp;
  EXPECT_EQ(0, CefExecuteProcess(CefMainArgs(nullptr), app.get(), nullptr));
  EXPECT_EQ((std::vector<std::string>{"thread created", "webkit initialized"}), app->events);
  EXPECT_TRUE(app->HasOneRef());
  EXPECT_FALSE(CefPostTask(TID_RENDERER, new SignalTask));
  win32::testing::Reset();
}

}  // namespace
