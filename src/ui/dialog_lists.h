// The texts of the lists in the editor's dialogs, as list callbacks for ListProc and
// TextListProc (index -1 stores the number of entries and returns nothing; any other
// index returns that entry's text, or "" when it is out of range).
#pragma once
#include "quest/quest_model.h"

// The nine sides in list order: "Hero" .. "The Frozen", "Static", "Look script",
// "Walk script".
char* SideListEntry(int index, int* count);
// The 25 script actions, "no script" first.
char* ScriptActionListEntry(int index, int* count);
// The nine quest objectives.
char* ObjectiveListEntry(int index, int* count);
// The monster prefabs from the first one on (at most 31); when the prefab table is
// too short for them, the single entry "error in dunmar.qpf!".
char* MonsterPrefabListEntry(int index, int* count);
