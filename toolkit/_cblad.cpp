#include "toolkit/_cblad.h"

#include <exception>

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

namespace {
std::string HandledFailure() {
  const std::exception_ptr handled = std::current_exception();
  if (!handled) return std::string();
  try {
    std::rethrow_exception(handled);
  } catch (const CBlad& e) {
    return e.Detail;  // raised again on the way out: what failed is said once
  } catch (const std::exception& e) {
    return Diagnosis(e);
  } catch (...) {
    return "unknown error";
  }
}
}  // namespace

CBlad::CBlad(std::int16_t code, std::string detail) : Exception(Text(code), std::move(detail)), Code(code) {
  if (Detail.empty()) Detail = HandledFailure();
}

void CBlad::Show(TWinControl* owner) const {
  ReportFailure(Detail.empty() ? Message : Detail);
  MessageBox(owner ? owner->Handle() : Application->Handle(), Text(Code), kBladCaption, MB_OK | MB_ICONINFORMATION);
}
