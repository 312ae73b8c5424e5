#include <gtest/gtest.h>

#include <random>

#include "net/IdException.h"
#include "net/ReplyBody.h"
#include "net/ReplyHead.h"

namespace {

// Hands out the bytes in pieces of at most Piece bytes, as a socket might.
TReplyReader ReaderOf(const std::string& Bytes, size_t Piece = 3) {
  auto offset = std::make_shared<size_t>(0);
  return TReplyReader([Bytes, Piece, offset](char* Buffer, size_t Count) {
    const size_t count = std::min({Count, Piece, Bytes.size() - *offset});
    Bytes.copy(Buffer, count, *offset);
    *offset += count;
    return count;
  });
}

std::string BodyOf(const std::string& Reply) {
  TReplyReader reader = ReaderOf(Reply);
  const TReplyHead head = ReadReplyHead(reader);
  std::string body;
  ReadBody(reader, BodyFraming(head), [&](const char* Data, size_t Count) { body.append(Data, Count); });
  return body;
}

struct TBodyCase {
  const char* Name;
  std::string Reply;
  std::string Body;
};

class HttpReplyBody : public testing::TestWithParam<TBodyCase> {};

TEST_P(HttpReplyBody, EndsWhereTheReplySays) {
  EXPECT_EQ(BodyOf(GetParam().Reply), GetParam().Body);
}

INSTANTIATE_TEST_SUITE_P(Framing, HttpReplyBody, testing::Values(
    TBodyCase{"Length", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhelloEXTRA", "hello"},
    TBodyCase{"LengthCutShort", "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\nten bytes!", "ten bytes!"},
    TBodyCase{"LengthZero", "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\nignored", ""},
    TBodyCase{"UntilClose", "HTTP/1.0 200 OK\r\nServer: x\r\n\r\nall\r\nof it", "all\r\nof it"},
    TBodyCase{"LfOnlyHead", "HTTP/1.1 200 OK\nContent-Length: 2\n\nabc", "ab"},
    TBodyCase{"Chunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                         "3\r\nabc\r\n1A ; x=y\r\nabcdefghijklmnopqrstuvwxyz\r\n0\r\nT: v\r\n\r\nafter",
              "abcabcdefghijklmnopqrstuvwxyz"},
    TBodyCase{"ChunkedBeatsLength", "HTTP/1.1 200 OK\r\nContent-Length: 1\r\nTransfer-Encoding: Chunked\r\n\r\n"
                                    "2\r\nab\r\n0\r\n\r\n", "ab"},
    TBodyCase{"ChunkedCutInData", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n10\r\nonly", "only"},
    TBodyCase{"ChunkedCutInSize", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nab\r\n1", "ab"},
    TBodyCase{"InterimReplySkipped", "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\nx", "x"},
    TBodyCase{"NoContent", "HTTP/1.1 204 No Content\r\n\r\nstray", ""}),
    [](const auto& Info) { return std::string(Info.param.Name); });

struct TBadCase {
  const char* Name;
  std::string Reply;
};

class HttpReplyRefused : public testing::TestWithParam<TBadCase> {};

TEST_P(HttpReplyRefused, FailsInTheNetworkLayer) {
  EXPECT_THROW(BodyOf(GetParam().Reply), EIdException);
}

INSTANTIATE_TEST_SUITE_P(Malformed, HttpReplyRefused, testing::Values(
    TBadCase{"Nothing", ""},
    TBadCase{"NotHttp", "SSH-2.0-OpenSSH\r\n\r\n"},
    TBadCase{"NoCode", "HTTP/1.1 OK\r\n\r\n"},
    TBadCase{"LongCode", "HTTP/1.1 2000 OK\r\n\r\n"},
    TBadCase{"HeadCut", "HTTP/1.1 200 OK\r\nContent-Length: 4"},
    TBadCase{"FieldWithoutColon", "HTTP/1.1 200 OK\r\nbroken\r\n\r\n"},
    TBadCase{"LengthNotANumber", "HTTP/1.1 200 OK\r\nContent-Length: douze\r\n\r\n"},
    TBadCase{"LengthNegative", "HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n"},
    TBadCase{"ChunkSizeNotHex", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n"},
    TBadCase{"ChunkSizeHuge", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nffffffffffffffff\r\n"},
    TBadCase{"EndlessLine", "HTTP/1.1 200 OK\r\nX: " + std::string(100000, 'a')},
    TBadCase{"EndlessHead", "HTTP/1.1 200 OK\r\n" + [] {
      std::string fields;
      for (int i = 0; i < 1000; ++i) fields += "X: y\r\n";
      return fields;
    }()}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(HttpReplyHead, KeepsTheStatusLineAndEveryFieldValue) {
  TReplyReader reader = ReaderOf("HTTP/1.1 404 Not Found\r\nSet-Cookie: a=1\r\nset-cookie:b=2  \r\n\r\n");
  const TReplyHead head = ReadReplyHead(reader);
  EXPECT_EQ(head.StatusLine, "HTTP/1.1 404 Not Found");
  EXPECT_EQ(head.Code, 404);
  EXPECT_EQ(head.Values("SET-COOKIE"), (std::vector<std::string>{"a=1", "b=2"}));
}

// Whatever arrives, the reader ends normally or with a failure of the network layer.
TEST(HttpReplyRobustness, SurvivesAnyBytes) {
  std::mt19937 random(20240619);
  const std::string seeds[] = {"HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\n",
                               "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\n"};
  for (int round = 0; round < 3000; ++round) {
    std::string reply = seeds[round % 2];
    const size_t extra = random() % 64;
    for (size_t i = 0; i < extra; ++i)
      reply += "0123456789abcdef\r\n: ;"[random() % 22];
    if (round % 3 == 0 && !reply.empty())
      reply[random() % reply.size()] = static_cast<char>(random());
    try {
      BodyOf(reply);
    } catch (const EIdException&) {
    }
  }
}

}  // namespace
