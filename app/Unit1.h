#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "app/KillProcessByName.h"
#include "app/Settings.h"
#include "archive/Xanarc.h"
#include "net/IdAntiFreeze.h"
#include "net/IdHTTP.h"
#include "platform/DateTime.h"
#include "platform/Stream.h"
#include "toolkit/Buttons.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/XPMan.h"

// The updater's window.
class TForm1 : public TForm {
public:
  // The settings are formed from ExecutablePath (by default the running program's).
  TForm1(TComponent* AOwner, const std::string& ExecutablePath);
  explicit TForm1(TComponent* AOwner);

  TBitBtn* BitBtn1;
  TBitBtn* BitBtn2;
  TProgressBar* ProgressBar;
  TIdHTTP* IdHTTP1;
  TIdAntiFreeze* IdAntiFreeze1;
  TLabel* Label1;
  TLabel* Label2;
  TMemo* Memo1;
  TButton* Button2;
  TLabel* Label3;
  TXPManifest* XPManifest1;
  TImage* Image1;
  TXanarc* Xanarc1;
  TButton* Button3;
  TButton* Button5;

  void BitBtn1Click(TObject* Sender);
  void BitBtn2Click(TObject* Sender);
  void IdHTTP1WorkBegin(TObject* Sender, TWorkMode AWorkMode, int64_t AWorkCountMax);
  void IdHTTP1Work(TObject* Sender, TWorkMode AWorkMode, int64_t AWorkCount);
  void IdHTTP1WorkEnd(TObject* Sender, TWorkMode AWorkMode);
  void LoadMemoFromMemoryStream(TMemo* Memo, TMemoryStream* Stream);
  void Button2Click(TObject* Sender);
  void FormCreate(TObject* Sender);
  void Button3Click(TObject* Sender);
  void Xanarc1FileProgress(TObject* Sender, const std::string& FileName, double Progress,
                           TXAProcessOperation Operation, TXAProgressPhase ProgressPhase, bool& Cancel);
  void Button5Click(TObject* Sender);

  // Formed by FormCreate, read by the version check and the update sequence.
  TUpdateSettings Settings;
  TDateTime RemoteReleaseDate = 0;
  TDateTime LocalFileDate = 0;
  TDateTime TransferStartTime = 0;
  // The clock of the progress handlers (tests set their own).
  std::function<TDateTime()> Clock = Now;

private:
  std::string ExecutablePath;
  void CreateControls();
};
