#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "net/CookieJar.h"
#include "net/IdException.h"
#include "platform/Component.h"
#include "platform/Stream.h"

class TReplyReader;
struct TBodyFraming;

enum TWorkMode { wmRead, wmWrite };

// HTTP/1.1 client for http://host[:port]/path URLs. Redirects are not followed; cookies set by
// a server are kept for the client's life and sent back to the same host.
class TIdHTTP : public TComponent {
public:
  explicit TIdHTTP(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  // Writes the reply body to Stream when the status is a success (2xx); otherwise raises one of
  // the EIdException kinds. A connection closed before the announced length is not a failure.
  void Get(const std::string& URL, TStream& Stream);

  std::string Accept = "text/html, */*";
  std::string ContentType = "text/html";
  std::string UserAgent = "Mozilla/3.0 (compatible; Indy Library)";
  unsigned ConnectTimeout = 120000;  // milliseconds

  int ResponseCode = 0;
  std::string ResponseText;  // the last reply's status line

  std::function<void(TObject* Sender, TWorkMode AWorkMode, int64_t AWorkCountMax)> OnWorkBegin;
  std::function<void(TObject* Sender, TWorkMode AWorkMode, int64_t AWorkCount)> OnWork;
  std::function<void(TObject* Sender, TWorkMode AWorkMode)> OnWorkEnd;

private:
  void ReadInto(TReplyReader& Reader, const TBodyFraming& Framing, TStream& Stream);

  TCookieJar Cookies;
};
