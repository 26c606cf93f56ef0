#include "shell/Startup.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include <unistd.h>

#include "dictionary/Literki.h"
#include "dictionary/Raportzasobow.h"
#include "dictionary/_cslowa.h"
#include "platform/ExtCtrls.h"
#include "platform/Random.h"
#include "platform/SysUtils.h"
#include "platform/WinApi.h"
#include "shell/Fmkomunikat.h"
#include "shell/Fmkoniecgry.h"
#include "shell/Fmmain.h"
#include "shell/Fmoprogramie.h"
#include "shell/Fmsplash.h"
#include "shell/Singleinstance.h"
#include "shell/_cstatrec.h"
#include "shell/_custgry.h"
#include "toolkit/Cbitmapy.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Ctransfont.h"
#include "toolkit/Resource.h"
#include "toolkit/_cblad.h"

namespace {

// ---- fonts and cursors ----

void LoadFonts() {
  static const char* const kNames[3][3] = {
      {"Kwi_R2", "Lia_R2", "CS_h21"}, {"Kwi_R3", "Lia_R3", "CS_h27"}, {"Kwi_R5", "Lia_R5", "CS_h34"}};
  const int row = Display.ArtSet == 2 ? 0 : Display.ArtSet == 4 ? 1 : 2;
  CTransFont* fonts[3] = {&GameFontKwiatki, &GameFontLiany, &GameFontCiezarowka};
  const std::string file = "Data\\Intf\\Spec\\tw5cz.tfs";
  for (int i = 0; i < 3; ++i) {
    bool ok = false;
    try {
      ok = fonts[i]->LoadFromSet(file, kNames[row][i]);
    } catch (const Exception&) {
      ok = false;
    }
    if (!ok) throw CBlad(1, file + ": the font " + kNames[row][i] + " is missing or damaged");
  }
}

// Which letter tile the resource library lacks.
std::string MissingLetterTile() {
  const char* suffix = Display.ArtSet == 2 ? "_s" : Display.ArtSet == 4 ? "_b" : "_eb";
  for (const char* name : LetterTileNames) {
    TBitmap b;
    if (!OtworzBMP(name + std::string(suffix), &b))
      return std::string("the letter tile ") + name + suffix + " is missing from the resource library";
  }
  return "a letter tile is missing from the resource library";
}

struct InstalledCursor {
  TCursor index;
  HCURSOR cursor;
};

// A cursor whose pictures are missing leaves the system arrow in its place,
// and a line on standard error.
void InstallCursors(std::vector<InstalledCursor>& installed) {
  struct Spec {
    const char* name;
    TCursor index;
    int hotX, hotY;
  };
  for (const Spec& s : {Spec{"REKA1", 1, 9, 1}, Spec{"SEKATOR", 2, 2, 2}}) {
    TBitmap colour, mask;
    const std::string maskName = std::string(s.name) + "_M";
    const char* failed = !OtworzBMP(s.name, &colour) ? s.name : !OtworzBMP(maskName, &mask) ? maskName.c_str() : nullptr;
    if (failed) {
      ReportFailure(std::string("the cursor picture ") + failed +
                    " is missing from the resource library or cannot be read; the arrow stands in");
      continue;
    }
    HCURSOR c = CreatePictureCursor(colour, mask, s.hotX, s.hotY);
    if (!c) {
      ReportFailure(std::string("the cursor ") + s.name + " cannot be made of its pictures; the arrow stands in");
      continue;
    }
    Screen->SetCursors(s.index, c);
    installed.push_back({s.index, c});
  }
}

void FreeCursors(std::vector<InstalledCursor>& installed) {
  for (const InstalledCursor& c : installed) {
    Screen->SetCursors(c.index, nullptr);
    CurrentBackend().FreeCursor(c.cursor);
  }
  installed.clear();
}

// Every window the application owns, newest first; the main window, which
// goes last, writes the settings file.
void DestroyWindows() {
  for (int tab = 1; tab <= 5; ++tab) SetGameWindow(tab, nullptr);
  while (Application->ComponentCount() > 0) delete Application->Components(Application->ComponentCount() - 1);
  FormOProgramie = nullptr;
  FormKoniecGry = nullptr;
  FormKomunikat = nullptr;
  FormMain = nullptr;
}

// The working folder is changed and remembered natively: a folder whose
// name has letters outside code page 1250 must work as well as any other.
std::string NativeCurrentFolder() {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::current_path(ec);
  return ec ? std::string() : p.string();
}

bool EnterFolder(const std::string& native) {
  if (native.empty()) return false;
  std::error_code ec;
  std::filesystem::current_path(native, ec);
  return !ec;
}

// The files the program keeps, relative to its own folder: the working
// folder from start-up until everything written at exit is written.
const char* const kSettingsFile = "Data\\data.ini";
const char* const kStatisticsFile = "prgst5.stt";

}  // namespace

std::string ExecutableFolder() {
  std::vector<char> buf(4096);
  ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  if (n <= 0) return ".";
  std::string path(buf.data(), std::size_t(n));
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

int RunProgram(const std::vector<std::string>& args, const std::string& programDir, const RunOptions& options) {
  // The one seeding of the run: every draw continues this sequence.
  Randomize();

  if (!args.empty() && args[0] == "z") {
    // The report checks and is written beside the program.
    const std::string previous = NativeCurrentFolder();
    if (!EnterFolder(programDir)) return 1;
    std::string why;
    const bool written = RunResourceReport(&why);
    EnterFolder(previous);
    if (!written) ReportFailure(why);
    return written ? 0 : 1;
  }

  Application->SetTitle("S-Trelamondo Cz.V");
  std::unique_ptr<CSingleInstance> instance;
  if (options.singleInstance) {
    instance = std::make_unique<CSingleInstance>(options.instanceFolder);
    switch (instance->Acquire()) {
      case CSingleInstance::First: break;
      case CSingleInstance::RunningCopyRaised: return 0;
      case CSingleInstance::RunningCopyUnreachable:
        MessageBox(nullptr, kAlreadyRunningText, "Trelamondo Cz.V", MB_OK | MB_ICONINFORMATION);
        return 1;
    }
  }
  Application->SetTitle("Trelamondo Cz.V");

  const std::string previous = NativeCurrentFolder();
  bool entered = false;
  Application->Terminated = false;

  int exitCode = 0;
  std::vector<InstalledCursor> cursors;
  std::unique_ptr<TTimer> knockTimer;
  try {
    // Without its own folder the program has none of its files.
    if (!EnterFolder(programDir)) throw CBlad(1, "cannot enter the program's folder " + Utf8ToCp1250(programDir));
    entered = true;
    Display.SelectMode();
    FormSplashScreen = new TFormSplashScreen(nullptr);
    FormSplashScreen->Show();
    FormSplashScreen->Update();
    Application->Present();

    if (ScreenTooSmall()) throw CBlad(2);
    if (!LetterTiles.Init()) throw CBlad(1, MissingLetterTile());
    LoadFonts();
    LoadSettings(kSettingsFile);
    InstallCursors(cursors);
    Dictionary = new CSlowa();
    StatRec = new CStatRec(kStatisticsFile);

    Application->CreateForm(FormMain);
    Application->CreateForm(FormKomunikat);
    Application->CreateForm(FormKoniecGry);
    if (options.createGameWindows) options.createGameWindows();
    Application->CreateForm(FormOProgramie);

    if (instance) {
      // A later copy's knock brings this one to the front.
      knockTimer = std::make_unique<TTimer>(nullptr);
      knockTimer->SetInterval(250);
      CSingleInstance* running = instance.get();
      knockTimer->OnTimer = [running](TObject*) {
        if (running->AnswerKnocks()) Application->BringToFront();
      };
    }

    FormMain->Show();
    FormMain->Update();
    Application->Present();
    delete FormSplashScreen;
    FormSplashScreen = nullptr;
    if (options.onReady) options.onReady();
    Application->Run();
  } catch (const CBlad& e) {
    e.Show(FormSplashScreen);
    exitCode = 1;
  } catch (const std::exception&) {
    // Anything else (the class library's errors, a failed allocation ...)
    // ends the program the same way.
    CBlad(1).Show(FormSplashScreen);
    exitCode = 1;
  }

  knockTimer.reset();
  DestroyWindows();
  delete StatRec;
  StatRec = nullptr;
  delete Dictionary;
  Dictionary = nullptr;
  delete FormSplashScreen;
  FormSplashScreen = nullptr;
  FreeCursors(cursors);
  SettingsFile.clear();
  // Everything the program writes is written by now.
  if (entered) EnterFolder(previous);
  instance.reset();
  return exitCode;
}
