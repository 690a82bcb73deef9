#include "dungeon/maze/dg_pick_list.h"

#include "core/random.h"

int DgPickList::append(int value, int weight) {
  Node* node = new Node{value, weight, nullptr};
  if (tail_) {
    tail_->next = node;
  } else {
    head_ = node;
  }
  tail_ = node;
  count_++;
  return weight;
}

int DgPickList::pick(int n, int& total) {
  int sum = 0;
  Node* prev = nullptr;
  for (Node* node = head_; node; prev = node, node = node->next) {
    sum += node->weight;
    if (sum < n) continue;
    if (prev) {
      prev->next = node->next;
    } else {
      head_ = node->next;
    }
    if (tail_ == node) tail_ = prev;
    count_--;
    total -= node->weight;
    int value = node->value;
    delete node;
    return value;
  }
  return -1;
}

void DgPickList::clear() {
  while (head_) {
    Node* next = head_->next;
    delete head_;
    head_ = next;
  }
  tail_ = nullptr;
  count_ = 0;
}

int rollDie(int sides) {
  if (sides < 1) return 1;
  return 1 + RandomMod(sides);
}

int rollDice(int count, int sides) {
  int sum = 0;
  for (int i = 0; i < count; i++) sum += rollDie(sides);
  return sum;
}
