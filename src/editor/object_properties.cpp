#include "editor/object_properties.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "editor/popup_dialog.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_layout.h"
#include "rules/object_actions.h"
#include "rules/options_dialog.h"
#include "ui/dialog_items.h"
#include "ui/dialog_layout.h"
#include "ui/dialog_lists.h"
#include "ui/list_box.h"
#include "ui/number_field.h"
#include "ui/text_field.h"

namespace {

constexpr int kBoxX = 125, kBoxY = 160, kBoxW = 509, kBoxH = 294;
constexpr int kColumnX[3] = {137, 287, 490};
constexpr int kControlOffset = 42;
constexpr int kFirstRowY = 188, kRowH = 20, kRowItemH = 16;
constexpr int kNumberW = 90, kListW = 100, kScriptListW = 150, kScriptTextW = 272, kNameW = 100;
constexpr int kButtonW = 86, kButtonH = 22, kButtonGap = 7, kButtonMargin = 12;
constexpr int kBlueKeyOffset = 50;  // "blue" and its box end before the script column
constexpr int kPreviewSize = 96, kPreviewW = 90, kPreviewH = 76;
constexpr int kOneTilePicture = 20;  // pixels: the picture of a figure that moves

int RowY(int row) { return kFirstRowY + row * kRowH; }
int ControlX(int column) { return kColumnX[column] + kControlOffset; }

// The object the dialog shows, and what its controls opened with: a field left as it
// opened keeps the stored value (which it may not be able to show).
struct Opened {
  int x, y, slot;
  bool scriptLock, attributeLock;
  int side, type;
  int pic2, sound, sx, sy;
  int gold, exp;
  int attribute[5];
  bool magical;
  char name[kNameLen + 1];
};
Opened Shown;

// The five attribute fields in the order of the dialog, with their pairs.
const int kAttributeFields[5] = {kObjPropsWalk, kObjPropsOff, kObjPropsDef, kObjPropsLife,
                                 kObjPropsMind};
const int kAttributePairs[5] = {kWalkBase, kOffBase, kDefBase, kLifeMax, kMindMax};

BITMAP* Preview = nullptr;

const ColorTriple kDarkGreen = {0, 100, 0};

// The 3 x 3 cells of the board picture around (x, y); cells off the board blank.
void BuildPreview(int x, int y) {
  if (!Preview) Preview = create_bitmap(kPreviewSize, kPreviewSize);
  if (!Preview) return;
  const int edge = makecol(40, 40, 24);
  clear_to_color(Preview, BaseColor);
  for (int dy = -1; dy <= 1; dy++)
    for (int dx = -1; dx <= 1; dx++) {
      const int cx = x + dx, cy = y + dy;
      const int px = (dx + 1) * kTileSize, py = (dy + 1) * kTileSize;
      if (cx >= 0 && cy >= 0 && cx < kBoardW && cy < kBoardH && BoardBitmap) {
        blit(BoardBitmap, Preview, TileX[cx], TileY[cy], px, py, kTileSize, kTileSize);
      } else {
        rectfill(Preview, px, py, px + kTileSize - 1, py + kTileSize - 1,
                 MakeColorFromTriple(TextColor2));
        rect(Preview, px, py, px + kTileSize - 1, py + kTileSize - 1, edge);
      }
    }
  rect(Preview, 0, 0, 3 * kTileSize, 3 * kTileSize, edge);
}

bool MovingSide(int side) { return side >= kSideHero && side < kSideStatic; }

// A picture that is not one tile in either direction cannot move (the quest reader
// makes such a figure static).
bool TooLargeToMove(const ObjectRecord& o) {
  BITMAP* pic = ObjectPicture(o.picture[kPicNumber]);
  return pic && pic->w != kOneTilePicture && pic->h != kOneTilePicture;
}

}  // namespace

int LargestObjectPicture() { return kFirstSound - kFirstObjectPicture - 1; }

void NeighbourObjectCell(int x, int y, int step, int* nx, int* ny) {
  *nx = x;
  *ny = y;
  const int here = y * kBoardW + x, cells = kBoardW * kBoardH;
  for (int i = here + step; i >= 0 && i < cells; i += step)
    if (ObjectMap[i % kBoardW][i / kBoardW] != 0 &&
        !IsFreeSlot(ObjectTable[ObjectMap[i % kBoardW][i / kBoardW]])) {
      *nx = i % kBoardW;
      *ny = i / kBoardW;
      return;
    }
}

void BuildObjectPropertiesDialog(DIALOG* items, int x, int y) {
  const int slot = ObjectMap[x][y];
  ObjectRecord& o = ObjectTable[slot];
  Opened& s = Shown;
  s.x = x;
  s.y = y;
  s.slot = slot;
  s.scriptLock = o.scriptvar[kScriptType] == 0;
  s.attributeLock = o.side > 6;
  CopyText(s.name, o.name, kNameLen);
  // A longer name (a quest file keeps 15 characters) stays as it is unless edited: the
  // field only takes no more characters.

  DialogLayoutValues& L = DialogLayout;
  L.DialogX = kBoxX;
  L.DialogY = kBoxY;
  L.DialogW = kBoxW;
  L.DialogH = kBoxH;
  L.ButtonW = kButtonW;
  L.ButtonH = kButtonH;
  L.Spacing = 6;
  L.TitleBarHeight = 16;
  for (int i = 0; i < kObjPropsItemCount; i++) items[i] = DIALOG{};
  auto set = [&](int i, DIALOG_PROC proc, int ix, int iy, int w, int h, int key, int flags,
                 const char* text) {
    SetDialogItem(items[i], proc, ix, iy, w, h, key, flags, text);
  };
  auto label = [&](int i, int column, int row, const char* text) {
    set(i, TextProc, kColumnX[column], RowY(row), kControlOffset, kRowItemH, 0, 0, text);
  };
  auto number = [&](int i, int column, int row, int limit, int value, bool locked) -> int {
    set(i, NumberFieldProc, ControlX(column), RowY(row), kNumberW, kRowItemH, 0,
        locked ? D_DISABLED : 0, nullptr);
    items[i].d1 = limit;
    items[i].d2 = HoldToRange(value, 0, NumberFieldLargest(&items[i]));
    return items[i].d2;
  };
  auto textField = [&](int i, int column, int row, int w, char* text, int limit, bool locked) {
    set(i, TextFieldProc, ControlX(column), RowY(row), w, kRowItemH, 0, locked ? D_DISABLED : 0,
        nullptr);
    items[i].dp = text;
    items[i].d1 = limit;
  };
  auto list = [&](int i, int column, int row, int w, void* entries, int selected, bool locked) {
    set(i, ListProc, ControlX(column), RowY(row), w, 3 * kRowH - 4, 0,
        locked ? D_DISABLED : 0, nullptr);
    items[i].dp = entries;
    items[i].d1 = selected;
  };
  auto check = [&](int i, int ix, int row, int key, bool ticked, bool locked, const char* text) {
    set(i, CheckProc, ix, RowY(row), 60, 14, key,
        (ticked ? D_SELECTED : 0) | (locked ? D_DISABLED : 0), text);
    items[i].d1 = 1;
  };

  set(kObjPropsBox, ShadowBoxProc, kBoxX, kBoxY, kBoxW, kBoxH, 0, 0, "Properties");
  set(kObjPropsHeading1, TextProc, kColumnX[0], RowY(0), 140, kRowItemH, 0, 0,
      "General + Inventory:");
  set(kObjPropsHeading2, TextProc, kColumnX[1], RowY(0), 190, kRowItemH, 0, 0,
      "Script when used or killed:");
  set(kObjPropsHeading3, TextProc, kColumnX[2], RowY(0), 140, kRowItemH, 0, 0,
      "Character Attributes:");

  // Column 1: the object and what it carries.
  BuildPreview(x, y);
  set(kObjPropsPreview, PictureProc, ControlX(0), RowY(1), kPreviewW, kPreviewH, 0, 0, nullptr);
  items[kObjPropsPreview].dp = Preview;
  label(kObjPropsNameLabel, 0, 5, "name ");
  textField(kObjPropsName, 0, 5, kNameW, o.name, kObjectNameChars, false);
  label(kObjPropsSideLabel, 0, 6, "side ");
  s.side = SideToListPosition(o.side);
  list(kObjPropsSide, 0, 6, kListW, reinterpret_cast<void*>(SideListEntry), s.side, false);
  label(kObjPropsGoldLabel, 0, 9, "gold ");
  s.gold = number(kObjPropsGold, 0, 9, kGoldLimit, o.inventory[kInvGold] / 10, false);
  label(kObjPropsKeysLabel, 0, 10, "keys ");
  check(kObjPropsRedKey, ControlX(0), 10, 0, o.inventory[kInvRedKeys] > 0, false, "red");
  check(kObjPropsBlueKey, ControlX(0) + kBlueKeyOffset, 10, 0, o.inventory[kInvBlueKeys] > 0,
        false, "blue");

  // Column 2: the script.
  const bool sl = s.scriptLock;
  const int* sv = o.scriptvar;
  label(kObjPropsTypeLabel, 1, 1, "type ");
  s.type = HoldToRange(sv[kScriptType], 0, kScriptActionCount - 1);
  list(kObjPropsType, 1, 1, kScriptListW, reinterpret_cast<void*>(ScriptActionListEntry), s.type,
       false);
  check(kObjPropsRepeatable, ControlX(1), 4, 0, sv[kScriptRepeatable] > 0, sl, "repeatable");
  label(kObjPropsPic2Label, 1, 5, "pic 2");
  s.pic2 = number(kObjPropsPic2, 1, 5, LargestObjectPicture(), sv[kScriptPic2], sl);
  label(kObjPropsSoundLabel, 1, 6, "sound");
  s.sound = number(kObjPropsSound, 1, 6, kSoundKinds, sv[kScriptSound], sl);
  items[kObjPropsSound].flags |= kNumberFieldSoundPreview;
  label(kObjPropsXLabel, 1, 7, "x");
  s.sx = number(kObjPropsX, 1, 7, kScriptXLargest, sv[kScriptX], sl);
  label(kObjPropsYLabel, 1, 8, "y");
  s.sy = number(kObjPropsY, 1, 8, kScriptYLargest, sv[kScriptY], sl);
  label(kObjPropsText1Label, 1, 9, "text1");
  textField(kObjPropsText1, 1, 9, kScriptTextW, o.text1, kScriptTextLen, sl);
  label(kObjPropsText2Label, 1, 10, "text2");
  textField(kObjPropsText2, 1, 10, kScriptTextW, o.text2, kScriptTextLen, sl);

  // Column 3: the attributes, current values (off as its size, its sign the tick).
  const bool al = s.attributeLock;
  label(kObjPropsExpLabel, 2, 1, "exp  ");
  s.exp = number(kObjPropsExp, 2, 1, kExpLimit, o.exp / 10, al);
  const char* const labels[5] = {"walk ", "off  ", "def  ", "life ", "mind "};
  const int rows[5] = {2, 3, 5, 6, 7};
  s.magical = o.attribute[kOff] < 0;
  for (int k = 0; k < 5; k++) {
    int value = o.attribute[kAttributePairs[k] + 1];
    if (k == 1) value = std::abs(value);
    label(kAttributeFields[k] - 1, 2, rows[k], labels[k]);
    s.attribute[k] = number(kAttributeFields[k], 2, rows[k], kAttributeLargest, value, al);
  }
  check(kObjPropsMagical, ControlX(2), 4, 0, s.magical, al, "magical");

  const int right = kBoxX + kBoxW - kButtonMargin;
  const int buttonY = kBoxY + kBoxH - kButtonMargin - kButtonH;
  const struct {
    int item, key;
    const char* text;
  } buttons[3] = {{kObjPropsPrev, 'P', "PREV"}, {kObjPropsNext, 'N', "NEXT"},
                  {kObjPropsOk, 'B', " OK "}};
  for (int k = 0; k < 3; k++)
    set(buttons[k].item, ButtonProc, right - (3 - k) * kButtonW - (2 - k) * kButtonGap, buttonY,
        kButtonW, kButtonH, buttons[k].key, D_EXIT, buttons[k].text);
  set(kObjPropsWatcher, ExitWatcherProc, 0, 0, 0, 0, 0, 0, nullptr);
}

int TakeObjectPropertiesDialog(const DIALOG* items) {
  const Opened& s = Shown;
  ObjectRecord& o = ObjectTable[s.slot];
  int refused = 0;
  auto held = [&](int i) { return HoldToRange(items[i].d2, 0, NumberFieldLargest(&items[i])); };
  auto ticked = [&](int i) { return (items[i].flags & D_SELECTED) ? 1 : 0; };

  // The name is edited in place; one that begins with "#" would mark the slot free
  // while the object stands on the board.
  if (o.name[0] == '#') {
    PrintMessage(ColorTable[kColorDarkRed], "A name may not begin with #: it stays %s.", s.name);
    CopyText(o.name, s.name, kNameLen);
    refused = 1;
  }

  const int sidePosition = HoldToRange(items[kObjPropsSide].d1, 0, 8);
  if (sidePosition != s.side) {
    const int side = ListPositionToSide(sidePosition);
    if (MovingSide(side) && TooLargeToMove(o)) {
      PrintMessage(ColorTable[kColorDarkRed], "%s: picture too large for moving, side unchanged.",
                   o.name);
      refused = 1;
    } else {
      o.side = static_cast<int8_t>(side);
    }
  }
  o.inventory[kInvGold] = StoreCountedInTens(items[kObjPropsGold], s.gold, o.inventory[kInvGold]);
  o.inventory[kInvRedKeys] = ticked(kObjPropsRedKey);
  o.inventory[kInvBlueKeys] = ticked(kObjPropsBlueKey);

  int script[6];
  memcpy(script, o.scriptvar, sizeof script);
  const int type = HoldToRange(items[kObjPropsType].d1, 0, kScriptActionCount - 1);
  if (type != s.type) script[kScriptType] = type;
  if (!s.scriptLock) {
    script[kScriptRepeatable] = ticked(kObjPropsRepeatable);
    auto take = [&](int index, int item, int opened) {
      if (held(item) != opened) script[index] = held(item);
    };
    take(kScriptPic2, kObjPropsPic2, s.pic2);
    take(kScriptSound, kObjPropsSound, s.sound);
    take(kScriptX, kObjPropsX, s.sx);
    take(kScriptY, kObjPropsY, s.sy);
    // Numbers the script cannot use are not stored: its picture, sound and x, y stay.
    char problem[kMessageLineSize];
    const int pic2 = script[kScriptPic2];
    const bool noPicture = pic2 > 0 && GameDataCount() > 0 && !ObjectPicture(pic2);
    if (noPicture || ScriptParameterProblem(script, problem, sizeof problem)) {
      if (noPicture) snprintf(problem, sizeof problem, "Script error: no picture %d.", pic2);
      PrintMessage(ColorTable[kColorDarkRed], "%s The script keeps its old numbers.", problem);
      for (int index : {kScriptPic2, kScriptSound, kScriptX, kScriptY})
        script[index] = o.scriptvar[index];
      refused = 1;
    }
  }
  memcpy(o.scriptvar, script, sizeof script);
  // A type whose numbers were never set (they were locked) says so at once.
  char problem[kMessageLineSize];
  if (type != s.type && ScriptParameterProblem(o.scriptvar, problem, sizeof problem))
    PrintMessage(ColorTable[kColorDarkRed], "%s Open the properties again to set it.", problem);

  if (!s.attributeLock) {
    o.exp = StoreCountedInTens(items[kObjPropsExp], s.exp, o.exp);
    const bool magical = ticked(kObjPropsMagical) == 1;
    for (int k = 0; k < 5; k++) {
      const int value = held(kAttributeFields[k]);
      if (value == s.attribute[k] && (k != 1 || magical == s.magical)) continue;
      const int stored = k == 1 && magical ? -value : value;
      o.attribute[kAttributePairs[k]] = static_cast<int8_t>(stored);
      o.attribute[kAttributePairs[k] + 1] = static_cast<int8_t>(stored);
    }
  }
  if (refused) RefreshMessages();
  return refused;
}

void EditObjectPropertiesAt(int x, int y) {
  if (x < 0 || y < 0 || x >= kBoardW || y >= kBoardH || ObjectMap[x][y] == 0 ||
      IsFreeSlot(ObjectTable[ObjectMap[x][y]]))
    return;
  DIALOG items[kObjPropsItemCount];
  int focus = kObjPropsOk;
  for (;;) {
    if (GameOptions.developer == 1) {
      PrintMessage(kDarkGreen, "(%d,%d) yo*maxy+xo=%d", x, y, y * 18 + x);
      RefreshMessages();
    }
    BuildObjectPropertiesDialog(items, x, y);
    Sys().ClearKeys();
    const int choice = RunRulesDialog(items, focus);
    TakeObjectPropertiesDialog(items);
    BITMAP* pic = ObjectPicture(ObjectTable[ObjectMap[x][y]].picture[kPicNumber]);
    if (pic && pic->w == kOneTilePicture) DrawObject(x, y, 0);
    if (ExitRequest >= 2 || (choice != kObjPropsPrev && choice != kObjPropsNext)) break;
    focus = choice;
    int nx, ny;
    NeighbourObjectCell(x, y, choice == kObjPropsPrev ? -1 : 1, &nx, &ny);
    x = nx;
    y = ny;
  }
  DrawScreen(1, 1, 1, 1);
  Sys().Wait(100);
  Sys().ClearKeys();
}

void EditObjectProperties(int objectIndex) {
  if (objectIndex <= 0 || objectIndex >= kMaxObjects) return;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      if (ObjectMap[x][y] == objectIndex) {
        EditObjectPropertiesAt(x, y);
        return;
      }
}
