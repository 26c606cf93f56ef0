#include "games/Gamewindows.h"

#include "games/Fmconiepasuje3/Fmconiepasuje3.h"
#include "games/Fmkwiatki/Fmkwiatki.h"
#include "games/Fmliany/Fmliany.h"
#include "games/Fmpodpisz4/Fmpodpisz4.h"
#include "platform/Forms.h"
#include "shell/Fmmain.h"

void CreateGameWindows() {
  Application->CreateForm(FormPodpisz4);
  SetGameWindow(1, FormPodpisz4);
  Application->CreateForm(FormCoNiePasuje3);
  SetGameWindow(4, FormCoNiePasuje3);
  Application->CreateForm(FormKwiatki);
  SetGameWindow(3, FormKwiatki);
  Application->CreateForm(FormLiany);
  SetGameWindow(2, FormLiany);
}
