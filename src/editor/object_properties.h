// The object "Properties" dialog: every editable field of one board object — name,
// side, gold and keys, the script it runs when used or killed, its attributes — with
// "PREV" and "NEXT" to walk through the objects on the board without closing it.
#pragma once
#include <allegro.h>

// Opens the dialog on ObjectTable entry objectIndex (1..255) where it stands on the
// board (its anchor, the first in reading order). An entry that is not on the board,
// and 0 (the custom object, which has no cell), open nothing.
void EditObjectProperties(int objectIndex);
// The same for the object anchored on cell (x, y); nothing when there is none.
void EditObjectPropertiesAt(int x, int y);

// Item indexes of the dialog.
enum ObjectPropertiesItem {
  kObjPropsBox = 0,
  kObjPropsHeading1,
  kObjPropsHeading2,
  kObjPropsHeading3,
  kObjPropsPreview,
  kObjPropsNameLabel,
  kObjPropsName,
  kObjPropsSideLabel,
  kObjPropsSide,
  kObjPropsGoldLabel,
  kObjPropsGold,  // counts in tens
  kObjPropsKeysLabel,
  kObjPropsRedKey,
  kObjPropsBlueKey,
  kObjPropsTypeLabel,
  kObjPropsType,
  kObjPropsRepeatable,
  kObjPropsPic2Label,
  kObjPropsPic2,
  kObjPropsSoundLabel,
  kObjPropsSound,
  kObjPropsXLabel,
  kObjPropsX,
  kObjPropsYLabel,
  kObjPropsY,
  kObjPropsText1Label,
  kObjPropsText1,
  kObjPropsText2Label,
  kObjPropsText2,
  kObjPropsExpLabel,
  kObjPropsExp,  // counts in tens
  kObjPropsWalkLabel,
  kObjPropsWalk,
  kObjPropsOffLabel,
  kObjPropsOff,
  kObjPropsMagical,
  kObjPropsDefLabel,
  kObjPropsDef,
  kObjPropsLifeLabel,
  kObjPropsLife,
  kObjPropsMindLabel,
  kObjPropsMind,
  kObjPropsPrev,
  kObjPropsNext,
  kObjPropsOk,
  kObjPropsWatcher,
  kObjPropsItemCount = kObjPropsWatcher + 2,  // the items above and the closing entry
};

// What the fields can hold.
constexpr int kObjectNameChars = 14;
constexpr int kAttributeLargest = 15;
constexpr int kScriptXLargest = 25, kScriptYLargest = 18;
constexpr int kGoldLimit = 400, kExpLimit = 400;  // counted in tens

// The largest picture number a script may show: the last object picture of the datafile.
int LargestObjectPicture();

// Fills items (kObjPropsItemCount entries) for the object anchored on (x, y) and
// remembers what they opened with.
void BuildObjectPropertiesDialog(DIALOG* items, int x, int y);
// Writes the controls back into the object: each value held to what its field stores
// and a quest file gives back; a field left as it opened keeps the stored value; a
// script whose numbers the game could not use keeps its old numbers, a name that would
// mark the slot free keeps the old name, and an object too large to move stays put
// (each with a message). Returns 1 when something was refused, else 0.
int TakeObjectPropertiesDialog(const DIALOG* items);
// Where "PREV" (-1) and "NEXT" (+1) lead from (x, y): the previous or next object
// anchor in reading order; (x, y) itself when there is none.
void NeighbourObjectCell(int x, int y, int step, int* nx, int* ny);
