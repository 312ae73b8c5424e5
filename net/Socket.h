#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// A connected TCP stream socket over Winsock 2 or BSD sockets. Every wait is cut into slices
// after which the anti-freeze component may pump window messages.
class TSocket {
public:
  // Looks Host up (IPv4) and connects within TimeoutMs; raises the EIdException kinds.
  TSocket(const std::string& Host, uint16_t Port, unsigned TimeoutMs);
  ~TSocket();
  TSocket(const TSocket&) = delete;
  TSocket& operator=(const TSocket&) = delete;

  void SendAll(const std::string& Data);
  // Waits without limit for data; returns the bytes read, 0 once the peer has closed.
  size_t Receive(void* Buffer, size_t Count);

private:
  intptr_t Handle;
};
