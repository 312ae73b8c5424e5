#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include "HttpTestServer.h"
#include "net/IdAntiFreeze.h"
#include "net/IdHTTP.h"
#include "net/SocketApi.h"

namespace {

using test::THttpTestServer;

std::string Contents(TMemoryStream& Stream) {
  return std::string(reinterpret_cast<const char*>(Stream.Memory()), static_cast<size_t>(Stream.Size()));
}

std::string Fetch(TIdHTTP& Http, const std::string& Path) {
  TMemoryStream page;
  Http.Get(THttpTestServer::Url(Path), page);
  return Contents(page);
}

// Every work event, in the order fired.
struct TWorkLog {
  explicit TWorkLog(TIdHTTP& Http) {
    Http.OnWorkBegin = [this](TObject*, TWorkMode Mode, int64_t Max) { Events.push_back({'B', Mode, Max}); };
    Http.OnWork = [this](TObject*, TWorkMode Mode, int64_t Count) { Events.push_back({'W', Mode, Count}); };
    Http.OnWorkEnd = [this](TObject*, TWorkMode Mode) { Events.push_back({'E', Mode, 0}); };
  }
  struct TEvent {
    char Kind;
    TWorkMode Mode;
    int64_t Value;
  };
  std::vector<TEvent> Events;
};

struct TBodyCase {
  const char* Path;
  std::string Body;
  int64_t Announced;  // the work-begin count
};

class HttpClientBody : public testing::TestWithParam<TBodyCase> {};

TEST_P(HttpClientBody, WritesTheBodyWithWorkEvents) {
  REQUIRE_HTTP_TEST_SERVER();
  const TBodyCase& c = GetParam();
  TIdHTTP http;
  TWorkLog log(http);
  EXPECT_EQ(Fetch(http, c.Path), c.Body);
  EXPECT_EQ(http.ResponseCode, 200);
  ASSERT_GE(log.Events.size(), 2u);
  EXPECT_EQ(log.Events.front().Kind, 'B');
  EXPECT_EQ(log.Events.front().Value, c.Announced);
  EXPECT_EQ(log.Events.back().Kind, 'E');
  int64_t previous = 0;
  for (size_t i = 1; i + 1 < log.Events.size(); ++i) {
    EXPECT_EQ(log.Events[i].Kind, 'W');
    EXPECT_GT(log.Events[i].Value, previous);
    previous = log.Events[i].Value;
  }
  EXPECT_EQ(previous, static_cast<int64_t>(c.Body.size()));
  for (const auto& event : log.Events)
    EXPECT_EQ(event.Mode, wmRead);
}

const std::string CrLfPage = "19/06/2024\r\n<html>\r\n<body>Nouvelle version</body>\r\n</html>\r\n";

INSTANTIATE_TEST_SUITE_P(Replies, HttpClientBody, testing::Values(
    TBodyCase{"/page/crlf", CrLfPage, static_cast<int64_t>(CrLfPage.size())},
    TBodyCase{"/page/empty", "", 0},
    TBodyCase{"/short", "19/06/2024", 1000},  // closed before the announced length: no failure
    TBodyCase{"/chunked", "19/06/2024\r\n<html></>", 0},
    TBodyCase{"/close", "19/06/2024\r\nfin", 0}));

TEST(HttpClient, LargeBodyArrivesWhole) {
  REQUIRE_HTTP_TEST_SERVER();
  TIdHTTP http;
  TWorkLog log(http);
  const std::string body = Fetch(http, "/big");
  ASSERT_EQ(body.size(), 300000u);
  for (size_t i = 0; i < body.size(); i += 997)
    ASSERT_EQ(static_cast<unsigned char>(body[i]), i % 251) << i;
  EXPECT_EQ(log.Events.front().Value, 300000);
  EXPECT_EQ(log.Events[log.Events.size() - 2].Value, 300000);
}

TEST(HttpClient, SendsTheRequestHead) {
  REQUIRE_HTTP_TEST_SERVER();
  TIdHTTP http;
  const std::string head = Fetch(http, "/echo");
  const std::string port = std::to_string(THttpTestServer::Port());
  const std::vector<std::string> lines = {"GET /echo HTTP/1.1\r\n", "Host: 127.0.0.1:" + port + "\r\n",
                                         "Accept: text/html, */*\r\n", "Content-Type: text/html\r\n",
                                         "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"};
  for (const std::string& line : lines)
    EXPECT_NE(head.find(line), std::string::npos) << line << " missing in\n" << head;
  EXPECT_EQ(head.find("Cookie:"), std::string::npos);
}

TEST(HttpClient, SendsCookiesBackToTheSameHostOnly) {
  REQUIRE_HTTP_TEST_SERVER();
  TIdHTTP http;
  EXPECT_EQ(Fetch(http, "/setcookie"), "ok");
  EXPECT_NE(Fetch(http, "/echo").find("\r\nCookie: session=abc123; lang=fr\r\n"), std::string::npos);

  TMemoryStream otherHost;
  http.Get("http://localhost:" + std::to_string(THttpTestServer::Port()) + "/echo", otherHost);
  EXPECT_EQ(Contents(otherHost).find("Cookie:"), std::string::npos);

  TIdHTTP otherClient;
  EXPECT_EQ(Fetch(otherClient, "/echo").find("Cookie:"), std::string::npos);

  Fetch(http, "/dropcookie");
  EXPECT_NE(Fetch(http, "/echo").find("\r\nCookie: lang=fr\r\n"), std::string::npos);
}

struct TStatusCase {
  const char* Path;
  int Code;
  const char* StatusLine;
};

class HttpClientStatus : public testing::TestWithParam<TStatusCase> {};

TEST_P(HttpClientStatus, FailsWithTheStatusLineAndWritesNothing) {
  REQUIRE_HTTP_TEST_SERVER();
  const TStatusCase& c = GetParam();
  TIdHTTP http;
  TMemoryStream page;
  try {
    http.Get(THttpTestServer::Url(c.Path), page);
    FAIL() << c.Path << " succeeded";
  } catch (const EIdHTTPProtocolException& e) {
    EXPECT_EQ(e.Message, c.StatusLine);
    EXPECT_EQ(e.ErrorCode, c.Code);
  }
  EXPECT_EQ(page.Size(), 0);
}

INSTANTIATE_TEST_SUITE_P(Replies, HttpClientStatus, testing::Values(
    TStatusCase{"/status/404", 404, "HTTP/1.1 404 Not Found"},
    TStatusCase{"/redirect", 301, "HTTP/1.1 301 Moved Permanently"}));

TEST(HttpClient, BrokenRepliesFailInTheNetworkLayer) {
  REQUIRE_HTTP_TEST_SERVER();
  TIdHTTP http;
  for (const char* path : {"/garbage", "/dropped", "/badlength"}) {
    TMemoryStream page;
    EXPECT_THROW(http.Get(THttpTestServer::Url(path), page), EIdException) << path;
    EXPECT_EQ(page.Size(), 0) << path;
  }
}

TEST(HttpClient, RefusedConnectionGivesTheSocketErrorNumber) {
#ifdef _WIN32
  const int refused = 10061;
#else
  const int refused = ECONNREFUSED;
#endif
  TIdHTTP http;
  TMemoryStream page;
  try {
    http.Get("http://127.0.0.1:" + std::to_string(test::ClosedPort()) + "/", page);
    FAIL() << "connected";
  } catch (const EIdSocketError& e) {
    EXPECT_EQ(e.LastError, refused);
    const std::string prefix = "Erreur de socket # " + std::to_string(refused) + "\r\n";
    EXPECT_EQ(e.Message.substr(0, prefix.size()), prefix);
    EXPECT_GT(e.Message.size(), prefix.size());
  }
}

TEST(HttpClient, UnknownHostIsItsOwnFailure) {
  TIdHTTP http;
  TMemoryStream page;
  EXPECT_THROW(http.Get("http://nonexistent.invalid/", page), EIdHostNotFound);
}

// A loopback listener that accepts nothing, its backlog filled: further connects stay pending.
class TFullListener {
public:
  TFullListener() {
    socketapi::Startup();
    Listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(Listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(Listener, 0);
    socklen_t length = sizeof address;
    getsockname(Listener, reinterpret_cast<sockaddr*>(&address), &length);
    Port = ntohs(address.sin_port);
    for (int i = 0; i < 8 && !Full; ++i) {
      SocketHandle filler = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
      socketapi::SetNonBlocking(filler);
      connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
      Fillers.push_back(filler);
      Full = socketapi::WaitReady(filler, true, 300) == 0;
    }
  }
  ~TFullListener() {
    for (SocketHandle filler : Fillers)
      socketapi::Close(filler);
    socketapi::Close(Listener);
  }
  SocketHandle Listener;
  std::vector<SocketHandle> Fillers;
  uint16_t Port = 0;
  bool Full = false;
};

TEST(HttpAntiFreeze, ConnectTimesOutPumpingAllTheWhile) {
  TFullListener listener;
  if (!listener.Full)
    GTEST_SKIP() << "this system accepts loopback connections beyond the backlog";
  TIdAntiFreeze antiFreeze;
  int pumps = 0;
  antiFreeze.OnPump = [&] { ++pumps; };
  TIdHTTP http;
  http.ConnectTimeout = 1000;
  TMemoryStream page;
  try {
    http.Get("http://127.0.0.1:" + std::to_string(listener.Port) + "/", page);
    FAIL() << "connected";
  } catch (const EIdConnectTimeout& e) {
    EXPECT_EQ(e.Message, "Délai de connexion.");
  }
  // One second in slices of an eighth.
  EXPECT_GE(pumps, 4);
  EXPECT_LE(pumps, 9);
}

TEST(HttpClient, RefusesWhatIsNotAPlainHttpUrl) {
  TIdHTTP http;
  TMemoryStream page;
  for (const char* url : {"ftp://127.0.0.1/", "https://127.0.0.1/", "http://", "http://:80/",
                          "http://127.0.0.1:0/", "http://127.0.0.1:65536/", "http://127.0.0.1:8o/",
                          "http://user@127.0.0.1/", "127.0.0.1/page"}) {
    try {
      http.Get(url, page);
      ADD_FAILURE() << url;
    } catch (const EIdException& e) {
      EXPECT_EQ(e.Message, std::string("Adresse incorrecte : ") + url);
    }
  }
}

// A stream that refuses every byte, as a full disk does.
class TFullStream : public TMemoryStream {
public:
  int64_t Write(const void*, int64_t) override { return 0; }
};

TEST(HttpClient, StreamFailurePassesThroughAndEndsTheWork) {
  REQUIRE_HTTP_TEST_SERVER();
  TIdHTTP http;
  TWorkLog log(http);
  TFullStream full;
  EXPECT_THROW(http.Get(THttpTestServer::Url("/page/crlf"), full), EWriteError);
  ASSERT_FALSE(log.Events.empty());
  EXPECT_EQ(log.Events.back().Kind, 'E');
}

TEST(HttpAntiFreeze, PumpsWhileTheServerIsSilent) {
  REQUIRE_HTTP_TEST_SERVER();
  TIdAntiFreeze antiFreeze;
  int pumps = 0;
  antiFreeze.OnPump = [&] { ++pumps; };
  TIdHTTP http;
  EXPECT_EQ(Fetch(http, "/slow"), "19/06/2024\r\n");
  // Two seconds of silence in slices of a quarter of a second.
  EXPECT_GE(pumps, 4);
  EXPECT_LE(pumps, 9);
}

TEST(HttpAntiFreeze, PumpsNothingWhenInactiveOrUnset) {
  REQUIRE_HTTP_TEST_SERVER();
  TIdAntiFreeze antiFreeze;
  TIdHTTP http;
  EXPECT_EQ(Fetch(http, "/slow"), "19/06/2024\r\n");  // no pump set: waits all the same
  int pumps = 0;
  antiFreeze.OnPump = [&] { ++pumps; };
  antiFreeze.Active = false;
  EXPECT_EQ(Fetch(http, "/slow"), "19/06/2024\r\n");
  EXPECT_EQ(pumps, 0);
}

TEST(HttpAntiFreeze, OnlyOneExists) {
  TIdAntiFreeze first;
  EXPECT_THROW(TIdAntiFreeze second, Exception);
  EXPECT_EQ(TIdAntiFreeze::Current(), &first);
}

}  // namespace
