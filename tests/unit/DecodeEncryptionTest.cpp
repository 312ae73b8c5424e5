#include "DecodeFixture.h"
#include "archive/TraditionalCrypto.h"
#include "toolkit/Dialogs.h"

namespace test {
namespace {

std::string Fox() {
  std::string s;
  for (int i = 0; i < 40; ++i) s += "The quick brown fox jumps over the lazy dog.\n";
  return s;
}
const std::string Note = "second item, same password\n";

// Answers the password dialog and remembers how it was asked.
class TPasswordDialogs : public IDialogs {
public:
  explicit TPasswordDialogs(std::optional<std::string> Answer) : Answer(std::move(Answer)) { Previous = SetDialogs(this); }
  ~TPasswordDialogs() override { SetDialogs(Previous); }
  void ShowMessage(const std::string&) override {}
  void ShowError(const std::string&) override {}
  TModalResult MessageDlg(const std::string&, TMsgDlgType, const TMsgDlgButtons&) override { return mrNone; }
  bool InputPassword(const std::string& T, const std::string& P, std::string& Value) override {
    Title = T;
    Prompt = P;
    Shown = Value;
    ++Requests;
    if (!Answer) return false;
    Value = *Answer;
    return true;
  }
  std::optional<std::string> Answer;
  std::string Title, Prompt, Shown;
  int Requests = 0;
  IDialogs* Previous = nullptr;
};

class DecodeEncryptedTest : public DecodeTest, public ::testing::WithParamInterface<const char*> {
protected:
  void OpenFixture() { Open(ReadFixture(GetParam())); }
  // An OnPassword handler that answers from a list and then skips.
  void AnswerPasswords(std::vector<std::string> Answers) {
    Archiver.OnPassword = [this, Answers](TObject* Sender, const std::string& Name, std::string& NewPassword,
                                          bool& Skip) {
      EXPECT_EQ(Sender, &Archiver);
      AskedFor.push_back(Name + "|" + NewPassword);
      if (AskedFor.size() > Answers.size())
        Skip = true;
      else
        NewPassword = Answers[AskedFor.size() - 1];
    };
  }
  std::vector<std::string> AskedFor;
};

TEST_P(DecodeEncryptedTest, RightPasswordDecodesWithoutAsking) {
  OpenFixture();
  AnswerPasswords({});
  Archiver.Password = "secret";
  EXPECT_EQ(Decode(0), Fox());
  EXPECT_EQ(Decode(1), Note);
  EXPECT_TRUE(AskedFor.empty());
}

TEST_P(DecodeEncryptedTest, WrongPasswordThenTheRightOneAtTheSecondRequest) {
  OpenFixture();
  AnswerPasswords({"guess", "secret"});
  Archiver.Password = "wrong";
  EXPECT_EQ(Decode(0), Fox());
  EXPECT_EQ(AskedFor, (std::vector<std::string>{"fox.txt|wrong", "fox.txt|guess"}));
  EXPECT_EQ(Archiver.Password, "secret");
  EXPECT_EQ(Decode(1), Note);
  EXPECT_EQ(AskedFor.size(), 2u) << "the next item asks nothing";
}

TEST_P(DecodeEncryptedTest, CancelInTheDefaultDialogSkipsWithoutError) {
  OpenFixture();
  TPasswordDialogs dialogs(std::nullopt);
  EXPECT_EQ(Decode(0), "");
  EXPECT_TRUE(Archiver.SkipFile);
  EXPECT_EQ(dialogs.Requests, 1);
  EXPECT_EQ(dialogs.Title, "Password for \"fox.txt\"");
  EXPECT_EQ(dialogs.Prompt, "Enter password: ");
  EXPECT_EQ(dialogs.Shown, "");
}

TEST_P(DecodeEncryptedTest, TheDefaultDialogShowsAndStoresThePassword) {
  OpenFixture();
  TPasswordDialogs dialogs(std::string("secret"));
  Archiver.Password = "old";
  EXPECT_EQ(Decode(1), Note);
  EXPECT_FALSE(Archiver.SkipFile);
  EXPECT_EQ(dialogs.Shown, "old");
  EXPECT_EQ(Archiver.Password, "secret");
  EXPECT_EQ(Decode(0), Fox());
  EXPECT_EQ(dialogs.Requests, 1);
}

// One password in 256 passes the one-byte check and decrypts to wrong data.
TEST_P(DecodeEncryptedTest, WrongPasswordPassingTheCheckFailsTheCrcWithoutAsking) {
  const std::string bytes = ReadFixture(GetParam());
  TLocalHeader local;
  local.Parse(reinterpret_cast<const uint8_t*>(bytes.data()));
  const uint8_t check = (local.GeneralFlags & 8) ? uint8_t(local.LastModTime >> 8) : uint8_t(local.DataCrc >> 24);
  const size_t header = TLocalHeader::Size + local.NameLen + local.ExtraLen;
  std::string impostor;
  for (int i = 0; impostor.empty(); ++i) {
    uint8_t h[12];
    std::copy(bytes.begin() + header, bytes.begin() + header + 12, h);
    TTraditionalKeys keys("try" + std::to_string(i));
    keys.Decrypt(h, 12);
    if (h[11] == check) impostor = "try" + std::to_string(i);
  }
  Open(bytes);
  AnswerPasswords({});
  Archiver.Password = impostor;
  EXPECT_EQ(DecodeError(0), 8);
  EXPECT_TRUE(AskedFor.empty());
}

INSTANTIATE_TEST_SUITE_P(PeerTools, DecodeEncryptedTest, ::testing::Values("infozip.zip", "7zip.zip"),
                         [](const auto& info) { return std::string(info.param).substr(0, info.param[0] == '7' ? 4 : 7); });

// Info-ZIP sets flag bit 3 and 7-Zip does not: the bit decides where the check byte comes from.
TEST_F(DecodeTest, FlagBit3ChoosesTheTimeAsCheckByte) {
  struct Case {
    const char* Fixture;
    bool FlipBit3;
    bool Decodes;
  } cases[] = {
      {"infozip.zip", false, true},
      {"7zip.zip", false, true},
      {"7zip.zip", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.Fixture) + (c.FlipBit3 ? " with bit 3 flipped" : ""));
    std::string bytes = ReadFixture(c.Fixture);
    EXPECT_EQ((bytes[6] & 8) != 0, c.Fixture[0] == 'i');
    if (c.FlipBit3) bytes[6] ^= 8;  // the local header's flags; the directory's stay as they were
    Open(bytes);
    int requests = 0;
    Archiver.OnPassword = [&](TObject*, const std::string&, std::string&, bool& Skip) {
      ++requests;
      Skip = true;
    };
    Archiver.Password = "secret";
    EXPECT_EQ(Decode(0), c.Decodes ? Fox() : "");
    EXPECT_EQ(requests, c.Decodes ? 0 : 1);
    EXPECT_EQ(Archiver.SkipFile, !c.Decodes);
  }
}

}  // namespace
}  // namespace test
