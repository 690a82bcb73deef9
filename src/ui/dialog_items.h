// The program's own dialog items: bevelled buttons, check boxes, texts, pictures
// and the framed box behind every dialog, drawn in the interface colours. Each
// procedure answers the dialog manager's messages like the library's own.
#pragma once
#include <allegro.h>

#include <initializer_list>

// Push button; also the library's alert and file-selector buttons. A shortcut key
// shows the button pressed for a moment before it acts; both key and click play
// the click sound.
// Fills one dialog item in the interface's colours (the other fields cleared).
void SetDialogItem(DIALOG& d, DIALOG_PROC proc, int x, int y, int w, int h, int key, int flags,
                   const char* text);

// A menu: a titled box with a column of exit buttons in groups, and the exit watcher.
struct MenuButton {
  int key;
  const char* label;
};
// Fills items[0] with the box (the layout's dialog rectangle), items[1..count] with the
// buttons (the layout's button size and spacing, one spacing more before each index in
// groupStarts) and items[count + 1] with the watcher; the item after stays empty.
void FillMenuDialog(DIALOG* items, const char* title, const MenuButton* buttons, int count,
                    std::initializer_list<int> groupStarts);

int ButtonProc(int msg, DIALOG* d, int c);
// A flat text choice without frame, its label right-aligned to end at x + w.
int TextButtonProc(int msg, DIALOG* d, int c);
// A check box of side h beside its label dp. d1 below 1 puts the label first.
// When dp2 is set, getting the focus shows the object numbered by dp2's first
// character in the side panel.
int CheckProc(int msg, DIALOG* d, int c);
// The textured raised panel with a shadow; dp, when set, is the title shown in a
// strip of the highlight colour.
int ShadowBoxProc(int msg, DIALOG* d, int c);
// Static text dp: CentredTextProc centres it on x + w / 2 (on x when w is 0; the
// library's alerts give their lines a width), TextProc starts it at x.
int CentredTextProc(int msg, DIALOG* d, int c);
int TextProc(int msg, DIALOG* d, int c);
// The bitmap dp at (x, y), w x h; d1 = 1 leaves its magic-pink pixels out.
int PictureProc(int msg, DIALOG* d, int c);
// Invisible item of every menu and dialog: when the window's close button was
// pressed it asks whether to leave the program, and it hands the processor back
// while the dialog waits for input.
int ExitWatcherProc(int msg, DIALOG* d, int c);
// The framed box of the library's own dialogs (its alerts and file selector): drawn
// as ShadowBoxProc, and on their idle messages it watches for the close button as
// ExitWatcherProc does, so those dialogs ask the exit question at once too. A dialog
// closed by a confirmed exit answers as if cancelled.
int LibraryBoxProc(int msg, DIALOG* d, int c);
// What both watchers do on an idle message: D_CLOSE once leaving is confirmed
// (ExitRequest 2), after asking "  Exit Dunmarrow?  " when the close button was
// pressed; otherwise D_O_K (a CANCEL sets ExitRequest back to 0).
int WatchForExit();
// A pop-up menu at (x, y), like the library's do_menu, that also goes away when the
// window's close button is pressed; the chosen entry's index or a negative value.
int RunWatchedMenu(MENU* menu, int x, int y);

// Frame of a drop-down menu (the library's menu-drawing hook).
void MenuFrameDraw(int x, int y, int w, int h);

// The button click, at the configured volume.
void PlayClick();

// How long a button stays visibly pressed after its shortcut key.
constexpr int kButtonPressMs = 70;
// The pause an idle dialog takes between looks at the keyboard and mouse: short
// enough to feel instant, long enough to leave the processor alone.
constexpr int kIdleYieldMs = 10;

// The colour a framed box writes its title in over a strip of the given colour:
// the item's own colour when it stands out, else a light or dark one that does.
int TitleTextColor(int fg, int strip);
