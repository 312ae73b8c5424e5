#include "platform/CodePage.h"

#include <algorithm>
#include <cerrno>

#include <iconv.h>

#include "platform/Exception.h"

namespace {

bool IsAscii(const std::string& Text) {
  return std::all_of(Text.begin(), Text.end(), [](char C) { return static_cast<unsigned char>(C) < 0x80; });
}

class TConverter {
public:
  TConverter(const char* To, const char* From) : Cd(iconv_open(To, From)) {
    if (Cd == reinterpret_cast<iconv_t>(-1))
      throw Exception(std::string("Cannot convert text from ") + From + " to " + To);
  }
  ~TConverter() { iconv_close(Cd); }
  TConverter(const TConverter&) = delete;
  TConverter& operator=(const TConverter&) = delete;

  std::string Convert(const std::string& Text) {
    std::string Result(Text.size() * 4, '\0');  // every CP850 byte becomes at most 3 bytes
    char* In = const_cast<char*>(Text.data());
    size_t InLeft = Text.size();
    char* Out = Result.data();
    size_t OutLeft = Result.size();
    iconv(Cd, nullptr, nullptr, nullptr, nullptr);
    while (InLeft > 0 && iconv(Cd, &In, &InLeft, &Out, &OutLeft) == static_cast<size_t>(-1)) {
      if (errno != EILSEQ && errno != EINVAL)
        break;
      // A byte the code page does not hold becomes a question mark.
      ++In;
      --InLeft;
      *Out++ = '?';
      --OutLeft;
    }
    Result.resize(Result.size() - OutLeft);
    return Result;
  }

private:
  iconv_t Cd;
};

}  // namespace

std::string OemToAnsi(const std::string& Text) {
  if (IsAscii(Text))
    return Text;
  thread_local TConverter Converter("UTF-8", "CP850");
  return Converter.Convert(Text);
}

std::string Utf8ToAnsi(const std::string& Text) {
  return Text;
}
