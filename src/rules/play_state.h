// The state of the quest being played. Three values live in the quest's save data
// (QuestHeader.savdata) so that a saved game continues where it was; they are reached
// here under their own names.
#pragma once
#include <cstdint>

#include "quest/quest_model.h"

// Slot (1..255) of the object whose turn it is.
inline int32_t& CurrentObject = QuestHeader.savdata.CurrentObject;
// Walk points left in the current turn.
inline int32_t& WalkLeft = QuestHeader.savdata.WalkLeft;
// Phase of the active hero's turn (ActionStateValue).
inline int32_t& ActionState = QuestHeader.savdata.ActionState;

enum ActionStateValue {
  kActionTeleportBlocked = -1,  // a teleport found its destination taken; ends as cancelled
  kActionActed = 0,             // acted or ended the turn
  kActionMoving = 1,            // start of a turn: may walk and ask for an action
  kActionRequested = 2,         // Enter, or walk points ran out while moving
  kActionChoosingTarget = 3,    // "Choose your target."
  kActionCancelled = 4,         // shown as "Cancelled.." and back to moving
  kActionTargetClicked = 5,     // an object next to the hero was clicked while moving
};

enum QuestOutcomeValue {
  kQuestPlaying = 0,
  kQuestLeft = 1,  // left to the main menu (game menu "EXIT", or fled the Magic Dungeon)
  kQuestLost = 2,
  kQuestWon = 3,
};
// QuestOutcomeValue of the quest being played.
extern int QuestOutcome;

// Tile of the hero whose turn it is; actions that move him (a teleport) write it back.
extern int HeroPositionX, HeroPositionY;
// Tile of the selected target of the hero's action.
extern int ActionTargetX, ActionTargetY;
// 1 when a saved game was loaded from the game menu during a hero turn.
extern int ReloadedFlag;

// Back to a fresh start (no turn, nothing chosen, playing).
void ResetPlayState();
