// What the shell's two small dialogs (the message box and the end-of-game
// window) share: a picture of their own size as background, centred on the
// screen, round corners, dragged by the client area, and text drawn with the
// game fonts into a composed copy of the picture that the picture buttons
// use as their static background.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Forms.h"

class CTransFont;

class TDialogForm : public TForm {
 public:
  // Loads the picture (a JPEG, whatever the extension); the window takes its
  // size. Raises CBlad(1) when it cannot be loaded.
  TDialogForm(TComponent* owner, const std::string& pictureFile);
  ~TDialogForm() override;

  // The picture with the dialog's text, as shown.
  TBitmap* Composed() { return composed_.get(); }

  // Places the window in the middle of the screen.
  void Centre();

 protected:
  // Rebuilds the composed picture: the clean picture, then DrawContent.
  void Compose();
  virtual void DrawContent(TBitmap* target) {}
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  // Draws text into the rectangle, wrapped; alignment 0 left, 1 centred, 2 right.
  static void Text(TBitmap* target, CTransFont& font, const std::string& text, const TRect& r, TColor colour,
                   std::uint8_t alignment);

 private:
  std::unique_ptr<TBitmap> picture_;
  std::unique_ptr<TBitmap> composed_;
  bool dragging_ = false;
  TPoint dragFrom_{};   // screen point of the press
  TPoint startPos_{};   // window position at the press
};

// The colour of the dialogs' text.
constexpr TColor kDialogTextColour = 0x5A2A1E;  // dark blue
