#include <gtest/gtest.h>

#include "app/Unit1.h"
#include "toolkit/Backend.h"

namespace {

#ifdef _WIN32
const char* const UpdaterExe = "C:\\Prog\\maj.exe";
const std::string AGrave = "\xE0";  // Windows-1252
#else
const char* const UpdaterExe = "/opt/maj/maj";
const std::string AGrave = "\xC3\xA0";  // UTF-8
#endif

TEST(Window, StartUpTextsToTheByte) {
  TForm1 form(nullptr, UpdaterExe);
  const std::string title = "Mise " + AGrave + " jour velanto";
  EXPECT_EQ(form.Caption(), title);
  EXPECT_EQ(form.Label2->Caption(), title);
  EXPECT_EQ(form.BitBtn1->Hint(), "Recherchez maintenant une nouvelle version de velanto");
  EXPECT_EQ(form.Label1->Caption(),
            "Pour rechercher une nouvelle version de velanto\r"
            "Veuillez cliquer sur le bouton \"Mise " + AGrave + " jour\".");
  EXPECT_EQ(form.BitBtn1->Caption(), "Mise " + AGrave + " jour");
  EXPECT_EQ(form.BitBtn2->Caption(), "Quitter");
  EXPECT_EQ(form.Settings.ArchivePath, MakeUpdateSettings(UpdaterExe).ArchivePath);
}

// Counts the message pumps; shows nothing.
class TCountingBackend : public IBackend {
public:
  explicit TCountingBackend(int& Pumps) : Pumps(Pumps) {}
  IDialogs& NativeDialogs() override { return Dialogs(); }
  void Show(TForm&) override {}
  void Hide(TForm&) override {}
  void ProcessMessages() override { ++Pumps; }
  void Run() override {}

private:
  int& Pumps;
};

class WindowProgress : public ::testing::Test {
protected:
  void SetUp() override {
    Application->SetBackend(std::make_unique<TCountingBackend>(Pumps));
    Form.Clock = [this] { return Time; };
  }
  void TearDown() override { Application->SetBackend(nullptr); }

  // The HTTP client's events, as it fires them.
  void Begin(TWorkMode Mode, int64_t Max) { Form.IdHTTP1->OnWorkBegin(Form.IdHTTP1, Mode, Max); }
  void Work(TWorkMode Mode, int64_t Count) { Form.IdHTTP1->OnWork(Form.IdHTTP1, Mode, Count); }
  void End(TWorkMode Mode) { Form.IdHTTP1->OnWorkEnd(Form.IdHTTP1, Mode); }
  void Elapse(double Seconds) { Time += Seconds / 86400; }
  TProgressBar& Bar() { return *Form.ProgressBar; }

  int Pumps = 0;
  TDateTime Time = 46000.5;
  TForm1 Form{nullptr, UpdaterExe};
};

TEST_F(WindowProgress, ReadingTransferFollowsTheAnnouncedLength) {
  EXPECT_EQ(Bar().Max(), 100);
  Begin(wmRead, 5000);
  EXPECT_EQ(Bar().Min(), 0);
  EXPECT_EQ(Bar().Max(), 5000);
  EXPECT_EQ(Bar().Position(), 0);
  EXPECT_EQ(Form.TransferStartTime, Time);
  Work(wmRead, 1200);
  EXPECT_EQ(Bar().Position(), 1200);
  End(wmRead);
  EXPECT_EQ(Bar().Position(), 0);
  EXPECT_EQ(Bar().Max(), 5000) << "work end keeps the range";
}

TEST_F(WindowProgress, UnannouncedLengthGivesAnEmptyRange) {
  Work(wmRead, 0);
  Begin(wmRead, 0);
  Work(wmRead, 700);
  EXPECT_EQ(Bar().Min(), 0);
  EXPECT_EQ(Bar().Max(), 0);
  EXPECT_EQ(Bar().Position(), 0);
}

TEST_F(WindowProgress, PumpsOnlyOnceAWholeSecondHasPassed) {
  Begin(wmRead, 1000);
  EXPECT_EQ(Pumps, 1) << "work begin pumps once";
  const std::pair<double, int> steps[] = {{0.5, 1}, {0.49, 1}, {0.02, 2}, {3.0, 3}};
  for (const auto& [seconds, pumps] : steps) {
    Elapse(seconds);
    Work(wmRead, 10);
    EXPECT_EQ(Pumps, pumps) << "after " << seconds << " s more";
  }
  // A clock set back by more than a second also counts, by the absolute difference.
  Begin(wmRead, 1000);
  Elapse(-1.5);
  Work(wmRead, 10);
  EXPECT_EQ(Pumps, 5);
  // The next transfer starts its own second.
  Begin(wmRead, 1000);
  Elapse(0.9);
  Work(wmRead, 10);
  EXPECT_EQ(Pumps, 6);
}

TEST_F(WindowProgress, WritingChangesNothingButTheWorkEndReset) {
  Begin(wmRead, 800);
  Work(wmRead, 300);
  const int pumps = Pumps;
  const TDateTime started = Form.TransferStartTime;
  Elapse(5);
  Begin(wmWrite, 50);
  Work(wmWrite, 20);
  EXPECT_EQ(Bar().Max(), 800);
  EXPECT_EQ(Bar().Position(), 300);
  EXPECT_EQ(Form.TransferStartTime, started);
  EXPECT_EQ(Pumps, pumps);
  End(wmWrite);
  EXPECT_EQ(Bar().Position(), 0);
  EXPECT_EQ(Bar().Max(), 800);
}

TEST_F(WindowProgress, AntiFreezePumpsTheApplication) {
  Form.IdAntiFreeze1->OnPump();
  EXPECT_EQ(Pumps, 1);
}

}  // namespace
