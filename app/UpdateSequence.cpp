#include <memory>

#include "app/Unit1.h"
#include "net/IdException.h"
#include "platform/FileStream.h"
#include "platform/Files.h"
#include "platform/Processes.h"
#include "platform/Sleep.h"
#include "toolkit/Dialogs.h"

namespace {

constexpr unsigned StepPauseMs = 300;

// The system's own reason, as the file stream put it after the path.
std::string CreationFailureReason(const EFCreateError& Failure, const std::string& Path) {
  const std::string marker = "\"" + Path + "\". ";
  std::string::size_type at = Failure.Message.find(marker);
  return at == std::string::npos ? Failure.Message : Failure.Message.substr(at + marker.size());
}

std::unique_ptr<TFileStream> CreateArchiveFile(const std::string& Path) {
  try {
    return std::make_unique<TFileStream>(Path, fmCreate);
  } catch (const EFCreateError& Failure) {
    throw EFCreateError("Impossible de créer le fichier \"" + Path + "\". " + CreationFailureReason(Failure, Path));
  }
}

// A failed transfer is only reported: the installation then works on whatever arrived.
void DownloadArchive(TIdHTTP& Http, const std::string& Url, const std::string& Path) {
  std::unique_ptr<TFileStream> archive = CreateArchiveFile(Path);
  try {
    Http.Get(Url, *archive);
  } catch (const EIdException& Failure) {
    Dialogs().ShowMessage("Erreur durant le téléchargement : " + Failure.Message);
  } catch (const std::exception& Failure) {
    Dialogs().ShowMessage(std::string("Erreur inconnue : ") + Failure.what());
  }
}

}  // namespace

void TForm1::BitBtn1Click(TObject*) {
  const std::string& name = Settings.TargetDisplayName;
  BitBtn1->SetEnabled(false);
  if (!FileExists(Settings.TargetPath())) {
    Label1->SetCaption("La mise à jour, ne trouve pas le fichier d'origine\r" + Settings.TargetExeName +
                       " sur votre ordinateur.");
    return;
  }
  Button5Click(this);
  Button2Click(this);
  if (!(RemoteReleaseDate > LocalFileDate)) {
    Label1->SetCaption("Aucune nouvelle version de " + name + "\r" + "n'est disponible sur internet.");
    BitBtn1->SetEnabled(true);
    return;
  }
  KillProcessByName(Settings.TargetExeName);
  Label1->SetCaption("Téléchargement des mises à jour " + name + ".");
  DownloadArchive(*IdHTTP1, Settings.ArchiveUrl, Settings.ArchivePath);
  Label1->SetCaption("Installation de la mise à jour " + name + ".");
  SleepMs(StepPauseMs);
  Button3Click(this);
  Label1->SetCaption("Mise à jour de " + name + " terminée.");
  SleepMs(StepPauseMs);
  ShellOpen(Settings.TargetPath());
  if (FileExists(Settings.ArchivePath))
    DeleteFile(Settings.ArchivePath);
  BitBtn1->SetEnabled(true);
  Dialogs().ShowMessage("La mise à jour de " + name + " est terminée et installée." + "\r" + "\n" + name +
                        " à été redémarré automatiquement.");
  Close();
}

void TForm1::Button3Click(TObject*) {
  Xanarc1->FileName = Settings.ArchivePath;
  Xanarc1->OpenArchive(fmOpenRead | fmShareDenyWrite);
  Xanarc1->BaseDir = Settings.UpdaterFolder;
  Xanarc1->ExtractFiles("*.*", 10431, "");
  Xanarc1->CloseArchive();
}

void TForm1::Xanarc1FileProgress(TObject*, const std::string&, double Progress, TXAProcessOperation,
                                 TXAProgressPhase, bool&) {
  ProgressBar->SetRange(0, 100);
  ProgressBar->SetPosition(static_cast<int64_t>(Progress));
}
