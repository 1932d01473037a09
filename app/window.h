#pragma once
// The window model at run time: each control is its catalogue row plus the
// properties that code may change. Every change is reported to one observer
// (the toolkit binding); the model itself draws nothing.

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/catalogue.h"

namespace velorin {

class Control;

// Height and Busy belong to the window itself. Busy: a search runs, and the
// whole window shows the wait pointer.
enum class Property { Caption, Text, Visible, BackColor, ToolTipText, Value, SelStart, Height, Busy };

// A binding implements this to mirror the model; the defaults ignore everything.
class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  // control is null for a property of the window itself (Height, Busy).
  virtual void property_changed(const Control* /*control*/, Property /*property*/) {}
  virtual void unloaded() {}
};

class Window;

class Control final {
 public:
  Control(Window& window, const ControlSpec& spec);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlSpec& spec() const { return spec_; }
  // The control's name as code and tools know it: "Command1", "Option1(0)".
  const std::string& name() const { return name_; }

  const std::u16string& Caption() const { return text_; }
  void set_Caption(std::u16string caption);
  // Writing a different text runs Change before returning; an equal one runs nothing.
  const std::u16string& Text() const { return text_; }
  void set_Text(std::u16string text);
  bool Visible() const { return visible_; }
  void set_Visible(bool visible);
  Colour BackColor() const { return back_colour_; }
  void set_BackColor(Colour colour);
  const std::u16string& ToolTipText() const { return tooltip_; }
  void set_ToolTipText(std::u16string tooltip);
  // Selecting an option button clears the other option buttons of its container.
  bool Value() const { return value_; }
  void set_Value(bool value);
  int SelStart() const { return sel_start_; }
  void set_SelStart(int position);

  std::function<void()> Change;  // the text box's change handler, if it has one

  // Every property code may change, to be put back later. Putting it back
  // tells the observer of each difference and runs no change handler.
  struct State final {
    std::u16string text, tooltip;
    bool visible, value;
    Colour back_colour;
    int sel_start;
    bool operator==(const State&) const = default;
  };
  State state() const { return {text_, tooltip_, visible_, value_, back_colour_, sel_start_}; }
  void restore(const State& state);

 private:
  void changed(Property property);

  Window& window_;
  const ControlSpec& spec_;
  std::string name_;
  std::u16string text_;
  bool visible_ = true;
  Colour back_colour_;
  std::u16string tooltip_;
  bool value_ = false;
  int sel_start_ = 0;
};

class Window final {
 public:
  Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // All controls in catalogue order.
  std::deque<Control>& controls() { return controls_; }
  const std::deque<Control>& controls() const { return controls_; }
  Control& control(std::string_view name, int index = -1);
  Control* find(std::string_view name, int index = -1);
  // The frame a control lies in, or null for a control on the window itself.
  Control* container_of(const Control& control);

  // Outer height in twips, measured with the design system's frame.
  int Height() const { return height_; }
  void set_Height(int twips);
  int client_height() const;
  bool Busy() const { return busy_; }
  void set_Busy(bool busy);

  // The whole window as code left it, and putting it back.
  struct Snapshot final {
    std::vector<Control::State> controls;
    int height;
    bool operator==(const Snapshot&) const = default;
  };
  Snapshot snapshot() const;
  void restore(const Snapshot& snapshot);

  void set_observer(WindowObserver* observer) { observer_ = observer; }
  WindowObserver* observer() const { return observer_; }

 private:
  friend class Control;
  void select_option(const Control& selected);
  void changed(Property property);

  std::deque<Control> controls_;  // a deque keeps every control at its address
  int height_;
  bool busy_ = false;
  WindowObserver* observer_ = nullptr;
};

}  // namespace velorin
