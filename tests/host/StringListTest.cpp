#include <gtest/gtest.h>

#include <string>

#include "core/Exceptions.h"
#include "core/Strings.h"

namespace {

TEST(StringList, KeepsOrderAndDuplicates) {
  TStringList list;
  list.Add("C:\\b.txt");
  list.Add("C:\\a.txt");
  list.Add("C:\\b.txt");
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Get(0), "C:\\b.txt");
  EXPECT_EQ(list.Get(1), "C:\\a.txt");
  EXPECT_EQ(list.Get(2), "C:\\b.txt");
  EXPECT_EQ(list.Text(), "C:\\b.txt\r\nC:\\a.txt\r\nC:\\b.txt\r\n");
}

TEST(StringList, ReplacesEntriesOfAnyLength) {
  TStringList list;
  for (int i = 0; i < 1000; ++i) list.Add("entry " + std::to_string(i));
  for (int i = 0; i < 1000; ++i) list.Put(i, i % 2 ? "x" : std::string(300, 'L') + std::to_string(i));
  for (int i = 0; i < 1000; ++i) EXPECT_EQ(list.Get(i), i % 2 ? "x" : std::string(300, 'L') + std::to_string(i)) << i;
  list.Put(5, "");
  EXPECT_EQ(list.Get(5), "");
  EXPECT_EQ(list.Get(6), std::string(300, 'L') + "6");
}

TEST(StringList, IndexOutsideTheListIsAnError) {
  TStringList list;
  list.Add("a");
  EXPECT_THROW(list.Get(1), EStringListError);
  EXPECT_THROW(list.Get(-1), EStringListError);
  EXPECT_THROW(list.Put(1, "b"), EStringListError);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_THROW(list.Get(0), EStringListError);
}

TEST(StringList, HoldsLinesLongerThanAChunk) {
  TStringList list;
  std::string longLine(200000, 'z');
  list.Add("short");
  list.Add(longLine);
  list.Add("after");
  EXPECT_EQ(list.Get(1), longLine);
  EXPECT_EQ(list.Get(2), "after");
}

}  // namespace
