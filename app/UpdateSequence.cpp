#include "app/Unit1.h"

void TForm1::BitBtn1Click(TObject*) {}

void TForm1::Button3Click(TObject*) {}

void TForm1::Xanarc1FileProgress(TObject*, const std::string&, double, TXAProcessOperation,
                                 TXAProgressPhase, bool&) {}
