#pragma once

// The object properties dialog: every field, attribute and script of one object.
// objectIndex is an ObjectTable entry 1..255, or 0 for PrefabTable entry 0 (the
// custom object).
void EditObjectProperties(int objectIndex);
