#include "net/SocketApi.h"

#include <cstring>

#ifdef _WIN32

namespace socketapi {

void Startup() {
  static const bool Started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  (void)Started;
}

int LastError() { return WSAGetLastError(); }
bool IsConnectInProgress(int Error) { return Error == WSAEWOULDBLOCK || Error == WSAEINPROGRESS; }
bool IsInterrupted(int Error) { return Error == WSAEINTR; }
bool IsWouldBlock(int Error) { return Error == WSAEWOULDBLOCK; }

std::string ErrorText(int Error) {
  char buffer[512];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                static_cast<DWORD>(Error), 0, buffer, sizeof buffer, nullptr);
  std::string text(buffer, length);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
    text.pop_back();
  return text;
}

void SetNonBlocking(SocketHandle Handle) {
  u_long on = 1;
  ioctlsocket(Handle, FIONBIO, &on);
}

void Close(SocketHandle Handle) { closesocket(Handle); }

int WaitReady(SocketHandle Handle, bool ForWrite, int TimeoutMs) {
  fd_set ready, failed;
  FD_ZERO(&ready);
  FD_ZERO(&failed);
  FD_SET(Handle, &ready);
  // Winsock reports a failed connect in the exception set only.
  FD_SET(Handle, &failed);
  timeval limit{TimeoutMs / 1000, (TimeoutMs % 1000) * 1000};
  int result = select(0, ForWrite ? nullptr : &ready, ForWrite ? &ready : nullptr, &failed,
                      TimeoutMs < 0 ? nullptr : &limit);
  return result > 0 ? 1 : result;
}

int Send(SocketHandle Handle, const char* Data, int Count) { return send(Handle, Data, Count, 0); }
int Recv(SocketHandle Handle, char* Buffer, int Count) { return recv(Handle, Buffer, Count, 0); }

}  // namespace socketapi

#else

#include <cerrno>
#include <fcntl.h>
#include <poll.h>

namespace socketapi {

void Startup() {}
int LastError() { return errno; }
bool IsConnectInProgress(int Error) { return Error == EINPROGRESS; }
bool IsInterrupted(int Error) { return Error == EINTR; }
bool IsWouldBlock(int Error) { return Error == EAGAIN || Error == EWOULDBLOCK; }
std::string ErrorText(int Error) { return std::strerror(Error); }

void SetNonBlocking(SocketHandle Handle) {
  fcntl(Handle, F_SETFL, fcntl(Handle, F_GETFL) | O_NONBLOCK);
}

void Close(SocketHandle Handle) { close(Handle); }

int WaitReady(SocketHandle Handle, bool ForWrite, int TimeoutMs) {
  pollfd entry{Handle, static_cast<short>(ForWrite ? POLLOUT : POLLIN), 0};
  int result = poll(&entry, 1, TimeoutMs);
  return result > 0 ? 1 : result;
}

int Send(SocketHandle Handle, const char* Data, int Count) {
  return static_cast<int>(send(Handle, Data, Count, MSG_NOSIGNAL));
}
int Recv(SocketHandle Handle, char* Buffer, int Count) {
  return static_cast<int>(recv(Handle, Buffer, Count, 0));
}

}  // namespace socketapi

#endif
