#include "app/Unit1.h"
#include "platform/DateText.h"
#include "platform/Files.h"

namespace {

std::string MissingTargetText(const TUpdateSettings& Settings) {
  return "La mise à jour, ne trouve pas le fichier d'origine\r" + Settings.TargetExeName +
         " sur votre ordinateur.";
}

}  // namespace

void TForm1::Button5Click(TObject*) {
  {
    TMemoryStream page;
    try {
      IdHTTP1->Get(Settings.VersionPageUrl, page);
    } catch (...) {
      // Network failures and any other give the same text.
      Label1->SetCaption("Aucune nouvelle version de " + Settings.TargetDisplayName + "\r" +
                         "n'est disponible sur internet.");
      return;
    }
    LoadMemoFromMemoryStream(Memo1, &page);
  }
  const std::string firstLine = Memo1->Lines()[0];
  if (firstLine == "0" || firstLine.empty()) {
    Memo1->Lines().Clear();
    Label1->SetCaption("Pas de réponse, essayez de nouveau dans un moment");
    return;
  }
  RemoteReleaseDate = StrToDate(firstLine);
}

void TForm1::Button2Click(TObject*) {
  const std::string target = Settings.TargetPath();
  const int32_t age = FileExists(target) ? FileAge(target) : -1;
  if (age == -1) {
    Label1->SetCaption(MissingTargetText(Settings));
    return;
  }
  Label3->SetCaption(DateToStr(DosDateTimeToDateTime(age)));
  LocalFileDate = StrToDate(Label3->Caption());
}

// CR LF, a lone CR and a lone LF each end one line; a break at the very end adds no line.
void TForm1::LoadMemoFromMemoryStream(TMemo* Memo, TMemoryStream* Stream) {
  TStrings& lines = Memo->Lines();
  lines.Clear();
  const int64_t size = Stream->Size();
  if (size <= 0) {
    lines.Add("0");
    return;
  }
  const char* data = reinterpret_cast<const char*>(Stream->Memory());
  const size_t end = static_cast<size_t>(size);
  size_t start = 0;
  while (start < end) {
    size_t stop = start;
    while (stop < end && data[stop] != '\r' && data[stop] != '\n')
      ++stop;
    lines.Add(std::string(data + start, stop - start));
    start = stop + 1;
    if (stop + 1 < end && data[stop] == '\r' && data[stop + 1] == '\n')
      ++start;
  }
}
