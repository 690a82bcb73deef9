#include "rules/combat.h"

#include <allegro.h>

#include <cstdlib>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/random.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_layout.h"
#include "rules/movement.h"
#include "rules/play_state.h"
#include "rules/sound_effects.h"
#include "ui/text.h"

CombatDiceCount CombatDice;
int LastWounds = 0;

namespace {

// The dice row in the message panel: portraits and dice stand on the two lowest lines.
constexpr int kDiceY = 60;
constexpr int kDiceSize = 24;
constexpr int kDiceStep = 28;
constexpr int kPanelRight = 650;  // nothing is drawn from here on
constexpr int kFadedAlpha = 70;

bool OnBoard(int x, int y) { return x >= 0 && x < kBoardW && y >= 0 && y < kBoardH; }

int ClampAttribute(int v) { return v < -128 ? -128 : (v > 127 ? 127 : v); }

// An object's picture shrunk to a 24 x 24 portrait at (x, kDiceY), framed in the panel
// colour.
void DrawDicePortrait(int slot, int x) {
  BITMAP* bmp = MessageBitmap;
  rectfill(bmp, x, kDiceY, x + kDiceSize - 1, kDiceY + kDiceSize - 1, BaseColor);
  int w = 0, h = 0;
  if (WorkBitmap96 && RenderObjectSprite(slot, WorkBitmap96, &w, &h))
    masked_stretch_blit(WorkBitmap96, bmp, 0, 0, w, h, x, kDiceY, kDiceSize, kDiceSize);
  hline(bmp, x, kDiceY, x + kDiceSize - 1, BaseColor);
  hline(bmp, x, kDiceY + kDiceSize - 1, x + kDiceSize - 1, BaseColor);
  vline(bmp, x, kDiceY, kDiceY + kDiceSize - 1, BaseColor);
  vline(bmp, x + kDiceSize - 1, kDiceY, kDiceY + kDiceSize - 1, BaseColor);
}

// One die's face at x: solid, or faded when it does not count for its thrower.
void DrawDie(int face, int x, bool solid) {
  if (!MessageBitmap || x + kDiceSize - 1 >= kPanelRight) return;
  static const int kPictures[3] = {kDataDiceSkull, kDataDiceWhiteShield, kDataDiceBlackShield};
  BITMAP* pic = DataBitmap(kPictures[face]);
  if (!pic || bitmap_color_depth(pic) != bitmap_color_depth(MessageBitmap)) return;
  if (solid) {
    draw_sprite(MessageBitmap, pic, x, kDiceY);
  } else {
    set_trans_blender(0, 0, 0, kFadedAlpha);
    draw_trans_sprite(MessageBitmap, pic, x, kDiceY);
    solid_mode();
  }
}

int Roll() { return RandomMod(6) + 1; }

// The result of an attack, under the dice.
void PrintAttackResult(int a, int t, int off, bool died) {
  const ColorTriple& c = ColorTable[off < 0 ? kColorDarkBlue : kColorDarkRed];
  const char* what = off < 0 ? "mind" : "life";
  if (died)
    PrintMessage(c, "%s is killed, %s gains %d experience.", ObjectTable[t].name,
                 ObjectTable[a].name, CombatExperience(LastWounds, t));
  else if (LastWounds > 0)
    PrintMessage(c, "%s loses %d %s, %s gains %d experience.", ObjectTable[t].name, LastWounds,
                 what, ObjectTable[a].name, CombatExperience(LastWounds, t));
  else
    PrintMessage(c, "%s is not wounded.", ObjectTable[t].name);
}

}  // namespace

int CombatFaceOf(int roll) {
  if (roll <= 3) return kFaceSkull;
  if (roll <= 5) return kFaceWhiteShield;
  return kFaceBlackShield;
}

void RollCombat(int attacker, int defender) {
  CombatDice = CombatDiceCount{};
  if (attacker <= 0 || attacker >= kMaxObjects || defender <= 0 || defender >= kMaxObjects)
    return;
  const ObjectRecord& a = ObjectTable[attacker];
  const ObjectRecord& d = ObjectTable[defender];
  // Two empty lines make room for the dice.
  PrintMessage(TextColor2, "%s", "");
  PrintMessage(TextColor2, "%s", "");
  int off = a.attribute[kOff];
  int n = std::abs(off);
  int m = off >= 0 ? d.attribute[kDef] : 0;
  int x = 3;
  if (MessageBitmap) DrawDicePortrait(attacker, x);
  for (int i = 0; i < n; i++) {
    x += kDiceStep;
    int face = CombatFaceOf(Roll());
    if (face == kFaceSkull) CombatDice.attackSkulls++;
    else if (face == kFaceWhiteShield) CombatDice.attackWhite++;
    else CombatDice.attackBlack++;
    DrawDie(face, x, face == kFaceSkull);
  }
  if (MessageBitmap && x + 81 < kPanelRight) {
    if (off >= 0) {
      int red = MakeColorFromTriple(ColorTable[kColorDarkRed]);
      DrawText(MessageBitmap, kFontDialog, x + 32, 60, red, "Physical");
      DrawText(MessageBitmap, kFontDialog, x + 32, 73, red, " attack ");
    } else {
      int blue = MakeColorFromTriple(ColorTable[kColorDarkBlue]);
      DrawText(MessageBitmap, kFontDialog, x + 33, 59, blue, "Magical ");
      DrawText(MessageBitmap, kFontDialog, x + 33, 73, blue, " attack ");
    }
  }
  x += 62;
  bool friendly = d.side < kSideGreenskin;  // heroes and allies parry with white shields
  for (int i = 0; i < m; i++) {
    x += kDiceStep;
    int face = CombatFaceOf(Roll());
    if (face == kFaceSkull) CombatDice.defenceSkulls++;
    else if (face == kFaceWhiteShield) CombatDice.defenceWhite++;
    else CombatDice.defenceBlack++;
    bool solid = (face == kFaceWhiteShield && friendly) || (face == kFaceBlackShield && !friendly);
    DrawDie(face, x, solid);
  }
  if (MessageBitmap && x + 51 < kPanelRight) DrawDicePortrait(defender, x + kDiceStep);
  RefreshMessages();
}

int CanActOn(int x, int y, int tx, int ty, int needStep, int allowUse, int* ax, int* ay) {
  // Off the board there is nothing to act on (the lookup counts such tiles as covered).
  if (!OnBoard(tx, ty)) return 1;
  int cx = tx, cy = ty;
  if (!ObjectAt(tx, ty, &cx, &cy) || ObjectMap[cx][cy] == 0) return 1;
  if (ax) *ax = cx;
  if (ay) *ay = cy;
  if (needStep == 1 && StepBlocked(x, y, tx, ty, 0, 1, 2, 0) != 0) return 1;
  const ObjectRecord& t = ObjectTable[ObjectMap[cx][cy]];
  int actorSide = OnBoard(x, y) && ObjectMap[x][y] ? ObjectTable[ObjectMap[x][y]].side : 0;
  if (t.side == kSideHero && actorSide == kSideHero) return GameOptions.targetheroes ? 0 : 1;
  if (IsMonster(t)) return 0;
  if (t.side != kSideStatic) return 1;
  return allowUse == 1 && t.scriptvar[kScriptType] > 0 ? 0 : 1;
}

void ApplyOneLifeOption(int target) {
  if (!GameOptions.enemy1life || target <= 0 || target >= kMaxObjects) return;
  ObjectRecord& t = ObjectTable[target];
  if (!IsUsualEnemyName(t.name) || t.exp >= 50) return;
  t.attribute[kLifeMax] = 1;
  t.attribute[kLife] = 1;
}

int CombatExperience(int wounds, int target) {
  const ObjectRecord& t = ObjectTable[target];
  int off = t.attribute[kOff];
  int value = off >= 0 ? off : 2 * -off;
  return wounds * (value + t.attribute[kDef]);
}

void RedrawAround(int x, int y) {
  for (int dy = -1; dy <= 1; dy++)
    for (int dx = -1; dx <= 1; dx++)
      if (OnBoard(x + dx, y + dy) && VisibilityMap[x + dx][y + dy] > 0) DrawTile(x + dx, y + dy, 0);
  // Objects whose pictures reach into those tiles are drawn again over them.
  for (int dy = -2; dy <= 2; dy++)
    for (int dx = -2; dx <= 2; dx++) {
      int nx = x + dx, ny = y + dy;
      if (!OnBoard(nx, ny) || ObjectMap[nx][ny] == 0 || VisibilityMap[nx][ny] == 0) continue;
      int slot = ObjectMap[nx][ny];
      bool active = slot == CurrentObject && ObjectTable[slot].side == kSideHero;
      DrawObject(nx, ny, active ? 1 : 0);
    }
}

void KillObject(int slot, int x, int y) {
  if (slot <= 0 || slot >= kMaxObjects) return;
  ObjectRecord& t = ObjectTable[slot];
  t.side = kSideStatic;
  if (OnBoard(x, y) && ObjectMap[x][y] == slot) {
    DrawObject(x, y, 3);
    DrawScreen(0, 1, 0, 0);
    ObjectMap[x][y] = 0;
  }
  if (slot >= 1 && slot <= 4) QuestHeader.heroes[slot - 1] = kHeroOffBoard;
  PlayEffect(12);
  if (OnBoard(x, y)) RedrawAround(x, y);
  t.attribute[kLife] = 0;
  t.attribute[kMind] = 0;
  // Whoever dies in his own turn walks no further, however he died.
  if (slot == CurrentObject) WalkLeft = 0;
}

int AttackObject(int a, int t, int tx, int ty) {
  LastWounds = 0;
  if (a <= 0 || a >= kMaxObjects || t <= 0 || t >= kMaxObjects) return 0;
  ObjectRecord& A = ObjectTable[a];
  ObjectRecord& T = ObjectTable[t];
  // "Enemy white shield defence": the monster parries like an ally for this attack.
  bool whiteShield = GameOptions.altdice && IsMonster(T);
  int ownSide = T.side;
  if (whiteShield) T.side = kSideAllied;
  int off = A.attribute[kOff];
  int wounds = 0;
  bool killed = false;
  bool attacked = false;
  if (off > 0 && T.attribute[kLife] > 0) {
    attacked = true;
    RollCombat(a, t);
    int shields = T.side <= kSideAllied ? CombatDice.defenceWhite : CombatDice.defenceBlack;
    wounds = CombatDice.attackSkulls - shields;
    if (wounds < 1) {
      wounds = 0;
      PlayEffect(10);
    } else {
      PlayEffect(11);
    }
    if (wounds >= T.attribute[kLife]) {
      wounds = T.attribute[kLife];
      killed = true;
    }
    T.attribute[kLife] = ClampAttribute(T.attribute[kLife] - wounds);
  } else if (off < 0 && T.attribute[kLife] > 0) {
    attacked = true;
    RollCombat(a, t);
    wounds = CombatDice.attackSkulls;
    if (wounds < 1) {
      wounds = 0;
      PlayEffect(8);
    } else {
      PlayEffect(9);
    }
    if (wounds >= T.attribute[kMind]) {
      // A mind already below 0 gives no negative wounds.
      wounds = T.attribute[kMind] > 0 ? T.attribute[kMind] : 0;
      killed = true;
    }
    T.attribute[kMind] = ClampAttribute(T.attribute[kMind] - wounds);
  }
  LastWounds = wounds;
  A.exp += CombatExperience(wounds, t);
  bool dies = killed || T.attribute[kLife] <= 0;
  if (attacked) PrintAttackResult(a, t, off, dies);
  if (dies) {
    if (A.side < kSideStatic) A.kills++;
    KillObject(t, tx, ty);
  } else {
    if (wounds > 0 && OnBoard(tx, ty) && ObjectMap[tx][ty] == t) {
      DrawObject(tx, ty, 3);  // the hit tint, until the action draws it normally again
      DrawScreen(0, 1, 0, 0);
    }
    if (whiteShield && T.side == kSideAllied) T.side = ownSide;
  }
  RefreshMessages();
  return dies ? 1 : 0;
}
