// Pages served over HTTP on 127.0.0.1 to the engine under test. One page,
// "/held", answers only once the test releases it, so a load can be caught
// while it is under way.
#pragma once

#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>

class PageServer {
 public:
  PageServer();
  ~PageServer();

  // "http://127.0.0.1:<port><path>"
  std::string Url(const std::string& path) const;
  // Serves |body| at |path| (200) from now on.
  void Add(const std::string& path, const std::string& body, const std::string& type = "text/html; charset=utf-8");
  // Lets the answers to "/held" go.
  void Release();

 private:
  void Serve();
  void Answer(int client);

  int listener_ = -1;
  int port_ = 0;
  std::mutex lock_;
  std::condition_variable released_cv_;
  bool released_ = false;
  bool stopping_ = false;
  struct Page {
    std::string body;
    std::string type;
  };
  std::map<std::string, Page> pages_;
  // Connections being answered: the engine may open one ahead and send no
  // request on it until its own idle timeout, which must not hold up the end.
  std::set<int> open_;
  std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens.
int UnusedPort();
