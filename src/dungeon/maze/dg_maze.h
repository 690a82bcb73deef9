// A random labyrinth in up to three dimensions: a perfect maze carved with a bias
// towards straight runs, its solution, and the two ways of thinning or looping it.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "dungeon/maze/dg_maze_mask.h"

struct DgPoint {
  int x, y, z;
  bool operator==(const DgPoint& o) const { return x == o.x && y == o.y && z == o.z; }
};

// One step of the solver's trail.
struct DgTrailNode {
  int x, y, z;
  uint32_t tried;  // directions already tried from this node
  DgTrailNode* previous;
};

class DgMaze {
 public:
  // A size below 1 leaves the maze empty: it has no cells and every operation does
  // nothing. Negative end coordinates stand for the last index. A seed above 0
  // reseeds the shared generator.
  DgMaze(int width, int height, int depth, int seed, int randomness, int startX, int startY,
         int startZ, int endX, int endY, int endZ);
  DgMaze(const DgMaze&) = delete;
  DgMaze& operator=(const DgMaze&) = delete;

  // Takes the mask over, drops the cells and makes new empty ones of the mask's size.
  void setMask(DgMazeMask* mask);
  // Carves a spanning tree through every usable cell.
  void generate();
  // The route from start to end, start first; empty when there is none or the maze
  // has loops.
  std::vector<DgPoint> solve() const;
  // Each pass removes the last cell of every dead-end corridor (start and end stay).
  void sparsify(int passes);
  // Tunnels on from dead ends (each with the given chance) until the tunnel meets the
  // maze; the maze is no longer perfect afterwards.
  void clearDeadEnds(int percent);
  // The direction set of a cell; 0 outside the maze.
  uint32_t cellAt(int x, int y, int z) const;
  // Joins a cell to its neighbour in direction d (both sides); used to build a maze
  // by hand. Does nothing when either cell is outside.
  void connect(int x, int y, int z, uint32_t d);

  bool empty() const { return empty_; }
  bool perfect() const { return perfect_; }
  int width() const { return width_; }
  int height() const { return height_; }
  int depth() const { return depth_; }
  DgPoint start() const { return start_; }
  DgPoint end() const { return end_; }
  const DgMazeMask* mask() const { return mask_.get(); }

 private:
  bool inside(int x, int y, int z) const {
    return x >= 0 && y >= 0 && z >= 0 && x < width_ && y < height_ && z < depth_;
  }
  size_t index(int x, int y, int z) const {
    return (static_cast<size_t>(x) * height_ + y) * depth_ + z;
  }
  uint32_t& cell(int x, int y, int z) { return cells_[index(x, y, z)]; }
  void resolveEnd();
  int reachableFrom(int x, int y, int z) const;
  void tunnelFrom(int x, int y, int z);

  bool empty_ = true;
  int width_ = 0, height_ = 0, depth_ = 0;
  DgPoint start_{0, 0, 0};
  DgPoint end_{0, 0, 0};
  DgPoint endRequest_{-1, -1, -1};
  std::vector<uint32_t> cells_;
  int randomness_ = 100;
  int seed_ = 0;
  bool perfect_ = true;
  std::unique_ptr<DgMazeMask> mask_;
};
