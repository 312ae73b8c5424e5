#include <gtest/gtest.h>

#include <cstdlib>

#include "app/Unit1.h"
#include "net/IdHTTP.h"
#include "platform/DateText.h"
#include "support/TempDir.h"

// Against nginx serving plain files, started by tests/net/test_nginx.sh, which names its port
// in VELANTO_TEST_NGINX_PORT.
namespace {

std::string NginxUrl(const std::string& Path) {
  const char* port = std::getenv("VELANTO_TEST_NGINX_PORT");
  return port ? "http://127.0.0.1:" + std::string(port) + Path : "";
}

#define REQUIRE_NGINX() \
  if (NginxUrl("").empty()) GTEST_SKIP() << "VELANTO_TEST_NGINX_PORT unset: run by test_nginx.sh"

std::string Fetch(TIdHTTP& Http, const std::string& Path) {
  TMemoryStream page;
  Http.Get(NginxUrl(Path), page);
  return std::string(reinterpret_cast<const char*>(page.Memory()), static_cast<size_t>(page.Size()));
}

TEST(HttpStaticPage, VersionPageArrivesAsStored) {
  REQUIRE_NGINX();
  TIdHTTP http;
  EXPECT_EQ(Fetch(http, "/velanto/update-as.html"), "19/06/2024\r\n<html><body>velanto</body></html>\r\n");
  EXPECT_EQ(http.ResponseCode, 200);
}

TEST(HttpStaticPage, LargeFileArrivesWholeWithItsLength) {
  REQUIRE_NGINX();
  TIdHTTP http;
  int64_t announced = -1, last = 0;
  http.OnWorkBegin = [&](TObject*, TWorkMode, int64_t Max) { announced = Max; };
  http.OnWork = [&](TObject*, TWorkMode, int64_t Count) { last = Count; };
  const std::string body = Fetch(http, "/rv/velanto-as.zip");
  ASSERT_EQ(body.size(), 1048576u);
  for (size_t i = 0; i < body.size(); ++i)
    ASSERT_EQ(static_cast<unsigned char>(body[i]), i % 251) << i;
  EXPECT_EQ(announced, 1048576);
  EXPECT_EQ(last, 1048576);
}

TEST(HttpStaticPage, MissingFileIsAProtocolFailure) {
  REQUIRE_NGINX();
  TIdHTTP http;
  try {
    Fetch(http, "/rv/absent.zip");
    FAIL() << "fetched a missing file";
  } catch (const EIdHTTPProtocolException& e) {
    EXPECT_EQ(e.Message, "HTTP/1.1 404 Not Found");
  }
}

TEST(HttpStaticPage, FolderRedirectIsNotFollowed) {
  REQUIRE_NGINX();
  TIdHTTP http;
  try {
    Fetch(http, "/rv");
    FAIL() << "followed the redirect";
  } catch (const EIdHTTPProtocolException& e) {
    EXPECT_EQ(e.ErrorCode, 301);
    EXPECT_EQ(e.Message, "HTTP/1.1 301 Moved Permanently");
  }
}

TEST(HttpStaticPage, VersionCheckReadsTheReleaseDate) {
  REQUIRE_NGINX();
  const TFormatSettings saved = FormatSettings();
  FormatSettings() = {"dd/MM/yyyy", '/'};
  test::TempDir folder;
  TForm1 form(nullptr, folder.Path("maj"));
  form.Settings.VersionPageUrl = NginxUrl("/velanto/update-as.html");
  form.Button5Click(&form);
  FormatSettings() = saved;
  EXPECT_EQ(form.RemoteReleaseDate, StrToDate("19/06/2024", {"dd/MM/yyyy", '/'}, 2024));
  EXPECT_EQ(form.Memo1->Lines().Count(), 2);
}

}  // namespace
