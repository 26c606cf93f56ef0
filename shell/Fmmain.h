// The main window: six tabs (1 label-it, 2 vines, 3 flowers, 4 odd-one-out,
// 5 truck, 6 recordings). On a game tab the parent or therapist chooses the
// sounds, their places in the word and the length of the game, kept in the
// game's settings record (CurrentSettings), and presses "start". The last
// tab is the voice recorder.
//
// How the games reach the shell
// -----------------------------
// A game window implements IGameWindow (shell/GameWindow.h) and registers itself for its tab with
// SetGameWindow when start-up creates it (see RunOptions::createGameWindows in
// shell/Startup.h). The start action of the main window then, in order: stops
// the music, clears the bits of the settings masks that lie outside their
// fields, draws the wait picture on the main window and calls the tab's
// starter. The starter asks the game window (after PrepareCandidates, which
// only label-it uses) whether the dictionary holds enough words; if not, the message box
// shows message 3 (kMsgTooFewWords), else the game's ShowGame (its modal
// show) runs. Afterwards the music resumes. Until a tab has a game window its
// start action (and its starter) does nothing at all.
//
// What a game uses of the shell: FormMain->DrawWaitPicture(this) (the wait
// picture, centred on the game's window, at once on the screen),
// FormKoniecGry (shell/Fmkoniecgry.h), FormKomunikat (shell/Fmkomunikat.h),
// StatRec (shell/_cstatrec.h), the settings records (shell/_custgry.h), the
// sounds (shell/_gloskifn.h), the game fonts (toolkit/Ctransfont.h) and the
// dictionary `Dictionary` (dictionary/_cslowa.h).
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ActnList.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "shell/GameWindow.h"
#include "shell/_cnagrywanie.h"
#include "toolkit/Ctransbitmap.h"

class CCheckButW;
class CPrzyciskW;
class CScrollBar;
class CTransFont;

class TFormMain : public TForm {
 public:
  // Full screen. Raises CBlad(1) when any of its pictures, widgets, the rows
  // of the recordings list or the scroll indicator cannot be built.
  explicit TFormMain(TComponent* owner);
  // Writes the settings file.
  ~TFormMain() override;

  // Draws the wait picture centred on the window's canvas, straight to the
  // screen (nothing when the picture could not be loaded).
  void DrawWaitPicture(TForm* window);

  void SelectTab(int tab);

  // ---- the music: "Data\Intf\Smd\music.wav" looped on its own channel ----
  // Follows the loudspeaker toggle; paused while a game runs and while the
  // recorder records or plays.
  void PauseMusic();
  void ResumeMusic();
  // Starts or stops the music as the loudspeaker and the pauses say.
  void UpdateMusic();

  // ---- the controls (tests and tools look at them) ----
  enum ButtonId { bStart, bAbout, bExit, bRecord, bStop, bPlay, bTryRecord, bTryStop, bTryPlay, bUp, bDown, kButtons };
  CPrzyciskW* Button(ButtonId id) const { return buttons_[id]; }
  CCheckButW* TabToggle(int tab) const { return tabs_[std::size_t(tab - 1)].get(); }
  CCheckButW* SoundToggle(int bitIndex) const { return sounds_[std::size_t(bitIndex)].get(); }
  CCheckButW* PositionToggle(int i) const { return positions_[std::size_t(i)].get(); }
  CCheckButW* AmountToggle(int i) const { return amounts_[std::size_t(i)].get(); }
  CCheckButW* SpeakerToggle() const { return speaker_.get(); }
  // 0: play a recording back as soon as it is made; 1: protect the saved
  // recordings from being recorded over.
  CCheckButW* OptionToggle(int i) const { return options_[std::size_t(i)].get(); }
  CRecordingRow* Row(int i) const { return rows_[std::size_t(i)].get(); }
  CScrollBar* ScrollIndicator() const { return scroll_.get(); }
  int TopRow() const { return topRow_; }
  int MarkedSlot() const { return marked_; }
  CRecordings& Recordings() { return *recordings_; }
  bool Recording() const { return recorder_.Recording(); }
  const std::string& StatusText() const { return status_; }

 protected:
  void Paint() override;
  // On the recorder tab the wheel scrolls the list.
  bool DoMouseWheel(TShiftState shift, int delta, TPoint pos) override;

 private:
  void BuildControls();
  void Layout();
  void LoadTabSettings();
  // Draws the whole window on its surface (nothing while it has none).
  void DrawWindow();
  void ReloadBackground();
  void DrawTexts(TBitmap* target);
  void DrawStatus();
  void SetStatus(const std::string& text);
  void IdleStatus();
  TRect StatusRect() const;

  // Actions.
  void A_StartExecute(TObject* sender);
  void A_OProgramieExecute(TObject* sender);
  void A_WyjdzExecute(TObject* sender);
  void A_TabExecute(TObject* sender);
  void A_SoundExecute(TObject* sender);
  void A_PositionExecute(TObject* sender);
  void A_AmountExecute(TObject* sender);
  void A_SpeakerExecute(TObject* sender);
  void A_OptionExecute(TObject* sender);
  void A_SelectExecute(TObject* sender);
  void A_UpExecute(TObject* sender);
  void A_DownExecute(TObject* sender);
  void A_RecordExecute(TObject* sender);
  void A_StopExecute(TObject* sender);
  void A_PlayExecute(TObject* sender);
  void A_TryRecordExecute(TObject* sender);
  void A_TryPlayExecute(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);

  // The recorder.
  enum class Busy { None, RecordingSlot, RecordingTry, Playing };
  void StartRecording(bool intoSlot);
  // Ends a recording (kept) or a playback; plays it back when asked to.
  void StopAll(bool mayPlayBack);
  void PlayFile(const std::string& file, const std::string& status);
  void PlayTry();
  void RecorderTick();
  void ShowMessage(std::int16_t code);
  void RedrawRows();
  void ClearKnob();

  std::unique_ptr<TBitmap> clean_;  // the background (empty while a game runs); the window draws on its surface
  CTransBitmap wait_;

  std::vector<TAction*> actions_;  // owned by the window
  TAction* selectAction_ = nullptr;
  std::array<CPrzyciskW*, kButtons> buttons_{};
  std::array<std::unique_ptr<CCheckButW>, 6> tabs_;
  std::array<std::unique_ptr<CCheckButW>, 26> sounds_;
  std::array<std::unique_ptr<CCheckButW>, 3> positions_;
  std::array<std::unique_ptr<CCheckButW>, 3> amounts_;
  std::array<std::unique_ptr<CCheckButW>, 2> options_;
  std::unique_ptr<CCheckButW> speaker_;
  std::array<std::unique_ptr<CRecordingRow>, kVisibleRows> rows_;
  std::unique_ptr<CScrollBar> scroll_;

  // Places the layout computes (window coordinates).
  TPoint soundsLabel_{}, positionsLabel_{}, amountsLabel_{};
  TRect description_{}, listRect_{}, status_rect_{};
  TPoint slotLabel_{}, tryLabel_{};
  TRect optionText_[2]{};

  std::unique_ptr<CRecordings> recordings_;
  CRecorder recorder_;
  TTimer* recorderTimer_ = nullptr;
  Busy busy_ = Busy::None;
  int busySlot_ = -1;
  std::int64_t playEndsMs_ = 0;
  std::vector<std::int16_t> try_;  // the last try-out, kept in memory only
  std::string status_;
  int topRow_ = 0;
  int marked_ = -1;
  int musicPauses_ = 0;
  bool musicPlaying_ = false;
  bool built_ = false;
};

extern TFormMain* FormMain;
