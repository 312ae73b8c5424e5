#pragma once
// The few differences between Winsock 2 and BSD sockets, so TSocket has one code path.
#include <string>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using SocketHandle = SOCKET;
constexpr SocketHandle NoSocket = INVALID_SOCKET;
#else
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
using SocketHandle = int;
constexpr SocketHandle NoSocket = -1;
#endif

namespace socketapi {

void Startup();  // once per process; Winsock needs it
int LastError();
bool IsConnectInProgress(int Error);
bool IsInterrupted(int Error);
bool IsWouldBlock(int Error);
std::string ErrorText(int Error);
void SetNonBlocking(SocketHandle Handle);
void Close(SocketHandle Handle);
// Waits up to TimeoutMs (negative: without limit) until Handle can be read, or written (which
// includes a finished or failed connect). 1 ready, 0 time passed, -1 failure (see LastError).
int WaitReady(SocketHandle Handle, bool ForWrite, int TimeoutMs);
int Send(SocketHandle Handle, const char* Data, int Count);
int Recv(SocketHandle Handle, char* Buffer, int Count);

}  // namespace socketapi
