// The message box: what the user must put right (too few sounds chosen, no
// recording marked, no microphone ...), by a message code, shown modally.
//
//   FormKomunikat->SetMessage(kMsgTooFewWords);
//   FormKomunikat->ShowModal();
//
// One "stop" button closes it, as do Esc, Enter and a close request.
#pragma once
#include <cstdint>
#include <string>

#include "shell/_cdialog.h"

class CPrzyciskP;
class TAction;

// The message codes.
constexpr std::int16_t kMsgTooFewWords = 3;        // too few words for the chosen sounds and positions
constexpr std::int16_t kMsgNoRecordingMarked = 4;  // the recorder needs a marked slot
constexpr std::int16_t kMsgNoMicrophone = 5;
constexpr std::int16_t kMsgRecordingNotSaved = 6;  // the recording could not be written
constexpr std::int16_t kMsgSlotEmpty = 7;          // the marked slot holds no recording yet
constexpr std::int16_t kMsgSlotProtected = 8;      // recordings are protected from being replaced
constexpr std::int16_t kMsgNoTryOut = 9;           // no try-out recorded yet
constexpr std::int16_t kMsgRecordingDamaged = 10;  // the marked slot's recording cannot be played

class TFormKomunikat : public TDialogForm {
 public:
  // Raises CBlad(1) when its picture or button cannot be built.
  explicit TFormKomunikat(TComponent* owner);
  ~TFormKomunikat() override;

  void SetMessage(std::int16_t code);
  std::int16_t Message() const { return code_; }
  // The text of a code (code page 1250); empty for an unknown code.
  static std::string MessageText(std::int16_t code);
  CPrzyciskP* StopButton() const { return stop_; }

 protected:
  void DrawContent(TBitmap* target) override;
  void KeyPress(char& key) override;

 private:
  void A_StopExecute(TObject* sender);

  std::int16_t code_ = 0;
  TAction* stopAction_ = nullptr;
  CPrzyciskP* stop_ = nullptr;
};

extern TFormKomunikat* FormKomunikat;
