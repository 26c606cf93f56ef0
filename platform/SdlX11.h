// What the SDL back end asks of X11 itself, kept apart from the rest of the
// platform: X11's headers define names (None, Status ...) that clash with ours.
#pragma once

struct SDL_Window;

// Whether a window manager runs on the window's X display (one that follows
// the desktop conventions names its window on the root window). Without one
// nobody answers a full-screen request, and SDL waits 100 ms for the answer.
// True for a window on another video driver.
bool WindowManagerRunning(SDL_Window* window);
