// The quest editor: its loop over the mouse and keys, the right-click menu, and the
// ways in from the main menu and the command line.
#pragma once
#include <allegro.h>

// Runs the editor on the quest in memory until the Edit menu's "EXIT" or a confirmed
// close of the program. The history starts afresh with the quest as it is.
void RunEditor();
// "EDIT QUEST": every screen button idle, a fresh quest, the editor, the title picture.
void EditNewQuest();

// How the editor shows its pop-up menu (the library's pop-up menu watching the close
// button unless a test put its own in place): the chosen entry or a negative value.
using EditorPopupRunner = int (*)(MENU* menu, int x, int y);
extern EditorPopupRunner RunEditorPopup;

// Entries of the right-click menu.
enum EditorPopupEntry { kPopupCopy = 0, kPopupCut = 1, kPopupDelete = 2, kPopupProperties = 3 };

// Asks before the quest in memory is given up (another is loaded, the editor or the
// program is left): lines l1 and l2, "OK" and "CANCEL", with a warning as third line
// while the quest has unsaved changes. True to go on. With onlyWhenUnsaved nothing is
// asked (and the answer is true) when all is saved.
bool ConfirmLosingChanges(const char* l1, const char* l2, bool onlyWhenUnsaved = false);

// Draws the board picture afresh and puts board and panel on the screen: after a
// change to the whole quest (a load, a filter, a step taken back).
void RedrawEditorBoard();
