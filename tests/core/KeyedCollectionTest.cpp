#include "core/KeyedCollection.h"

#include <gtest/gtest.h>

using ldr::KeyedCollection;

TEST(KeyedCollection, KeepsInsertionOrderAcrossRemovals) {
  KeyedCollection<int> items;
  for (long key : {30L, 10L, 20L, 40L}) items.Add(key, std::make_shared<int>(static_cast<int>(key)));
  EXPECT_TRUE(items.Remove(10));
  EXPECT_FALSE(items.Remove(10));
  std::vector<int> order;
  for (const auto& [key, item] : items) order.push_back(*item);
  EXPECT_EQ(order, (std::vector<int>{30, 20, 40}));
  // Positions follow the removal.
  EXPECT_EQ(items.PositionOf("40"), 3u);
  EXPECT_EQ(*items.Find(40), 40);
  EXPECT_EQ(items.Find(10), nullptr);
  EXPECT_EQ(items.PositionOf("10"), 0u);
}

TEST(KeyedCollection, DuplicateKeysAreRefused) {
  KeyedCollection<int> items;
  items.Add("1", std::make_shared<int>(1));
  EXPECT_THROW(items.Add(1, std::make_shared<int>(2)), std::invalid_argument);
  EXPECT_EQ(items.Count(), 1u);
  EXPECT_EQ(*items.At(0), 1);
}
