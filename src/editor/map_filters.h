// The editor's "Map Filters": whole-board operations on the quest being edited, each
// callable on its own, and the F2 menu that offers them.
#pragma once
#include <allegro.h>

// The F2 menu of filters. It stays open after each filter (the focus on the entry just
// used) until "BACK", Escape or the window's close request.
void RunMapFilters();

// Items of the menu.
enum MapFiltersItem {
  kFiltersBox = 0,
  kFiltersQuestProperties = 1,
  kFiltersClassic,
  kFiltersDungeon,
  kFiltersOutdoors,
  kFiltersContent,
  kFiltersGreyscale,
  kFiltersCoordinates,
  kFiltersRemoveDoors,
  kFiltersBack,
  kFiltersWatcher,
  kFiltersItemCount = kFiltersWatcher + 2,  // the items above and the closing entry
};
// Sets the menu's layout and fills items (kFiltersItemCount entries).
void BuildMapFiltersMenu(DIALOG* items);

// The filters. Each one that changes the board draws the board picture anew.
// The classic board: every object and door gone, the rooms of the classic layout.
void ClassicDungeonFilter();
// A random dungeon layout on a cleared board (the generator copes with any board
// size the header may give, down to none).
void GenerateDungeonFilter();
// A random outdoor map on a cleared board.
void OutdoorsDungeonFilter();
// Generated content for the editor's content level on the board as it is; false
// (with a message, nothing placed) when no object slot is free.
bool GenerateContentFilter();
// The printable greyscale map, written as greymap.bmp into the quests folder (or the
// working folder when that fails), then waits for a key or a click. Returns the path
// written, or nullptr when no picture could be written.
const char* GreyscaleExportFilter();
// Labels every row and column on the screen until a key or a click.
void ShowCoordinatesFilter();
// Takes every door off the board.
void RemoveAllDoorsFilter();

// The seed the dungeon filters use: a 31-bit draw of the shared generator / 1200.
int BoardSeed();

// Builds the greyscale picture of the board (not saved): exportW x exportH, the board
// picture 28 pixels wider and higher. The caller destroys it. Leaves the selection
// mask (VisibilityMap) at 2 on every cell reached from an object or a script, 1 on the
// others.
BITMAP* MakeGreyscaleMap();

// Writes a short label into a board cell of the board picture (the coordinates, and
// path numbers): format takes one long.
void DrawCellLabel(int x, int y, const char* format, long value);
// Its colour: dark green; faint for 0; green for the current path length; red for 255;
// the highlight colour for a coordinate (a label that begins with X or Y).
int CellLabelInk(const char* label);
