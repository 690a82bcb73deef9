// The Magic Dungeon's levels: every level is built from its seeds into the one quest in
// memory, so going back to a level rebuilds its layout and furniture as they were (the
// traps and monsters, placed after the content generator's reseed, differ).
//
// The seeds come from the quest's DungeonSeedBase (qstdata[4]): the layout of level L
// on its attempt k (k from 0) uses seed base + 10 x (L - 1) + k, its content seed
// base + L - 1 on every attempt.
//
// Who does what around a change of level:
//   the campaign (starting the Magic Dungeon): ResetQuest(true), empties the party,
//     SetUpMagicDungeonHeader(NewDungeonSeedBase(), lastlevel), enterDungeonLevel(1, 0),
//     then moves the script objects to the ScriptMap and shows the briefing, as at every
//     quest start;
//   the stairs (scripts 100 and 101, through the rules' stairs hook): decide between a
//     new level, fleeing and victory, and call enterDungeonLevel(new, current);
//   the party hand-over (DungeonLevelHook, set by the floor that owns the party): see
//     below.
#pragma once

// The quest file keeps the seed base in six digits.
constexpr int kDungeonSeedBaseLimit = 1000000;

// A new seed base: a 31-bit random number from the shared generator divided by 1200,
// brought below kDungeonSeedBaseLimit (modulo, so that every seed base that fitted the
// file before stays the same) and never 0 (a seed of 0 would not reseed level 1).
int NewDungeonSeedBase();
// Any number brought into the seed bases' range 1 .. 999999 the same way.
int DungeonSeedBaseInRange(int value);

int DungeonLayoutSeed(int seedBase, int level, int attempt);
int DungeonContentSeed(int seedBase, int level);

// The Magic Dungeon's briefing, defeat and victory texts.
extern const char* const kDungeonBriefing;
extern const char* const kDungeonDefeat;
extern const char* const kDungeonVictory;

// True when the quest in memory is the Magic Dungeon (a level being played, or a saved
// game of one): series "dungeon" with a seed base.
bool IsMagicDungeonQuest();

// Turns the header (after ResetQuest(true)) into the Magic Dungeon's: series
// "dungeon", author " ", the three texts, hero states 1, 0, 0, 0, objective 0 ("Not
// specified"), chapters = lastLevel (held to 1 .. 127, what the header can keep) and
// the seed base. The title and chapter are set by each level.
void SetUpMagicDungeonHeader(int seedBase, int lastLevel);

enum DungeonLevelResult {
  kLevelBuilt = 0,
  // The prefab table cannot furnish a level (stairs or heroes missing), or no layout
  // fitted within kMostLayoutAttempts: a message says so, the board is left empty and
  // the header's title and chapter unchanged. The caller gives up the Magic Dungeon.
  kLevelUnbuildable = 1,
};

// A level fits on almost every first layout; this many attempts have never been needed
// by a prefab table that can furnish a level. It only stops a search that cannot end.
constexpr int kMostLayoutAttempts = 1000;

// Layout attempts the last buildDungeonLevel made (1 when the first layout fitted).
extern int DungeonLayoutAttempts;

// Builds level L into the quest in memory with content mode (see DungeonContentMode):
// clears the board picture; before every attempt resets the objects and layers
// (ResetQuest(false)) and sets OpenFloorCode to 8; lays out and furnishes until the
// required objects fit, printing "Failed fitting required objects in this Dungeon.
// Trying another..." after each attempt that failed. Then sets the title ("Magic
// Dungeon level L"), chapter = L, and gives the stairs their scripts (picture 52 up =
// 100, picture 51 down = 101).
//
// Needs: the header of the Magic Dungeon (qstdata[4] the seed base; a value outside
// 1 .. 999999 is brought into range, with a message), the prefab table, the datafile
// (object pictures decide footprints and facing), GameOptions ([dungeon] lastlevel,
// randomness, clrdeadend, hiddendoor). Leaves: the level's layers and objects, the
// heroes of prefabs 1 to 4 in slots 1 to 4 beside the arrival stairs, ObjectCount, an
// all-hidden VisibilityMap, an empty ScriptMap (script objects stand on the
// ObjectMap), the header otherwise untouched (hero states and savdata kept).
int buildDungeonLevel(int level, int mode);

// The party hand-over, set by the floor that owns the party (an unset hook does
// nothing). Both are called only when previous > 0, that is on a change of level:
struct DungeonLevelHooks {
  // First, before the board is reset: keep the heroes of slots 1 to 4 (the party
  // table); on the way down (level > previous) update the Hall of Fame and show it
  // when it changed.
  void (*leaving)(int level, int previous) = nullptr;
  // Last, once the level is built, its message printed, the script objects moved to
  // the ScriptMap and the dead heroes (hero state 0) taken off the ObjectMap: play
  // sound 13, put the kept heroes back into slots 1 to 4 (they keep the new board
  // positions), reveal from the tile of CurrentObject, and continue that hero's turn
  // (ActionState moving, WalkLeft his walk, marked as moved). Not called when the level
  // could not be built.
  void (*arrived)(int level, int previous) = nullptr;
};
extern DungeonLevelHooks DungeonLevelHook;

// Enters level L from level P (P = 0 from outside the dungeon): the leaving hook,
// buildDungeonLevel(L, descending when P < L, else going up), "Descending the Magic
// Dungeon to level L." or "Going back up to level L of the Dungeon.", and on a change
// of level the script objects to the ScriptMap, dead heroes off the board and the
// arrived hook. Returns a DungeonLevelResult.
int enterDungeonLevel(int level, int previous);
