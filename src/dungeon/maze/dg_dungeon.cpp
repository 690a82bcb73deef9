#include "dungeon/maze/dg_dungeon.h"

#include "core/random.h"
#include "dungeon/maze/dg_directions.h"
#include "dungeon/maze/dg_pick_list.h"

int randomDoorType(int hiddenPercent, int specialPercent) {
  int r = rollDie(100);
  if (r <= hiddenPercent) return kDgDoorHidden;
  if (r - hiddenPercent > specialPercent) return kDgDoorPlain;
  return kDgDoorSpecial;
}

DgDungeon::DgDungeon(const DgDungeonSettings& settings, const char* name)
    : depth_(settings.depth > 0 ? settings.depth : 0), name_(name ? name : "") {
  if (settings.mask) {
    mask_ = std::make_unique<DgMazeMask>(*settings.mask);
  } else {
    mask_ = std::make_unique<DgMazeMask>(settings.width, settings.height);
  }
  allocateGrid();
  buildGrid(settings);
  placeRooms(settings);
  placeDoors(settings);
}

DgDungeon::DgDungeon(Blank, int maskWidth, int maskHeight, int depth)
    : depth_(depth > 0 ? depth : 0), mask_(std::make_unique<DgMazeMask>(maskWidth, maskHeight)) {
  allocateGrid();
}

DgDungeon::~DgDungeon() {
  while (rooms_) {
    DgRoom* next = rooms_->next;
    delete rooms_;
    rooms_ = next;
  }
  while (doors_) {
    DgDoor* next = doors_->next;
    delete doors_;
    doors_ = next;
  }
}

void DgDungeon::allocateGrid() {
  gridWidth_ = 2 * mask_->width() + 1;
  gridHeight_ = 2 * mask_->height() + 1;
  size_t n = static_cast<size_t>(gridWidth_) * gridHeight_ * depth_;
  grid_.assign(n, kDgWall);
  rightDoor_.assign(n, nullptr);
  downDoor_.assign(n, nullptr);
}

uint32_t DgDungeon::cellAt(int x, int y, int z) const {
  return inside(x, y, z) ? grid_[index(x, y, z)] : 0;
}

void DgDungeon::setCell(int x, int y, int z, uint32_t value) {
  if (inside(x, y, z)) grid_[index(x, y, z)] = value;
}

int DgDungeon::doorBetween(const DgPoint& a, const DgPoint& b) const {
  if (inside(a.x, a.y, a.z) && a.z == b.z) {
    const DgDoor* door = nullptr;
    if (b.x == a.x + 1 && b.y == a.y) door = rightDoor_[index(a.x, a.y, a.z)];
    if (b.x == a.x && b.y == a.y + 1) door = downDoor_[index(a.x, a.y, a.z)];
    if (door) return door->type;
  }
  bool wallA = cellAt(a.x, a.y, a.z) == kDgWall;
  bool wallB = cellAt(b.x, b.y, b.z) == kDgWall;
  return wallA != wallB ? 1 : 0;
}

void DgDungeon::buildGrid(const DgDungeonSettings& s) {
  DgMaze maze(s.width, s.height, s.depth, s.seed, s.randomness, s.startX, s.startY, s.startZ,
              s.endX, s.endY, s.endZ);
  maze.setMask(new DgMazeMask(*mask_));
  maze.generate();
  path_ = maze.solve();
  maze.sparsify(s.sparseness);
  maze.clearDeadEnds(s.clearDeadEnds);
  for (DgPoint& p : path_) p = {2 * p.x + 1, 2 * p.y + 1, p.z};

  grid_.assign(grid_.size(), kDgWall);
  for (int z = 0; z < depth_; z++) {
    for (int x = 0; x < mask_->width(); x++) {
      for (int y = 0; y < mask_->height(); y++) {
        uint32_t v = maze.cellAt(x, y, z);
        if (v != 0) setCell(2 * x + 1, 2 * y + 1, z, kDgOpen);
        if (v & kDgNorth) setCell(2 * x + 1, 2 * y, z, kDgOpen);
        if (v & kDgWest) setCell(2 * x, 2 * y + 1, z, kDgOpen);
      }
    }
  }
}

void DgDungeon::placeRooms(const DgDungeonSettings& s) {
  for (int z = 0; z < depth_; z++) {
    // An upside-down range (maximum below minimum) gives the minimum without a draw.
    auto pick = [](int lo, int hi) { return lo + (hi >= lo ? RandomMod(hi - lo + 1) : 0); };
    int count = pick(s.minRooms, s.maxRooms);
    for (int i = 0; i < count; i++) {
      int width = pick(s.minRoomWidth, s.maxRoomWidth);
      int height = pick(s.minRoomHeight, s.maxRoomHeight);
      // A room has at least one cell.
      if (width < 1) width = 1;
      if (height < 1) height = 1;
      if (width > 2 * height) height = width / 2 + 1;
      if (height > 2 * width) width = height / 2 + 1;
      int x, y;
      if (!findRoomPosition(width, height, z, x, y)) continue;
      addRoom(x, y, z, width, height);
      for (int dx = 0; dx < width; dx++) {
        for (int dy = 0; dy < height; dy++) {
          if (mask_->usable((x + dx) / 2, (y + dy) / 2))
            setCell(x + dx, y + dy, z, kDgFirstRoom + static_cast<uint32_t>(i));
        }
      }
    }
  }
}

bool DgDungeon::findRoomPosition(int& width, int& height, int z, int& x, int& y) {
  if (gridWidth_ < 3 || gridHeight_ < 3) return false;
  if (width > gridWidth_ - 2) width = gridWidth_ - 2;
  if (height > gridHeight_ - 2) height = gridHeight_ - 2;

  // The score of a spot sums cell weights over the room and over its border (corners
  // left out). Border cells weigh 1 for passage and 3 for an earlier room; room cells
  // 3 for passage, 3 for a room and 10 where the mask forbids the cell. "Passage" is
  // any value with the kDgOpen bit, so a room whose value 4 + r carries that bit too
  // (r = 2, 3, 6, 7, ...) weighs both; seeds depend on it. Running sums over the grid
  // make each spot's score four look-ups.
  const int gw = gridWidth_, gh = gridHeight_;
  std::vector<int> border((gw + 1) * (gh + 1), 0), inner((gw + 1) * (gh + 1), 0);
  auto at = [gw](std::vector<int>& v, int cx, int cy) -> int& { return v[cy * (gw + 1) + cx]; };
  auto borderWeight = [&](int gx, int gy) {
    uint32_t g = grid_[index(gx, gy, z)];
    return ((g & kDgOpen) ? 1 : 0) + (g >= kDgFirstRoom ? 3 : 0);
  };
  for (int gy = 0; gy < gh; gy++) {
    for (int gx = 0; gx < gw; gx++) {
      uint32_t g = grid_[index(gx, gy, z)];
      int wb = borderWeight(gx, gy);
      int wi = ((g & kDgOpen) ? 3 : 0) + (g >= kDgFirstRoom ? 3 : 0) +
               (mask_->usable(gx / 2, gy / 2) ? 0 : 10);
      at(border, gx + 1, gy + 1) =
          wb + at(border, gx, gy + 1) + at(border, gx + 1, gy) - at(border, gx, gy);
      at(inner, gx + 1, gy + 1) =
          wi + at(inner, gx, gy + 1) + at(inner, gx + 1, gy) - at(inner, gx, gy);
    }
  }
  // Sum over the cells x0..x1-1, y0..y1-1.
  auto sum = [&](std::vector<int>& v, int x0, int y0, int x1, int y1) {
    return at(v, x1, y1) - at(v, x0, y1) - at(v, x1, y0) + at(v, x0, y0);
  };

  DgPickList candidates;
  int best = 100000;
  for (int cx = 1; cx <= gw - width - 1; cx++) {
    for (int cy = 1; cy <= gh - height - 1; cy++) {
      if (!mask_->usable(cx / 2, cy / 2)) continue;
      const int x1 = cx + width, y1 = cy + height;
      int score = sum(inner, cx, cy, x1, y1) + sum(border, cx - 1, cy - 1, x1 + 1, y1 + 1) -
                  sum(border, cx, cy, x1, y1) - borderWeight(cx - 1, cy - 1) -
                  borderWeight(x1, cy - 1) - borderWeight(cx - 1, y1) - borderWeight(x1, y1);
      if (score < 1 || score > best) continue;
      if (score < best) {
        candidates.clear();
        best = score;
      }
      candidates.append(cx * 65536 + cy, 1);
    }
  }
  if (candidates.size() > 0) {
    int total = candidates.size();
    int value = candidates.pick(rollDie(total), total);
    x = value / 65536;
    y = value % 65536;
  } else {
    x = rollDie(gridWidth_ - width - 1);
    y = rollDie(gridHeight_ - height - 1);
  }
  return true;
}

DgRoom* DgDungeon::addRoom(int x, int y, int z, int width, int height) {
  rooms_ = new DgRoom{x, y, z, width, height, rooms_, {}, 0};
  return rooms_;
}

DgDoor* DgDungeon::addDoor(const DgPoint& from, const DgPoint& to) {
  doors_ = new DgDoor{from, to, kDgDoorWall, doors_};
  if (inside(from.x, from.y, from.z)) {
    if (to.x == from.x + 1) rightDoor_[index(from.x, from.y, from.z)] = doors_;
    if (to.y == from.y + 1) downDoor_[index(from.x, from.y, from.z)] = doors_;
  }
  return doors_;
}

// One opening per unbroken stretch: a door of the run chosen at random gets a real
// door type, the rest stay wall.
void DgDungeon::closeRun(std::vector<DgDoor*>& run, const DgDungeonSettings& s) {
  if (run.empty()) return;
  DgPickList list;
  int total = 0;
  for (size_t k = 0; k < run.size(); k++) total += list.append(static_cast<int>(k), 1);
  int chosen = list.pick(rollDie(static_cast<int>(run.size())), total);
  if (chosen >= 0) run[chosen]->type = randomDoorType(s.hiddenDoorPercent, s.specialDoorPercent);
  run.clear();
}

// Takes the next cell along a room side: a gap since the run's last cell closes the
// run first; a cell that opens onto something gets a door record from -> to, where the
// outside cell is one of the two. Returns 1 when a record was made.
int DgDungeon::extendRun(SideRun& run, int i, const DgPoint& outside, const DgPoint& from,
                         const DgPoint& to, const DgDungeonSettings& s) {
  if (!run.doors.empty() && run.last != i - 1) closeRun(run.doors, s);
  if (!opensOnto(outside.x, outside.y, outside.z)) return 0;
  run.doors.push_back(addDoor(from, to));
  run.last = i;
  return 1;
}

void DgDungeon::placeDoors(const DgDungeonSettings& s) {
  for (DgRoom* room = rooms_; room; room = room->next) {
    const int x = room->x, y = room->y, z = room->z;
    const int right = x + room->width, bottom = y + room->height;
    int created = 0;
    SideRun runA, runB;  // top and bottom, then left and right

    for (int i = 0; i < room->width; i++) {
      const DgPoint above{x + i, y - 1, z}, below{x + i, bottom, z};
      created += extendRun(runA, i, above, above, {x + i, y, z}, s);
      created += extendRun(runB, i, below, {x + i, bottom - 1, z}, below, s);
    }
    closeRun(runA.doors, s);
    closeRun(runB.doors, s);

    for (int j = 0; j < room->height; j++) {
      const DgPoint left{x - 1, y + j, z}, beyond{right, y + j, z};
      created += extendRun(runA, j, left, left, {x, y + j, z}, s);
      created += extendRun(runB, j, beyond, {right - 1, y + j, z}, beyond, s);
    }
    closeRun(runA.doors, s);
    closeRun(runB.doors, s);

    room->doorCount = created;
    room->doors.clear();
    DgDoor* d = doors_;
    for (int k = 0; k < created && d; k++, d = d->next) room->doors.push_back(d);
  }
}
