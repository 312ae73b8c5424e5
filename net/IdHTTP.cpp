#include "net/IdHTTP.h"

#include "net/ReplyBody.h"
#include "net/ReplyHead.h"
#include "net/ReplyReader.h"
#include "net/Socket.h"
#include "net/Url.h"

namespace {

std::string HostField(const TUrl& Url) {
  return Url.Port == 80 ? Url.Host : Url.Host + ":" + std::to_string(Url.Port);
}

}  // namespace

void TIdHTTP::Get(const std::string& URL, TStream& Stream) {
  const TUrl url = ParseUrl(URL);
  std::string request = "GET " + url.Document + " HTTP/1.1\r\n";
  request += "Host: " + HostField(url) + "\r\n";
  request += "Accept: " + Accept + "\r\n";
  request += "Content-Type: " + ContentType + "\r\n";
  request += "User-Agent: " + UserAgent + "\r\n";
  const std::string cookie = Cookies.Header(url.Host);
  if (!cookie.empty())
    request += "Cookie: " + cookie + "\r\n";
  request += "\r\n";

  ResponseCode = 0;
  ResponseText.clear();
  TSocket socket(url.Host, url.Port, ConnectTimeout);
  socket.SendAll(request);
  TReplyReader reader([&socket](char* Buffer, size_t Count) { return socket.Receive(Buffer, Count); });
  const TReplyHead head = ReadReplyHead(reader);
  ResponseCode = head.Code;
  ResponseText = head.StatusLine;
  for (const std::string& setCookie : head.Values("Set-Cookie"))
    Cookies.Store(url.Host, setCookie);
  if (head.Code < 200 || head.Code > 299)
    throw EIdHTTPProtocolException(head.Code, head.StatusLine);
  ReadInto(reader, BodyFraming(head), Stream);
}

void TIdHTTP::ReadInto(TReplyReader& Reader, const TBodyFraming& Framing, TStream& Stream) {
  if (OnWorkBegin)
    OnWorkBegin(this, wmRead, Framing.Kind == TBodyFraming::bkLength ? Framing.Length : 0);
  int64_t received = 0;
  try {
    ReadBody(Reader, Framing, [&](const char* Data, size_t Count) {
      Stream.WriteBuffer(Data, static_cast<int64_t>(Count));
      received += static_cast<int64_t>(Count);
      if (OnWork)
        OnWork(this, wmRead, received);
    });
  } catch (...) {
    if (OnWorkEnd)
      OnWorkEnd(this, wmRead);
    throw;
  }
  if (OnWorkEnd)
    OnWorkEnd(this, wmRead);
}
