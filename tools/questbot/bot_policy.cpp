#include "bot_policy.h"

#include <cstring>

#include "core/game_options.h"
#include "quest/quest_model.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "render/screen_buttons.h"
#include "render/screen_layout.h"
#include "rules/combat.h"
#include "rules/doors.h"
#include "rules/movement.h"
#include "rules/object_actions.h"
#include "rules/play_state.h"

namespace {

constexpr int kClosedChestPicture = 40;
// How often the bot acts on one object in a game (a repeatable script would otherwise
// hand out its gold for ever), and on one that heals.
constexpr int kMostUses = 2;
constexpr int kMostHealingUses = 6;

// Right, left, down, up.
constexpr int kDir[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
constexpr int kDirKey[4] = {kBotKeyRight, kBotKeyLeft, kBotKeyDown, kBotKeyUp};

bool OnBoard(int x, int y) { return x >= 0 && x < kBoardW && y >= 0 && y < kBoardH; }

int Max(int a, int b) { return a > b ? a : b; }

// What the party knows and holds, worked out once per decision.
struct Facts {
  int objective = 0;
  bool redKey = false, blueKey = false;  // some hero holds one
};

Facts GatherFacts() {
  Facts f;
  f.objective = QuestHeader.qstdata[kQuestObjective];
  for (int s = 1; s < kMaxObjects; s++) {
    const ObjectRecord& o = ObjectTable[s];
    if (o.side != kSideHero) continue;
    if (o.inventory[kInvRedKeys] > 0) f.redKey = true;
    if (o.inventory[kInvBlueKeys] > 0) f.blueKey = true;
  }
  return f;
}

bool ScriptWins(const ObjectRecord& o) {
  int type = o.scriptvar[kScriptType];
  return type == kScriptWonRevealXY || type == kScriptWonRevealAll ||
         (type == kScriptGameEnd && o.scriptvar[kScriptX] < 1) || type == kScriptStairsDown;
}

// A key in o that the party lacks (the objective's own key counts for more).
int KeyWant(const ObjectRecord& o, const Facts& f) {
  int want = 0;
  if (o.inventory[kInvRedKeys] > 0 && !f.redKey) {
    want = kValueKey;
    if (f.objective == 2) want = kValueObjective;
  }
  if (o.inventory[kInvBlueKeys] > 0 && !f.blueKey) {
    want = Max(want, kValueKey);
    if (f.objective == 3) want = kValueObjective;
  }
  return want;
}

// Script type 2, "give x, amount y", for this hero.
int GiveWant(const ObjectRecord& h, int x, int y) {
  if (y <= 0) return 0;
  const int8_t* at = h.attribute;
  bool halfLife = at[kLife] * 2 <= at[kLifeMax];
  switch (x) {
    case 0: return kValueBoost;
    case 1: return at[kOffBase] != 0 ? kValueBoost : 0;
    case 2: return kValueBoost;
    case 3: return halfLife ? kValueHeal : kValueBoost;
    case 4: return kValueBoost / 2;
    case 6: return at[kOffBase] > 0 ? kValueBoost : 0;
    case 7: return at[kOffBase] < 0 ? kValueBoost : 0;
    case 8:
      if (at[kLife] >= at[kLifeMax]) return 0;
      return halfLife ? kValueHeal : kValueLoot;
    case 9:
      if (at[kMind] >= at[kMindMax]) return 0;
      return at[kMind] * 2 <= at[kMindMax] ? kValueHeal : kValueLoot / 2;
    default: return 0;
  }
}

bool Heals(const ObjectRecord& o) {
  int x = o.scriptvar[kScriptX];
  return o.scriptvar[kScriptType] == kScriptGive && (x == 3 || x == 8 || x == 9);
}

int StaticWantWith(int hero, int slot, const Facts& f) {
  if (hero <= 0 || hero >= kMaxObjects || slot <= 0 || slot >= kMaxObjects) return 0;
  const ObjectRecord& o = ObjectTable[slot];
  const ObjectRecord& h = ObjectTable[hero];
  const int type = o.scriptvar[kScriptType];
  if (o.side != kSideStatic || type <= 0) return 0;
  int want = KeyWant(o, f);
  if (o.inventory[kInvGold] > 0) want = Max(want, kValueLoot);
  if (f.objective == 4 && o.picture[kPicNumber] == kClosedChestPicture)
    want = Max(want, kValueObjective);
  switch (type) {
    case kScriptGive: want = Max(want, GiveWant(h, o.scriptvar[kScriptX], o.scriptvar[kScriptY])); break;
    case kScriptGameEnd:
      if (o.scriptvar[kScriptX] >= 1) return 0;  // loses the quest
      want = kValueWin;
      break;
    case kScriptWonRevealXY:
    case kScriptWonRevealAll:
    case kScriptStairsDown: want = kValueWin; break;
    case kScriptEndpoint:
      // The hero leaves the board: only worth it when nothing else wins the quest.
      if (f.objective != 0) return 0;
      want = kValueObjective;
      break;
    case kScriptRevealRoom:
    case kScriptRevealAll:
    case kScriptChangeFloor:
    case kScriptMakeDoor: want = Max(want, kValueLever); break;
    case kScriptTreasureCard:
      if (h.attribute[kLife] * 2 > h.attribute[kLifeMax]) want = Max(want, kValueSearch);
      break;
    case kScriptHatchTeleport: want = Max(want, kValueHatch); break;
    // Traps, death, retreat, fleeing, the shop, and objects that turn into something
    // unknown: never.
    case kScriptArrowTrap:
    case kScriptTrapType2:
    case kScriptTrapType3:
    case kScriptInstantDeath:
    case kScriptRetreat:
    case kScriptStairsUp:
    case kScriptEquipmentShop:
    case kScriptChangeToSide:
    case kScriptChangeToPrefab: return 0;
    default: break;
  }
  return want;
}

// Tenths (0..10) of the monster's life (mind, against magic) one attack of the hero
// takes on average: half his dice are skulls, a sixth of the monster's defence dice
// black shields.
int KillTenths(const ObjectRecord& h, const ObjectRecord& m) {
  const int off = h.attribute[kOff];
  int sixths, left;  // wounds in sixths, what is left to wound
  if (off > 0) {
    sixths = off * 3 - m.attribute[kDef];
    left = m.attribute[kLife];
  } else {
    sixths = -off * 3;
    left = m.attribute[kMind];
  }
  if (sixths < 1) sixths = 1;
  if (left < 1) return 10;
  int tenths = sixths * 10 / (left * 6);
  return tenths > 10 ? 10 : tenths;
}

int MonsterWantWith(int hero, int slot, const Facts& f) {
  if (hero <= 0 || hero >= kMaxObjects || slot <= 0 || slot >= kMaxObjects) return 0;
  const ObjectRecord& h = ObjectTable[hero];
  const ObjectRecord& m = ObjectTable[slot];
  if (!IsMonster(m) || h.attribute[kOff] == 0) return 0;
  // The hero best at wounding it goes for it first.
  int want = (HeroFit(hero) ? kValueFight : kValueWeakFight) + 3 * KillTenths(h, m);
  // "Kill all greenskins" and its kin: the faction of the objective first.
  if (f.objective >= 5 && f.objective <= 8 && m.side == kSideGreenskin + f.objective - 5)
    want += kValueFaction;
  if (ScriptWins(m)) want = Max(want, kValueObjective);
  want = Max(want, KeyWant(m, f));
  return want;
}

// Flood distances from the hero (ScratchMap numbers: 1 the hero, 0 not reached), the way
// his walk goes: objects block (friends may be passed), steps start on revealed tiles,
// doors pass when his keys open them.
uint8_t Dist[kBoardW][kBoardH];

void Flood(int hx, int hy) {
  FindPath(hx, hy, -1, -1, 1, 0, 1, 0);
  for (int x = 0; x < kBoardW; x++)
    for (int y = 0; y < kBoardH; y++) Dist[x][y] = ScratchMap[x][y];
}

bool Covered(int x, int y) { return ObjectAt(x, y, nullptr, nullptr); }

// A tile the hero can stand on: free, or his own.
bool StandingTile(int x, int y, int hx, int hy) {
  if (!OnBoard(x, y)) return false;
  if (x == hx && y == hy) return true;
  return Dist[x][y] > 0 && !Covered(x, y);
}

// The closest tile from which the hero could act on the object anchored on (ax, ay).
bool ClosestActingTile(int slot, int ax, int ay, int hx, int hy, int* gx, int* gy, int* dist) {
  bool mask[3][3];
  ObjectFootprint(slot, mask);
  int best = 1 << 20;
  for (int dx = -1; dx <= 1; dx++)
    for (int dy = -1; dy <= 1; dy++) {
      if (!mask[dx + 1][dy + 1]) continue;
      int fx = ax + dx, fy = ay + dy;
      if (!OnBoard(fx, fy)) continue;
      for (const auto& d : kDir) {
        int nx = fx + d[0], ny = fy + d[1];
        if (!StandingTile(nx, ny, hx, hy)) continue;
        int steps = Dist[nx][ny] - 1;
        if (steps >= best) continue;
        if (CanActOn(nx, ny, fx, fy, 1, 1) != 0) continue;
        best = steps;
        *gx = nx;
        *gy = ny;
      }
    }
  *dist = best;
  return best < (1 << 20);
}

// Whether the hero saw the object: a tile of its footprint is revealed.
bool Seen(int slot, int ax, int ay) {
  bool mask[3][3];
  ObjectFootprint(slot, mask);
  for (int dx = -1; dx <= 1; dx++)
    for (int dy = -1; dy <= 1; dy++)
      if (mask[dx + 1][dy + 1] && OnBoard(ax + dx, ay + dy) && VisibilityMap[ax + dx][ay + dy] > 0)
        return true;
  return false;
}

// An exit is used once by every hero who leaves through it: it has no cap.
int UsesAllowed(int slot) {
  if (ObjectTable[slot].scriptvar[kScriptType] == kScriptEndpoint) return 255;
  return Heals(ObjectTable[slot]) ? kMostHealingUses : kMostUses;
}

// How much this hero wants to act on the object in slot now.
// lastResort: nothing else is left to do (a hatch is taken only then).
int WantNow(int hero, int slot, const Facts& f, const BotMemory& m, bool lastResort) {
  const ObjectRecord& o = ObjectTable[slot];
  if (m.badTarget[slot]) return 0;
  if (!lastResort && o.scriptvar[kScriptType] == kScriptHatchTeleport) return 0;
  if (IsMonster(o)) return MonsterWantWith(hero, slot, f);
  if (m.used[slot] >= UsesAllowed(slot)) return 0;
  return StaticWantWith(hero, slot, f);
}

struct Choice {
  int value = 0;
  int gx = -1, gy = -1;
  int slot = 0;
  const char* why = "";
};

// The wanted object next to the hero that he may act on now, the best first.
Choice BestNextToHero(int hero, int hx, int hy, const Facts& f, const BotMemory& m,
                      bool lastResort = false) {
  Choice best;
  for (const auto& d : kDir) {
    int tx = hx + d[0], ty = hy + d[1], ax, ay;
    if (CanActOn(hx, hy, tx, ty, 1, 1, &ax, &ay) != 0) continue;
    int slot = ObjectMap[ax][ay];
    int want = WantNow(hero, slot, f, m, lastResort);
    if (want > best.value) {
      best.value = want;
      best.gx = tx;
      best.gy = ty;
      best.slot = slot;
      best.why = IsMonster(ObjectTable[slot]) ? "attack" : "use";
    }
  }
  return best;
}

// The door next to the hero worth opening to look behind: an unseen tile beyond a drawn
// door his keys open. -1 when none.
int DoorToPeek(int hero, int hx, int hy) {
  for (int d = 0; d < 4; d++) {
    int nx = hx + kDir[d][0], ny = hy + kDir[d][1];
    if (!OnBoard(nx, ny) || VisibilityMap[nx][ny] > 0) continue;
    int field = EdgeDoorField(hx, hy, nx, ny);
    if (field == 0 || (field & kDoorHidden) || !DoorLetsThrough(field, hero)) continue;
    return d;
  }
  return -1;
}

// An unseen tile the hero can step onto, reached over a passage he can see (the floor
// goes on, or a drawn door).
bool VisibleFrontier(int x, int y) {
  for (const auto& d : kDir) {
    int px = x + d[0], py = y + d[1];
    if (!OnBoard(px, py) || VisibilityMap[px][py] == 0) continue;
    if (Dist[px][py] == 0 || Dist[px][py] + 1 != Dist[x][y]) continue;
    if (FloorMap[px][py] == FloorMap[x][y]) return true;
    int field = EdgeDoorField(px, py, x, y);
    if (field != 0 && !(field & kDoorHidden)) return true;
  }
  return false;
}

// The monsters' reach (MonsterReach) for this decision.
uint8_t Threat[kBoardW][kBoardH];

bool Safe(int x, int y) { return Threat[x][y] == 0; }

void Consider(Choice& best, int value, int steps, int gx, int gy, int slot, const char* why) {
  if (value <= 0) return;
  int score = value - steps;
  if (best.gx >= 0 && score <= best.value) return;
  best.value = score;
  best.gx = gx;
  best.gy = gy;
  best.slot = slot;
  best.why = why;
}

// How the hero moves this time.
struct Stance {
  bool canAct;    // he may still attack or use something
  bool holding;   // monsters are about: he steps only where none can reach him
};

// The best goal to walk to. As a last resort, unseen tiles behind undrawn doors and
// hatches count too.
Choice BestGoal(int hero, int hx, int hy, const Stance& st, bool lastResort, const Facts& f,
                const BotMemory& m) {
  Choice best;
  best.value = -(1 << 20);
  // Objects: monsters to fight, things to use.
  for (int ay = 0; ay < kBoardH; ay++)
    for (int ax = 0; ax < kBoardW; ax++) {
      int slot = ObjectMap[ax][ay];
      if (slot == 0 || !Seen(slot, ax, ay)) continue;
      const ObjectRecord& o = ObjectTable[slot];
      bool monster = IsMonster(o);
      if (monster && !st.canAct) continue;
      if (!monster && o.side != kSideStatic) continue;
      int want = WantNow(hero, slot, f, m, lastResort);
      if (want <= 0) continue;
      int gx = -1, gy = -1, steps;
      if (!ClosestActingTile(slot, ax, ay, hx, hy, &gx, &gy, &steps)) continue;
      if (m.badGoal[gx][gy] && !(gx == hx && gy == hy)) continue;
      if (monster && st.holding) {
        // While they come, a monster is attacked only where few can strike back, and
        // only by a fit hero when it takes more than this turn to get there.
        bool fit = HeroFit(hero);
        if (steps <= WalkLeft) {
          if (Threat[gx][gy] > (fit ? 2 : 1)) continue;
        } else if (!fit) {
          continue;
        }
      }
      if (monster && steps <= WalkLeft && Threat[gx][gy] > 1)
        want -= 6 * (Threat[gx][gy] - 1);  // where more than one can strike back
      Consider(best, want, steps, gx, gy, slot, monster ? "to fight" : "to use");
    }
  // The objective's door, for the hero with its key: stepping through unlocks it.
  int doorBit = f.objective == 2 ? kDoorRed : (f.objective == 3 ? kDoorBlue : 0);
  if (doorBit && DoorLetsThrough(doorBit, hero)) {
    for (int y = 0; y < kBoardH; y++)
      for (int x = 0; x < kBoardW; x++)
        for (const auto& d : kDir) {
          int nx = x + d[0], ny = y + d[1];
          // From the hero's side: the last step crosses the door.
          if (!OnBoard(nx, ny) || Dist[x][y] == 0 || Dist[nx][ny] <= Dist[x][y]) continue;
          if (!(EdgeDoorField(x, y, nx, ny) & doorBit) || Covered(nx, ny) || m.badGoal[nx][ny])
            continue;
          Consider(best, kValueWin, Dist[nx][ny] - 1, nx, ny, 0, "to the door");
        }
  }
  // Unseen tiles.
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      if (VisibilityMap[x][y] > 0 || Dist[x][y] == 0 || Covered(x, y) || m.badGoal[x][y]) continue;
      if (!lastResort && !VisibleFrontier(x, y)) continue;
      Consider(best, kValueExplore, Dist[x][y] - 1, x, y, 0, "to explore");
    }
  if (best.gx < 0) best.value = 0;
  return best;
}

// Whether the hero can get to a monster and attack it in this turn.
bool AttackInReach(int hero, int hx, int hy, const Stance& st, const Facts& f,
                   const BotMemory& m) {
  Choice goal = BestGoal(hero, hx, hy, st, false, f, m);
  return goal.slot > 0 && IsMonster(ObjectTable[goal.slot]) && Dist[goal.gx][goal.gy] - 1 <= WalkLeft;
}

// The nearest tile out of every monster's reach that the hero gets to with his walk.
bool SafeTileInReach(int hx, int hy, int* gx, int* gy) {
  int best = 1 << 20;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      if (!Safe(x, y) || !StandingTile(x, y, hx, hy) || (x == hx && y == hy)) continue;
      int steps = Dist[x][y] - 1;
      if (steps > WalkLeft || steps >= best) continue;
      best = steps;
      *gx = x;
      *gy = y;
    }
  return best < (1 << 20);
}

BotAction Key(int code, const char* why, int slot = 0) {
  BotAction a;
  a.kind = BotAction::kKey;
  a.key = code;
  a.why = why;
  a.slot = slot;
  return a;
}

// Clicks the tile, or when it is not on the screen asks for the action with Enter.
BotAction Click(int tx, int ty, const char* why, int slot) {
  int sx, sy;
  if (!TileToScreen(tx, ty, &sx, &sy)) return Key(kBotKeyEnter, why, slot);
  BotAction a;
  a.kind = BotAction::kClick;
  a.tx = tx;
  a.ty = ty;
  a.slot = slot;
  a.why = why;
  return a;
}

// One step towards (gx, gy) along a shortest path, onto a safe tile when safeOnly;
// kNothing when there is none. A way round the other heroes is taken when there is one;
// otherwise a friend in the way is jumped, when the path goes straight on beyond him.
BotAction StepTowards(int hx, int hy, int gx, int gy, bool safeOnly, const char* why) {
  BotAction none;
  for (int mustBeEmpty = 1; mustBeEmpty >= 0; mustBeEmpty--) {
    if (FindPath(hx, hy, gx, gy, 1, 0, 1, mustBeEmpty) != 0 || PathLength < 2) continue;
    for (int d = 0; d < 4; d++) {
      int nx = hx + kDir[d][0], ny = hy + kDir[d][1];
      if (!OnBoard(nx, ny) || ScratchMap[nx][ny] != 2) continue;
      if (Covered(nx, ny)) {
        int bx = nx + kDir[d][0], by = ny + kDir[d][1];
        if (WalkLeft < 2 || !OnBoard(bx, by) || ScratchMap[bx][by] != 3) continue;
        if (safeOnly && !Safe(bx, by)) continue;
      } else if (safeOnly && !Safe(nx, ny)) {
        continue;
      }
      BotAction a = Key(kDirKey[d], why);
      a.goalX = gx;
      a.goalY = gy;
      return a;
    }
  }
  return none;
}

// A tile in the way of others: standing there cuts its neighbours apart (a corridor, a
// doorway, a junction), while in a room they join round it.
bool InTheWay(int x, int y) {
  static const int kRing[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};  // N, E, S, W
  auto passes = [](int ax, int ay, int bx, int by) {
    return OnBoard(bx, by) && StepBlocked(ax, ay, bx, by, 0, -1, 0, 0) == 0;
  };
  bool open[4];
  int count = 0;
  for (int i = 0; i < 4; i++) {
    open[i] = passes(x, y, x + kRing[i][0], y + kRing[i][1]);
    count += open[i];
  }
  if (count <= 1) return false;
  int links = 0;
  for (int i = 0; i < 4; i++) {
    int j = (i + 1) % 4;
    if (!open[i] || !open[j]) continue;
    int ax = x + kRing[i][0], ay = y + kRing[i][1], bx = x + kRing[j][0], by = y + kRing[j][1];
    int cx = x + kRing[i][0] + kRing[j][0], cy = y + kRing[i][1] + kRing[j][1];
    if (passes(ax, ay, cx, cy) && passes(bx, by, cx, cy)) links++;
  }
  int parts = count == 4 && links == 4 ? 1 : count - links;
  return parts >= 2;
}

// The nearest tile out of the way that the hero gets to with his walk.
bool OpenTileInReach(int hx, int hy, int* gx, int* gy) {
  int best = 1 << 20;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      if (!StandingTile(x, y, hx, hy) || (x == hx && y == hy) || InTheWay(x, y)) continue;
      if (VisibilityMap[x][y] == 0 || !Safe(x, y)) continue;
      int steps = Dist[x][y] - 1;
      if (steps > WalkLeft || steps >= best) continue;
      best = steps;
      *gx = x;
      *gy = y;
    }
  return best < (1 << 20);
}

bool SameAnchor(int x1, int y1, int x2, int y2) {
  int a1x, a1y, a2x, a2y;
  if (!OnBoard(x1, y1) || !OnBoard(x2, y2)) return false;
  return ObjectAt(x1, y1, &a1x, &a1y) && ObjectAt(x2, y2, &a2x, &a2y) && a1x == a2x && a1y == a2y;
}

BotAction Decide(BotMemory& m) {
  const int hero = CurrentObject;
  const int hx = HeroPositionX, hy = HeroPositionY;
  const Facts f = GatherFacts();

  if (ActionState == kActionChoosingTarget) {
    Choice best = BestNextToHero(hero, hx, hy, f, m);
    // A hatch chosen when nothing else was left is still wanted.
    if (best.slot == 0 && m.last.slot > 0) {
      Choice last = BestNextToHero(hero, hx, hy, f, m, true);
      if (last.slot == m.last.slot) best = last;
    }
    if (best.slot == 0) return Key(kBotKeyBackspace, "cancel");
    if (SameAnchor(best.gx, best.gy, ActionTargetX, ActionTargetY))
      return Key(kBotKeyEnter, best.why, best.slot);
    return Click(best.gx, best.gy, "choose", best.slot);
  }

  Stance st;
  st.canAct = ActionState == kActionMoving;
  if (st.canAct) {
    Choice best = BestNextToHero(hero, hx, hy, f, m);
    if (best.slot) return Click(best.gx, best.gy, "choose", best.slot);
  }
  if (WalkLeft <= 0) return Key(kBotKeyBackspace, "end turn");

  if (!m.peeked[hx][hy] && DoorToPeek(hero, hx, hy) >= 0) {
    m.peeked[hx][hy] = 1;
    return Key(kBotKeyOpen, "look behind the door");
  }

  const bool monsters = MonsterReach(Threat);
  st.holding = monsters && m.quietTurns < kBotPatience;
  Flood(hx, hy);
  // Having struck, a hero within the monsters' reach steps out of it when he can.
  if (monsters && !Safe(hx, hy) && (!st.canAct || !AttackInReach(hero, hx, hy, st, f, m))) {
    int gx, gy;
    if (SafeTileInReach(hx, hy, &gx, &gy) && !m.badGoal[gx][gy]) {
      BotAction step = StepTowards(hx, hy, gx, gy, false, "out of reach");
      if (step.kind != BotAction::kNothing) return step;
    }
    return Key(kBotKeyBackspace, "stand");
  }
  for (int pass = 0; pass < 2; pass++) {
    if (pass == 1 && st.canAct) {
      Choice best = BestNextToHero(hero, hx, hy, f, m, true);
      if (best.slot) return Click(best.gx, best.gy, "choose", best.slot);
    }
    for (int tries = 0; tries < 6; tries++) {
      Choice goal = BestGoal(hero, hx, hy, st, pass == 1, f, m);
      if (goal.gx < 0) break;
      if (goal.gx == hx && goal.gy == hy) return Key(kBotKeyBackspace, "wait here");
      // Only the last steps of an attack this turn may enter the monsters' reach; a
      // monster further off is walked up to the edge of it and then let come.
      bool fight = goal.slot > 0 && IsMonster(ObjectTable[goal.slot]);
      bool attackNow = st.canAct && fight && Dist[goal.gx][goal.gy] - 1 <= WalkLeft;
      BotAction step =
          StepTowards(hx, hy, goal.gx, goal.gy, st.holding && !attackNow, goal.why);
      if (step.kind != BotAction::kNothing) {
        step.slot = goal.slot;
        return step;
      }
      if (fight && st.holding && !attackNow) return Key(kBotKeyBackspace, "let them come");
      m.badGoal[goal.gx][goal.gy] = 1;
      Flood(hx, hy);  // StepTowards searched over the flood
    }
  }
  // With nothing to do, he does not stand in the others' way.
  int gx, gy;
  if (InTheWay(hx, hy) && OpenTileInReach(hx, hy, &gx, &gy) && !m.badGoal[gx][gy]) {
    BotAction step = StepTowards(hx, hy, gx, gy, st.holding, "out of the way");
    if (step.kind != BotAction::kNothing) return step;
  }
  return Key(kBotKeyBackspace, st.holding ? "hold" : "nothing to do");
}

}  // namespace

const char* BotKeyName(int code) {
  switch (code) {
    case kBotKeyLeft: return "LEFT";
    case kBotKeyRight: return "RIGHT";
    case kBotKeyUp: return "UP";
    case kBotKeyDown: return "DOWN";
    case kBotKeyEnter: return "ENTER";
    case kBotKeyOpen: return "O";
    case kBotKeyBackspace: return "BACKSPACE";
    default: return "?";
  }
}

void BotMemory::NewGame() {
  quietTurns = 0;
  vitals = -1;
  memset(peeked, 0, sizeof peeked);
  memset(used, 0, sizeof used);
  NewTurn();
}

void BotMemory::NewTurn() {
  long now = 0;
  for (int s = 1; s < kMaxObjects; s++) {
    const ObjectRecord& o = ObjectTable[s];
    if (o.side >= kSideHero && o.side < kSideStatic)
      now += 1000 + o.attribute[kLife] * 16 + o.attribute[kMind];
  }
  quietTurns = now == vitals ? quietTurns + 1 : 0;
  vitals = now;
  memset(badGoal, 0, sizeof badGoal);
  memset(badTarget, 0, sizeof badTarget);
  actions = 0;
  last = BotAction{};
}

bool TileToScreen(int tx, int ty, int* sx, int* sy) {
  if (!OnBoard(tx, ty)) return false;
  const int view = ViewMode == 2 ? 2 : 1;
  const int bx = tx * kTileSize + kTileSize / 2, by = ty * kTileSize + kTileSize / 2;
  const int rx = (bx - ZoomPixelX()) * view, ry = (by - ZoomPixelY()) * view;
  if (rx < 0 || ry < 0 || rx >= kBoardBitmapW || ry >= kBoardBitmapH) return false;
  *sx = ScreenLayout.boardX + rx;
  *sy = ScreenLayout.boardY + ry;
  int cx, cy;
  return ScreenToTile(*sx, *sy, &cx, &cy) && cx == tx && cy == ty;
}

bool HeroFit(int hero) {
  if (hero <= 0 || hero >= kMaxObjects) return false;
  const int8_t* at = ObjectTable[hero].attribute;
  return (at[kLife] * 2 >= at[kLifeMax] || at[kLife] >= 4) &&
         (at[kMind] * 2 >= at[kMindMax] || at[kMind] >= 3);
}

namespace {

// Steps of the last monster flood (ScratchMap) to a tile next to (x, y) from which it
// could strike there; a large number when none.
int StepsToStrike(int x, int y) {
  int best = 1 << 20;
  for (const auto& d : kDir) {
    int nx = x + d[0], ny = y + d[1];
    if (!OnBoard(nx, ny) || ScratchMap[nx][ny] == 0 || ScratchMap[nx][ny] - 1 >= best) continue;
    if (StepBlocked(nx, ny, x, y, 0, -1, 2, 0) == 0) best = ScratchMap[nx][ny] - 1;
  }
  return best;
}

}  // namespace

bool MonsterReach(uint8_t threat[kBoardW][kBoardH]) {
  memset(threat, 0, kBoardW * kBoardH);
  const int range = GameOptions.enemyrange < 0 ? 0 : GameOptions.enemyrange;
  bool any = false;
  for (int my = 0; my < kBoardH; my++)
    for (int mx = 0; mx < kBoardW; mx++) {
      const int slot = ObjectMap[mx][my];
      if (slot == 0 || VisibilityMap[mx][my] == 0) continue;
      const ObjectRecord& o = ObjectTable[slot];
      if (!IsMonster(o) || o.attribute[kOff] == 0 || o.attribute[kLife] <= 0) continue;
      any = true;
      const int walk = o.attribute[kWalk] > 0 ? o.attribute[kWalk] : 0;
      // Its walk as a monster walks: onto revealed tiles, through open doors (the
      // pieces in the way are left out: they may move).
      FindPath(mx, my, -1, -1, 0, 1, 2, 0);
      // It goes for the nearest of the other heroes and allies unless this one is nearer.
      int nearest = range;
      for (int y = 0; y < kBoardH; y++)
        for (int x = 0; x < kBoardW; x++) {
          int s = ObjectMap[x][y];
          if (s == 0 || s == CurrentObject) continue;
          int side = ObjectTable[s].side;
          if (side != kSideHero && side != kSideAllied) continue;
          int steps = StepsToStrike(x, y);
          if (steps < nearest) nearest = steps;
        }
      for (int y = 0; y < kBoardH; y++)
        for (int x = 0; x < kBoardW; x++) {
          int steps = StepsToStrike(x, y);
          if (steps <= walk && steps <= nearest && threat[x][y] < 255) threat[x][y]++;
        }
    }
  return any;
}

int StaticWant(int hero, int slot) { return StaticWantWith(hero, slot, GatherFacts()); }

int MonsterWant(int hero, int slot) { return MonsterWantWith(hero, slot, GatherFacts()); }

BotAction ChooseBotAction(BotMemory& m) {
  // An action that changed nothing is not tried again this turn.
  if (m.last.kind != BotAction::kNothing && m.lastX == HeroPositionX && m.lastY == HeroPositionY &&
      m.lastWalk == WalkLeft && m.lastState == ActionState && m.lastTargetX == ActionTargetX &&
      m.lastTargetY == ActionTargetY) {
    if (m.last.goalX >= 0 && OnBoard(m.last.goalX, m.last.goalY))
      m.badGoal[m.last.goalX][m.last.goalY] = 1;
    else if (m.last.slot > 0 && m.last.slot < kMaxObjects)
      m.badTarget[m.last.slot] = 1;
  }
  BotAction a = Decide(m);
  if (a.kind == BotAction::kKey && a.key == kBotKeyEnter && a.slot > 0 &&
      ActionState == kActionChoosingTarget && !IsMonster(ObjectTable[a.slot]) &&
      m.used[a.slot] < 255)
    m.used[a.slot]++;
  m.last = a;
  m.lastX = HeroPositionX;
  m.lastY = HeroPositionY;
  m.lastWalk = WalkLeft;
  m.lastState = ActionState;
  m.lastTargetX = ActionTargetX;
  m.lastTargetY = ActionTargetY;
  m.actions++;
  return a;
}
