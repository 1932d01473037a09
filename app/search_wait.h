#pragma once
// How a binding keeps its window alive while a search runs: the search goes
// to a thread of the binding's own, and the binding's event loop runs on
// meanwhile. What the window shows, and which events count, the core decides.

#include <functional>

namespace velorin {

class SearchWait {
 public:
  virtual ~SearchWait() = default;
  // Runs search elsewhere and returns once it has ended. Until then the
  // window paints and hands its events to the core, and tick runs on the
  // window's thread at least every 100 ms.
  virtual void wait(const std::function<void()>& search, const std::function<void()>& tick) = 0;
};

}  // namespace velorin
