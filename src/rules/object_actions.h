// The action of one object on another: the attack first, then for static targets (a
// chest, a lever, a hatch, a killed monster) the loot and the target's script. Also the
// walk and look scripts the hero sets off by moving.
#pragma once

// Script types (scriptvar[0]); the names are ScriptActionNames of the quest model.
enum ScriptType {
  kScriptNone = 0,
  kScriptTextAndSound = 1,
  kScriptGive = 2,
  kScriptSet = 3,
  kScriptTake = 4,
  kScriptStrip = 5,
  kScriptItem = 6,
  kScriptArrowTrap = 7,
  kScriptTrapType2 = 8,
  kScriptTrapType3 = 9,
  kScriptInstantDeath = 10,
  kScriptGameEnd = 11,
  kScriptWonRevealXY = 12,
  kScriptWonRevealAll = 13,
  kScriptRevealRoom = 14,
  kScriptRevealAll = 15,
  kScriptChangeFloor = 16,
  kScriptChangeToSide = 17,
  kScriptChangeToPrefab = 18,
  kScriptTreasureCard = 19,
  kScriptHatchTeleport = 20,
  kScriptEquipmentShop = 21,
  kScriptEndpoint = 22,
  kScriptRetreat = 23,
  kScriptMakeDoor = 24,
  kScriptStairsUp = 100,
  kScriptStairsDown = 101,
};

// The object on (x, y) acts on the object at (tx, ty): from the ObjectMap, or from the
// ScriptMap when fromScript is 1 (walk and look scripts; no attack then). Returns 0 when
// it acted, 1 when either tile holds no object.
int ActOnObject(int x, int y, int tx, int ty, int fromScript);

// 1 when the last ActOnObject took the party to another level by the stairs: the board
// was rebuilt, so the caller must not touch the tiles it knew.
extern int ActionChangedLevel;

// After the hero on (x, y) moved or opened a door: the walk script under him, then every
// look script on a revealed tile. A walk script stays when repeatable, a look script
// never does. The hero's tile afterwards is HeroPositionX/Y when a script ran (a hatch
// may have moved him). Returns how many scripts ran.
int RunStepScripts(int x, int y);

// Checks the parameters a script uses as a tile, an attribute or item index, a prefab
// or an effect number; prints a short message and returns false for one out of range.
bool ScriptParametersValid(const int scriptvar[6]);
// The same test without the message: true when a parameter is out of range, with the
// complaint ScriptParametersValid would print written into text (size characters).
bool ScriptParameterProblem(const int scriptvar[6], char* text, int size);

// A prefab slot that holds an object (1..PrefabCount, not free).
bool PrefabUsable(int p);

// Adds an attribute change, held to the range an attribute can store.
void AddToAttribute(int slot, int index, int amount);
