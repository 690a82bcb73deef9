// The Magic Dungeon as the campaign runs it: the start from the quest screen, the
// stairs between levels, and the party carried from one level to the next.
#pragma once

// Sets up the Magic Dungeon and builds level 1: the party emptied, a fresh quest with
// the dungeon's header (a new seed base, chapters = the [dungeon] lastlevel) and level 1
// entered from outside. Answers 0 when the level is ready for the briefing, 1 when the
// prefab table cannot furnish a level (a message says why).
int StartTheMagicDungeon();

// The stairs (script 100 up, 101 down) taken by the hero in slot hero, on a level that
// has another one beyond those stairs: builds that level and carries the party there.
// Answers 1 when the board was rebuilt. A level that cannot be built ends the descent
// (QuestOutcome left) with a message.
int TakeDungeonStairs(int scriptType, int hero);

// The deepest level the party has reached since the Magic Dungeon started (a loaded
// game counts from its level on).
extern int DeepestDungeonLevel;

// Sets the quest screen's dungeon start, the rules' stairs hook and the level hand-over.
void InstallMagicDungeonHooks();
