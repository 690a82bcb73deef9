// The quest check from the editor (F3): the checker's findings in a list; the one
// chosen is shown on the board.
#pragma once
#include <allegro.h>

#include <string>
#include <vector>

#include "editor/quest_check.h"

// Runs the check on the quest in memory and shows the findings until the list is
// closed; a chosen finding with a tile is shown there. Nothing found is told in a box.
void RunQuestCheckDialog();

// The line the list shows for a finding: "X12 Y 3: ..." or "Quest: ...".
std::string FindingLine(const QuestFinding& f);
// Shows a tile: the zoomed view centred on it as far as the board allows, the tile
// framed in red on the board picture (until it is drawn again) and the finding on the
// message line.
void ShowFindingOnBoard(const QuestFinding& f);

// How the list is run (the rules' dialog runner unless a test put its own in place):
// returns the item that closed it, negative for escape.
using CheckListRunner = int (*)(DIALOG* items, int focus);
extern CheckListRunner RunCheckList;
// Item indexes of the list dialog.
enum CheckListItem {
  kCheckBox = 0,
  kCheckList = 1,
  kCheckShow = 2,
  kCheckClose = 3,
  kCheckWatcher = 4,
  kCheckItemCount = 6,
};
