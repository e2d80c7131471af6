#include "src/transport/record_socket.h"

#include <errno.h>
#include <stdint.h>
#include <sys/socket.h>
#include <unistd.h>

namespace cef_internal {

RecordSocket::RecordSocket(int fd) : fd_(fd) {}

RecordSocket::~RecordSocket() {
  close(fd_);
}

bool RecordSocket::ReadFully(char* data, size_t size, size_t* got) {
  *got = 0;
  while (*got < size) {
    const ssize_t n = recv(fd_, data + *got, size - *got, 0);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    *got += static_cast<size_t>(n);
  }
  return true;
}

RecordSocket::ReadStatus RecordSocket::Read(std::string* record) {
  uint32_t length = 0;
  size_t got = 0;
  if (!ReadFully(reinterpret_cast<char*>(&length), sizeof(length), &got))
    return got == 0 ? ReadStatus::kEnd : ReadStatus::kBroken;
  if (length > kMaxRecordBytes)
    return ReadStatus::kBroken;
  record->resize(length);
  if (!ReadFully(&(*record)[0], length, &got))
    return ReadStatus::kBroken;
  return ReadStatus::kRecord;
}

bool RecordSocket::Write(const std::string& record) {
  if (record.size() > kMaxRecordBytes)
    return false;
  const uint32_t length = static_cast<uint32_t>(record.size());
  std::lock_guard<std::mutex> held(write_lock_);
  if (write_broken_)
    return false;
  // One send per part: the length and the payload stay together under the lock.
  const char* parts[2] = {reinterpret_cast<const char*>(&length), record.data()};
  const size_t sizes[2] = {sizeof(length), record.size()};
  for (int part = 0; part < 2; ++part) {
    size_t sent = 0;
    while (sent < sizes[part]) {
      const ssize_t n = send(fd_, parts[part] + sent, sizes[part] - sent, MSG_NOSIGNAL);
      if (n < 0 && errno == EINTR)
        continue;
      if (n <= 0) {
        write_broken_ = true;
        return false;
      }
      sent += static_cast<size_t>(n);
    }
  }
  return true;
}

void RecordSocket::Shutdown() {
  shutdown(fd_, SHUT_RDWR);
}

}  // namespace cef_internal
