#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

// Cookies held in memory, by host: what a server sets goes back to that host only.
class TCookieJar {
public:
  // Takes one Set-Cookie value ("name=value; attributes"); Max-Age 0 or less removes the cookie.
  void Store(const std::string& Host, const std::string& SetCookie);
  // The Cookie request value for Host ("a=1; b=2"), empty when it has none.
  std::string Header(const std::string& Host) const;

private:
  // Lower-case host -> (name, value) in the order first set.
  std::map<std::string, std::vector<std::pair<std::string, std::string>>> Hosts;
};
