// The prefab file "Dunmar.qpf": the ready-made heroes, monsters, furniture and items
// that fill the PrefabTable (slots 1..PrefabCount).
#pragma once

// Reads the prefab file at path into PrefabTable slots 1..255 (slot 0, the editor's
// custom object, is left alone) and sets PrefabCount, FirstMonsterPrefab and
// MonsterPrefabCount. Returns 1 when no file exists there, else 0; the table is
// usable when PrefabCount is above 0.
int LoadPrefabs(const char* path);
