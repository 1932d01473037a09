#pragma once
// How a binding keeps its window alive while a search runs: the search goes
// to a thread of the binding's own, and the binding's event loop runs on
// meanwhile. What the window shows, and which events count, the core decides.

#include <functional>

namespace velorin {

class SearchWait {
 public:
  virtual ~SearchWait() = default;
  // Runs search on a thread of the binding's own and returns once it has
  // ended, or once tick answers false: the search, still running, is then
  // left to end by itself. Until then the window paints and hands its
  // events to the core, and tick runs on the window's thread at least every
  // 100 ms. Where no thread can be had, search runs here, and the input
  // made meanwhile is handed to the core before this returns, as input
  // made during the search.
  virtual void wait(std::function<void()> search, const std::function<bool()>& tick) = 0;
};

}  // namespace velorin
