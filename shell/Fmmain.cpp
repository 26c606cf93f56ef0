#include "shell/Fmmain.h"

#include <algorithm>
#include <cstdio>

#include "dictionary/Phonemes.h"
#include "platform/Backend.h"
#include "platform/Classes.h"
#include "platform/Mmsystem.h"
#include "platform/SysUtils.h"
#include "shell/Fmkomunikat.h"
#include "shell/Fmoprogramie.h"
#include "shell/PictureLayout.h"
#include "shell/_custgry.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Ctransfont.h"
#include "toolkit/_cblad.h"
#include "toolkit/_ccheckbutw.h"
#include "toolkit/_cprzycisk.h"
#include "toolkit/_cscrollbar.h"

TFormMain* FormMain = nullptr;

// ---- the game windows and their starters ----

namespace {

IGameWindow* g_games[5] = {};

void RunStarter(int tab) {
  IGameWindow* game = GameWindow(tab);
  if (!game) return;
  // Only label-it gathers candidates; the other windows leave it empty.
  game->PrepareCandidates();
  if (!game->HasEnoughWords()) {
    if (FormKomunikat) {
      FormKomunikat->SetMessage(kMsgTooFewWords);
      FormKomunikat->ShowModal();
    }
    return;
  }
  game->ShowGame();
}

}  // namespace

void SetGameWindow(int tab, IGameWindow* window) {
  if (tab >= 1 && tab <= 5) g_games[tab - 1] = window;
}

IGameWindow* GameWindow(int tab) { return tab >= 1 && tab <= 5 ? g_games[tab - 1] : nullptr; }

void StartGame(int tab) { RunStarter(tab); }

// ---- the main window ----

namespace {

const char* const kMusic = "Data\\Intf\\Smd\\music.wav";

// The voiceless/voiced pairs as columns: the first bit above, its partner below.
const int kColumns[13][2] = {{0, 1},   {2, 3},   {4, 5},   {6, 7},   {8, 9},   {10, 11}, {12, 14},
                             {13, 15}, {16, 18}, {17, 19}, {20, 22}, {21, 23}, {24, 25}};
const char* const kPositionNames[3] = {"naglos", "srodglos", "wyglos"};
const std::int32_t kPositionBitsOf[3] = {kInitial, kMedial, kFinal};
const char* const kAmountNames[3] = {"malo", "srednio", "duzo"};

const char* const kDescriptions[6] = {
    "Podpisz obrazek: u\263\363\277 jego nazw\352 z literek.",
    "Liany: wytnij no\277ycami li\234" "cie z wybran\271 g\263osk\271.",
    "Kwiatki: przypnij do kwiatk\363w etykiety z ich g\263oskami.",
    "Co nie pasuje? Znajd\237 obrazek, kt\363ry nie pasuje do pozosta\263ych.",
    "Ci\352\277" "ar\363wka: z\263" "ap do ci\352\277" "ar\363wki paczki z wybran\271 g\263osk\271.",
    "Nagrania: nagraj wymow\352 dziecka i pos\263uchaj jej.",
};

const TColor kInk = RGB(40, 40, 70);

std::string BackgroundFile() {
  switch (Display.ArtSet) {
    case 2: return "Data\\Intf\\Spec\\R2_mainT.xji";
    case 4: return "Data\\Intf\\Spec\\R3_mainT.xji";
    default: return "Data\\Intf\\Spec\\R8_mainT.xji";
  }
}

int S(int v) { return Display.Scale(4, v); }

// Which of a row of toggles a click came from (its click area is the
// sender); -1 for none of them.
template <std::size_t N>
int SenderIndex(const std::array<std::unique_ptr<CCheckButW>, N>& toggles, TObject* sender) {
  for (std::size_t i = 0; i < N; ++i)
    if (toggles[i]->GetImage() == sender) return int(i);
  return -1;
}

std::string Minutes(int ms) {
  char buf[16];
  int s = ms / 1000;
  std::snprintf(buf, sizeof buf, "%d:%02d", s / 60, s % 60);
  return buf;
}

}  // namespace

TFormMain::TFormMain(TComponent* owner) : TForm(owner) {
  try {
    Caption = "Trelamondo Cz.V";
    SetBounds(0, 0, Display.ScreenWidth, Display.ScreenHeight);
    clean_ = std::make_unique<TBitmap>();
    Display.LoadBackground(clean_.get(), BackgroundFile());
    // The wait picture is a nicety: without it nothing is drawn.
    wait_.TryLoadBlackWhiteJpeg("Data\\Intf\\Spec\\" + Display.ArtPrefix[1] + "_waitB.xji",
                                "Data\\Intf\\Spec\\" + Display.ArtPrefix[1] + "_waitW.xji");
    recordings_ = std::make_unique<CRecordings>("Nagrane");
    recordings_->Load();
    BuildControls();
    Layout();
    recorderTimer_ = new TTimer(this);
    recorderTimer_->SetEnabled(false);
    recorderTimer_->SetInterval(100);
    recorderTimer_->OnTimer = [this](TObject*) { RecorderTick(); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    OnShow = [this](TObject*) { UpdateMusic(); };
    speaker_->SetChecked(ProgramOptions.music);
    options_[0]->SetChecked(RecorderOptions.playAfterRecording);
    options_[1]->SetChecked(RecorderOptions.protectRecordings);
    built_ = true;
    SelectTab(CurrentTab >= 1 && CurrentTab <= 6 ? CurrentTab : 1);
  } catch (...) {
    // What was built goes with the members and the window's components.
    throw CBlad(1);
  }
}

// The one write of the settings at exit, on every way out.
TFormMain::~TFormMain() {
  if (recorderTimer_) recorderTimer_->SetEnabled(false);
  if (recorder_.Recording()) recorder_.Stop();
  if (!SettingsFile.empty()) SaveSettings(SettingsFile);
}

void TFormMain::BuildControls() {
  // The window draws straight onto its surface, so the controls' buffer is
  // the window's canvas and the buttons need not copy anything onto it.
  TCanvas* target = Canvas();
  TCanvas* buffer = Canvas();
  TCanvas* clean = clean_->Canvas();
  auto action = [this](void (TFormMain::*handler)(TObject*)) {
    auto* a = new TAction(this);
    a->OnExecute = [this, handler](TObject* s) { (this->*handler)(s); };
    actions_.push_back(a);
    return a;
  };
  auto button = [&](ButtonId id, const char* name, TAction* a) {
    buttons_[id] = new CPrzyciskW(this, name, nullptr, buffer, clean, 0, 0, a);
  };
  button(bStart, "start", action(&TFormMain::A_StartExecute));
  button(bAbout, "oprogramie", action(&TFormMain::A_OProgramieExecute));
  button(bExit, "wyjdz", action(&TFormMain::A_WyjdzExecute));
  TAction* stop = action(&TFormMain::A_StopExecute);
  button(bRecord, "rrec", action(&TFormMain::A_RecordExecute));
  button(bStop, "rstop", stop);
  button(bPlay, "rodtworz", action(&TFormMain::A_PlayExecute));
  button(bTryRecord, "rrec", action(&TFormMain::A_TryRecordExecute));
  button(bTryStop, "rstop", stop);
  button(bTryPlay, "rodtworz", action(&TFormMain::A_TryPlayExecute));
  button(bUp, "up", action(&TFormMain::A_UpExecute));
  button(bDown, "down", action(&TFormMain::A_DownExecute));

  std::string prefix = Display.ArtSet == 2 ? "s_" : "b_";
  auto toggle = [&](const std::string& name, TAction* a) {
    return std::make_unique<CCheckButW>(this, name, target, buffer, clean, 1, 1, a, "");
  };
  TAction* tab = action(&TFormMain::A_TabExecute);
  for (int i = 0; i < 6; ++i) tabs_[std::size_t(i)] = toggle(prefix + "zakl" + std::to_string(i + 1), tab);
  TAction* sound = action(&TFormMain::A_SoundExecute);
  for (int i = 0; i < PhonemeCount; ++i) sounds_[std::size_t(i)] = toggle(prefix + PhonemeToggleName(i), sound);
  TAction* position = action(&TFormMain::A_PositionExecute);
  for (int i = 0; i < 3; ++i) positions_[std::size_t(i)] = toggle(prefix + kPositionNames[i], position);
  TAction* amount = action(&TFormMain::A_AmountExecute);
  for (int i = 0; i < 3; ++i) amounts_[std::size_t(i)] = toggle(prefix + kAmountNames[i], amount);
  selectAction_ = action(&TFormMain::A_SelectExecute);
  for (auto& row : rows_) row = std::make_unique<CRecordingRow>(this, target, buffer, clean, selectAction_);
  TAction* option = action(&TFormMain::A_OptionExecute);
  for (int i = 0; i < 2; ++i) options_[std::size_t(i)] = toggle("S_CHBUT", option);
  speaker_ = std::make_unique<CCheckButW>(this, "", target, buffer, clean, 1, 1, action(&TFormMain::A_SpeakerExecute),
                                          Display.ArtSet == 2 ? "Data\\Intf\\Spec\\R2_glos" : "Data\\Intf\\Spec\\R3_glos");
  speaker_->GetImage()->SetVisible(true);

  // The list's scroll indicator: its knob over the clean background.
  try {
    scroll_ = std::make_unique<CScrollBar>(this, 0, 0, target, clean);
  } catch (...) {
    throw CBlad(1);
  }
  scroll_->Hide();
}

void TFormMain::Layout() {
  const int ox = Display.GameArea.left, oy = Display.GameArea.top;
  const int gw = Display.GameArea.width, gh = Display.GameArea.height;
  const int lh = GameFontCiezarowka.LineHeight();
  auto size = [](CCheckButW* t) { return TPoint{t->GetImage()->Width(), t->GetImage()->Height()}; };
  auto place = [](CCheckButW* t, int x, int y) { t->SetPosition(std::max(x, 1), std::max(y, 1)); };

  // The tabs across the top.
  TPoint tab = size(tabs_[0].get());
  int gap = S(6);
  int x0 = ox + (gw - (6 * tab.x + 5 * gap)) / 2;
  for (int i = 0; i < 6; ++i) place(tabs_[std::size_t(i)].get(), x0 + i * (tab.x + gap), oy + S(14));
  description_ = Rect(ox + S(20), oy + S(84), ox + gw - S(20), oy + S(84) + lh + 4);

  // The bottom bar: the loudspeaker on the left, "about" and "exit" on the right.
  TPoint sp = size(speaker_.get());
  place(speaker_.get(), ox + S(14), oy + gh - S(14) - sp.y);
  CPrzyciskW* exit = buttons_[bExit];
  CPrzyciskW* about = buttons_[bAbout];
  exit->SetPosition(ox + gw - S(14) - exit->Width(), oy + gh - S(14) - exit->Height());
  about->SetPosition(exit->Left() - S(12) - about->Width(), oy + gh - S(14) - about->Height());

  // Everything else stands on the background's plain plate, inside its
  // inner line (the plate is drawn for 1280 x 960).
  auto P = [](int v) { return Display.Scale(16, v); };
  const picturelayout::Plate& mp = picturelayout::kMainPlate;
  const TRect plate = Rect(ox + P(mp.left), oy + P(mp.top), ox + P(mp.left + mp.width), oy + P(mp.top + mp.height));
  const int inset = P(30);
  const TRect inner = Rect(plate.left + inset, plate.top + inset, plate.right - inset, plate.bottom - inset);

  // Game tabs: the sounds in voiceless/voiced columns, sibilants apart from
  // the other consonants; below them the places in the word and the length
  // of the game, then "start"; the whole block centred on the plate.
  TPoint sd = size(sounds_[0].get());
  TPoint ps = size(positions_[0].get());
  TPoint am = size(amounts_[0].get());
  CPrzyciskW* start = buttons_[bStart];
  int spare = std::max(0, inner.Width() - 13 * sd.x);
  int colGap = std::clamp(spare / 15, 1, S(6));
  int groupGap = std::clamp(spare - 12 * colGap, 0, S(24));
  int gridWidth = 13 * sd.x + 12 * colGap + groupGap;
  int labelGap = S(6), sectionGap = S(22);
  int blockHeight = (lh + labelGap + 2 * sd.y + colGap) + sectionGap + (lh + labelGap + ps.y) + sectionGap +
                    (lh + labelGap + am.y) + S(28) + start->Height();
  int gx = inner.left + (inner.Width() - gridWidth) / 2;
  int y = inner.top + std::max(0, (inner.Height() - blockHeight) / 2);
  soundsLabel_ = TPoint{gx, y};
  int gy = y + lh + labelGap;
  for (int c = 0; c < 13; ++c) {
    int x = gx + c * (sd.x + colGap) + (c >= 6 ? groupGap : 0);
    place(sounds_[std::size_t(kColumns[c][0])].get(), x, gy);
    place(sounds_[std::size_t(kColumns[c][1])].get(), x, gy + sd.y + colGap);
  }
  y = gy + 2 * sd.y + colGap + sectionGap;
  positionsLabel_ = TPoint{gx, y};
  y += lh + labelGap;
  for (int i = 0; i < 3; ++i) place(positions_[std::size_t(i)].get(), gx + i * (ps.x + S(12)), y);
  y += ps.y + sectionGap;
  amountsLabel_ = TPoint{gx, y};
  y += lh + labelGap;
  for (int i = 0; i < 3; ++i) place(amounts_[std::size_t(i)].get(), gx + i * (am.x + S(12)), y);
  y += am.y + S(28);
  start->SetPosition(inner.left + (inner.Width() - start->Width()) / 2, y);

  // The recorder: the list with its arrows and knob on the left, the two
  // record/stop/play rows and the two options on the right.
  int rowH = S(50);
  CPrzyciskW* up = buttons_[bUp];
  CPrzyciskW* down = buttons_[bDown];
  int bw = buttons_[bRecord]->Width();
  TPoint os = size(options_[0].get());
  int rightWidth = std::max(3 * bw + 2 * S(8), os.x + S(10) + S(200));
  int listWidth = inner.Width() - S(16) - up->Width() - S(36) - rightWidth;
  int listTop = inner.top + std::max(0, (inner.Height() - (kVisibleRows * rowH + S(14) + lh + 4)) / 2);
  listRect_ = Rect(inner.left, listTop, inner.left + listWidth, listTop + kVisibleRows * rowH);
  up->SetPosition(listRect_.right + S(16), listRect_.top);
  down->SetPosition(listRect_.right + S(16), listRect_.bottom - down->Height());
  // The knob runs between the arrows: from right under "up" to right above "down".
  scroll_->SetTrack(up->Left() + 4, up->Top() + up->Height(), down->Top() - scroll_->Knob()->Height());
  for (int i = 0; i < kVisibleRows; ++i) {
    rows_[std::size_t(i)]->Place(
        Rect(listRect_.left, listRect_.top + i * rowH, listRect_.right, listRect_.top + (i + 1) * rowH));
    rows_[std::size_t(i)]->SetSlot(topRow_ + i);
  }
  int rx = up->Left() + up->Width() + S(36);
  slotLabel_ = TPoint{rx, listRect_.top};
  int t0 = listRect_.top + lh + labelGap;
  tryLabel_ = TPoint{rx, t0 + buttons_[bRecord]->Height() + sectionGap};
  int t1 = tryLabel_.y + lh + labelGap;
  const ButtonId triples[2][3] = {{bRecord, bStop, bPlay}, {bTryRecord, bTryStop, bTryPlay}};
  const int tripleTop[2] = {t0, t1};
  for (int t = 0; t < 2; ++t)
    for (int i = 0; i < 3; ++i) buttons_[triples[t][i]]->SetPosition(rx + i * (bw + S(8)), tripleTop[t]);
  int oy0 = t1 + buttons_[bTryRecord]->Height() + sectionGap + S(8);
  const int optionTop[2] = {oy0, oy0 + std::max(os.y, 2 * lh) + sectionGap};
  for (int i = 0; i < 2; ++i) {
    place(options_[std::size_t(i)].get(), rx, optionTop[i]);
    optionText_[i] = Rect(rx + os.x + S(10), optionTop[i], inner.right, optionTop[i] + 2 * lh + S(8));
  }
  status_rect_ = Rect(listRect_.left, listRect_.bottom + S(14), inner.right, listRect_.bottom + S(14) + lh + 4);
}

void TFormMain::LoadTabSettings() {
  CUstGry* s = CurrentSettings();
  for (int i = 0; i < 26; ++i) sounds_[std::size_t(i)]->SetChecked(s && (s->PhonemeMask & (1 << i)));
  for (int i = 0; i < 3; ++i) positions_[std::size_t(i)]->SetChecked(s && (s->PositionMask & kPositionBitsOf[i]));
  int level = s ? std::clamp(s->Level, 1, 3) : 1;
  for (int i = 0; i < 3; ++i) amounts_[std::size_t(i)]->SetChecked(s && i == level - 1);
}

void TFormMain::SelectTab(int tab) {
  if (tab < 1 || tab > 6) return;
  if (busy_ != Busy::None) StopAll(false);
  CurrentTab = std::int16_t(tab);
  bool game = tab <= 5;
  for (int i = 0; i < 6; ++i) {
    tabs_[std::size_t(i)]->SetChecked(i + 1 == tab);
    tabs_[std::size_t(i)]->GetImage()->SetVisible(true);
  }
  for (auto& t : sounds_) t->GetImage()->SetVisible(game);
  for (auto& t : positions_) t->GetImage()->SetVisible(game);
  for (auto& t : amounts_) t->GetImage()->SetVisible(game);
  for (auto& t : options_) t->GetImage()->SetVisible(!game);
  for (auto& r : rows_) r->SetVisible(!game);
  auto show = [](CPrzyciskW* b, bool on) {
    if (on) b->Show();
    else b->Hide();
  };
  show(buttons_[bStart], game);
  for (ButtonId id : {bRecord, bStop, bPlay, bTryRecord, bTryStop, bTryPlay, bUp, bDown}) show(buttons_[id], !game);
  if (game) scroll_->Hide();
  else scroll_->Show();
  LoadTabSettings();
  status_.clear();
  if (!game) IdleStatus();
  Invalidate();
}

void TFormMain::DrawWindow() {
  if (!built_ || Surface()->Empty()) return;
  Canvas()->CopyMode = cmSrcCopy;
  Canvas()->Draw(0, 0, clean_.get());
  DrawTexts(Surface());
  for (auto& t : tabs_) t->Paint();
  for (auto& t : sounds_) t->Paint();
  for (auto& t : positions_) t->Paint();
  for (auto& t : amounts_) t->Paint();
  for (auto& t : options_) t->Paint();
  speaker_->Paint();
  for (CPrzyciskW* b : buttons_) b->PaintAsShown();
  if (CurrentTab == 6)
    for (auto& r : rows_) r->Draw(Surface(), *recordings_, r->Slot() == marked_, GameFontCiezarowka);
  DrawStatus();
}

void TFormMain::DrawTexts(TBitmap* target) {
  CTransFont& f = GameFontCiezarowka;
  auto text = [&](const std::string& s, TPoint at) {
    f.DrawTextInRect(target, s, Rect(at.x, at.y, Display.GameArea.left + Display.GameArea.width, at.y + f.LineHeight() + 4),
                     kInk, 0, 255);
  };
  int tab = CurrentTab >= 1 && CurrentTab <= 6 ? CurrentTab : 1;
  f.DrawTextInRect(target, kDescriptions[tab - 1], description_, kInk, 1, 255);
  if (tab <= 5) {
    text("G\263oski:", soundsLabel_);
    text("Miejsce g\263oski w wyrazie:", positionsLabel_);
    text("D\263ugo\234\346 gry:", amountsLabel_);
  } else {
    text("Zaznaczone nagranie:", slotLabel_);
    text("Pr\363" "ba bez zapisu:", tryLabel_);
    f.DrawTextInRect(target, "Odtw\363rz zaraz po nagraniu", optionText_[0], kInk, 0, 255);
    f.DrawTextInRect(target, "Chro\361 zapisane nagrania", optionText_[1], kInk, 0, 255);
  }
}

TRect TFormMain::StatusRect() const { return status_rect_; }

// The text is drawn on the surface's pixels, inside the rectangle that the
// canvas has just restored, so the screen takes it with that rectangle.
void TFormMain::DrawStatus() {
  if (CurrentTab != 6 || Surface()->Empty()) return;
  TRect r = StatusRect();
  Canvas()->CopyRect(r, clean_->Canvas(), r);
  GameFontCiezarowka.DrawTextInRect(Surface(), status_, r, busy_ == Busy::None ? kInk : RGB(180, 30, 30), 0, 255);
}

void TFormMain::SetStatus(const std::string& text) {
  if (text == status_) return;
  status_ = text;
  DrawStatus();
}

void TFormMain::IdleStatus() { SetStatus("Zaznacz miejsce na li\234" "cie, nagraj i pos\263uchaj."); }

// What the window draws stays on its surface; a paint of the whole window (a
// new surface when the window shows, or a redraw asked for) draws it afresh.
// A smaller paint only follows a drawing that is on the surface already.
void TFormMain::Paint() {
  if (PaintClip() == ClientRect()) DrawWindow();
}

void TFormMain::DrawWaitPicture(TForm* window) {
  if (!window || !wait_.Colour) return;
  int x = (window->Width() - wait_.Colour->Width()) / 2;
  int y = (window->Height() - wait_.Colour->Height()) / 2;
  wait_.Draw(window->Canvas(), x, y, 255, false);
  Application->Present();
}

// ---- the music ----

void TFormMain::UpdateMusic() {
  bool want = ProgramOptions.music && musicPauses_ == 0;
  if (want && !musicPlaying_) musicPlaying_ = PlayMusicFile(kMusic);
  else if (!want && musicPlaying_) {
    StopMusic();
    musicPlaying_ = false;
  }
}

void TFormMain::PauseMusic() {
  ++musicPauses_;
  UpdateMusic();
}

void TFormMain::ResumeMusic() {
  if (musicPauses_ > 0) --musicPauses_;
  UpdateMusic();
}

// ---- actions of the game tabs ----

void TFormMain::A_StartExecute(TObject*) {
  CUstGry* s = CurrentSettings();
  // A tab without its game window has nothing to start.
  if (!s || !GameWindow(CurrentTab)) return;
  PauseMusic();
  s->ClearOutsideBits();
  // The choices are kept before the game runs (the file already holds them
  // when nothing changed since it was last written).
  if (!SettingsFile.empty()) SaveChangedSettings(SettingsFile);
  DrawWaitPicture(this);
  // The game covers the whole screen: the background waits on disk until it ends.
  clean_->SetHeight(0);
  try {
    StartGame(CurrentTab);
  } catch (...) {
    ReloadBackground();
    Invalidate();
    ResumeMusic();
    throw;
  }
  ReloadBackground();
  Invalidate();
  ResumeMusic();
}

void TFormMain::ReloadBackground() {
  // Read at start-up already; should it fail now, the window stands on black.
  try {
    Display.LoadBackground(clean_.get(), BackgroundFile());
  } catch (const Exception&) {
  }
}

void TFormMain::A_OProgramieExecute(TObject*) {
  if (busy_ != Busy::None) StopAll(false);
  if (FormOProgramie) FormOProgramie->ShowModal();
}

void TFormMain::A_WyjdzExecute(TObject*) { Close(); }

void TFormMain::FormClose(TObject*, TCloseAction&) {
  if (busy_ != Busy::None) StopAll(false);
  sndPlaySound("", 0);
  ++musicPauses_;
  UpdateMusic();
}

void TFormMain::A_TabExecute(TObject* sender) {
  const int i = SenderIndex(tabs_, sender);
  if (i >= 0 && i + 1 != CurrentTab) SelectTab(i + 1);
}

void TFormMain::A_SoundExecute(TObject* sender) {
  CUstGry* s = CurrentSettings();
  const int i = SenderIndex(sounds_, sender);
  if (!s || i < 0) return;
  CCheckButW* t = sounds_[std::size_t(i)].get();
  t->ToggleRedraw();
  if (t->GetChecked()) s->PhonemeMask |= (1 << i);
  else s->PhonemeMask &= ~(1 << i);
}

void TFormMain::A_PositionExecute(TObject* sender) {
  CUstGry* s = CurrentSettings();
  const int i = SenderIndex(positions_, sender);
  if (!s || i < 0) return;
  CCheckButW* t = positions_[std::size_t(i)].get();
  t->ToggleRedraw();
  if (t->GetChecked()) s->PositionMask |= kPositionBitsOf[i];
  else s->PositionMask &= ~kPositionBitsOf[i];
}

void TFormMain::A_AmountExecute(TObject* sender) {
  CUstGry* s = CurrentSettings();
  const int i = SenderIndex(amounts_, sender);
  if (!s || i < 0) return;
  for (int k = 0; k < 3; ++k) amounts_[std::size_t(k)]->SetCheckedRedraw(k == i);
  s->Level = i + 1;
}

void TFormMain::A_SpeakerExecute(TObject*) {
  // The loudspeaker is blended over the buffer: put the clean background
  // back under it first.
  TImage* img = speaker_->GetImage();
  TRect r = img->BoundsRect();
  Canvas()->CopyRect(r, clean_->Canvas(), r);
  speaker_->ToggleRedraw();
  ProgramOptions.music = speaker_->GetChecked();
  UpdateMusic();
}

void TFormMain::A_OptionExecute(TObject* sender) {
  const int i = SenderIndex(options_, sender);
  if (i >= 0) options_[std::size_t(i)]->ToggleRedraw();
  RecorderOptions.playAfterRecording = options_[0]->GetChecked();
  RecorderOptions.protectRecordings = options_[1]->GetChecked();
}

// ---- the recordings list ----

void TFormMain::RedrawRows() {
  for (int i = 0; i < kVisibleRows; ++i) rows_[std::size_t(i)]->SetSlot(topRow_ + i);
  if (CurrentTab != 6 || Surface()->Empty()) return;
  for (auto& r : rows_) {
    TRect rr = r->Rect();
    Canvas()->CopyRect(rr, clean_->Canvas(), rr);
    r->Draw(Surface(), *recordings_, r->Slot() == marked_, GameFontCiezarowka);
  }
}

void TFormMain::A_SelectExecute(TObject* sender) {
  for (auto& r : rows_) {
    if (!r->IsSender(sender)) continue;
    // The mark of the marked row takes the mark off; anything else marks the row.
    marked_ = (r->IsMarkSender(sender) && marked_ == r->Slot()) ? -1 : r->Slot();
    RedrawRows();
    return;
  }
}

// The knob leaves the clean background behind it.
void TFormMain::ClearKnob() {
  TRect k = scroll_->Knob()->BoundsRect();
  Canvas()->CopyRect(k, clean_->Canvas(), k);
}

void TFormMain::A_UpExecute(TObject*) {
  if (topRow_ <= 0) return;
  --topRow_;
  ClearKnob();
  scroll_->StepUp();
  RedrawRows();
}

void TFormMain::A_DownExecute(TObject*) {
  if (topRow_ >= kLastTopRow) return;
  ++topRow_;
  ClearKnob();
  scroll_->StepDown();
  RedrawRows();
}

// ---- the recorder ----

void TFormMain::ShowMessage(std::int16_t code) {
  if (!FormKomunikat) return;
  FormKomunikat->SetMessage(code);
  FormKomunikat->ShowModal();
}

void TFormMain::A_RecordExecute(TObject*) {
  if (busy_ != Busy::None) StopAll(false);
  if (marked_ < 0) return ShowMessage(kMsgNoRecordingMarked);
  if (RecorderOptions.protectRecordings && recordings_->Has(marked_)) return ShowMessage(kMsgSlotProtected);
  StartRecording(true);
}

void TFormMain::A_TryRecordExecute(TObject*) {
  if (busy_ != Busy::None) StopAll(false);
  StartRecording(false);
}

void TFormMain::A_StopExecute(TObject*) { StopAll(true); }

void TFormMain::A_PlayExecute(TObject*) {
  if (busy_ != Busy::None) StopAll(false);
  if (marked_ < 0) return ShowMessage(kMsgNoRecordingMarked);
  if (!recordings_->Has(marked_)) return ShowMessage(kMsgSlotEmpty);
  PlayFile(recordings_->WaveFile(marked_), "Odtwarzanie nagrania " + std::to_string(marked_ + 1));
}

void TFormMain::A_TryPlayExecute(TObject*) {
  if (busy_ != Busy::None) StopAll(false);
  if (try_.empty()) return ShowMessage(kMsgNoTryOut);
  PlayTry();
}

void TFormMain::StartRecording(bool intoSlot) {
  sndPlaySound("", 0);
  PauseMusic();
  if (!recorder_.Start()) {
    ResumeMusic();
    ShowMessage(kMsgNoMicrophone);
    return;
  }
  busy_ = intoSlot ? Busy::RecordingSlot : Busy::RecordingTry;
  busySlot_ = intoSlot ? marked_ : -1;
  recorderTimer_->SetEnabled(true);
  RecorderTick();
}

void TFormMain::PlayFile(const std::string& file, const std::string& status) {
  // Read once for its length and its playing.
  const std::vector<std::uint8_t> wave = ReadRecordingFile(file);
  if (wave.empty()) return ShowMessage(kMsgRecordingDamaged);
  const int ms = WaveDurationMs(wave);
  PauseMusic();
  PlayWave(file, wave, SND_ASYNC);
  busy_ = Busy::Playing;
  playEndsMs_ = Application->NowMs() + ms;
  recorderTimer_->SetEnabled(true);
  SetStatus(status);
}

void TFormMain::PlayTry() {
  PauseMusic();
  PlayWave("proba", WaveBytes(try_, kRecordRate), SND_ASYNC);
  busy_ = Busy::Playing;
  playEndsMs_ = Application->NowMs() + std::int64_t(try_.size()) * 1000 / kRecordRate;
  recorderTimer_->SetEnabled(true);
  SetStatus("Odtwarzanie pr\363" "by");
}

void TFormMain::RecorderTick() {
  switch (busy_) {
    case Busy::RecordingSlot:
    case Busy::RecordingTry: {
      if (recorder_.Poll()) {
        StopAll(true);  // 60 s: the recorder has stopped by itself
        return;
      }
      std::string what = busy_ == Busy::RecordingSlot ? "Nagrywanie do miejsca " + std::to_string(busySlot_ + 1) + ": "
                                                      : std::string("Nagrywanie pr\363" "by: ");
      SetStatus(what + Minutes(recorder_.ElapsedMs()) + " z " + Minutes(kMaxRecordingMs));
      return;
    }
    case Busy::Playing:
      if (Application->NowMs() >= playEndsMs_) {
        busy_ = Busy::None;
        recorderTimer_->SetEnabled(false);
        ResumeMusic();
        IdleStatus();
      }
      return;
    case Busy::None: recorderTimer_->SetEnabled(false); return;
  }
}

void TFormMain::StopAll(bool mayPlayBack) {
  Busy was = busy_;
  busy_ = Busy::None;
  recorderTimer_->SetEnabled(false);
  switch (was) {
    case Busy::None: return;
    case Busy::Playing:
      sndPlaySound("", 0);
      ResumeMusic();
      IdleStatus();
      return;
    case Busy::RecordingSlot: {
      std::vector<std::int16_t> samples = recorder_.Stop();
      int slot = busySlot_;
      if (!recordings_->Store(slot, samples, CRecordings::Now())) {
        ResumeMusic();
        IdleStatus();
        ShowMessage(kMsgRecordingNotSaved);
        return;
      }
      RedrawRows();
      SetStatus("Zapisano nagranie " + std::to_string(slot + 1) + ".");
      // A playback that follows keeps the music quiet with a pause of its own.
      if (mayPlayBack && RecorderOptions.playAfterRecording)
        PlayFile(recordings_->WaveFile(slot), "Odtwarzanie nagrania " + std::to_string(slot + 1));
      ResumeMusic();
      return;
    }
    case Busy::RecordingTry:
      try_ = recorder_.Stop();
      IdleStatus();
      if (mayPlayBack && RecorderOptions.playAfterRecording && !try_.empty()) PlayTry();
      ResumeMusic();
      return;
  }
}

bool TFormMain::DoMouseWheel(TShiftState shift, int delta, TPoint pos) {
  if (CurrentTab == 6) {
    if (delta > 0) A_UpExecute(this);
    else if (delta < 0) A_DownExecute(this);
    return true;
  }
  return TForm::DoMouseWheel(shift, delta, pos);
}
