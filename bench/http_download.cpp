// Download throughput of the HTTP client: GETs URL into memory ROUNDS times and prints MB/s.
// usage: http_download URL [ROUNDS]   (bench/http_download.sh serves a file with nginx)
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "net/IdHTTP.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s URL [ROUNDS]\n", argv[0]);
    return 2;
  }
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
  TIdHTTP http;
  int64_t bytes = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) {
    TMemoryStream page;
    http.Get(argv[1], page);
    bytes += page.Size();
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d GETs, %lld bytes in %.3f s: %.1f MB/s\n", rounds, static_cast<long long>(bytes), seconds,
              bytes / seconds / 1e6);
  return 0;
}
