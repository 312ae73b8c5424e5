#include "app/Unit1.h"

int main() {
  Application->Initialize();
  Application->Title = "Mise à jour";
  Application->CreateForm<TForm1>();
  Application->Run();
  return 0;
}
