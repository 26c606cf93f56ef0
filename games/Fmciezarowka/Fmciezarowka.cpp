#include "games/Fmciezarowka/Fmciezarowka.h"

#include <string>

#include "games/Fmciezarowka/CiezarowkaLayout.h"
#include "platform/Forms.h"
#include "shell/_cstatrec.h"
#include "shell/_custgry.h"
#include "shell/_gloskifn.h"
#include "toolkit/Cbitmapy.h"
#include "toolkit/Cdisplay.h"
#include "toolkit/Cposteventshandling.h"
#include "toolkit/Ctransfont.h"
#include "toolkit/_cblad.h"
#include "toolkit/_cprzycisk.h"

TFormCiezarowka* FormCiezarowka = nullptr;

namespace {
std::string SpecPicture(const std::string& prefix, const std::string& name) {
  return "Data\\Intf\\Spec\\" + prefix + name;
}

std::unique_ptr<TBitmap> CopyOf(const TBitmap* b) {
  auto c = std::make_unique<TBitmap>();
  c->Assign(b);
  return c;
}

// A playfield-sized bitmap in the window's own pixel format, so that a
// flush is a plain copy.
std::unique_ptr<TBitmap> SceneBitmap(TPixelFormat format, int w, int h) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(format == pf24bit ? pf24bit : pf32bit);
  b->SetHandleType(bmDIB);
  b->SetSize(w, h);
  return b;
}

constexpr TColor kBlinkTint = 0x0000BE, kHintTint = 0xF8BB77;
const char* const kBannerCaption = "Wybierz obrazki z g\xB3osk\xB9:";
}  // namespace

TFormCiezarowka::TFormCiezarowka(TComponent* Owner) : CGameForm(Owner) {
  Name = "FormCiezarowka";
  Caption = "Gra Ci\xEA\xBF" "ar\xF3wka";
  if (Display.ArtSet == 4) synchLoop.SetPeriod(32);
  else if (Display.ArtSet == 2) synchLoop.SetPeriod(40);
  actNowaGra = NewAction("actNowaGra", [this] { actNowaGraExecute(actNowaGra); });
  actStop = NewAction("actStop", [this] { actStopExecute(actStop); });
  actPomoc = NewAction("actPomoc", [this] { actPomocExecute(actPomoc); });
  SetFrameActions(actNowaGra, actStop);
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
  OnKeyUp = [this](TObject*, std::uint16_t&, TShiftState) { KeepAlive(); };

  try {
    const auto& area = Display.GameArea;
    pbGame = new TPaintBox(this);
    pbGame->SetParent(this);
    pbGame->SetBounds(area.left, area.top, area.width, area.height);
    pbGame->OnPaint = [this](TObject* s) { pbGamePaint(s); };
    pbGame->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
      pbGameMouseDown(s, b, sh, x, y);
    };
    cleanScene = SceneBitmap(Surface()->PixelFormat(), area.width, area.height);
    frameBuffer = SceneBitmap(Surface()->PixelFormat(), area.width, area.height);
    LoadGraphics();
    background = LoadJpegBitmap(SpecPicture(Display.ArtPrefix[2], "_cieT.xji"));

    const ciezarowka::Layout layout = ciezarowka::LayoutFor(Display);
    TCanvas* window = Canvas();
    TCanvas* buffer = cleanScene->Canvas();
    TCanvas* clean = background->Canvas();
    stopButton = new CPrzyciskW(this, "stop", window, buffer, clean, area.left + layout.stop.x,
                                area.top + layout.stop.y, actStop);
    helpButton = new CPrzyciskW(this, "pomoc", window, buffer, clean, area.left + layout.help.x,
                                area.top + layout.help.y, actPomoc);
    for (CPrzyciskW* b : {stopButton, helpButton}) {
      b->SetOrigin2(area.left, area.top);
      b->SetOrigin(area.left, area.top);
    }
  } catch (...) {
    FreeObjects();
    FreeFrameResources();
    throw CBlad(1);
  }
}

TFormCiezarowka::~TFormCiezarowka() {
  InstallFrameLoop(false);
  FreeObjects();
  if (FormCiezarowka == this) FormCiezarowka = nullptr;
}

void TFormCiezarowka::FreeObjects() {
  parcels.Clear();
  plane.reset();
  truck.reset();
  cleanScene.reset();
  frameBuffer.reset();
}

void TFormCiezarowka::LoadGraphics() {
  const std::string& p2 = Display.ArtPrefix[1];
  const ciezarowka::Layout layout = ciezarowka::LayoutFor(Display);
  planePicture.LoadBlackWhiteBmp(SpecPicture(p2, "_cie_samB.xbi"), SpecPicture(p2, "_cie_samW.xbi"));
  // The banner: a white cloud with its caption; the sounds are the plane's text.
  cloudPicture.SetMask(NewBitmapFromJpeg(SpecPicture(p2, "_cie_chmM.xji")));
  cloudPicture.CreateColourForMask();
  const TRect captionRect = Rect(layout.caption.x, layout.caption.y, cloudPicture.Colour->Width(),
                                 cloudPicture.Colour->Height());
  GameFontCiezarowka.DrawText(cloudPicture.Colour, &captionRect, kBannerCaption, clBlack, 191);
  truckPicture.LoadBlackWhiteJpeg(SpecPicture(p2, "_cie_cieB.xji"), SpecPicture(p2, "_cie_cieW.xji"));
  parachutePicture.LoadBlackWhiteJpeg(SpecPicture(p2, "_cie_spaB.xji"), SpecPicture(p2, "_cie_spaW.xji"));
  boxPicture.LoadBlackWhiteJpeg(SpecPicture(p2, "_cie_pacB.xji"), SpecPicture(p2, "_cie_pacW.xji"));
  // The face keeps its window in faceCutout; the box itself is opaque there.
  faceRect = layout.face;
  const TRect face0 = Rect(0, 0, faceRect.Width(), faceRect.Height());
  faceCutout.Create(faceRect.Width(), faceRect.Height(), 255);
  faceCutout.Colour->Canvas()->CopyRect(face0, boxPicture.Colour->Canvas(), faceRect);
  faceCutout.Mask->Canvas()->CopyRect(face0, boxPicture.Mask->Canvas(), faceRect);
  boxPicture.Mask->Canvas()->Brush.Color = clWhite;
  boxPicture.Mask->Canvas()->FillRect(faceRect);
  workPicture.Create(boxPicture.Colour->Width(), boxPicture.Colour->Height(), 255);
  // Sprites in the scene's own format are blended without a conversion per row.
  for (CTransBitmap* p : {&planePicture, &cloudPicture, &truckPicture, &parachutePicture, &boxPicture, &workPicture})
    p->Colour->SetPixelFormat(frameBuffer->PixelFormat());
  plane = std::make_unique<CgraCie_GOSamolot>(&planePicture, &cloudPicture);
  truck = std::make_unique<CgraCie_GOCiezarowka>(&truckPicture);
  parcels.SetDropArea(layout.dropLeft, layout.dropRight, layout.dropMargin);
}

// ---- the game's rules ----

int TFormCiezarowka::CorrectParcelCount() const { return CgraCie_Paczki::CorrectParcelCount(SettingsCiezarowka.Level); }

bool TFormCiezarowka::HasEnoughWords() {
  if (!Dictionary) return false;
  const PhonemeMask mask = (PhonemeMask(SettingsCiezarowka.PhonemeMask) & CSlowa::AllPhonemes) |
                           (PhonemeMask(SettingsCiezarowka.PositionMask) & CSlowa::AllPositions);
  return Dictionary->CountWords(mask) >= CorrectParcelCount();
}

void TFormCiezarowka::GenerateParcels(int correctCount) {
  parcels.Clear();
  plane->Reset();
  truck->Reset();
  const int boxW = boxPicture.Colour->Width(), boxH = boxPicture.Colour->Height();
  parcels.SetLevel(SettingsCiezarowka.Level, boxH, parachutePicture.Colour->Height());
  const PhonemeMask positions = PhonemeMask(SettingsCiezarowka.PositionMask);
  const PhonemeMask chosen =
      CgraCie_Paczki::ChooseSounds(*Dictionary, PhonemeMask(SettingsCiezarowka.PhonemeMask), positions, correctCount);
  std::vector<CSlowa::CPaczkaEx*> words;
  CgraCie_Paczki::DrawWords(*Dictionary, chosen, positions, correctCount, words);
  int width = 0;
  const std::string caption =
      CgraCie_Paczki::Caption(chosen, GameFontCiezarowka, ciezarowka::LayoutFor(Display).namesWidth, width);
  truck->SetText(caption, width);
  plane->SetText(caption);

  // The box's own alpha over the face, opaque elsewhere: tints go through it
  // onto the box, and through its inverse onto the picture.
  std::unique_ptr<TBitmap> grey(NewGrey8Bitmap(boxW, boxH, 255));
  grey->Canvas()->CopyRect(faceRect, faceCutout.Mask->Canvas(), Rect(0, 0, faceRect.Width(), faceRect.Height()));
  std::unique_ptr<TBitmap> inverted = CopyOf(grey.get());
  InvertBitmap(inverted.get());
  const TRect face0 = Rect(0, 0, faceRect.Width(), faceRect.Height());
  for (std::size_t i = 0; i < words.size(); ++i) {
    const bool correct = int(i) < correctCount;
    std::unique_ptr<TBitmap> look = CopyOf(boxPicture.Colour);
    std::unique_ptr<TBitmap> picture(LoadWordPicture(words[i]->key, faceRect.Width(), faceRect.Height(), true, false));
    Composite(look.get(), faceRect.left, faceRect.top, faceCutout.Colour, faceCutout.Mask, &face0, picture.get(), 0,
              0, 255);
    std::unique_ptr<TBitmap> blink, hintLook;
    if (correct) {
      hintLook = CopyOf(look.get());
      TintThroughMask(hintLook.get(), 0, 0, grey.get(), kHintTint, hintLook.get(), 0, 0, 140);
    } else {
      blink = CopyOf(look.get());
      TintThroughMask(blink.get(), 0, 0, grey.get(), kBlinkTint, blink.get(), 0, 0, 140);
      TintThroughMask(blink.get(), 0, 0, inverted.get(), clBlack, blink.get(), 0, 0, 80);
    }
    auto parcel = std::make_unique<CgraCie_GOPaczka>(&parachutePicture, &workPicture, boxPicture.Mask, std::move(look),
                                                     std::move(blink), std::move(hintLook));
    parcel->Start(words[i], correct, parcels.fallSpeed);
    parcels.Add(std::move(parcel));
  }
  parcels.Queue();
  introDone = false;
}

// ---- actions ----

void TFormCiezarowka::InstallFrameLoop(bool on) {
  if (on) Application->OnIdle = [this](TObject* s, bool& done) { GameIdle(s, done); };
  else if (frameLoopOn) Application->OnIdle = nullptr;
  frameLoopOn = on;
}

void TFormCiezarowka::actNowaGraExecute(TObject*) {
  InstallFrameLoop(false);
  stopped = false;
  ShowWaitPicture();
  if (StatRec) StatRec->Start(&SettingsCiezarowka);
  GenerateParcels(CorrectParcelCount());
  PaintCleanScene();
  ResetFrameBuffer();
  Invalidate();
  InstallFrameLoop(true);
}

void TFormCiezarowka::actStopExecute(TObject*) {
  stopped = true;
  SendTruckAway();
  // Correct parcels still waiting count as unsolved; those falling do not.
  StopGame(int(parcels.correctQueue.size()));
}

void TFormCiezarowka::actPomocExecute(TObject*) {
  auto it = parcels.FindHintParcel();
  if (it == parcels.activeParcels.end()) return;
  (*it)->SetHint();
  KeepAlive();
  if (StatRec) StatRec->AddHelp();
}

// ---- handlers ----

void TFormCiezarowka::FormClose(TObject*, TCloseAction&) {
  InstallFrameLoop(false);
  parcels.Clear();
}

void TFormCiezarowka::FormPaint(TObject*) { Display.PaintBorders(this); }

void TFormCiezarowka::pbGamePaint(TObject*) { pbGame->Canvas()->Draw(0, 0, frameBuffer.get()); }

void TFormCiezarowka::pbGameMouseDown(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
  KeepAlive();
  if (Button == mbRight) {
    auto it = parcels.ParcelAt(X, Y);
    if (it != parcels.activeParcels.end()) PlaySoundFile(WordSoundPath((*it)->word), false);
    return;
  }
  if (Button != mbLeft) return;
  if (plane->active && plane->x > 0) {
    plane->fading = true;
    return;
  }
  auto it = parcels.ParcelAt(X, Y);
  if (it == parcels.activeParcels.end() || (*it)->marked) return;
  CgraCie_GOPaczka* p = *it;
  if (p->correct) {
    p->Throw(TPoint{truck->x + truck->loadOffsetX, truck->y + truck->loadOffsetY});
    if (StatRec) StatRec->AddGood();
    PlaySoundFile(WordSoundPath(p->word), false);
  } else {
    p->StartBlink();
    if (StatRec) StatRec->AddBad();
    PlayFeedbackSound(3, false, false);
  }
}

// ---- the frame loop ----

void TFormCiezarowka::GameIdle(TObject*, bool& Done) {
  Done = false;
  ErasePass();
  StepFrame();
  DrawPass();
  synchLoop.WaitForNextFrame();
  FlushPass();
  if (OnFrameShown) OnFrameShown();
}

void TFormCiezarowka::ErasePass() {
  TBitmap* fb = frameBuffer.get();
  TBitmap* clean = cleanScene.get();
  extraDirty = TRect{};
  if (plane->active) plane->Erase(fb, clean);
  if (!truck->Stands()) truck->Erase(fb, clean);
  for (CgraCie_GOPaczka* p : parcels.activeParcels) p->Erase(fb, clean);
}

void TFormCiezarowka::StepFrame() {
  if (!introDone) {
    plane->Step();
    const bool arriving = !truck->Stands();
    truck->Step();
    if (arriving && truck->Stands()) {
      // Parked: erased this frame and no longer drawn as a sprite, it joins
      // the still scene at once, also while the plane still fades.
      PaintCleanScene();
      truck->Draw(frameBuffer.get());
    }
    if (truck->active) {
      if (truck->x == truck->stopX && !plane->active) introDone = true;
    } else if (plane->fading) {
      truck->active = true;
    }
    return;
  }
  auto& active = parcels.activeParcels;
  if (active.empty() || active.front()->y + active.front()->H() > 0) parcels.DropNextParcel();
  int correctInPlay = 0;
  for (auto it = active.begin(); it != active.end();) {
    CgraCie_GOPaczka* p = *it;
    p->Step();
    if (p->Caught()) {
      AddDirtyRect(p->dirty);
      it = active.erase(it);
      continue;
    }
    if (p->correct) ++correctInPlay;
    ++it;
  }
  if (truck->departing) {
    if (!truck->Stands()) truck->Step();
    else if (!stopped) CPostEventsHandling::Instance()->Post(DeferredCall(this, &TFormCiezarowka::StopAfterTruckLeft));
  } else if (parcels.correctQueue.empty() && correctInPlay == 0) {
    SendTruckAway();
  }
  parcels.TakeMissedParcel(frameBuffer->Height());
}

void TFormCiezarowka::DrawPass() { DrawSprites(frameBuffer.get()); }

void TFormCiezarowka::DrawSprites(TBitmap* target) {
  if (plane->active) plane->Draw(target);
  if (!truck->Stands()) truck->Draw(target);
  // Parcels in flight lie under the others.
  for (bool flight : {true, false})
    for (CgraCie_GOPaczka* p : parcels.activeParcels)
      if (p->InFlight() == flight) p->Draw(target);
}

void TFormCiezarowka::FlushPass() {
  TCanvas* screen = pbGame->Canvas();
  TBitmap* fb = frameBuffer.get();
  plane->Flush(screen, fb);
  truck->Flush(screen, fb);
  for (CgraCie_GOPaczka* p : parcels.activeParcels) p->Flush(screen, fb);
  if (!extraDirty.IsEmpty()) screen->CopyRect(extraDirty, fb->Canvas(), extraDirty);
}

void TFormCiezarowka::AddDirtyRect(const TRect& r) { extraDirty = UnionRects(extraDirty, r); }

void TFormCiezarowka::PaintCleanScene() {
  TCanvas* c = cleanScene->Canvas();
  // Black first: the background may not fill the playfield.
  c->Brush.Color = clBlack;
  c->FillRect(Rect(0, 0, cleanScene->Width(), cleanScene->Height()));
  c->Draw(0, 0, background);
  stopButton->Paint();
  helpButton->Paint();
  if (truck->Stands()) truck->Draw(cleanScene.get());
}

void TFormCiezarowka::DrawScene(TBitmap* target) {
  target->Canvas()->CopyRect(Rect(0, 0, target->Width(), target->Height()), cleanScene->Canvas(),
                             Rect(0, 0, cleanScene->Width(), cleanScene->Height()));
  DrawSprites(target);
}

void TFormCiezarowka::ResetFrameBuffer() { DrawScene(frameBuffer.get()); }

void TFormCiezarowka::SendTruckAway() {
  if (truck->departing) return;
  const bool stood = truck->Stands();
  truck->Depart();
  if (stood) {
    PaintCleanScene();  // without the truck, which moves now
    truck->Erase(frameBuffer.get(), cleanScene.get());
  }
}

void TFormCiezarowka::StopAfterTruckLeft() {
  if (!stopped) actStop->Execute();
}
