#include "editor/quest_check.h"

#include <allegro.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "core/game_data.h"
#include "core/game_options.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "quest/quest_paths.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"
#include "rules/doors.h"
#include "rules/movement.h"
#include "rules/object_actions.h"
#include "rules/play_state.h"
#include "ui/text.h"

namespace {

constexpr int kRockFloor = 7;  // the generators' solid rock
constexpr int kClosedChestPicture = 40;

// Where the screen shows texts.
constexpr int kPanelNameX = 5;     // the side panel writes the name from here
constexpr int kMessageTextX = 3;   // the message panel writes its lines from here
constexpr int kStoryWidth = 500;   // the briefing, victory and defeat screens
constexpr int kStoryLines = 8;
constexpr int kStoryChars = 800;

// What the file reader keeps of each text (the rest of a longer one is lost).
constexpr int kReadNameChars = 15;
constexpr int kReadStoryChars = kReadLineMax - kKeywordColumn;

struct Tile {
  int x, y;
};

// An object on one of the two layers the board keeps objects in.
struct Placement {
  int slot, x, y;
  bool onScriptMap;
};

std::vector<QuestFinding>* Out = nullptr;
std::vector<Placement> Placed;

void Find(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));
void Find(int x, int y, const char* format, ...) {
  char text[1200];
  va_list args;
  va_start(args, format);
  vsnprintf(text, sizeof text, format, args);
  va_end(args);
  Out->push_back({x, y, text});
}

bool OnBoard(int x, int y) { return x >= 0 && x < kBoardW && y >= 0 && y < kBoardH; }

// Rock: the generators' wall code, and any code the game has no floor picture for.
bool IsRock(int code) { return code == kRockFloor || code < 1 || code > kFloorKinds; }

const char* NameOf(int slot) { return ObjectTable[slot].name; }
int SideOf(int slot) { return ObjectTable[slot].side; }
int ScriptOf(int slot) { return ObjectTable[slot].scriptvar[kScriptType]; }

bool IsScriptSide(int side) { return side == kSideWalkScript || side == kSideLookScript; }

bool KnownScriptType(int type) {
  return (type >= 0 && type < kScriptActionCount) || type == kScriptStairsUp ||
         type == kScriptStairsDown;
}

bool ScriptValid(int slot) {
  char problem[200];
  return !ScriptParameterProblem(ObjectTable[slot].scriptvar, problem, sizeof problem);
}

// The first place an object lies on the board, or -1, -1.
Tile PlaceOf(int slot) {
  for (const Placement& p : Placed)
    if (p.slot == slot) return {p.x, p.y};
  return {-1, -1};
}

void CollectPlacements() {
  Placed.clear();
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      if (ObjectMap[x][y] != 0) Placed.push_back({ObjectMap[x][y], x, y, false});
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++)
      if (ScriptMap[x][y] != 0) Placed.push_back({ScriptMap[x][y], x, y, true});
}

bool FontsLoaded() { return DataFont(kFontDialog) != nullptr; }

// ---------------------------------------------------------------- doors

// An edge between two neighbouring tiles of the board that carries a door in a wall
// (a door between tiles of one floor code is no door at all: nothing stands there).
struct DoorEdge {
  int x, y, nx, ny, field;
};

std::vector<DoorEdge> DoorsOf(int bits) {
  std::vector<DoorEdge> doors;
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      const int fields[2] = {DoorMap[x][y] & 15, DoorMap[x][y] >> 4};
      const Tile other[2] = {{x - 1, y}, {x, y - 1}};  // west, north neighbour
      for (int e = 0; e < 2; e++) {
        if (!(fields[e] & bits) || !OnBoard(other[e].x, other[e].y)) continue;
        if (FloorMap[x][y] == FloorMap[other[e].x][other[e].y]) continue;
        doors.push_back({other[e].x, other[e].y, x, y, fields[e]});
      }
    }
  return doors;
}

// ---------------------------------------------------------------- heroes

void CheckHeroes() {
  int onBoard = 0;
  for (const Placement& p : Placed)
    if (!p.onScriptMap && SideOf(p.slot) == kSideHero) onBoard++;
  if (onBoard == 0) Find(-1, -1, "no hero stands on the board");
  // The quest screen takes objects 1 to 4 as the party; saving moves four heroes there.
  int heroes = 0;
  for (int slot = 1; slot < kMaxObjects; slot++)
    if (!IsFreeSlot(ObjectTable[slot]) && ObjectTable[slot].side == kSideHero) heroes++;
  if (heroes < 4) {
    Find(-1, -1, "the quest needs four heroes, but it has %d", heroes);
    return;
  }
  for (int k = 1; k <= 4; k++) {
    const ObjectRecord& o = ObjectTable[k];
    if (IsFreeSlot(o) || o.side != kSideHero) {
      Find(-1, -1,
           "objects 1 to 4 must be the four heroes, but object %d is %s (saving the quest "
           "moves the heroes there)",
           k, IsFreeSlot(o) ? "empty" : o.name);
      return;
    }
  }
  for (int k = 1; k <= 4; k++) {
    bool placed = false;
    for (const Placement& p : Placed) placed = placed || (p.slot == k && !p.onScriptMap);
    if (!placed && onBoard > 0) Find(-1, -1, "the hero %s is not on the board", NameOf(k));
  }
}

// ---------------------------------------------------------------- the object layer

int Cover[kBoardW][kBoardH];  // the object whose footprint covers each tile

void CheckFootprints() {
  memset(Cover, 0, sizeof Cover);
  for (const Placement& p : Placed) {
    if (p.onScriptMap) continue;
    const char* name = NameOf(p.slot);
    if (IsFreeSlot(ObjectTable[p.slot])) {
      Find(p.x, p.y, "the object map names object %d, an empty slot", p.slot);
      continue;
    }
    const int code = FloorMap[p.x][p.y];
    if (IsRock(code)) Find(p.x, p.y, "%s stands in rock", name);
    bool mask[3][3];
    ObjectFootprint(p.slot, mask);
    bool offBoard = false;
    for (int dy = -1; dy <= 1; dy++)
      for (int dx = -1; dx <= 1; dx++) {
        if (!mask[dx + 1][dy + 1]) continue;
        int tx = p.x + dx, ty = p.y + dy;
        if (!OnBoard(tx, ty)) {
          if (!offBoard) Find(p.x, p.y, "%s reaches off the board", name);
          offBoard = true;
          continue;
        }
        if (dx != 0 || dy != 0) {
          if (IsRock(FloorMap[tx][ty]) && !IsRock(code))
            Find(tx, ty, "%s (on %d,%d) reaches into rock", name, p.x, p.y);
          else if (FloorMap[tx][ty] != code && !IsRock(code))
            Find(tx, ty, "%s (on %d,%d) reaches across a wall", name, p.x, p.y);
        }
        if (Cover[tx][ty] != 0)
          Find(tx, ty, "%s (on %d,%d) overlaps %s", name, p.x, p.y, NameOf(Cover[tx][ty]));
        else
          Cover[tx][ty] = p.slot;
      }
  }
}

// ---------------------------------------------------------------- the script layer

const char* ScriptKind(int side) { return side == kSideWalkScript ? "walk" : "look"; }

void CheckScriptLayer() {
  for (const Placement& p : Placed) {
    const int side = SideOf(p.slot);
    const char* name = NameOf(p.slot);
    if (!p.onScriptMap) {
      if (IsScriptSide(side))
        Find(p.x, p.y, "the %s script %s lies on the object map; it belongs on the script map",
             ScriptKind(side), name);
      continue;
    }
    if (IsFreeSlot(ObjectTable[p.slot])) {
      Find(p.x, p.y, "the script map names object %d, an empty slot", p.slot);
      continue;
    }
    if (!IsScriptSide(side)) {
      Find(p.x, p.y, "the script map names %s, which is not a walk or look script", name);
      continue;
    }
    if (IsRock(FloorMap[p.x][p.y])) {
      Find(p.x, p.y, "the %s script %s lies in rock", ScriptKind(side), name);
    } else if (side == kSideWalkScript && Cover[p.x][p.y] != 0 &&
               SideOf(Cover[p.x][p.y]) >= kSideStatic) {
      Find(p.x, p.y, "the walk script %s lies under %s, where no hero can step", name,
           NameOf(Cover[p.x][p.y]));
    }
  }
}

void CheckScriptValues() {
  const bool pictures = GameDataCount() > 0;
  for (const Placement& p : Placed) {
    const ObjectRecord& o = ObjectTable[p.slot];
    const int type = o.scriptvar[kScriptType];
    if (type == 0 || IsFreeSlot(o)) continue;
    char problem[200];
    if (!KnownScriptType(type))
      Find(p.x, p.y, "%s has an unknown script type %d", o.name, type);
    else if (ScriptParameterProblem(o.scriptvar, problem, sizeof problem))
      Find(p.x, p.y, "%s: %s", o.name, problem);
    const int pic2 = o.scriptvar[kScriptPic2];
    if (pictures && pic2 > 0 && !ObjectPicture(pic2))
      Find(p.x, p.y, "%s: its script's picture %d is not in the datafile", o.name, pic2);
  }
}

// ---------------------------------------------------------------- what the party reaches
//
// The party is judged as one: a key any hero finds opens its doors for all of them
// (a door once unlocked stays open). Monsters and other movers are lifted off the board
// first, since they can be fought or passed; furniture blocks the tiles it covers for
// good. From the heroes' tiles, and from every tile a reached hatch teleports to, the
// rules' own path search (FindPath, doors passable as the door step would let a hero
// with the keys found so far through: open, hidden, or locked with the key) floods the
// board. An object is reached when the path search finds a way to it; a walk script
// when its tile is flooded; a look script when some flooded tile lies in its room (the
// reveal shows the whole room). Reaching an object gives what acting on it gives:
// a monster's loot (once it is killed) and a usable object's loot and script, and a
// walk or look script's loot and script; the keys, hatches and door-making scripts
// among them widen the flood, which is run again until nothing more is gained.
// Teleports are taken as if the party could split up freely, so the result is
// generous: it never invents a fault, though it may overlook one that only a
// particular order of moves would cause.

struct Reach {
  bool red, blue;
  bool tile[kBoardW][kBoardH];
  bool object[kMaxObjects];
};

struct SavedBoard {
  uint8_t objects[kLayerW][kLayerH];
  uint8_t doors[kLayerW][kLayerH];
  uint8_t scratch[kLayerW][kLayerH];
  int current, pathLength, developer, probeRed, probeBlue;
};

SavedBoard Saved;
int Probe = 0;  // the hero who walks for the party and holds its keys
std::vector<Tile> HeroTiles;

// Lifts the movers off the board and makes the first hero the walker (Probe stays 0
// when there is none). EndReach puts everything back.
void BeginReach() {
  Probe = 0;
  HeroTiles.clear();
  for (const Placement& p : Placed)
    if (!p.onScriptMap && SideOf(p.slot) == kSideHero && !IsFreeSlot(ObjectTable[p.slot])) {
      if (Probe == 0) Probe = p.slot;
      HeroTiles.push_back({p.x, p.y});
    }
  memcpy(Saved.objects, ObjectMap, sizeof ObjectMap);
  memcpy(Saved.doors, DoorMap, sizeof DoorMap);
  memcpy(Saved.scratch, ScratchMap, sizeof ScratchMap);
  Saved.current = CurrentObject;
  Saved.pathLength = PathLength;
  Saved.developer = GameOptions.developer;
  Saved.probeRed = ObjectTable[Probe].inventory[kInvRedKeys];
  Saved.probeBlue = ObjectTable[Probe].inventory[kInvBlueKeys];
  GameOptions.developer = 0;  // the path search would show its numbers on the board
  CurrentObject = Probe;
  for (const Placement& p : Placed)
    if (!p.onScriptMap && SideOf(p.slot) < kSideStatic) ObjectMap[p.x][p.y] = 0;
}

void EndReach() {
  memcpy(ObjectMap, Saved.objects, sizeof ObjectMap);
  memcpy(DoorMap, Saved.doors, sizeof DoorMap);
  memcpy(ScratchMap, Saved.scratch, sizeof ScratchMap);
  CurrentObject = Saved.current;
  PathLength = Saved.pathLength;
  GameOptions.developer = Saved.developer;
  ObjectTable[Probe].inventory[kInvRedKeys] = Saved.probeRed;
  ObjectTable[Probe].inventory[kInvBlueKeys] = Saved.probeBlue;
  Probe = 0;
}

// The keys an object carries (the walker's own, not those lent to him for the walk).
int KeysOf(int slot, int inv) {
  if (slot == Probe && Probe != 0) return inv == kInvRedKeys ? Saved.probeRed : Saved.probeBlue;
  return ObjectTable[slot].inventory[inv];
}

// Heroes carry their own keys; monsters drop theirs when killed; furniture hands its
// loot over when used, which needs a script; walk and look scripts hand theirs over
// when they fire. Allies are never acted on.
bool GivesLoot(const Placement& p) {
  const int side = SideOf(p.slot);
  if (side == kSideHero || IsScriptSide(side)) return true;
  if (side >= kSideGreenskin && side < kSideStatic) return true;
  return side == kSideStatic && ScriptOf(p.slot) > 0;
}

// Whether the object's script runs when it is reached.
bool ScriptRuns(const Placement& p) {
  const int side = SideOf(p.slot);
  if (side < kSideGreenskin || ScriptOf(p.slot) <= 0) return false;
  return ScriptValid(p.slot);
}

bool IsHatch(int slot) { return slot > 0 && ScriptOf(slot) == kScriptHatchTeleport; }

// Where the teleport to (dx, dy) puts the hero: the tile, or when an object stands there
// its first free neighbour (the rules' test); false when there is none.
bool LandingOf(int dx, int dy, Tile* landing) {
  if (!OnBoard(dx, dy)) return false;
  if (!ObjectAt(dx, dy, nullptr, nullptr)) {
    *landing = {dx, dy};
    return true;
  }
  static const int kNext[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  for (const auto& d : kNext)
    if (StepBlocked(dx, dy, dx + d[0], dy + d[1], 1, -1, 2, 1) == 0) {
      *landing = {dx + d[0], dy + d[1]};
      return true;
    }
  return false;
}

// Every tile a hatch on (hx, hy) may send a hero to.
std::vector<Tile> HatchLandings(const Placement& hatch) {
  std::vector<Tile> landings;
  const int dx = ObjectTable[hatch.slot].scriptvar[kScriptX];
  const int dy = ObjectTable[hatch.slot].scriptvar[kScriptY];
  Tile t;
  if (dx < 1 && dy < 1) {
    for (const Placement& other : Placed)
      if (!other.onScriptMap && IsHatch(other.slot) && !(other.x == hatch.x && other.y == hatch.y) &&
          LandingOf(other.x, other.y, &t))
        landings.push_back(t);
  } else if (LandingOf(dx, dy, &t)) {
    landings.push_back(t);
  }
  return landings;
}

// The open doors a "reveal/make door xy" script adds around (x, y).
bool MakeDoorsAround(int x, int y) {
  if (!OnBoard(x, y)) return false;
  struct Edge {
    int nx, ny, cx, cy, shift;  // the neighbour, the door cell holding the edge, its nibble
  };
  const Edge edges[4] = {{x, y - 1, x, y, 4},
                         {x - 1, y, x, y, 0},
                         {x, y + 1, x, y + 1, 4},
                         {x + 1, y, x + 1, y, 0}};
  bool changed = false;
  for (const Edge& e : edges) {
    if (!OnBoard(e.nx, e.ny) || FloorMap[e.nx][e.ny] == FloorMap[x][y]) continue;
    if ((DoorMap[e.cx][e.cy] >> e.shift) & 15) continue;
    DoorMap[e.cx][e.cy] = static_cast<uint8_t>(DoorMap[e.cx][e.cy] | (1 << e.shift));
    changed = true;
  }
  return changed;
}

// The tiles of the room (equal floor code, side by side) around (x, y).
bool RoomReached(int x, int y, const Reach& r) {
  static bool seen[kBoardW][kBoardH];
  memset(seen, 0, sizeof seen);
  const int code = FloorMap[x][y];
  std::vector<Tile> todo = {{x, y}};
  seen[x][y] = true;
  while (!todo.empty()) {
    Tile t = todo.back();
    todo.pop_back();
    if (r.tile[t.x][t.y]) return true;
    const Tile next[4] = {{t.x + 1, t.y}, {t.x - 1, t.y}, {t.x, t.y + 1}, {t.x, t.y - 1}};
    for (const Tile& n : next)
      if (OnBoard(n.x, n.y) && !seen[n.x][n.y] && FloorMap[n.x][n.y] == code) {
        seen[n.x][n.y] = true;
        todo.push_back(n);
      }
  }
  return false;
}

// A flooded tile next to, or on, the object's footprint: only then can a path reach it.
bool NearFlood(const Placement& p, const Reach& r) {
  bool mask[3][3];
  ObjectFootprint(p.slot, mask);
  for (int dy = -1; dy <= 1; dy++)
    for (int dx = -1; dx <= 1; dx++) {
      if (!mask[dx + 1][dy + 1]) continue;
      for (int ny = p.y + dy - 1; ny <= p.y + dy + 1; ny++)
        for (int nx = p.x + dx - 1; nx <= p.x + dx + 1; nx++)
          if (OnBoard(nx, ny) && r.tile[nx][ny]) return true;
    }
  return false;
}

bool Reaches(const Placement& p, const Reach& r, const std::vector<Tile>& from) {
  const int side = SideOf(p.slot);
  if (side == kSideWalkScript) return r.tile[p.x][p.y];
  if (side == kSideLookScript) return RoomReached(p.x, p.y, r);
  if (p.onScriptMap || side == kSideAllied) return false;
  if (!NearFlood(p, r)) return false;
  for (const Tile& s : from)
    if (FindPath(s.x, s.y, p.x, p.y, 1, -1, 1, 0) == 0) return true;
  return false;
}

// What the party reaches; with `given` (kInvRedKeys or kInvBlueKeys) it holds that key
// from the start, as if every door of its colour stood open.
void ComputeReach(Reach* r, int given) {
  memset(r, 0, sizeof *r);
  r->red = given == kInvRedKeys;
  r->blue = given == kInvBlueKeys;
  memcpy(DoorMap, Saved.doors, sizeof DoorMap);
  std::vector<Tile> starts = HeroTiles;
  for (int round = 0; round < 64; round++) {
    ObjectTable[Probe].inventory[kInvRedKeys] = r->red ? 1 : 0;
    ObjectTable[Probe].inventory[kInvBlueKeys] = r->blue ? 1 : 0;
    memset(r->tile, 0, sizeof r->tile);
    std::vector<Tile> from;  // one start for each flood
    for (const Tile& s : starts) {
      if (r->tile[s.x][s.y]) continue;
      from.push_back(s);
      FindPath(s.x, s.y, -1, -1, 1, -1, 1, 0);
      for (int y = 0; y < kBoardH; y++)
        for (int x = 0; x < kBoardW; x++)
          if (ScratchMap[x][y] > 0) r->tile[x][y] = true;
      r->tile[s.x][s.y] = true;
    }
    bool more = false;
    for (const Placement& p : Placed) {
      if (r->object[p.slot] || IsFreeSlot(ObjectTable[p.slot]) || !Reaches(p, *r, from)) continue;
      r->object[p.slot] = true;
      const ObjectRecord& o = ObjectTable[p.slot];
      if (GivesLoot(p)) {
        if (KeysOf(p.slot, kInvRedKeys) > 0 && !r->red) more = r->red = true;
        if (KeysOf(p.slot, kInvBlueKeys) > 0 && !r->blue) more = r->blue = true;
      }
      if (!ScriptRuns(p)) continue;
      if (o.scriptvar[kScriptType] == kScriptHatchTeleport) {
        for (const Tile& t : HatchLandings(p)) {
          starts.push_back(t);
          more = true;
        }
      } else if (o.scriptvar[kScriptType] == kScriptMakeDoor) {
        if (MakeDoorsAround(o.scriptvar[kScriptX], o.scriptvar[kScriptY])) more = true;
      }
    }
    if (!more) break;
  }
}

Reach Full, DoorsOpen;

const char* ColourName(int inv) { return inv == kInvRedKeys ? "red" : "blue"; }

// A key the party finds at all is found without passing a door of its colour: the
// first one found cannot lie behind such a door, having no key to open it. So a key
// the full flood misses lies behind its own doors when the flood with those doors open
// finds it, and out of reach altogether when even that one does not.
void CheckKeys() {
  for (int inv : {kInvRedKeys, kInvBlueKeys}) {
    std::vector<DoorEdge> doors = DoorsOf(inv == kInvRedKeys ? kDoorRed : kDoorBlue);
    if (doors.empty()) continue;
    const DoorEdge& d = doors.front();
    const char* colour = ColourName(inv);
    bool carried = false, found = false;
    for (const Placement& p : Placed) {
      if (!GivesLoot(p) || KeysOf(p.slot, inv) <= 0) continue;
      carried = true;
      found = found || Full.object[p.slot];
    }
    if (!carried) {
      Find(d.nx, d.ny, "the %s door between %d,%d and %d,%d has no key: nothing carries a %s key",
           colour, d.x, d.y, d.nx, d.ny, colour);
      continue;
    }
    if (found) continue;
    ComputeReach(&DoorsOpen, inv);
    bool behind = false;
    for (const Placement& p : Placed)
      behind = behind || (GivesLoot(p) && KeysOf(p.slot, inv) > 0 && DoorsOpen.object[p.slot]);
    if (behind)
      Find(d.nx, d.ny,
           "the %s key cannot be reached without passing a %s door (the door between %d,%d and "
           "%d,%d)",
           colour, colour, d.x, d.y, d.nx, d.ny);
    else
      Find(d.nx, d.ny, "no hero can reach the %s key (the %s door between %d,%d and %d,%d)",
           colour, colour, d.x, d.y, d.nx, d.ny);
  }
}

void CheckMonsterObjective(int objective) {
  const int side = objective == 1 ? 0 : kSideGreenskin + objective - 5;
  const char* what[] = {"monster", "greenskin", "undead", "chaos monster", "frozen monster"};
  const char* kind = what[side == 0 ? 0 : side - kSideGreenskin + 1];
  bool any = false;
  for (const Placement& p : Placed) {
    if (p.onScriptMap) continue;
    const ObjectRecord& o = ObjectTable[p.slot];
    if (side == 0 ? !IsMonster(o) : o.side != side) continue;
    any = true;
    if (!Full.object[p.slot])
      Find(p.x, p.y, "no hero can reach %s, and the objective \"%s\" needs it killed", o.name,
           ObjectiveNames[objective]);
  }
  if (!any)
    Find(-1, -1, "the objective is \"%s\", but there is no %s on the board",
         ObjectiveNames[objective], kind);
}

void CheckChestObjective() {
  bool any = false;
  for (const Placement& p : Placed) {
    if (p.onScriptMap) continue;
    const ObjectRecord& o = ObjectTable[p.slot];
    if (o.picture[kPicNumber] != kClosedChestPicture) continue;
    any = true;
    const int pic2 = o.scriptvar[kScriptPic2];
    if (o.side != kSideStatic || !ScriptRuns(p) || pic2 <= 0 || pic2 == kClosedChestPicture)
      Find(p.x, p.y, "%s can never be opened: no script of it changes its picture", o.name);
    else if (!Full.object[p.slot])
      Find(p.x, p.y, "no hero can reach %s, and the objective \"Open all Chests\" needs it opened",
           o.name);
  }
  if (!any) Find(-1, -1, "the objective is \"Open all Chests\", but there is no closed chest");
}

void CheckDoorObjective(int objective) {
  const int inv = objective == 2 ? kInvRedKeys : kInvBlueKeys;
  const char* colour = ColourName(inv);
  std::vector<DoorEdge> doors = DoorsOf(inv == kInvRedKeys ? kDoorRed : kDoorBlue);
  if (doors.empty()) {
    Find(-1, -1, "the objective is \"%s\", but there is no %s door", ObjectiveNames[objective],
         colour);
    return;
  }
  const bool key = inv == kInvRedKeys ? Full.red : Full.blue;
  for (const DoorEdge& d : doors)
    if (key && (Full.tile[d.x][d.y] || Full.tile[d.nx][d.ny])) return;
  Find(doors.front().nx, doors.front().ny, "no hero can reach a %s door with its key, and the "
       "objective \"%s\" needs one unlocked", colour, ObjectiveNames[objective]);
}

// Objective "Not specified": a script has to end the quest in victory.
bool WinsTheQuest(const Placement& p) {
  const ObjectRecord& o = ObjectTable[p.slot];
  switch (o.scriptvar[kScriptType]) {
    case kScriptGameEnd: return o.scriptvar[kScriptX] < 1;
    case kScriptWonRevealXY:
    case kScriptWonRevealAll:
    case kScriptEndpoint:
    case kScriptStairsDown: return true;
    default: return false;
  }
}

void CheckScriptObjective() {
  const Placement* first = nullptr;
  for (const Placement& p : Placed) {
    if (!WinsTheQuest(p) || !ScriptRuns(p)) continue;
    if (Full.object[p.slot]) return;
    if (!first) first = &p;
  }
  if (!first)
    Find(-1, -1, "the objective is \"%s\" and nothing on the board wins the quest (a game-won "
         "script, an endpoint or stairs down)", ObjectiveNames[0]);
  else
    Find(first->x, first->y, "no hero can reach %s, which wins the quest", NameOf(first->slot));
}

void CheckObjective() {
  const int objective = QuestHeader.qstdata[kQuestObjective];
  switch (objective) {
    case 0: CheckScriptObjective(); break;
    case 1:
    case 5:
    case 6:
    case 7:
    case 8: CheckMonsterObjective(objective); break;
    case 2:
    case 3: CheckDoorObjective(objective); break;
    case 4: CheckChestObjective(); break;
    default: Find(-1, -1, "the quest has no objective %d", objective); break;
  }
}

void CheckTeleports() {
  for (const Placement& p : Placed) {
    if (!IsHatch(p.slot)) continue;
    const ObjectRecord& o = ObjectTable[p.slot];
    const int dx = o.scriptvar[kScriptX], dy = o.scriptvar[kScriptY];
    if (dx < 1 && dy < 1) {
      bool other = false;
      for (const Placement& q : Placed)
        other = other || (!q.onScriptMap && IsHatch(q.slot) && !(q.x == p.x && q.y == p.y));
      if (!other) Find(p.x, p.y, "%s leads to another hatch, but there is none", o.name);
      continue;
    }
    if (!OnBoard(dx, dy)) {
      Find(p.x, p.y, "%s teleports to %d,%d, off the board", o.name, dx, dy);
      continue;
    }
    if (IsRock(FloorMap[dx][dy])) {
      Find(p.x, p.y, "%s teleports to %d,%d, into rock", o.name, dx, dy);
      continue;
    }
    int ax, ay;
    Tile landing;
    if (ObjectAt(dx, dy, &ax, &ay) && !IsHatch(ObjectMap[ax][ay]))
      Find(p.x, p.y, "%s teleports to %d,%d, where %s stands", o.name, dx, dy,
           NameOf(ObjectMap[ax][ay]));
    else if (!LandingOf(dx, dy, &landing))
      Find(p.x, p.y, "%s teleports to %d,%d, which is taken all round", o.name, dx, dy);
  }
}

// ---------------------------------------------------------------- texts

// How many lines the story screens need for a text: the line breaking of the story
// layout (at most 800 characters, lines 500 pixels wide in the dialog font, a break at
// the last blank, moved back to a comma or full stop among the 20 characters before it).
int StoryLineCount(const char* story) {
  char text[kStoryChars + 1];
  CopyText(text, story, kStoryChars);
  int end = static_cast<int>(strlen(text)) - 1;
  while (end >= 0 && text[end] == ' ') end--;
  if (end < 0) return 1;
  char line[kStoryChars + 1];
  int start = 0, lines = 0;
  for (;;) {
    lines++;
    int last = start;  // every line takes at least one character
    while (last < end) {
      int n = last + 2 - start;
      memcpy(line, text + start, n);
      line[n] = '\0';
      if (TextWidth(kFontDialog, line) > kStoryWidth) break;
      last++;
    }
    int b = last;
    if (last < end) {
      while (b > start && text[b] != ' ') b--;
      if (text[b] != ' ') b = start;
    }
    if (b > 20)
      for (int q = b; q >= b - 19 && q >= start; q--)
        if (text[q] == ',' || text[q] == '.') {
          b = q;
          break;
        }
    if (b >= end) return lines;
    start = b + 1;
  }
}

void CheckTexts() {
  const QuestHeaderRecord& h = QuestHeader;
  const bool fonts = FontsLoaded();
  const struct {
    const char* name;
    const char* text;
  } stories[3] = {{"briefing", h.briefing}, {"victory text", h.victory}, {"defeat text", h.defeat}};
  for (const auto& s : stories) {
    size_t n = strlen(s.text);
    while (n > 0 && s.text[n - 1] == ' ') n--;
    if (n > static_cast<size_t>(kStoryChars))
      Find(-1, -1, "the %s is %d characters long; only the first %d are shown", s.name,
           static_cast<int>(n), kStoryChars);
    int lines = fonts ? StoryLineCount(s.text) : 0;
    if (lines > kStoryLines)
      Find(-1, -1, "the %s needs %d lines, but its screen shows %d: the rest is cut", s.name,
           lines, kStoryLines);
  }

  if (!fonts) return;
  for (const Placement& p : Placed) {
    const ObjectRecord& o = ObjectTable[p.slot];
    if (IsFreeSlot(o)) continue;
    if (!p.onScriptMap && !IsScriptSide(o.side) &&
        TextWidth(kFontDialog, o.name) > kPanelBitmapW - kPanelNameX)
      Find(p.x, p.y, "the name \"%s\" is wider than the side panel shows", o.name);
    // Texts beginning with "-" are not shown; those beginning with "!" come in a box.
    for (const char* t : {o.text1, o.text2})
      if (t[0] != '-' && t[0] != '!' && o.text1[0] != '!' &&
          TextWidth(kFontDialog, t) > kMessageBitmapW - kMessageTextX)
        Find(p.x, p.y, "%s: the text \"%s\" is wider than the message panel shows", o.name, t);
  }
}

// ---------------------------------------------------------------- chapters

void CheckNextChapter(const char* folder) {
  const QuestHeaderRecord& h = QuestHeader;
  if (h.chapter >= h.chapters) return;
  char name[1200];
  if (folder) {
    char cwd[1024] = "";
    if (folder[0] != '/' && !getcwd(cwd, sizeof cwd)) cwd[0] = '\0';
    snprintf(name, sizeof name, "%s%s%s%s%s", cwd, cwd[0] ? "/" : "", folder,
             folder[0] && folder[strlen(folder) - 1] != '/' ? "/" : "", h.series);
  } else {
    CopyText(name, h.series, sizeof name - 1);
  }
  const char* path = BuildQuestPath(name, h.chapter + 1);
  if (!exists(path))
    Find(-1, -1, "chapter %d of %d follows, but its file %s is missing", h.chapter + 1, h.chapters,
         get_filename(path));
}

// ---------------------------------------------------------------- the file

// Text lines of the file longer than the reader keeps. The n-th object's "name" line
// belongs to object n.
void CheckFileTexts(const char* path) {
  FILE* f = fopen(path, "r");
  if (!f) return;
  struct Field {
    const char* keyword;
    int keep;
  };
  const Field fields[] = {{"series", kHeaderTextLen},  {"quest", kHeaderTextLen},
                          {"author", kHeaderTextLen},  {"briefing", kReadStoryChars},
                          {"defeat", kReadStoryChars}, {"victory", kReadStoryChars},
                          {"name", kReadNameChars},    {"scripttxt", kScriptTextLen}};
  static char line[4096];
  int object = 0;
  while (fgets(line, sizeof line, f)) {
    if (strncmp(line, "# map data:", 11) == 0) break;
    size_t n = strlen(line);
    bool whole = n > 0 && line[n - 1] == '\n';
    while (n > 0 && (line[n - 1] == '\n' || line[n - 1] == '\r' || line[n - 1] == ' ')) n--;
    line[n] = '\0';
    if (!whole) {  // a line longer than the buffer: the rest of it is passed over
      int c;
      while ((c = fgetc(f)) != EOF && c != '\n') n++;
    }
    if (n <= static_cast<size_t>(kKeywordColumn)) continue;
    char keyword[kKeywordColumn + 1];
    memcpy(keyword, line, kKeywordColumn);
    keyword[kKeywordColumn] = '\0';
    for (int i = kKeywordColumn - 1; i >= 0 && keyword[i] == ' '; i--) keyword[i] = '\0';
    if (strcmp(keyword, "name") == 0) object++;
    for (const Field& fd : fields) {
      if (strcmp(keyword, fd.keyword) != 0) continue;
      const int length = static_cast<int>(n) - kKeywordColumn;
      if (length <= fd.keep) break;
      const bool ofObject = fd.keep == kReadNameChars || fd.keep == kScriptTextLen;
      Tile at = ofObject && object < kMaxObjects ? PlaceOf(object) : Tile{-1, -1};
      if (ofObject)
        Find(at.x, at.y, "the %s of object %d is %d characters long; only %d are read",
             fd.keyword, object, length, fd.keep);
      else
        Find(-1, -1, "the %s is %d characters long; only %d are read", fd.keyword, length,
             fd.keep);
      break;
    }
  }
  fclose(f);
}

}  // namespace

std::vector<QuestFinding> CheckQuest(const char* chapterFolder) {
  std::vector<QuestFinding> findings;
  Out = &findings;
  CollectPlacements();
  CheckHeroes();
  CheckFootprints();
  CheckScriptLayer();
  CheckScriptValues();
  BeginReach();
  CheckTeleports();
  if (Probe != 0) {  // without a hero nothing is reached, which has been said
    ComputeReach(&Full, 0);
    CheckKeys();
    CheckObjective();
  }
  EndReach();
  CheckTexts();
  CheckNextChapter(chapterFolder);
  Out = nullptr;
  return findings;
}

bool CheckQuestFile(const char* path, std::vector<QuestFinding>* findings, std::string* why) {
  findings->clear();
  struct stat st;
  if (stat(path, &st) == 0 && !S_ISREG(st.st_mode)) {
    *why = "not a file";
    return false;
  }
  FILE* f = fopen(path, "r");
  if (!f) {
    *why = strerror(errno);
    return false;
  }
  char head[8] = "";
  size_t got = fread(head, 1, 6, f);
  fclose(f);
  if (got < 6 || strncmp(head, "QST102", 6) != 0) {
    *why = "not a quest file (it does not begin with QST102)";
    return false;
  }
  if (LoadQuest(path) != 0) {
    *why = "the game cannot open it";
    return false;
  }
  if (QuestLoaded != 1 || MapRowsMissing >= kMapRowCount) {
    *why = "its map part is missing";
    return false;
  }
  if (MapRowsMissing > 0) {
    char text[100];
    snprintf(text, sizeof text, "%d of its %d map rows are missing", MapRowsMissing, kMapRowCount);
    *why = text;
    return false;
  }
  char folder[1024];
  CopyText(folder, path, sizeof folder - 1);
  *get_filename(folder) = '\0';
  if (!folder[0]) CopyText(folder, ".", sizeof folder - 1);
  std::vector<QuestFinding> texts;
  Out = &texts;
  CollectPlacements();
  CheckFileTexts(path);
  Out = nullptr;
  *findings = CheckQuest(folder);
  findings->insert(findings->begin(), texts.begin(), texts.end());
  return true;
}
