#include "rules/object_actions.h"

#include <cstdio>
#include <cstring>

#include "core/colors.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/random.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/screen_layout.h"
#include "render/side_panel.h"
#include "rules/combat.h"
#include "rules/line_of_sight.h"
#include "rules/play_hooks.h"
#include "rules/play_state.h"
#include "rules/sound_effects.h"
#include "rules/teleport.h"
#include "rules/treasure.h"

int ActionChangedLevel = 0;

namespace {

constexpr int kLastEffect = 23;  // the highest effect number PlayEffect knows

bool OnBoard(int x, int y) { return x >= 0 && x < kBoardW && y >= 0 && y < kBoardH; }

const ColorTriple& DarkRed() { return ColorTable[kColorDarkRed]; }

int ClampAttribute(int v) { return v < -128 ? -128 : (v > 127 ? 127 : v); }

// Script type 2, "give x, amount y", on the actor's current values.
void Give(int a, int x, int y) {
  ObjectRecord& A = ObjectTable[a];
  int8_t* at = A.attribute;
  switch (x) {
    case 0: AddToAttribute(a, kWalk, y); break;
    case 1:
      // The magnitude grows for physical and magical fighters alike.
      if (at[kOffBase] > 0) AddToAttribute(a, kOff, y);
      else if (at[kOffBase] < 0) AddToAttribute(a, kOff, -y);
      break;
    case 2: AddToAttribute(a, kDef, y); break;
    case 3: AddToAttribute(a, kLife, y); break;
    case 4:
      AddToAttribute(a, kMind, y);
      A.exp += y;
      break;
    case 6:
      if (at[kOffBase] > 0) AddToAttribute(a, kOff, y);
      break;
    case 7:
      if (at[kOffBase] < 0) AddToAttribute(a, kOff, -y);
      break;
    case 8:
      if (at[kLife] < at[kLifeMax]) {
        int v = at[kLife] + y;
        at[kLife] = ClampAttribute(v > at[kLifeMax] ? at[kLifeMax] : v);
      }
      break;
    case 9:
      if (at[kMind] < at[kMindMax]) {
        int v = at[kMind] + y;
        at[kMind] = ClampAttribute(v > at[kMindMax] ? at[kMindMax] : v);
      }
      break;
    default: break;  // 5 gives nothing
  }
}

// Script type 7: half the arrows hit.
void ArrowTrap(int a, int ax, int ay) {
  int hit = RandomMod(2);
  AddToAttribute(a, kLife, -hit);
  PlayEffect(hit ? 11 : 10);
  if (!hit) return;
  PrintMessage(DarkRed(), "You've been hit.");
  RefreshMessages();
  if (OnBoard(ax, ay) && ObjectMap[ax][ay] == a) {
    DrawObject(ax, ay, 3);
    DrawScreen(0, 1, 0, 0);
    Sys().Wait(100);
    DrawObject(ax, ay, a == CurrentObject ? 1 : 0);
  }
  DrawScreen(0, 1, 0, 0);
}

// Script types 22 and 23: the actor leaves the board; slotState is what his hero slot
// says afterwards.
void LeaveBoard(int a, int ax, int ay, int slotState) {
  if (OnBoard(ax, ay) && ObjectMap[ax][ay] == a) {
    ObjectMap[ax][ay] = 0;
    RedrawAround(ax, ay);
  }
  DrawScreen(0, 1, 0, 0);
  // Only the four hero slots have a place in the header.
  if (a >= 1 && a <= 4) QuestHeader.heroes[a - 1] = static_cast<int8_t>(slotState);
  ActionState = kActionActed;
  WalkLeft = 0;
  PlayEffect(4);
}

// Script type 24: open doors on every wall around (x, y).
void MakeDoors(int x, int y) {
  // West and north edges live on (x, y), the east edge on (x + 1, y), the south edge on
  // (x, y + 1); the low nibble holds west, the high one north.
  struct Edge {
    int nx, ny;   // the neighbour
    int cx, cy;   // the door cell holding the edge
    int shift;    // 0 west nibble, 4 north nibble
  };
  const Edge edges[4] = {{x, y - 1, x, y, 4},
                         {x - 1, y, x, y, 0},
                         {x, y + 1, x, y + 1, 4},
                         {x + 1, y, x + 1, y, 0}};
  for (const Edge& e : edges) {
    // No door leads off the board.
    if (!OnBoard(e.nx, e.ny) || FloorMap[e.nx][e.ny] == FloorMap[x][y]) continue;
    // An edge that already carries a door keeps it: adding to it would turn an open door
    // into a locked one.
    if ((DoorMap[e.cx][e.cy] >> e.shift) & 15) continue;
    DoorMap[e.cx][e.cy] = static_cast<uint8_t>(DoorMap[e.cx][e.cy] | (1 << e.shift));
  }
  const int redraw[3][2] = {{x + 1, y}, {x, y + 1}, {x, y}};
  for (const auto& r : redraw) {
    if (!OnBoard(r[0], r[1]) || VisibilityMap[r[0]][r[1]] == 0) continue;
    DrawTile(r[0], r[1], 0);
    if (ObjectMap[r[0]][r[1]]) DrawObject(r[0], r[1], 0);
  }
  RevealFrom(x, y);
}

// Script types 100 and 101. Returns 1 when the board was rebuilt for another level.
int Stairs(int type, int a) {
  int chapter = QuestHeader.chapter;
  if (type == kScriptStairsUp) {
    if (chapter >= 2 && PlayHook.stairs) return PlayHook.stairs(type, a) == 1 ? 1 : 0;
    if (Alert("Do you really want", "  to flee from the Magic Dungeon?  ", nullptr, "OK",
              "CANCEL", 'O', 'C') == 1) {
      QuestOutcome = kQuestLeft;
      PlayEffect(19);
    }
    return 0;
  }
  if (chapter < QuestHeader.chapters && PlayHook.stairs)
    return PlayHook.stairs(type, a) == 1 ? 1 : 0;
  QuestOutcome = kQuestWon;
  return 0;
}

// Replaces object t by a copy of prefab p (checked by the caller).
void BecomePrefab(int t, int p, int tx, int ty, int fromScript) {
  ObjectTable[t] = PrefabTable[p];
  if (!fromScript && OnBoard(tx, ty) && ObjectMap[tx][ty] == t) {
    DrawObject(tx, ty, 0);
    DrawScreen(0, 1, 0, 0);
  }
}

// The script texts: plain lines on the message panel, or an alert box when text1
// begins with "!".
void ShowTexts(ObjectRecord& T, int type) {
  bool boxed = T.text1[0] == '!';
  if (T.text1[0] != '-' && !boxed && type != kScriptTrapType2)
    PrintMessage(DarkRed(), "%s", T.text1);
  if (T.text2[0] != '-' && !boxed && type != kScriptTrapType2)
    PrintMessage(DarkRed(), "%s", T.text2);
  RefreshMessages();
  if (!boxed) return;
  T.text1[0] = ' ';
  if (T.text2[0] == '!' || T.text2[0] == '-') T.text2[0] = ' ';
  Alert(" ", T.text1, T.text2, "OK", nullptr, 'O', 0);
  T.text1[0] = '!';
  if (T.text2[0] == ' ') T.text2[0] = '!';
}

}  // namespace

bool PrefabUsable(int p) {
  return p >= 1 && p <= PrefabCount && p < kMaxObjects && !IsFreeSlot(PrefabTable[p]);
}

void AddToAttribute(int slot, int index, int amount) {
  if (slot <= 0 || slot >= kMaxObjects || index < 0 || index >= 10) return;
  int8_t& v = ObjectTable[slot].attribute[index];
  long long sum = static_cast<long long>(v) + amount;
  v = static_cast<int8_t>(sum < -128 ? -128 : (sum > 127 ? 127 : sum));
}

bool ScriptParameterProblem(const int sv[6], char* text, int size) {
  int type = sv[kScriptType], x = sv[kScriptX], y = sv[kScriptY], sound = sv[kScriptSound];
  if (type <= 0) return false;
  if (sound < 0 || sound > kLastEffect) {
    snprintf(text, size, "Script error: no sound %d.", sound);
    return true;
  }
  switch (type) {
    case kScriptGive:
      if (x < 0 || x > 9) {
        snprintf(text, size, "Script error: no attribute %d.", x);
        return true;
      }
      break;
    case kScriptItem:
      if (x < 0 || x > 6) {
        snprintf(text, size, "Script error: no item counter %d.", x);
        return true;
      }
      break;
    case kScriptWonRevealXY:
    case kScriptRevealRoom:
    case kScriptChangeFloor:
    case kScriptMakeDoor:
      if (!OnBoard(x, y)) {
        snprintf(text, size, "Script error: tile %d,%d is off the board.", x, y);
        return true;
      }
      break;
    case kScriptChangeToSide:
    case kScriptChangeToPrefab:
      if (!PrefabUsable(x)) {
        snprintf(text, size, "Script error: no prefab %d.", x);
        return true;
      }
      break;
    default: break;
  }
  return false;
}

bool ScriptParametersValid(const int sv[6]) {
  char problem[kMessageLineSize];
  if (!ScriptParameterProblem(sv, problem, sizeof problem)) return true;
  PrintMessage(DarkRed(), "%s", problem);
  return false;
}

int ActOnObject(int x, int y, int tx, int ty, int fromScript) {
  ActionChangedLevel = 0;
  if (!OnBoard(x, y) || !OnBoard(tx, ty)) return 1;
  int a = ObjectMap[x][y];
  int t = 0;
  if (fromScript == 1) {
    t = ScriptMap[tx][ty];
  } else {
    int cx = tx, cy = ty;
    if (ObjectAt(tx, ty, &cx, &cy) && OnBoard(cx, cy)) {
      t = ObjectMap[cx][cy];
      tx = cx;
      ty = cy;
    }
  }
  if (a <= 0 || t <= 0) return 1;
  ObjectRecord& A = ObjectTable[a];
  ObjectRecord& T = ObjectTable[t];
  int sv[6];
  for (int i = 0; i < 6; i++) sv[i] = T.scriptvar[i];
  const int type = sv[kScriptType];
  int ax = x, ay = y;
  int levelChanged = 0;

  ApplyOneLifeOption(t);
  if (fromScript != 1 && T.side < kSideStatic) AttackObject(a, t, tx, ty);

  if (T.side >= kSideStatic) {
    // A static object, one just killed, or a script tile.
    bool valid = ScriptParametersValid(sv);
    if (type > 0 && valid && sv[kScriptSound] > 0) {
      PlayEffect(sv[kScriptSound]);
      Sys().Wait(100);
    }
    // Loot: the target keeps its own, so a repeatable script hands it out again.
    int gold = T.inventory[kInvGold];
    int red = T.inventory[kInvRedKeys], blue = T.inventory[kInvBlueKeys];
    A.inventory[kInvRedKeys] += red;
    A.inventory[kInvBlueKeys] += blue;
    A.inventory[kInvGold] += gold;
    if ((gold > 0 || red > 0 || blue > 0) && A.side == kSideHero) PlayEffect(13);
    if (gold > 0 && A.side < kSideStatic) {
      PrintMessage(TextColor1, "%s gained %d gold.", A.name, gold);
      RefreshMessages();
    }

    if (type > 0 && valid) {
      ShowTexts(T, type);
      if (sv[kScriptPic2] > 0) {
        T.picture[kPicNumber] = sv[kScriptPic2];
        if (fromScript != 1 && ObjectMap[tx][ty] == t) {
          DrawObject(tx, ty, 0);
          DrawScreen(0, 1, 0, 0);
        }
      }
      int px = sv[kScriptX], py = sv[kScriptY];
      switch (type) {
        case kScriptGive: Give(a, px, py); break;
        case kScriptItem: A.inventory[3 + px] = py; break;
        case kScriptArrowTrap: ArrowTrap(a, ax, ay); break;
        case kScriptTrapType2:
        case kScriptTrapType3:
          PrintMessage(TextColor1, "trap under construction!");
          RefreshMessages();
          break;
        case kScriptInstantDeath: A.attribute[kLife] = 0; break;
        case kScriptGameEnd: QuestOutcome = px >= 1 ? kQuestLost : kQuestWon; break;
        case kScriptWonRevealXY:
          QuestOutcome = kQuestWon;
          RevealFrom(px, py);
          break;
        case kScriptWonRevealAll:
          QuestOutcome = kQuestWon;
          RevealBoard(1);
          break;
        case kScriptRevealRoom:
        case kScriptChangeFloor: RevealFrom(px, py); break;
        case kScriptRevealAll: RevealBoard(1); break;
        case kScriptChangeToSide:
        case kScriptChangeToPrefab: BecomePrefab(t, px, tx, ty, fromScript); break;
        case kScriptTreasureCard: SearchTreasure(ax, ay, tx, ty, fromScript); break;
        case kScriptHatchTeleport: {
          int nx = ax, ny = ay;
          if (Teleport(ax, ay, tx, ty, px, py, a, &nx, &ny) == 0) {
            ax = nx;
            ay = ny;
          }
          break;
        }
        case kScriptEquipmentShop:
          if (PlayHook.equipmentShop) PlayHook.equipmentShop(a);
          break;
        case kScriptEndpoint: LeaveBoard(a, ax, ay, kHeroLeftThroughEndpoint); break;
        case kScriptRetreat:
          if (Alert("  Retreat this Hero?  ", " (He will be available in the next Chapter) ",
                    nullptr, "OK", "CANCEL", 'O', 'C') == 1)
            LeaveBoard(a, ax, ay, kHeroOffBoard);
          break;
        case kScriptMakeDoor: MakeDoors(px, py); break;
        case kScriptStairsUp:
        case kScriptStairsDown: levelChanged = Stairs(type, a); break;
        default: break;  // the "#" types and unknown numbers do nothing
      }
      if (!levelChanged) {
        // The actor may not have survived the script (a trap); furniture never dies.
        if (A.attribute[kLife] <= 0 && A.side < kSideStatic && ObjectMap[ax][ay] == a) {
          KillObject(a, ax, ay);
        }
        // Stairs never wear out: a flight not taken (the flight from the Dungeon
        // cancelled) must still be there for the next try.
        if (sv[kScriptRepeatable] == 0 && type != kScriptStairsUp && type != kScriptStairsDown)
          T.scriptvar[kScriptType] = kScriptNone;
      }
    }
  }

  Sys().Wait(120);
  if (fromScript != 1 && !levelChanged) {
    DrawObject(tx, ty, 0);
    // A finished action ends the hero's action; one cut short (a teleport to a taken
    // tile) counts as cancelled.
    ActionState = ActionState >= 0 ? kActionActed : kActionCancelled;
  }
  if (levelChanged)
    ShowPanel(a);
  else
    ShowPanel(ObjectMap[ax][ay]);
  DrawScreen(0, 1, 1, 1);
  if (!levelChanged) {
    HeroPositionX = ax;
    HeroPositionY = ay;
    ActionTargetX = tx;
    ActionTargetY = ty;
  }
  ActionChangedLevel = levelChanged;
  return 0;
}

int RunStepScripts(int x, int y) {
  if (!OnBoard(x, y)) return 0;
  int ran = 0;
  int hx = x, hy = y;
  int s = ScriptMap[x][y];
  if (s > 0 && ObjectTable[s].side == kSideWalkScript) {
    int repeatable = ObjectTable[s].scriptvar[kScriptRepeatable];
    if (ActOnObject(x, y, x, y, 1) == 0) {
      ran++;
      if (ActionChangedLevel) return ran;
      if (repeatable == 0 && ScriptMap[x][y] == s) ScriptMap[x][y] = 0;
      hx = HeroPositionX;
      hy = HeroPositionY;
    }
  }
  for (int ly = 0; ly < kBoardH; ly++)
    for (int lx = 0; lx < kBoardW; lx++) {
      int l = ScriptMap[lx][ly];
      if (l == 0 || ObjectTable[l].side != kSideLookScript || VisibilityMap[lx][ly] == 0)
        continue;
      // With nobody left to see it, a look script waits.
      if (ActOnObject(hx, hy, lx, ly, 1) != 0) continue;
      ran++;
      if (ActionChangedLevel) return ran;
      ScriptMap[lx][ly] = 0;
      hx = HeroPositionX;
      hy = HeroPositionY;
    }
  return ran;
}
