#include "tests/pathfind/literal_path_search.h"

#include <algorithm>
#include <cstdlib>


namespace vdr::test {
namespace {

struct Node {
  Node* parent;
  int32_t x, y;
  float f, g;
  Node* next;
};

// A ring buffer of fixed capacity; insertion and removal move the shorter side.
template <typename T>
class FixedDeque {
 public:
  explicit FixedDeque(size_t capacity) : items_(std::max<size_t>(capacity, 1)) {}
  size_t Size() const { return size_; }
  T& operator[](size_t i) {
    const size_t at = head_ + i;
    return items_[at < items_.size() ? at : at - items_.size()];
  }
  T Back() { return (*this)[size_ - 1]; }
  void PopBack() { --size_; }
  void Insert(size_t at, T item) {
    if (at < size_ / 2) {
      head_ = head_ > 0 ? head_ - 1 : items_.size() - 1;
      for (size_t i = 0; i < at; ++i) (*this)[i] = (*this)[i + 1];
    } else {
      for (size_t i = size_; i > at; --i) (*this)[i] = (*this)[i - 1];
    }
    ++size_;
    (*this)[at] = item;
  }
  void Erase(size_t at) {
    if (at < size_ / 2) {
      for (size_t i = at; i > 0; --i) (*this)[i] = (*this)[i - 1];
      head_ = head_ + 1 < items_.size() ? head_ + 1 : 0;
    } else {
      for (size_t i = at; i + 1 < size_; ++i) (*this)[i] = (*this)[i + 1];
    }
    --size_;
  }

 private:
  std::vector<T> items_;
  size_t head_ = 0;
  size_t size_ = 0;
};

// 2^8 buckets, 16 x 16 tiles.
class NodeHashTable {
 public:
  Node* Find(int32_t x, int32_t y) {
    for (Node* node = buckets_[Bucket(x, y)]; node != nullptr; node = node->next) {
      if (node->x == x && node->y == y) return node;
    }
    return nullptr;
  }
  void Insert(Node* node) {
    Node*& head = buckets_[Bucket(node->x, node->y)];
    node->next = head;
    head = node;
  }
  void Remove(Node* node) {
    Node** link = &buckets_[Bucket(node->x, node->y)];
    while (*link != node) link = &(*link)->next;
    *link = node->next;
  }

 private:
  static int Bucket(int32_t x, int32_t y) { return (x & 15) | (y & 15) << 4; }
  Node* buckets_[256] = {};
};

class LiteralPlanner {
 public:
  LiteralPlanner(const RuntimeArray<double>& map, const PlannerSettings& settings)
      : settings_(settings), width_(map.Bounds(0)), height_(map.Bounds(1)),
        pool_(static_cast<size_t>(width_) * height_), open_(pool_.size()) {
    BuildCosts(map);
    weight_ = std::clamp(static_cast<float>(settings.weight), 0.0f, 1.0f);
  }

  LiteralResult Run() {
    Node* start = Take(nullptr, settings_.start.x, settings_.start.y, 0, 0);
    open_.Insert(0, start);
    while (open_.Size() > 0) {
      Node* current = open_.Back();
      open_.PopBack();
      ++result_.expanded;
      if (current->x == settings_.goal.x && current->y == settings_.goal.y) {
        closed_.Insert(current);
        for (Node* node = current; node != nullptr; node = node->parent) {
          result_.path.insert(result_.path.begin(), GridPoint{node->x, node->y});
        }
        result_.found = true;
        return result_;
      }
      static const int kSteps[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1}};
      for (const auto& step : kSteps) {
        const bool diagonal = step[0] != 0 && step[1] != 0;
        if (diagonal && !settings_.diagonalNeighbours) continue;
        Visit(current, current->x + step[0], current->y + step[1], diagonal);
      }
      closed_.Insert(current);
    }
    return result_;
  }

 private:
  void BuildCosts(const RuntimeArray<double>& map) {
    double largest = 0;
    for (int32_t y = 0; y < height_; ++y) {
      for (int32_t x = 0; x < width_; ++x) largest = std::max(largest, map.At(x, y));
    }
    costs_.resize(pool_.size());
    for (int32_t y = 0; y < height_; ++y) {
      for (int32_t x = 0; x < width_; ++x) {
        const double value = map.At(x, y);
        costs_[x + static_cast<size_t>(width_) * y] = value > 0 ? static_cast<float>(value / largest + 1.0) : -1.0f;
      }
    }
  }

  void Visit(Node* current, int32_t x, int32_t y, bool diagonal) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const float cost = costs_[x + static_cast<size_t>(width_) * y];
    if (cost < 0) return;
    const float g = diagonal && settings_.diagonalCost ? current->g + cost * 1.4142137f : current->g + cost;
    const float h = static_cast<float>(std::abs(settings_.goal.x - x) + std::abs(settings_.goal.y - y));
    const float f = g + weight_ * (h - g);
    if (Node* node = closed_.Find(x, y)) {
      if (node->g > g) {
        closed_.Remove(node);
        Update(node, current, g, f);
        ++result_.reopened;
      }
      return;
    }
    for (size_t i = open_.Size(); i-- > 0;) {
      Node* node = open_[i];
      if (node->x != x || node->y != y) continue;
      if (node->g > g) {
        open_.Erase(i);
        Update(node, current, g, f);
        ++result_.improvedOpen;
      }
      return;
    }
    Insert(Take(current, x, y, g, f));
  }

  void Update(Node* node, Node* parent, float g, float f) {
    node->parent = parent;
    node->g = g;
    node->f = f;
    Insert(node);
  }

  // At the first position whose f is not greater: the list runs from the
  // largest f at the front to the smallest at the back.
  void Insert(Node* node) {
    size_t low = 0, high = open_.Size();
    while (low < high) {
      const size_t middle = (low + high) / 2;
      if (open_[middle]->f > node->f) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    if (low < open_.Size() && open_[low]->f == node->f) ++result_.equalPriorityInserts;
    open_.Insert(low, node);
  }

  Node* Take(Node* parent, int32_t x, int32_t y, float g, float f) {
    Node* node = &pool_[used_++];
    *node = Node{parent, x, y, f, g, nullptr};
    return node;
  }

  PlannerSettings settings_;
  int32_t width_, height_;
  float weight_ = 0;
  std::vector<float> costs_;
  std::vector<Node> pool_;
  size_t used_ = 0;
  FixedDeque<Node*> open_;
  NodeHashTable closed_;
  LiteralResult result_;
};

}  // namespace

LiteralResult LiteralSearch(const RuntimeArray<double>& map, const PlannerSettings& settings) {
  return LiteralPlanner(map, settings).Run();
}

}  // namespace vdr::test
