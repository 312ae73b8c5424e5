#include "app/Unit1.h"

#include <cmath>

#include "app/resources/Pictures.h"

TForm1::TForm1(TComponent* AOwner) : TForm1(AOwner, Application->ExeName()) {}

TForm1::TForm1(TComponent* AOwner, const std::string& AExecutablePath)
    : TForm(AOwner), ExecutablePath(AExecutablePath) {
  Name = "Form1";
  CreateControls();
  DoCreate();
}

namespace {

template <class T> T* Place(T* Control, int Left, int Top, int Width, int Height, const std::string& Caption) {
  Control->SetBounds(Left, Top, Width, Height);
  Control->SetCaption(Caption);
  return Control;
}

}  // namespace

void TForm1::CreateControls() {
  SetBounds(283, 110, 390, 153);
  SetCaption("Mise à jour");
  Position = poDesktopCenter;
  Color = clBtnFace;
  Font = TFont{"MS Sans Serif", -11, clWindowText, DefaultCharset, {}};

  BitBtn1 = Place(Add<TBitBtn>("BitBtn1"), 8, 88, 169, 25, "Mise à jour");
  BitBtn1->TabOrder = 0;
  BitBtn1->ShowHint = true;
  BitBtn1->ParentShowHint = false;
  BitBtn1->Glyph = pictures::UpdateGlyphs();
  BitBtn1->NumGlyphs = 2;
  BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };

  BitBtn2 = Place(Add<TBitBtn>("BitBtn2"), 200, 88, 169, 25, "Quitter");
  BitBtn2->TabOrder = 1;
  BitBtn2->Glyph = pictures::QuitGlyph();
  BitBtn2->OnClick = [this](TObject* Sender) { BitBtn2Click(Sender); };

  ProgressBar = Place(Add<TProgressBar>("ProgressBar"), 8, 64, 361, 17, "");
  ProgressBar->TabOrder = 2;

  IdHTTP1 = Add<TIdHTTP>("IdHTTP1");
  IdHTTP1->Accept = "text/html, */*";
  IdHTTP1->ContentType = "text/html";
  IdHTTP1->UserAgent = "Mozilla/3.0 (compatible; Indy Library)";
  IdHTTP1->OnWorkBegin = [this](TObject* S, TWorkMode M, int64_t N) { IdHTTP1WorkBegin(S, M, N); };
  IdHTTP1->OnWork = [this](TObject* S, TWorkMode M, int64_t N) { IdHTTP1Work(S, M, N); };
  IdHTTP1->OnWorkEnd = [this](TObject* S, TWorkMode M) { IdHTTP1WorkEnd(S, M); };

  IdAntiFreeze1 = Add<TIdAntiFreeze>("IdAntiFreeze1");
  IdAntiFreeze1->OnPump = [] { Application->ProcessMessages(); };

  Label1 = Place(Add<TLabel>("Label1"), 10, 31, 3, 13, "");

  Label2 = Place(Add<TLabel>("Label2"), 8, 6, 100, 20, "Mise à jour ");
  Label2->ParentFont = false;
  Label2->Font = TFont{"Verdana", -17, clOlive, DefaultCharset, {}};

  Memo1 = Place(Add<TMemo>("Memo1"), 8, 136, 265, 89, "");
  Memo1->Lines().Add("Memo1");
  Memo1->TabOrder = 3;
  Memo1->SetVisible(false);

  Button2 = Place(Add<TButton>("Button2"), 16, 192, 105, 25, "Voir date de l'exe");
  Button2->TabOrder = 5;
  Button2->SetVisible(false);
  Button2->OnClick = [this](TObject* Sender) { Button2Click(Sender); };

  Label3 = Place(Add<TLabel>("Label3"), 8, 120, 32, 13, "Label3");
  Label3->SetVisible(false);

  XPManifest1 = Add<TXPManifest>("XPManifest1");

  Image1 = Place(Add<TImage>("Image1"), 320, 0, 49, 57, "");
  Image1->Picture = pictures::Logo();
  Image1->Transparent = true;

  Xanarc1 = Add<TXanarc>("Xanarc1");
  Xanarc1->ExtractCorruptedFiles = false;
  Xanarc1->SetCompressionLevel(clFastest);
  Xanarc1->SetCompressionMode(1);
  Xanarc1->SetSpanningMode(smNone);
  Xanarc1->SpanningOptions.AdvancedNaming = true;
  Xanarc1->SpanningOptions.VolumeSize = vsAutoDetect;
  Xanarc1->Options.FlushBuffers = true;
  Xanarc1->Options.OEMFileNames = true;
  Xanarc1->SetInMemory(false);
  Xanarc1->Zip64Mode = zmDisabled;
  Xanarc1->OnFileProgress = [this](TObject* S, const std::string& F, double P, TXAProcessOperation O,
                                   TXAProgressPhase Ph, bool& C) { Xanarc1FileProgress(S, F, P, O, Ph, C); };

  Button3 = Place(Add<TButton>("Button3"), 288, 152, 75, 25, "Button3");
  Button3->TabOrder = 6;
  Button3->SetVisible(false);
  Button3->OnClick = [this](TObject* Sender) { Button3Click(Sender); };

  Button5 = Place(Add<TButton>("Button5"), 128, 160, 75, 25, "html");
  Button5->TabOrder = 7;
  Button5->SetVisible(false);
  Button5->OnClick = [this](TObject* Sender) { Button5Click(Sender); };

  for (TControl* control : Controls())
    if (control->ParentFont) control->Font = Font;

  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TForm1::FormCreate(TObject*) {
  Settings = MakeUpdateSettings(ExecutablePath);
  const std::string& name = Settings.TargetDisplayName;
  SetCaption("Mise à jour " + name);
  Label2->SetCaption(Label2->Caption() + name);
  BitBtn1->SetHint("Recherchez maintenant une nouvelle version de " + name);
  Label1->SetCaption("Pour rechercher une nouvelle version de " + name + "\r" +
                     "Veuillez cliquer sur le bouton \"Mise à jour\".");
}

void TForm1::BitBtn2Click(TObject*) { Close(); }

void TForm1::IdHTTP1WorkBegin(TObject*, TWorkMode AWorkMode, int64_t AWorkCountMax) {
  if (AWorkMode != wmRead) return;
  ProgressBar->SetRange(0, AWorkCountMax);
  ProgressBar->SetPosition(0);
  TransferStartTime = Clock();
  Application->ProcessMessages();
}

void TForm1::IdHTTP1Work(TObject*, TWorkMode AWorkMode, int64_t AWorkCount) {
  if (AWorkMode != wmRead) return;
  ProgressBar->SetPosition(AWorkCount);
  const auto wholeSeconds = static_cast<int64_t>(std::fabs(Clock() - TransferStartTime) * 86400);
  if (wholeSeconds != 0) Application->ProcessMessages();
}

void TForm1::IdHTTP1WorkEnd(TObject*, TWorkMode) { ProgressBar->SetPosition(0); }
