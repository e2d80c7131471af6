// Length-prefixed records over a connected stream socket: the wire between
// the browser process and a renderer. One thread reads; any thread writes.
#pragma once

#include <cstddef>
#include <mutex>
#include <string>

namespace cef_internal {

class RecordSocket {
 public:
  // A record larger than this is never written, and a peer announcing one
  // breaks the connection: a hostile or confused peer cannot make the other
  // side allocate without bound.
  static const size_t kMaxRecordBytes = 64 << 20;

  enum class ReadStatus {
    kRecord,  // a whole record was read
    kEnd,     // the peer closed the connection between records
    kBroken,  // a read failed, the peer closed mid-record or sent an oversized length
  };

  // Takes ownership of |fd|.
  explicit RecordSocket(int fd);
  ~RecordSocket();
  RecordSocket(const RecordSocket&) = delete;
  RecordSocket& operator=(const RecordSocket&) = delete;

  ReadStatus Read(std::string* record);
  // Blocks until the record is handed to the socket. False for an oversized
  // record (the connection stays usable) or once the connection is broken.
  bool Write(const std::string& record);
  // Ends the connection both ways; a blocked Read returns kEnd or kBroken.
  // Any thread.
  void Shutdown();

 private:
  bool ReadFully(char* data, size_t size, size_t* got);

  const int fd_;
  std::mutex write_lock_;
  bool write_broken_ = false;
};

}  // namespace cef_internal
