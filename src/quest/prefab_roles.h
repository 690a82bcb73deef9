// The prefab slots the game uses by number and the board pictures it recognises on the
// board. Dunmar.qpf must hold fitting records in these slots (its maker,
// tools/prefabs/make_qpf.py, lists them in its header); nothing else in the table has a
// fixed meaning.
#pragma once

// Slots of the PrefabTable.
constexpr int kPrefabFirstHero = 1;  // the four heroes stand in slots 1 to 4
constexpr int kPrefabHeroCount = 4;
constexpr int kPrefabMerchant = 7;   // the equipment shop a dungeon level may hold
constexpr int kPrefabTreasure = 40;  // a chest whose gold the dungeon builder sets
constexpr int kPrefabStairsDown = 51;
constexpr int kPrefabStairsUp = 52;

// Board pictures (picture[0]) with a meaning of their own.
constexpr int kPictureFirstHero = 1;  // the heroes' pictures are 1 to 4
constexpr int kPictureLastHero = 4;
// The artifacts that may hide a Healing Potion.
constexpr int kPictureFirstArtifact = 25;
constexpr int kPictureLastArtifact = 27;
constexpr int kPictureTreasure = 40;
// The Magic Dungeon finds its stairs on the board by these pictures.
constexpr int kPictureStairsDown = 51;
constexpr int kPictureStairsUp = 52;

// A slot of the prefab table that holds an object: 1..PrefabCount and not free.
bool PrefabSlotHolds(int slot);
