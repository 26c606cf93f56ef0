// Where the shell's pictures leave room for its controls and text: the
// plain plates the generator draws into the pictures and the shell lays its
// controls and text out on. Both include this header.
#pragma once

namespace picturelayout {

// The plain plate of the main window's background, in the 1280 x 960 design
// the backgrounds are drawn in (scaled with the art set).
struct Plate {
  int left, top, width, height;
};
constexpr Plate kMainPlate{48, 150, 1184, 712};

// A plate across a dialog's picture: the same margin left and right, its top
// and its height, in the picture's pixels.
struct DialogPlate {
  int margin, top, height;
};
// The message box ("mKom_kp.xji"): the text on the plate, the button below.
constexpr DialogPlate kMessagePlate{16, 14, 136};
// The end-of-game window ("mKon_kp.xji"): four lines of counts on the plate,
// the buttons on the grass below it.
constexpr DialogPlate kEndOfGamePlate{28, 62, 164};

}  // namespace picturelayout
