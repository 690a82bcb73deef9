#include "dungeon/maze/dg_maze.h"

#include "core/random.h"
#include "dungeon/maze/dg_directions.h"
#include "dungeon/maze/dg_pick_list.h"

DgMaze::DgMaze(int width, int height, int depth, int seed, int randomness, int startX,
               int startY, int startZ, int endX, int endY, int endZ)
    : start_{startX, startY, startZ},
      endRequest_{endX, endY, endZ},
      randomness_(randomness),
      seed_(seed) {
  if (width < 1 || height < 1 || depth < 1) return;
  empty_ = false;
  width_ = width;
  height_ = height;
  depth_ = depth;
  mask_ = std::make_unique<DgMazeMask>(width, height);
  resolveEnd();
  if (seed > 0) SeedRandom(static_cast<uint32_t>(seed));
  cells_.assign(static_cast<size_t>(width_) * height_ * depth_, 0);
}

void DgMaze::resolveEnd() {
  end_.x = endRequest_.x < 0 ? width_ - 1 : endRequest_.x;
  end_.y = endRequest_.y < 0 ? height_ - 1 : endRequest_.y;
  end_.z = endRequest_.z < 0 ? depth_ - 1 : endRequest_.z;
}

void DgMaze::setMask(DgMazeMask* mask) {
  std::unique_ptr<DgMazeMask> taken(mask);
  if (empty_ || !taken) return;
  if (taken->width() < 1 || taken->height() < 1) {
    // A mask without cells leaves nothing to build on.
    mask_ = std::move(taken);
    empty_ = true;
    width_ = height_ = 0;
    cells_.clear();
    return;
  }
  mask_ = std::move(taken);
  width_ = mask_->width();
  height_ = mask_->height();
  resolveEnd();
  cells_.assign(static_cast<size_t>(width_) * height_ * depth_, 0);
}

uint32_t DgMaze::cellAt(int x, int y, int z) const {
  if (empty_ || !inside(x, y, z)) return 0;
  return cells_[index(x, y, z)];
}

void DgMaze::connect(int x, int y, int z, uint32_t d) {
  int dx, dy, dz;
  dgStep(d, dx, dy, dz);
  if (empty_ || dgOpposite(d) == 0 || !inside(x, y, z) || !inside(x + dx, y + dy, z + dz))
    return;
  cell(x, y, z) |= d;
  cell(x + dx, y + dy, z + dz) |= dgOpposite(d);
}

// Number of cells that usable cells connect to the given one (itself included).
int DgMaze::reachableFrom(int x, int y, int z) const {
  std::vector<uint8_t> seen(cells_.size(), 0);
  std::vector<DgPoint> todo;
  todo.push_back({x, y, z});
  seen[index(x, y, z)] = 1;
  int count = 0;
  while (!todo.empty()) {
    DgPoint p = todo.back();
    todo.pop_back();
    count++;
    for (int i = 0; i < 6; i++) {
      int dx, dy, dz;
      dgStep(dgDirectionFromDraw(i), dx, dy, dz);
      int nx = p.x + dx, ny = p.y + dy, nz = p.z + dz;
      if (!inside(nx, ny, nz) || !mask_->usable(nx, ny) || seen[index(nx, ny, nz)]) continue;
      seen[index(nx, ny, nz)] = 1;
      todo.push_back({nx, ny, nz});
    }
  }
  return count;
}

void DgMaze::generate() {
  if (empty_) return;
  int usable = mask_->usableCount();
  // Without a usable cell the search for a first cell would never end.
  if (usable == 0) return;
  long remaining = static_cast<long>(usable) * depth_ - 1;

  int x, y, z;
  auto drawCell = [&]() {
    x = RandomMod(width_);
    y = RandomMod(height_);
    z = RandomMod(depth_);
  };
  do {
    drawCell();
  } while (!mask_->usable(x, y));
  // A mask split into separate parts can only be carved as far as the first cell's
  // part reaches; stop there instead of searching forever for the rest.
  long reachable = reachableFrom(x, y, z);
  if (reachable - 1 < remaining) remaining = reachable - 1;

  uint32_t v = 0;
  uint32_t last = 0;
  int run = 0;
  while (remaining > 0) {
    if (v == kDgAllDirections) {
      do {
        drawCell();
      } while (cell(x, y, z) == 0);
      v = cell(x, y, z);
    }
    if (x < 1) v |= kDgWest;
    if (x + 1 >= width_) v |= kDgEast;
    if (y < 1) v |= kDgNorth;
    if (y + 1 >= height_) v |= kDgSouth;
    if (z < 1) v |= kDgDown;
    if (z + 1 >= depth_) v |= kDgUp;

    uint32_t d = 0;
    bool turn = RandomMod(100) < randomness_;
    if (!turn) {
      int half = 0;
      if (last == kDgNorth || last == kDgSouth) half = height_ / 2;
      if (last == kDgWest || last == kDgEast) half = width_ / 2;
      if (last == kDgDown || last == kDgUp) half = depth_ / 2;
      int dx, dy, dz;
      dgStep(last, dx, dy, dz);
      int nx = x + dx, ny = y + dy, nz = z + dz;
      if (last != 0 && run < half && inside(nx, ny, nz) && cell(nx, ny, nz) == 0 &&
          mask_->usable(nx, ny)) {
        d = last;
        run++;
      } else {
        turn = true;
      }
    }
    if (turn) {
      run = 0;
      // Every drawn direction that is not taken joins v. A step out of the maze only
      // draws again; the turning ends when a direction is taken or when a direction
      // inside the maze that cannot be taken leaves none untried. A maze of two cells
      // or more has a direction inside from every cell, so the drawing ends.
      for (;;) {
        uint32_t t = dgDirectionFromDraw(RandomMod(6));
        int dx, dy, dz;
        dgStep(t, dx, dy, dz);
        int nx = x + dx, ny = y + dy, nz = z + dz;
        if (!inside(nx, ny, nz)) {
          v |= t;
          continue;
        }
        if (mask_->usable(nx, ny) && cell(nx, ny, nz) == 0 && !(v & t)) {
          d = t;
          break;
        }
        v |= t;
        if (v == kDgAllDirections) break;
      }
    }
    if (d == 0) continue;  // the cell is exhausted: pick another one

    int dx, dy, dz;
    dgStep(d, dx, dy, dz);
    cell(x, y, z) |= d;
    x += dx;
    y += dy;
    z += dz;
    cell(x, y, z) |= dgOpposite(d);
    last = d;
    v = cell(x, y, z);
    remaining--;
  }
}

std::vector<DgPoint> DgMaze::solve() const {
  std::vector<DgPoint> path;
  if (empty_ || !perfect_) return path;
  if (!inside(start_.x, start_.y, start_.z) || !inside(end_.x, end_.y, end_.z)) return path;
  static const uint32_t kOrder[6] = {kDgNorth, kDgSouth, kDgEast, kDgWest, kDgDown, kDgUp};

  DgTrailNode* top = new DgTrailNode{start_.x, start_.y, start_.z, 0, nullptr};
  // In a tree the trail never holds a cell twice, so it is never longer than the maze.
  const size_t limit = cells_.size();
  size_t depthNow = 1;
  while (top && !(top->x == end_.x && top->y == end_.y && top->z == end_.z)) {
    uint32_t value = cellAt(top->x, top->y, top->z);
    uint32_t d = 0;
    for (uint32_t candidate : kOrder) {
      if ((value & candidate) && !(top->tried & candidate)) {
        d = candidate;
        break;
      }
    }
    int dx, dy, dz;
    dgStep(d, dx, dy, dz);
    if (d == 0 || depthNow >= limit || !inside(top->x + dx, top->y + dy, top->z + dz)) {
      if (d != 0) {
        top->tried |= d;
        continue;
      }
      DgTrailNode* below = top->previous;
      delete top;
      top = below;
      depthNow--;
      continue;
    }
    top->tried |= d;
    top = new DgTrailNode{top->x + dx, top->y + dy, top->z + dz, dgOpposite(d), top};
    depthNow++;
  }
  if (top) {
    path.resize(depthNow);
    size_t i = depthNow;
    for (DgTrailNode* n = top; n; n = n->previous) path[--i] = {n->x, n->y, n->z};
  }
  while (top) {
    DgTrailNode* below = top->previous;
    delete top;
    top = below;
  }
  return path;
}

void DgMaze::sparsify(int passes) {
  if (empty_) return;
  for (int pass = 0; pass < passes; pass++) {
    for (int x = 0; x < width_; x++) {
      for (int y = 0; y < height_; y++) {
        for (int z = 0; z < depth_; z++) {
          DgPoint p{x, y, z};
          if (p == start_ || p == end_) continue;
          uint32_t v = cell(x, y, z);
          if (!dgIsSingleDirection(v)) continue;
          cell(x, y, z) = 0;
          int dx, dy, dz;
          dgStep(v, dx, dy, dz);
          if (!inside(x + dx, y + dy, z + dz)) continue;
          uint32_t& n = cell(x + dx, y + dy, z + dz);
          n = (n & ~dgOpposite(v)) | kDgPassMark;
        }
      }
    }
    for (uint32_t& c : cells_) c &= ~kDgPassMark;
  }
}

void DgMaze::clearDeadEnds(int percent) {
  if (empty_) return;
  perfect_ = false;
  for (int x = 0; x < width_; x++) {
    for (int y = 0; y < height_; y++) {
      for (int z = 0; z < depth_; z++) {
        if (!dgIsSingleDirection(cell(x, y, z))) continue;
        if (rollDie(100) <= percent) tunnelFrom(x, y, z);
      }
    }
  }
}

// Digs on from a dead end in random directions until the tunnel meets the maze.
void DgMaze::tunnelFrom(int x, int y, int z) {
  for (;;) {
    uint32_t blocked = 0;
    uint32_t d = 0;
    int nx = 0, ny = 0, nz = 0;
    while (blocked != kDgAllDirections) {
      uint32_t t = dgDirectionFromDraw(RandomMod(6));
      int dx, dy, dz;
      dgStep(t, dx, dy, dz);
      nx = x + dx;
      ny = y + dy;
      nz = z + dz;
      if (!inside(nx, ny, nz) || cell(x, y, z) == t || !mask_->usable(nx, ny)) {
        blocked |= t;
        continue;
      }
      d = t;
      break;
    }
    if (d == 0) return;  // walled in on every side: give up this dead end
    bool wasEmpty = cell(nx, ny, nz) == 0;
    cell(x, y, z) |= d;
    cell(nx, ny, nz) |= dgOpposite(d);
    if (!wasEmpty) return;  // met the maze: a loop is closed
    x = nx;
    y = ny;
    z = nz;
  }
}
