// Until the play loop exists: shows the loaded quest's board, wholly revealed, until a
// key or a click returns to the menu.
#pragma once

int PreviewQuestBoard();
