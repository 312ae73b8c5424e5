// Opens an archive and reads its directory ROUNDS times; prints the best time in milliseconds
// and the item count.
// usage: open_directory ARCHIVE [ROUNDS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "archive/Xanarc.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: open_directory ARCHIVE [ROUNDS]\n");
    return 2;
  }
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
  double best = 1e300;
  int32_t items = 0;
  try {
    for (int r = 0; r < rounds; ++r) {
      TXanarc Archive;
      Archive.FileName = argv[1];
      const auto start = std::chrono::steady_clock::now();
      Archive.OpenArchive(0x20);
      items = Archive.Directory->Items.Count();
      Archive.CloseArchive();
      const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
      if (took.count() < best) best = took.count();
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  std::printf("%.1f ms\t%d items\n", best, items);
  return 0;
}
