// The game draws one 800 x 600 picture; the window shows it enlarged by a whole
// factor. The picture is a memory bitmap installed as the library's `screen`, so
// everything (the board, the panels, the library's dialogs, alerts and file
// selector) draws into it; the rows it touches are noted as they are written, and
// the main thread's waiting points put the changed rows on the real screen, enlarged.
// The mouse is mapped back: the game and the dialogs see picture coordinates.
//
// Alt+Enter switches between the window and full screen at any time; the picture
// survives the change of mode and is simply shown again.
#pragma once
#include <allegro.h>

constexpr int kPictureW = 800;
constexpr int kPictureH = 600;
constexpr int kLargestScale = 4;
// Room left around a window for its frame and the desktop's panels when the factor
// is chosen automatically (and under an X server without a window manager, a margin
// all the same): 64 pixels each way.
constexpr int kWindowFrameRoom = 64;

// ---- The pure parts ----

// The factor a setting asks for on a screen of w x h: 1..4 as given (higher values
// count as 4), 0 or anything below it the largest whole factor whose picture fits,
// with room for a frame in a window and none at full screen; never below 1.
int ChooseScaleFactor(int setting, int screenW, int screenH, bool fullscreen);

// One axis of the mouse mapping: a position on the real screen, the factor and where
// the picture starts there, into a picture position held inside 0..size-1.
int PictureCoordinate(int real, int factor, int offset, int size);

// Enlarges rows y0..y1-1 of src (kPictureW x kPictureH or any size) by factor into dst
// (at least factor times as large), sharp (each pixel a block) or smooth (blended
// between neighbouring pixel centres). 32-bit bitmaps take the fast path; other
// depths are enlarged sharp by the library.
void ScaleRows(BITMAP* src, BITMAP* dst, int factor, int y0, int y1, bool smooth);

// ---- The display of the running game ----

// What OpenGameDisplay did.
enum DisplayOpenResult {
  kDisplayOpened = 0,
  kDisplayWindowInstead = 1,  // full screen was refused; a window is open instead
  kDisplayFailed = -1,        // nothing could be opened (allegro_error tells why)
};

// Sets the graphics mode for the picture at the colour depth already set: full screen
// or a window, enlarged by the factor the scale setting gives for the desktop. A full
// screen without a mode of the enlarged size is tried unenlarged; full screen refused
// altogether falls back to a window. A display without the system's pointer shows the
// picture unenlarged (the library would draw its own pointer into the picture). Creates the picture and installs it as
// `screen` (with the mouse hooks of the library's dialogs).
DisplayOpenResult OpenGameDisplay(bool fullscreen, int scaleSetting, bool smooth);
// Puts the real screen back as `screen` and frees the picture; call before leaving
// the graphics mode (text mode, exit).
void CloseGameDisplay();
// The real screen, or nullptr while no display is open.
BITMAP* RealScreen();
// The factor in force (1 without a display) and whether the picture is full screen.
int DisplayScale();
bool DisplayFullscreen();
// The last error of a refused mode, for the message the caller shows.
const char* DisplayModeError();

// The pointer shown over the picture, enlarged with it; nullptr for the library's own.
void SetPictureMouseSprite(BITMAP* sprite);

// The main thread's waiting points call this: carries out a pending Alt+Enter and puts
// the changed rows on the real screen. Cheap when nothing changed.
void ServiceDisplay();
// Puts the whole picture on the real screen now.
void PresentWholePicture();

// Smooth or sharp enlarging from now on (the whole picture is shown again on a change).
void SetDisplaySmoothing(bool smooth);

// Switches between window and full screen now; a full screen the display refuses
// leaves the window with a message. GameOptions.fullscreen follows the result.
void ToggleFullscreen();

// Called after every change of mode (the shell puts its close-button and switch-in
// hooks back, as a new mode may have dropped them).
using DisplayReopenedHook = void (*)();
void SetDisplayReopenedHook(DisplayReopenedHook hook);

// Mouse position in picture coordinates (the real position when no display is open).
int PictureMouseX();
int PictureMouseY();
