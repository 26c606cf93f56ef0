// What the main window needs of a game window, and where it finds the game
// window of each tab.
#pragma once

class IGameWindow {
 public:
  virtual ~IGameWindow() = default;
  // Called before HasEnoughWords; label-it gathers the words the settings
  // allow here, the other games have nothing to do.
  virtual void PrepareCandidates() {}
  // Whether the dictionary holds enough words for the game's current settings.
  virtual bool HasEnoughWords() = 0;
  // Shows the game modally (its ShowModal); returns when the game window closes.
  virtual int ShowGame() = 0;
};

// The game window of a tab (1-5); null unregisters. The window stays the
// caller's: start-up creates and destroys the game windows.
void SetGameWindow(int tab, IGameWindow* window);
IGameWindow* GameWindow(int tab);

// The starter of a tab (1-5), as the main window's start action runs it:
// PrepareCandidates, then HasEnoughWords; too few words show message 3,
// enough open the game. Nothing for another tab or a tab without a window.
void StartGame(int tab);
