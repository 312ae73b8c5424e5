#pragma once
// The HTTP test server of tests/net/http_server.py: the one whose port VELANTO_TEST_HTTP_PORT
// names (how the Wine run gets it), or else one started natively once for the test binary.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "net/SocketApi.h"

#ifndef _WIN32
#include <csignal>
#include <unistd.h>
#endif

namespace test {

class THttpTestServer {
public:
  static int Port() { return Instance().FPort; }
  static std::string Url(const std::string& Path) {
    return "http://127.0.0.1:" + std::to_string(Port()) + Path;
  }

private:
  THttpTestServer() {
    if (const char* port = std::getenv("VELANTO_TEST_HTTP_PORT")) {
      FPort = std::atoi(port);
      return;
    }
#ifndef _WIN32
    const std::string command =
        std::string("exec python3 '") + VELANTO_SOURCE_DIR + "/tests/net/http_server.py'";
    Pipe = popen(command.c_str(), "r");
    if (Pipe && std::fscanf(Pipe, "%d %d", &FPort, &Pid) != 2)
      FPort = 0;
#endif
  }
  ~THttpTestServer() {
#ifndef _WIN32
    if (!Pipe)
      return;
    if (Pid > 0)
      kill(Pid, SIGTERM);
    pclose(Pipe);
#endif
  }
  static THttpTestServer& Instance() {
    static THttpTestServer server;
    return server;
  }

  int FPort = 0;
#ifndef _WIN32
  FILE* Pipe = nullptr;
  int Pid = 0;
#endif
};

// A loopback port that was just free: nothing listens there.
inline uint16_t ClosedPort() {
  socketapi::Startup();
  SocketHandle s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  socketapi::Close(s);
  return ntohs(address.sin_port);
}

}  // namespace test

#define REQUIRE_HTTP_TEST_SERVER()                                                        \
  if (test::THttpTestServer::Port() == 0)                                                 \
  GTEST_SKIP() << "no HTTP test server: python3 missing and VELANTO_TEST_HTTP_PORT unset"
