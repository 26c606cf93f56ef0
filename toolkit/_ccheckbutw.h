// The two-state picture toggle.
//
// The toggle draws an "off" or an "on" picture into the window's back buffer
// and owns a hidden, transparent image control over that picture which takes
// the clicks. A click only runs the bound action's handler; the handler
// changes the state through this class as the window decides.
//
// Pictures come from the resource library (resName + "_D" off, "_A" on,
// drawn as opaque rectangles) or, when resName is empty, from two picture
// pairs of ".xbi" files (fileBase + "_DB.xbi"/"_DW.xbi" off, "_AB.xbi"/"_AW.xbi"
// on), blended over what the canvas holds.
#pragma once
#include <string>

#include "platform/ActnList.h"
#include "platform/ExtCtrls.h"
#include "toolkit/Ctransbitmap.h"

class CCheckButW {
 public:
  // owner: the window, owner and parent of the image. target and clean are
  // not used by the toggle. The action may be null. Any failure while the
  // toggle is built (a missing or unreadable picture pair among them) raises CBlad(1).
  CCheckButW(TComponent* owner, const std::string& resName, TCanvas* target, TCanvas* buffer, TCanvas* clean,
             int left, int top, TBasicAction* action, const std::string& fileBase);
  ~CCheckButW();
  CCheckButW(const CCheckButW&) = delete;
  CCheckButW& operator=(const CCheckButW&) = delete;

  // Draws the current picture into the buffer while the image is visible.
  void Paint();
  // Draws the current picture on the canvas at the toggle's place, visible or not.
  void DrawTo(TCanvas* canvas);
  bool GetChecked() const { return checked_; }
  // These change the state and draw nothing.
  void SetChecked(bool checked) { checked_ = checked; }
  void Toggle() { checked_ = !checked_; }
  // These change the state, draw it into the buffer and have the window
  // repaint the toggle's area.
  void SetCheckedRedraw(bool checked);
  void ToggleRedraw();
  // The click area: the window reads its size, compares it with the sender
  // of a click, and shows or hides the toggle through its Visible.
  TImage* GetImage() const { return image_; }
  // A coordinate of 0 or below keeps the old one. Nothing is drawn.
  void SetPosition(int x, int y);

 private:
  TBitmap* off_ = nullptr;  // resource mode only
  TBitmap* on_ = nullptr;   // resource mode only; its presence tells the mode
  TImage* image_ = nullptr;
  CTransBitmap offPicture_;  // file mode only
  CTransBitmap onPicture_;   // file mode only
  TCanvas* buffer_;
  bool checked_ = false;
};
