#include "net/Socket.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstring>

#include "net/IdAntiFreeze.h"
#include "net/IdException.h"
#include "net/SocketApi.h"

namespace {

constexpr int ConnectSliceMs = 125;

using Clock = std::chrono::steady_clock;

[[noreturn]] void RaiseLastError() {
  int error = socketapi::LastError();
  throw EIdSocketError(error, socketapi::ErrorText(error));
}

void PumpMessages() {
  if (TIdAntiFreeze* antiFreeze = TIdAntiFreeze::Current())
    antiFreeze->Idle();
}

// Name look-up pumps nothing.
sockaddr_in Resolve(const std::string& Host, uint16_t Port) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (Host.empty() || getaddrinfo(Host.c_str(), nullptr, &hints, &found) != 0 || !found)
    throw EIdHostNotFound(Host);
  sockaddr_in address;
  std::memcpy(&address, found->ai_addr, sizeof address);
  freeaddrinfo(found);
  address.sin_port = htons(Port);
  return address;
}

// Slices the wait for a pending connect, pumping after each one, until TimeoutMs has passed.
void AwaitConnect(SocketHandle Handle, unsigned TimeoutMs) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(TimeoutMs);
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0)
      throw EIdConnectTimeout();
    const long long limit = TIdAntiFreeze::Current() ? ConnectSliceMs : INT_MAX;
    const int slice = static_cast<int>(std::min<long long>(left, limit));
    int ready = socketapi::WaitReady(Handle, true, slice);
    if (ready > 0)
      break;
    if (ready < 0 && !socketapi::IsInterrupted(socketapi::LastError()))
      RaiseLastError();
    PumpMessages();
  }
  int error = 0;
  socklen_t length = sizeof error;
  if (getsockopt(Handle, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0)
    RaiseLastError();
  if (error != 0)
    throw EIdSocketError(error, socketapi::ErrorText(error));
}

// Waits for data without limit, in the anti-freeze's idle slices when there is one.
void AwaitReady(SocketHandle Handle, bool ForWrite) {
  for (;;) {
    TIdAntiFreeze* antiFreeze = TIdAntiFreeze::Current();
    int ready = socketapi::WaitReady(Handle, ForWrite,
                                     antiFreeze ? static_cast<int>(antiFreeze->IdleTimeOut) : -1);
    if (ready > 0)
      return;
    if (ready < 0 && !socketapi::IsInterrupted(socketapi::LastError()))
      RaiseLastError();
    PumpMessages();
  }
}

}  // namespace

TSocket::TSocket(const std::string& Host, uint16_t Port, unsigned TimeoutMs) {
  socketapi::Startup();
  const sockaddr_in address = Resolve(Host, Port);
  SocketHandle handle = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (handle == NoSocket)
    RaiseLastError();
  try {
    socketapi::SetNonBlocking(handle);
    if (connect(handle, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
      if (!socketapi::IsConnectInProgress(socketapi::LastError()))
        RaiseLastError();
      AwaitConnect(handle, TimeoutMs);
    }
  } catch (...) {
    socketapi::Close(handle);
    throw;
  }
  Handle = static_cast<intptr_t>(handle);
}

TSocket::~TSocket() { socketapi::Close(static_cast<SocketHandle>(Handle)); }

void TSocket::SendAll(const std::string& Data) {
  const SocketHandle handle = static_cast<SocketHandle>(Handle);
  size_t sent = 0;
  while (sent < Data.size()) {
    AwaitReady(handle, true);
    int count = static_cast<int>(std::min<size_t>(Data.size() - sent, 65536));
    int written = socketapi::Send(handle, Data.data() + sent, count);
    if (written < 0) {
      int error = socketapi::LastError();
      if (socketapi::IsInterrupted(error) || socketapi::IsWouldBlock(error))
        continue;
      throw EIdSocketError(error, socketapi::ErrorText(error));
    }
    sent += static_cast<size_t>(written);
  }
}

size_t TSocket::Receive(void* Buffer, size_t Count) {
  const SocketHandle handle = static_cast<SocketHandle>(Handle);
  for (;;) {
    AwaitReady(handle, false);
    int count = static_cast<int>(std::min<size_t>(Count, 65536));
    int read = socketapi::Recv(handle, static_cast<char*>(Buffer), count);
    if (read >= 0)
      return static_cast<size_t>(read);
    int error = socketapi::LastError();
    if (!socketapi::IsInterrupted(error) && !socketapi::IsWouldBlock(error))
      throw EIdSocketError(error, socketapi::ErrorText(error));
  }
}
