// Script types: what an object's script (scriptvar[0]) does when it is used, killed,
// looked at or walked on. ScriptActionNames of the quest model names types 0..24; the
// rules run them, and the Magic Dungeon's stairs (100 and 101) go through a hook of
// the rules to the floor that builds levels. The generators write these numbers into
// the objects they place.
#pragma once

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

// What a "give" script (x, amount y) raises when x is 8: lost life, up to y.
constexpr int kGiveHealing = 8;
