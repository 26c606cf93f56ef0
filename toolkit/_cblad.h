// The program's fatal error: an exception whose code picks a fixed message.
#pragma once
#include <cstdint>
#include <string>

#include "platform/SysUtils.h"

class TWinControl;

class CBlad : public Exception {
 public:
  // detail: what failed (a file's path and why). Raised while another error
  // is being handled, without a detail of its own, the error takes that
  // one's message and detail.
  explicit CBlad(std::int16_t code, std::string detail = std::string());
  ~CBlad() override = default;

  // The message of a code (codes without a text of their own get code 1's).
  static std::string Text(std::int16_t code);
  // Shows the message in a box with one OK button on the owner window, or
  // on the application's window when there is none, and writes the detail
  // to standard error; returns when the box is closed.
  void Show(TWinControl* owner) const;

  std::int16_t Code;
};

// The caption of the box that shows a CBlad.
extern const char* const kBladCaption;
