// What the picture controls (the buttons, the toggle's click area and the
// scroll knob) share: their pictures, their mouse filter, their moves and
// their drawing off screen.
#pragma once
#include <memory>
#include <string>

#include "platform/Controls.h"
#include "platform/Graphics.h"

// A picture from the resource library; a missing one stays an empty bitmap.
std::unique_ptr<TBitmap> LoadResourcePicture(const std::string& name);

// The mouse entering a control of a window that is not the active one (a
// window behind a modal one): such a message is dropped.
bool IsEnterOfInactiveWindow(const TMessage& message, const TControl* control);

// Moves the control: a negative coordinate keeps the old one; 0 is applied.
void MoveKeepingNegative(TControl* control, int x, int y);

// A bitmap of width x height in the pixel format of the target's surface.
std::unique_ptr<TBitmap> NewOffscreen(TCanvas* target, int width, int height);

// Composes the picture through the mask over the background's rectangle
// `bounds` in the off-screen bitmap, then copies that onto the target at
// bounds in one step, so the control never flickers.
void ComposeAndPresent(TBitmap* offscreen, TCanvas* background, TCanvas* target, const TRect& bounds, TBitmap* mask,
                       TBitmap* picture);

// Puts the background's rectangle back on the target.
void RestoreBackground(TCanvas* target, TCanvas* background, const TRect& bounds);
