#include "app/window.h"

#include <stdexcept>

namespace velorin {
namespace {

std::string display_name(const ControlSpec& spec) {
  std::string name(spec.name);
  if (spec.index >= 0) name += "(" + std::to_string(spec.index) + ")";
  return name;
}

}  // namespace

Control::Control(Window& window, const ControlSpec& spec)
    : window_(window),
      spec_(spec),
      name_(display_name(spec)),
      text_(spec.caption),
      back_colour_(spec.back),
      tooltip_(spec.tooltip),
      value_(spec.initially_selected) {}

void Control::changed(Property property) {
  if (window_.observer_) window_.observer_->property_changed(this, property);
}

namespace {

// Assigns and says whether anything changed.
template <class T>
bool update(T& field, T value) {
  if (field == value) return false;
  field = std::move(value);
  return true;
}

}  // namespace

void Control::set_Caption(std::u16string caption) {
  if (update(text_, std::move(caption))) changed(Property::Caption);
}

void Control::set_Text(std::u16string text) {
  if (!update(text_, std::move(text))) return;
  changed(Property::Text);
  if (Change) Change();
}

void Control::set_Visible(bool visible) {
  if (update(visible_, visible)) changed(Property::Visible);
}

void Control::set_BackColor(Colour colour) {
  if (update(back_colour_, colour)) changed(Property::BackColor);
}

void Control::set_ToolTipText(std::u16string tooltip) {
  if (update(tooltip_, std::move(tooltip))) changed(Property::ToolTipText);
}

void Control::set_Value(bool value) {
  if (value && spec_.kind == Kind::OptionButton) window_.select_option(*this);
  if (update(value_, value)) changed(Property::Value);
}

// Placing the caret always reaches the control: the user may have moved it
// since the model last placed it at the same position.
void Control::set_SelStart(int position) {
  sel_start_ = position;
  changed(Property::SelStart);
}

void Control::restore(const State& state) {
  if (update(text_, state.text)) changed(spec_.kind == Kind::TextBox ? Property::Text : Property::Caption);
  if (update(tooltip_, state.tooltip)) changed(Property::ToolTipText);
  if (update(visible_, state.visible)) changed(Property::Visible);
  if (update(value_, state.value)) changed(Property::Value);
  if (update(back_colour_, state.back_colour)) changed(Property::BackColor);
  if (update(sel_start_, state.sel_start)) changed(Property::SelStart);
}

Window::Window() : height_(form_spec().frame_top + form_spec().client_height + form_spec().frame_bottom) {
  for (const ControlSpec& spec : catalogue()) controls_.emplace_back(*this, spec);
}

Control* Window::find(std::string_view name, int index) {
  for (Control& c : controls_)
    if (c.spec().name == name && c.spec().index == index) return &c;
  return nullptr;
}

Control& Window::control(std::string_view name, int index) {
  if (Control* c = find(name, index)) return *c;
  throw std::out_of_range("no control " + std::string(name));
}

Control* Window::container_of(const Control& control) {
  switch (control.spec().container) {
    case Container::Form1:
      return nullptr;
    case Container::Frame1:
      return find("Frame1");
    case Container::Frame2:
      return find("Frame2");
  }
  return nullptr;
}

void Window::changed(Property property) {
  if (observer_) observer_->property_changed(nullptr, property);
}

void Window::set_Height(int twips) {
  if (update(height_, twips)) changed(Property::Height);
}

void Window::set_Busy(bool busy) {
  if (update(busy_, busy)) changed(Property::Busy);
}

Window::Snapshot Window::snapshot() const {
  Snapshot snapshot{{}, height_};
  for (const Control& c : controls_) snapshot.controls.push_back(c.state());
  return snapshot;
}

void Window::restore(const Snapshot& snapshot) {
  std::size_t n = 0;
  for (Control& c : controls_) c.restore(snapshot.controls.at(n++));
  set_Height(snapshot.height);
}

int Window::client_height() const { return height_ - form_spec().frame_top - form_spec().frame_bottom; }

void Window::select_option(const Control& selected) {
  for (Control& c : controls_)
    if (&c != &selected && c.spec().kind == Kind::OptionButton && c.spec().container == selected.spec().container)
      c.set_Value(false);
}

}  // namespace velorin
