// The maze generator: spanning trees, the solver, sparsening and dead-end tunnelling.
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

#include "core/random.h"
#include "dungeon/maze/dg_directions.h"
#include "dungeon/maze/dg_maze.h"

namespace {

std::vector<uint32_t> CellsOf(const DgMaze& m);

struct Step {
  uint32_t bit;
  int dx, dy, dz;
};
const Step kSteps[6] = {{kDgNorth, 0, -1, 0}, {kDgSouth, 0, 1, 0}, {kDgWest, -1, 0, 0},
                        {kDgEast, 1, 0, 0},   {kDgDown, 0, 0, -1}, {kDgUp, 0, 0, 1}};

// Checks that the maze's passages form one tree over exactly the usable cells.
void ExpectSpanningTree(const DgMaze& maze) {
  const DgMazeMask& mask = *maze.mask();
  int cells = 0, passages = 0;
  DgPoint first{-1, -1, -1};
  for (int x = 0; x < maze.width(); x++)
    for (int y = 0; y < maze.height(); y++)
      for (int z = 0; z < maze.depth(); z++) {
        uint32_t v = maze.cellAt(x, y, z);
        if (!mask.usable(x, y)) {
          EXPECT_EQ(v, 0u) << "excluded cell " << x << "," << y << "," << z;
          continue;
        }
        cells++;
        if (first.x < 0) first = {x, y, z};
        EXPECT_EQ(v & ~kDgAllDirections, 0u);
        for (const Step& s : kSteps) {
          if (!(v & s.bit)) continue;
          passages++;
          uint32_t n = maze.cellAt(x + s.dx, y + s.dy, z + s.dz);
          ASSERT_TRUE(mask.usable(x + s.dx, y + s.dy));
          EXPECT_TRUE(n & dgOpposite(s.bit)) << "one-way passage at " << x << "," << y << "," << z;
        }
      }
  EXPECT_EQ(passages / 2, cells - 1) << "a tree has one passage fewer than cells";
  // Every usable cell is reached from the first one.
  std::vector<DgPoint> seen{first};
  std::deque<DgPoint> todo{first};
  auto known = [&](const DgPoint& p) {
    for (const DgPoint& q : seen)
      if (q == p) return true;
    return false;
  };
  while (!todo.empty()) {
    DgPoint p = todo.front();
    todo.pop_front();
    uint32_t v = maze.cellAt(p.x, p.y, p.z);
    for (const Step& s : kSteps) {
      DgPoint n{p.x + s.dx, p.y + s.dy, p.z + s.dz};
      if ((v & s.bit) && !known(n)) {
        seen.push_back(n);
        todo.push_back(n);
      }
    }
  }
  EXPECT_EQ(static_cast<int>(seen.size()), cells);
}

struct TreeCase {
  int width, height, depth, seed, randomness;
  const char* holes;  // usable cells of a masked maze, row after row ('.' usable, '#' not)
};

TEST(MazeGenerate, CarvesASpanningTreeOverEveryUsableCell) {
  const TreeCase cases[] = {
      {13, 10, 1, 1, 40, nullptr},   {13, 10, 1, 77, 0, nullptr},
      {13, 10, 1, 9001, 100, nullptr}, {1, 9, 1, 5, 40, nullptr},
      {9, 1, 1, 6, 0, nullptr},      {4, 3, 3, 12, 50, nullptr},
      {5, 4, 1, 3, 40,
       "....#"
       ".##.#"
       "...#."
       "#...."},
  };
  for (const TreeCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << "x" << c.depth << " seed "
                                    << c.seed << " randomness " << c.randomness);
    DgMaze maze(c.width, c.height, c.depth, c.seed, c.randomness, 0, 0, 0, -1, -1, -1);
    if (c.holes) {
      auto* mask = new DgMazeMask(c.width, c.height);
      for (int y = 0; y < c.height; y++)
        for (int x = 0; x < c.width; x++) mask->set(x, y, c.holes[y * c.width + x] == '.');
      maze.setMask(mask);
    }
    maze.generate();
    ExpectSpanningTree(maze);
  }
}

TEST(MazeGenerate, SameSeedSameMaze) {
  auto cells = [](int seed) {
    DgMaze maze(13, 10, 1, seed, 40, 0, 0, 0, -1, -1, -1);
    maze.generate();
    std::vector<uint32_t> v;
    for (int x = 0; x < 13; x++)
      for (int y = 0; y < 10; y++) v.push_back(maze.cellAt(x, y, 0));
    return v;
  };
  EXPECT_EQ(cells(4711), cells(4711));
  EXPECT_NE(cells(4711), cells(4712));
}

TEST(MazeGenerate, OneCellMazeCarvesNothing) {
  SeedRandom(99);
  DgMaze maze(1, 1, 1, 0, 40, 0, 0, 0, -1, -1, -1);
  maze.generate();
  EXPECT_EQ(maze.cellAt(0, 0, 0), 0u);
  const uint32_t after = RandomState();
  // Only the pick of the first cell draws: x, y and z.
  SeedRandom(99);
  RandomDraw(), RandomDraw(), RandomDraw();
  EXPECT_EQ(after, RandomState());
}

// A turn draws directions until one is taken. A draw that would leave the maze only
// draws again, even when every direction is already tried; only a direction inside the
// maze that cannot be taken ends a turn without one. So the mazes of these seeds and
// the number of draws they take are fixed.
TEST(MazeGenerate, AStepOutOfTheMazeDrawsAgain) {
  struct Case {
    int width, height, seed, randomness;
    std::vector<uint32_t> cells;  // row after row
    int draws;
  } const cases[] = {
      {3, 1, 6, 0, {8, 12, 4}, 44},
      {4, 1, 6, 100, {8, 12, 12, 4}, 53},
      {3, 2, 3, 40, {10, 6, 2, 1, 9, 5}, 55},
      {3, 3, 5, 40, {10, 12, 6, 1, 8, 7, 8, 12, 5}, 60},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " seed " << c.seed);
    DgMaze maze(c.width, c.height, 1, c.seed, c.randomness, 0, 0, 0, -1, -1, -1);
    maze.generate();
    EXPECT_EQ(CellsOf(maze), c.cells);
    const uint32_t after = RandomState();
    SeedRandom(static_cast<uint32_t>(c.seed));
    for (int i = 0; i < c.draws; i++) RandomDraw();
    EXPECT_EQ(after, RandomState()) << "the number of draws";
  }
}

TEST(MazeGenerate, OnlyAPositiveSeedReseeds) {
  SeedRandom(55);
  DgMaze kept(3, 3, 1, 0, 40, 0, 0, 0, -1, -1, -1);
  EXPECT_EQ(RandomState(), 55u);
  DgMaze negative(3, 3, 1, -4, 40, 0, 0, 0, -1, -1, -1);
  EXPECT_EQ(RandomState(), 55u);
  DgMaze reseeded(3, 3, 1, 1234, 40, 0, 0, 0, -1, -1, -1);
  EXPECT_EQ(RandomState(), 1234u);
}

TEST(MazeGenerate, EmptyMazeDoesNothing) {
  for (int size : {0, -3}) {
    DgMaze maze(size, 5, 1, 1, 40, 0, 0, 0, -1, -1, -1);
    EXPECT_TRUE(maze.empty());
    maze.generate();
    maze.sparsify(3);
    maze.clearDeadEnds(100);
    EXPECT_EQ(maze.cellAt(0, 0, 0), 0u);
    EXPECT_TRUE(maze.solve().empty());
  }
}

TEST(MazeGenerate, MaskWithoutUsableCellsEndsAtOnce) {
  DgMaze maze(4, 4, 1, 1, 40, 0, 0, 0, -1, -1, -1);
  auto* mask = new DgMazeMask(4, 4);
  for (int x = 0; x < 4; x++)
    for (int y = 0; y < 4; y++) mask->set(x, y, 0);
  maze.setMask(mask);
  maze.generate();
  for (int x = 0; x < 4; x++)
    for (int y = 0; y < 4; y++) EXPECT_EQ(maze.cellAt(x, y, 0), 0u);
}

TEST(MazeGenerate, SplitMaskCarvesOnlyThePartOfTheFirstCell) {
  // Two parts, {0, 1} and {3, 4}: the carver cannot cross the gap and must not search
  // for it forever.
  for (int seed = 1; seed <= 20; seed++) {
    DgMaze maze(5, 1, 1, seed, 40, 0, 0, 0, -1, -1, -1);
    auto* mask = new DgMazeMask(5, 1);
    mask->set(2, 0, 0);
    maze.setMask(mask);
    maze.generate();
    bool left = maze.cellAt(0, 0, 0) == kDgEast && maze.cellAt(1, 0, 0) == kDgWest;
    bool right = maze.cellAt(3, 0, 0) == kDgEast && maze.cellAt(4, 0, 0) == kDgWest;
    EXPECT_NE(left, right) << "seed " << seed;
    EXPECT_EQ(maze.cellAt(2, 0, 0), 0u);
  }
}

TEST(MazeGenerate, NewMaskResizesTheMazeAndMovesALastCellEnd) {
  DgMaze maze(3, 3, 1, 0, 40, 0, 0, 0, -1, -1, -1);
  EXPECT_EQ(maze.end(), (DgPoint{2, 2, 0}));
  maze.setMask(new DgMazeMask(6, 2));
  EXPECT_EQ(maze.width(), 6);
  EXPECT_EQ(maze.height(), 2);
  EXPECT_EQ(maze.end(), (DgPoint{5, 1, 0}));
  maze.generate();
  ExpectSpanningTree(maze);
  EXPECT_EQ(maze.solve().back(), (DgPoint{5, 1, 0}));
}

TEST(MazeSolve, FollowsPassagesFromStartToEnd) {
  for (int seed : {1, 2, 3, 500}) {
    DgMaze maze(13, 10, 1, seed, 40, 0, 0, 0, -1, -1, -1);
    maze.generate();
    std::vector<DgPoint> path = maze.solve();
    ASSERT_GE(path.size(), 22u) << "at least the Manhattan distance";
    EXPECT_EQ(path.front(), (DgPoint{0, 0, 0}));
    EXPECT_EQ(path.back(), (DgPoint{12, 9, 0}));
    for (size_t i = 1; i < path.size(); i++) {
      const DgPoint &a = path[i - 1], &b = path[i];
      uint32_t bit = 0;
      for (const Step& s : kSteps)
        if (a.x + s.dx == b.x && a.y + s.dy == b.y && a.z + s.dz == b.z) bit = s.bit;
      ASSERT_NE(bit, 0u) << "step " << i << " is not to a neighbour";
      EXPECT_TRUE(maze.cellAt(a.x, a.y, a.z) & bit) << "step " << i << " goes through a wall";
      for (size_t j = 0; j < i; j++) EXPECT_FALSE(path[j] == b) << "the path visits a cell twice";
    }
  }
}

TEST(MazeSolve, NoPathWhenEndIsCutOffOrMazeHasLoops) {
  DgMaze cut(3, 1, 1, 0, 40, 0, 0, 0, -1, -1, -1);
  cut.connect(0, 0, 0, kDgEast);  // (2, 0) stays apart
  EXPECT_TRUE(cut.solve().empty());

  DgMaze looped(6, 6, 1, 8, 40, 0, 0, 0, -1, -1, -1);
  looped.generate();
  ASSERT_FALSE(looped.solve().empty());
  looped.clearDeadEnds(0);
  EXPECT_FALSE(looped.perfect());
  EXPECT_TRUE(looped.solve().empty());

  DgMaze outside(3, 3, 1, 0, 40, 0, 0, 0, 7, 7, 0);
  outside.generate();
  EXPECT_TRUE(outside.solve().empty());
}

// A hand-made 5 x 3 maze: a spine from the start (0,0) to the end (4,0) along the top,
// and three dead-end branches hanging from it:
//   C: (1,0)-(1,1)-(0,1)   its tip (0,1) is visited before (1,1)
//   A: (2,0)-(2,1)-(2,2)
//   B: (3,0)-(3,1)
void BuildBranches(DgMaze& m) {
  for (int x = 0; x < 4; x++) m.connect(x, 0, 0, kDgEast);
  m.connect(1, 0, 0, kDgSouth);
  m.connect(1, 1, 0, kDgWest);
  m.connect(2, 0, 0, kDgSouth);
  m.connect(2, 1, 0, kDgSouth);
  m.connect(3, 0, 0, kDgSouth);
}

std::vector<uint32_t> CellsOf(const DgMaze& m) {
  std::vector<uint32_t> v;
  for (int y = 0; y < m.height(); y++)
    for (int x = 0; x < m.width(); x++) v.push_back(m.cellAt(x, y, 0));
  return v;
}

TEST(MazeSparsify, EachPassShortensEveryDeadEndByOneCellAndKeepsStartAndEnd) {
  DgMaze maze(5, 3, 1, 0, 40, 0, 0, 0, 4, 0, 0);
  BuildBranches(maze);

  DgMaze afterOne(5, 3, 1, 0, 40, 0, 0, 0, 4, 0, 0);
  for (int x = 0; x < 4; x++) afterOne.connect(x, 0, 0, kDgEast);
  afterOne.connect(1, 0, 0, kDgSouth);  // C lost its tip only
  afterOne.connect(2, 0, 0, kDgSouth);  // A lost its tip only; B is gone

  DgMaze spine(5, 3, 1, 0, 40, 0, 0, 0, 4, 0, 0);
  for (int x = 0; x < 4; x++) spine.connect(x, 0, 0, kDgEast);

  maze.sparsify(1);
  EXPECT_EQ(CellsOf(maze), CellsOf(afterOne));
  maze.sparsify(1);
  EXPECT_EQ(CellsOf(maze), CellsOf(spine));
  maze.sparsify(5);  // start and end are dead ends too, but they stay
  EXPECT_EQ(CellsOf(maze), CellsOf(spine));
  for (uint32_t v : CellsOf(maze)) EXPECT_EQ(v & kDgPassMark, 0u);
}

TEST(MazeClearDeadEnds, FullChanceLeavesNoDeadEnd) {
  DgMaze maze(13, 10, 1, 321, 40, 0, 0, 0, -1, -1, -1);
  maze.generate();
  maze.clearDeadEnds(100);
  EXPECT_FALSE(maze.perfect());
  for (int x = 0; x < 13; x++)
    for (int y = 0; y < 10; y++)
      EXPECT_FALSE(dgIsSingleDirection(maze.cellAt(x, y, 0))) << x << "," << y;
}

TEST(MazeClearDeadEnds, NoChanceChangesNothingButStillRollsForEachDeadEnd) {
  DgMaze maze(13, 10, 1, 321, 40, 0, 0, 0, -1, -1, -1);
  maze.generate();
  std::vector<uint32_t> before = CellsOf(maze);
  int deadEnds = 0;
  for (uint32_t v : before) deadEnds += dgIsSingleDirection(v);
  ASSERT_GT(deadEnds, 0);

  SeedRandom(1234);
  maze.clearDeadEnds(0);
  uint32_t after = RandomState();
  SeedRandom(1234);
  for (int i = 0; i < deadEnds; i++) RandomDraw();
  EXPECT_EQ(after, RandomState());
  EXPECT_EQ(CellsOf(maze), before);
}

TEST(MazeClearDeadEnds, GivesUpWhenEveryWayIsBlocked) {
  // A one-cell-wide corridor: its two ends have nowhere to tunnel to.
  DgMaze maze(1, 4, 1, 0, 40, 0, 0, 0, -1, -1, -1);
  for (int y = 0; y < 3; y++) maze.connect(0, y, 0, kDgSouth);
  std::vector<uint32_t> before = CellsOf(maze);
  maze.clearDeadEnds(100);
  EXPECT_EQ(CellsOf(maze), before);
}

}  // namespace
