// Tab-order search with wrap-around in both directions, and the control
// timer table: id reuse, stopping all of a control's timers, the id cycle.
#include <gtest/gtest.h>

#include <vector>

#include "ui/manager/control_timers.h"
#include "ui/manager/tab_order.h"

namespace ZEPHYRA_NAMESPACE {
namespace {

struct Node {
  bool tabStop;
};

// Walks `tree` in order the way the manager does and returns the new focus.
Node* NextTabStop(std::vector<Node>& tree, Node* focus, bool forward) {
  YdTabStopSearch<Node> search(focus, forward);
  for (Node& n : tree) {
    if (Node* hit = search.Visit(&n, n.tabStop)) return hit;
  }
  if (search.NeedsSecondWalk()) return NextTabStop(tree, nullptr, true);
  return search.Fallback();
}

TEST(TabOrder, ForwardAndBackwardWrap) {
  std::vector<Node> tree{{false}, {true}, {false}, {true}, {true}, {false}};
  Node* first = &tree[1];
  Node* middle = &tree[3];
  Node* last = &tree[4];
  EXPECT_EQ(NextTabStop(tree, nullptr, true), first);
  EXPECT_EQ(NextTabStop(tree, first, true), middle);
  EXPECT_EQ(NextTabStop(tree, middle, true), last);
  EXPECT_EQ(NextTabStop(tree, last, true), first);    // wraps to the first
  EXPECT_EQ(NextTabStop(tree, last, false), middle);
  EXPECT_EQ(NextTabStop(tree, middle, false), first);
  EXPECT_EQ(NextTabStop(tree, first, false), last);   // Shift+Tab on the first: the last
  // Focus on a control that is not a tab stop.
  EXPECT_EQ(NextTabStop(tree, &tree[2], true), middle);
  EXPECT_EQ(NextTabStop(tree, &tree[2], false), first);
}

TEST(TabOrder, NoTabStopsOrOnlyOne) {
  std::vector<Node> none{{false}, {false}};
  EXPECT_EQ(NextTabStop(none, nullptr, true), nullptr);
  EXPECT_EQ(NextTabStop(none, &none[0], true), nullptr);
  EXPECT_EQ(NextTabStop(none, &none[0], false), nullptr);
  std::vector<Node> one{{false}, {true}};
  EXPECT_EQ(NextTabStop(one, &one[1], true), &one[1]);
  // Backward from the only tab stop finds nothing: no change, the focus stays.
  EXPECT_EQ(NextTabStop(one, &one[1], false), nullptr);
}

TEST(ControlTimers, ReuseStopAllAndDispatch) {
  int a = 0, b = 0;
  const uintptr_t window = 0x1234;
  YdTimerIdCycle ids;
  YdControlTimerTable<int> table;
  auto start = [&](int* control, int localId, unsigned interval) {
    const auto s = table.Prepare(control, window, localId, ids);
    if (!s.reused) table.Add({control, localId, window, s.timerId, interval});
    return s;
  };
  const auto a1 = start(&a, 1, 100);
  const auto a2 = start(&a, 2, 100);
  const auto b1 = start(&b, 1, 50);
  EXPECT_EQ(a1.timerId, 17u);
  EXPECT_EQ(a2.timerId, 18u);
  EXPECT_EQ(b1.timerId, 19u);
  const auto again = start(&a, 1, 300);
  EXPECT_TRUE(again.reused);
  EXPECT_EQ(again.timerId, 17u);
  EXPECT_EQ(table.Records().size(), 3u);
  EXPECT_EQ(table.Records()[0].intervalMs, 100u);  // the record keeps its old interval

  const auto targets = table.Targets(window, 0x10000 | 18u);  // only the low word counts
  ASSERT_EQ(targets.size(), 1u);
  EXPECT_EQ(targets[0].first, &a);
  EXPECT_EQ(targets[0].second, 2);
  EXPECT_TRUE(table.Targets(0x9999, 18).empty());

  EXPECT_EQ(table.Stop(&a, window, kAllControlTimers), (std::vector<unsigned>{17, 18}));
  EXPECT_TRUE(table.Stop(&a, window, 1).empty());
  EXPECT_EQ(table.Records().size(), 1u);
  EXPECT_EQ(table.Stop(&b, window, 2), std::vector<unsigned>{});
  EXPECT_EQ(table.StopAll(window), (std::vector<unsigned>{19}));
  EXPECT_TRUE(table.Records().empty());
}

TEST(ControlTimers, IdsHeldByRunningTimersAreSkipped) {
  int a = 0, b = 0;
  YdTimerIdCycle ids;
  YdControlTimerTable<int> table;
  const auto held = table.Prepare(&a, 1, 1, ids);
  table.Add({&a, 1, 1, held.timerId, 10});
  for (int i = 0; i < 254; ++i) ids.Next();  // the cycle comes round to 16
  const auto next = table.Prepare(&b, 1, 1, ids, [](unsigned id) { return id == 18; });
  EXPECT_TRUE(next.available);
  EXPECT_EQ(next.timerId, 19u);  // 17 (a's) and 18 (an animation's) skipped
  EXPECT_FALSE(table.UsesId(2, 17));  // another window's timers hold nothing here
  // Every id held: none to hand out, and the cycle stays where it was.
  const auto none = table.Prepare(&b, 1, 1, ids, [](unsigned) { return true; });
  EXPECT_FALSE(none.available);
  EXPECT_EQ(ids.Current(), 19u);
}

TEST(ControlTimers, IdsWrapAfter254) {
  int c = 0;
  YdTimerIdCycle ids;
  YdControlTimerTable<int> table;
  unsigned id = 0;
  for (int localId = 1; localId <= 239; ++localId) {
    const auto s = table.Prepare(&c, 1, localId, ids);
    table.Add({&c, localId, 1, s.timerId, 10});
    id = s.timerId;
  }
  EXPECT_EQ(id, 0u);  // the 239th timer
}

}  // namespace
}  // namespace ZEPHYRA_NAMESPACE
