// Single-observer ISMCTS: one tree of the searching side's moves, a new guess at the hidden cards
// each iteration, and UCB over the moves that guess allows. The other side's moves and the stock are
// what the guess and the designed player make of them: at a few thousand iterations a tree of the
// opponent's replies tries each of them about equally and so misjudges a player who keeps to the card
// priority; modelling the opponent by that priority won about ten points more against 強い.
#include "computer/ismcts.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include "computer/win_chance.h"
#include "engine/random.h"
#include "model/determinize.h"
#include "model/month.h"
#include "model/playout.h"
#include "model/policy.h"

namespace pg::computer {

namespace {

// Values are chances of winning the match, and a month seldom moves them by more than a few tenths,
// so exploration is kept well below the textbook √2.
constexpr double kExploration = 0.35;
// The playouts follow the designed player but now and then play any legal move, so a line that
// only works against one exact reply is not trusted.
constexpr double kPlayoutNoise = 0.1;
constexpr int kClockEvery = 64;
constexpr int kNone = -1;

struct Node {
  model::Move move;
  int firstChild = kNone;
  int nextSibling = kNone;
  int visits = 0;
  int available = 0;  // iterations in which `move` was legal when its parent was reached
  double value = 0;
};

struct NoisyDesignedPolicy {
  model::Move operator()(const model::State& s, Random& random) const {
    return random.Uniform() < kPlayoutNoise ? model::RandomMove(s, random) : model::DesignedMove(s, random);
  }
};

class Tree {
 public:
  Tree(const WinChance& chance, int iterations) : chance_(chance) {
    nodes_.reserve(static_cast<std::size_t>(iterations) + 1);
    nodes_.emplace_back();
  }

  // One iteration on the guess `s`: down the tree while every legal move of `side` has a node, one
  // new node, a playout to the month's end, and the chance of winning counted back up the path.
  void Iterate(model::State s, int side, Random& random) {
    path_.clear();
    int node = 0;
    model::MoveList moves;
    while (model::InMonth(s)) {
      if (s.mover != side) {
        model::Apply(s, NoisyDesignedPolicy{}(s, random));
        continue;
      }
      model::LegalMoves(s, moves);
      int untried = kNone;
      int chosen = kNone;
      double best = 0;
      for (int i = 0; i < moves.size; ++i) {
        const int child = FindChild(node, moves[i]);
        if (child == kNone) {
          if (untried == kNone) untried = i;
          continue;
        }
        Node& c = nodes_[static_cast<std::size_t>(child)];
        ++c.available;
        const double score =
            c.value / c.visits + kExploration * std::sqrt(std::log(static_cast<double>(c.available)) / c.visits);
        if (chosen == kNone || score > best) {
          chosen = child;
          best = score;
        }
      }
      if (untried != kNone) {
        node = AddChild(node, moves[untried]);
        path_.push_back(node);
        model::Apply(s, moves[untried]);
        break;
      }
      node = chosen;
      path_.push_back(node);
      model::Apply(s, nodes_[static_cast<std::size_t>(node)].move);
    }
    model::PlayOutMonth(s, NoisyDesignedPolicy{}, NoisyDesignedPolicy{}, random);
    const double outcome = chance_.AfterMonth(s, side);
    ++nodes_[0].visits;
    for (int n : path_) {
      Node& c = nodes_[static_cast<std::size_t>(n)];
      ++c.visits;
      c.value += outcome;
    }
  }

  // The root's moves, the most visited first; a tie goes to the better value.
  std::vector<RootMove> RootMoves() const {
    std::vector<RootMove> moves;
    for (int c = nodes_[0].firstChild; c != kNone; c = nodes_[static_cast<std::size_t>(c)].nextSibling) {
      const Node& n = nodes_[static_cast<std::size_t>(c)];
      moves.push_back({n.move, n.visits, n.visits > 0 ? n.value / n.visits : 0.0});
    }
    const int best = BestChild();
    std::stable_partition(moves.begin(), moves.end(),
                          [&](const RootMove& m) { return m.move == nodes_[static_cast<std::size_t>(best)].move; });
    return moves;
  }

  model::Move BestMove() const { return nodes_[static_cast<std::size_t>(BestChild())].move; }

 private:
  // The root's most visited child; a tie goes to the better value.
  int BestChild() const {
    int best = kNone;
    for (int c = nodes_[0].firstChild; c != kNone; c = nodes_[static_cast<std::size_t>(c)].nextSibling) {
      const Node& n = nodes_[static_cast<std::size_t>(c)];
      if (best == kNone) {
        best = c;
        continue;
      }
      const Node& b = nodes_[static_cast<std::size_t>(best)];
      if (n.visits > b.visits || (n.visits == b.visits && n.value > b.value)) best = c;
    }
    return best;
  }

  int FindChild(int parent, model::Move move) const {
    for (int c = nodes_[static_cast<std::size_t>(parent)].firstChild; c != kNone;
         c = nodes_[static_cast<std::size_t>(c)].nextSibling) {
      const Node& n = nodes_[static_cast<std::size_t>(c)];
      if (n.move == move) return c;
    }
    return kNone;
  }

  int AddChild(int parent, model::Move move) {
    Node child;
    child.move = move;
    child.available = 1;
    child.nextSibling = nodes_[static_cast<std::size_t>(parent)].firstChild;
    const int index = static_cast<int>(nodes_.size());
    nodes_.push_back(child);
    nodes_[static_cast<std::size_t>(parent)].firstChild = index;
    return index;
  }

  const WinChance& chance_;
  std::vector<Node> nodes_;
  std::vector<int> path_;
};

void Search(Tree& tree, const model::State& s, std::uint64_t seed, const SearchBudget& budget) {
  const int side = s.mover;
  const auto deadline = std::chrono::steady_clock::now() + budget.cap;
  Random random(seed);
  for (int i = 0; i < budget.iterations; ++i) {
    if (i % kClockEvery == kClockEvery - 1 && std::chrono::steady_clock::now() > deadline) break;
    tree.Iterate(model::Determinize(s, side, random), side, random);
  }
}

}  // namespace

model::Move IsmctsMove(const model::State& s, std::uint64_t seed, const SearchBudget& budget) {
  model::MoveList moves;
  model::LegalMoves(s, moves);
  if (moves.size <= 1) return moves[0];
  Tree tree(WinChanceFor(s.rules), budget.iterations);
  Search(tree, s, seed, budget);
  return tree.BestMove();
}

std::vector<RootMove> IsmctsRootMoves(const model::State& s, std::uint64_t seed, const SearchBudget& budget) {
  Tree tree(WinChanceFor(s.rules), budget.iterations);
  Search(tree, s, seed, budget);
  return tree.RootMoves();
}

}  // namespace pg::computer
