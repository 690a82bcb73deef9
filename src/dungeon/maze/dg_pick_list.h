// Weighted picking for the maze library, and its dice.
#pragma once

// A list of (value, weight) entries appended at the tail; one is picked by a running
// sum of weights and taken out of the list.
class DgPickList {
 public:
  DgPickList() = default;
  DgPickList(const DgPickList&) = delete;
  DgPickList& operator=(const DgPickList&) = delete;
  ~DgPickList() { clear(); }

  // Appends an entry; returns its weight.
  int append(int value, int weight);
  // Walks the list summing weights until the sum reaches n, unlinks that entry,
  // subtracts its weight from total and returns its value; -1 when the list ends first.
  int pick(int n, int& total);
  void clear();
  int size() const { return count_; }

 private:
  struct Node {
    int value;
    int weight;
    Node* next;
  };
  Node* head_ = nullptr;
  Node* tail_ = nullptr;
  int count_ = 0;
};

// 1 + a draw modulo sides: 1..sides (1 when sides is below 1, without a draw).
int rollDie(int sides);
// The sum of count rolls of a die with the given sides.
int rollDice(int count, int sides);
