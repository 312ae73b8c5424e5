#pragma once
// A fresh folder below the system's temporary folder, removed with everything in it.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace test {

class TempDir {
public:
  TempDir() {
    std::random_device rd;
    Root = std::filesystem::temp_directory_path() / ("velanto-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(Root);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(Root, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(Root, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // Path of a name inside the folder, in the platform's own form, with its delimiter.
  std::string Path(const std::string& name = "") const {
    std::string p = (Root / name).make_preferred().string();
    return p;
  }
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::string p = Path(name);
    std::filesystem::create_directories(std::filesystem::path(p).parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::filesystem::path Root;
};

}  // namespace test
