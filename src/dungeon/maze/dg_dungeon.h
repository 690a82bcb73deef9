// A dungeon made from a maze: a grid of walls, open passages and numbered rooms, with
// door records wherever a room side meets passage or another room.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dungeon/maze/dg_dungeon_settings.h"
#include "dungeon/maze/dg_maze.h"
#include "dungeon/maze/dg_maze_mask.h"

// Grid values.
constexpr uint32_t kDgWall = 1;
constexpr uint32_t kDgOpen = 2;
constexpr uint32_t kDgFirstRoom = 4;  // 4 + r: a cell of room r of its level

// Door types.
enum DgDoorType { kDgDoorWall = 1, kDgDoorPlain = 2, kDgDoorHidden = 3, kDgDoorSpecial = 4 };

// A boundary between two neighbouring grid cells; from is the upper or left one.
struct DgDoor {
  DgPoint from, to;
  int type;
  DgDoor* next;
};

struct DgRoom {
  int x, y, z;  // top-left grid cell and level
  int width, height;
  DgRoom* next;
  std::vector<DgDoor*> doors;  // this room's door records, newest first
  int doorCount;
};

// The type of a door that is to be an opening: hidden, special or plain, by percent.
int randomDoorType(int hiddenPercent, int specialPercent);

class DgDungeon {
 public:
  // The whole build: mask, grid, rooms, doors.
  explicit DgDungeon(const DgDungeonSettings& settings, const char* name = "");
  DgDungeon(const DgDungeon&) = delete;
  DgDungeon& operator=(const DgDungeon&) = delete;
  ~DgDungeon();

  // The grid value; 0 outside the grid.
  uint32_t cellAt(int x, int y, int z) const;
  // The boundary kind between grid cells a (upper or left) and b (lower or right):
  // the type of the newest door record from a to b; without one, 1 when exactly one
  // of the two cells is wall, else 0.
  int doorBetween(const DgPoint& a, const DgPoint& b) const;

  int gridWidth() const { return gridWidth_; }
  int gridHeight() const { return gridHeight_; }
  int depth() const { return depth_; }
  const std::vector<DgPoint>& path() const { return path_; }
  const DgRoom* rooms() const { return rooms_; }
  const DgDoor* doors() const { return doors_; }
  const DgMazeMask& mask() const { return *mask_; }
  const std::string& name() const { return name_; }

  // The build steps. The constructor runs them in order; a hand-made grid for a
  // close look at one step is made with the blank constructor and setCell/addRoom.
  struct Blank {};
  DgDungeon(Blank, int maskWidth, int maskHeight, int depth);
  void buildGrid(const DgDungeonSettings& settings);
  void placeRooms(const DgDungeonSettings& settings);
  // Chooses the top-left cell of a room of the given size (cut down to fit the
  // grid); false when the grid has no room for any room at all.
  bool findRoomPosition(int& width, int& height, int z, int& x, int& y);
  void placeDoors(const DgDungeonSettings& settings);
  void setCell(int x, int y, int z, uint32_t value);
  DgRoom* addRoom(int x, int y, int z, int width, int height);

 private:
  bool inside(int x, int y, int z) const {
    return x >= 0 && y >= 0 && z >= 0 && x < gridWidth_ && y < gridHeight_ && z < depth_;
  }
  size_t index(int x, int y, int z) const {
    return (static_cast<size_t>(x) * gridHeight_ + y) * depth_ + z;
  }
  // A cell beside a room that a door could lead to: anything but wall (and the grid's
  // outside counts as wall).
  bool opensOnto(int x, int y, int z) const {
    return inside(x, y, z) && grid_[index(x, y, z)] != kDgWall;
  }
  void allocateGrid();
  DgDoor* addDoor(const DgPoint& from, const DgPoint& to);
  void closeRun(std::vector<DgDoor*>& run, const DgDungeonSettings& settings);
  // The door records of one room side that are not yet closed, and the index along the
  // side of the newest one.
  struct SideRun {
    std::vector<DgDoor*> doors;
    int last = 0;
  };
  int extendRun(SideRun& run, int i, const DgPoint& outside, const DgPoint& from,
                const DgPoint& to, const DgDungeonSettings& settings);

  int gridWidth_ = 0, gridHeight_ = 0, depth_ = 0;
  std::vector<uint32_t> grid_;
  // The newest door record leaving each cell towards its right and its lower neighbour.
  std::vector<DgDoor*> rightDoor_, downDoor_;
  std::vector<DgPoint> path_;
  DgRoom* rooms_ = nullptr;
  DgDoor* doors_ = nullptr;
  std::unique_ptr<DgMazeMask> mask_;
  std::string name_;
};
