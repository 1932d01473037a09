// The number and flag the search's threads share, used as the walk uses them.

#include <gtest/gtest.h>

#include <cstddef>
#include <thread>
#include <vector>

#include "platform/atomic.h"

namespace velorin {
namespace {

// Readers count the directories they take: with several adding at once, not
// one add may be lost.
TEST(Atomic, ThreadsAddingAtOnceLoseNoAdd) {
  constexpr std::size_t kThreads = 4, kEach = 4000000;
  Atomic<std::size_t> count{0};
  Atomic<bool> go{false};  // so that the threads overlap, not one after the other
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < kThreads; ++t)
    threads.emplace_back([&count, &go] {
      while (!go) std::this_thread::yield();
      for (std::size_t n = 0; n < kEach; ++n) count.fetch_add(1);
    });
  go = true;
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(count, kThreads * kEach);
}

}  // namespace
}  // namespace velorin
