#include "toolkit/_cblad.h"

#include "platform/WinApi.h"

// Code page 1250 texts.
const char* const kBladCaption = "Trelamondo Cz.V - B\263\271d";

namespace {
const char* const kTexts[] = {
    "          Brak zasob\363w !\n\nProsz\352 przeinstalowa\346 program.",
    "Prosz\352 zmieni\346 rozdzielczo\234\346 ekranu na 800 x 600 lub wy\277sz\271.",
    "Plik statystyk nie zosta\263 poprawnie stworzony.",
    "Brak dost\352pu do pliku konfiguracyjnego programu. Program zako\361czy dzia\263anie.",
};
}  // namespace

std::string CBlad::Text(std::int16_t code) {
  if (code < 1 || code > 4) code = 1;
  return kTexts[code - 1];
}

CBlad::CBlad(std::int16_t code) : Exception("Blad"), Code(code) { Message = Text(code); }

void CBlad::Show(TWinControl* owner) const {
  MessageBox(owner ? owner->Handle() : Application->Handle(), Text(Code), kBladCaption, MB_OK | MB_ICONINFORMATION);
}
