#pragma once
// The rules both toolkit bindings share, so that they behave alike: which
// control a point of the window belongs to, the stacking order they create
// native controls in, what makes a click, and where the keyboard focus goes.

#include <vector>

#include "app/window.h"

namespace velorin {

// The controls of one container, topmost first: the catalogue's order, with
// labels beneath every other kind of control.
std::vector<Control*> stacking_order(Window& window, Container container);

// The control a point of the client area (twips) belongs to: the topmost
// visible one; a frame only where none of its own visible controls lies.
// Null for the bare window.
Control* control_at(Window& window, int x, int y);

// The controls the Tab key visits, in order: ascending tab index; no labels,
// frames, hidden controls or controls that are no tab stops; of an option
// group only the selected button.
std::vector<Control*> tab_order(Window& window);
Control* first_focus(Window& window);
enum class Direction { Forward, Backward };
Control* next_focus(Window& window, const Control* current, Direction direction);

// The option button an arrow key selects: Up and Left the previous one of
// the same array, Down and Right the next, wrapping round.
Control* next_option(Window& window, const Control& current, Direction direction);

// A click on a control that is not a button: the left button pressed and
// released over the same control. Every release ends the press, so a release
// after a press elsewhere, or with no press seen, clicks nothing.
class ClickPairing final {
 public:
  void press(Control* target) { pressed_ = target; }
  // The control clicked, or null.
  Control* release(Control* target);

 private:
  Control* pressed_ = nullptr;
};

// The shown button whose caption marks this letter as its access key ("&A"),
// the first in tab order where two share it (Alt+S clicks "&Systemtest"
// while "&Systemtest Download" shows beside it); null for none.
Control* access_key_target(Window& window, char16_t letter);

}  // namespace velorin
