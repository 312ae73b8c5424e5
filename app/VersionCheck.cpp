#include "app/Unit1.h"

void TForm1::Button5Click(TObject*) {}

void TForm1::Button2Click(TObject*) {}

void TForm1::LoadMemoFromMemoryStream(TMemo*, TMemoryStream*) {}
