#include "page_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

namespace {

int ListenOnLoopback(int* port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof(address);
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(fd, 16) != 0) {
    close(fd);
    return -1;
  }
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  *port = ntohs(address.sin_port);
  return fd;
}

}  // namespace

int UnusedPort() {
  int port = 0;
  const int fd = ListenOnLoopback(&port);
  close(fd);  // bound once, nobody listens there now
  return port;
}

PageServer::PageServer() {
  listener_ = ListenOnLoopback(&port_);
  thread_ = std::thread(&PageServer::Serve, this);
}

PageServer::~PageServer() {
  {
    std::lock_guard<std::mutex> held(lock_);
    stopping_ = true;
    released_ = true;
    for (int client : open_)
      shutdown(client, SHUT_RDWR);
  }
  released_cv_.notify_all();
  shutdown(listener_, SHUT_RDWR);
  thread_.join();
  close(listener_);
}

std::string PageServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void PageServer::Add(const std::string& path, const std::string& body, const std::string& type) {
  std::lock_guard<std::mutex> held(lock_);
  pages_[path] = Page{body, type};
}

void PageServer::Release() {
  {
    std::lock_guard<std::mutex> held(lock_);
    released_ = true;
  }
  released_cv_.notify_all();
}

void PageServer::Serve() {
  std::vector<std::thread> answering;
  for (;;) {
    const int client = accept(listener_, nullptr, nullptr);
    if (client < 0)
      break;
    {
      std::lock_guard<std::mutex> held(lock_);
      if (stopping_) {
        close(client);
        break;
      }
      open_.insert(client);
    }
    answering.emplace_back(&PageServer::Answer, this, client);
  }
  for (std::thread& each : answering)
    each.join();
}

void PageServer::Answer(int client) {
  std::string request;
  char buffer[2048];
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
    const ssize_t got = read(client, buffer, sizeof(buffer));
    if (got <= 0)
      break;
    request.append(buffer, got);
  }
  const size_t start = request.find(' ') + 1;
  const std::string path = request.substr(start, request.find(' ', start) - start);
  std::string status = "200 OK";
  std::string body;
  std::string type = "text/html";
  {
    std::unique_lock<std::mutex> held(lock_);
    if (path == "/held")
      released_cv_.wait(held, [this] { return released_; });
    auto found = pages_.find(path);
    if (found != pages_.end()) {
      body = found->second.body;
      type = found->second.type;
    } else
      status = "404 Not Found";
  }
  const std::string answer = "HTTP/1.1 " + status + "\r\nContent-Type: " + type + "\r\nContent-Length: " +
                             std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
  ssize_t ignored = write(client, answer.data(), answer.size());
  (void)ignored;
  std::lock_guard<std::mutex> held(lock_);
  open_.erase(client);
  close(client);
}
