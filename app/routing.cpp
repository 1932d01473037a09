#include "app/routing.h"

#include <algorithm>
#include <utility>

namespace velorin {
namespace {

bool contains(const Control& c, int x, int y) {
  const ControlSpec& s = c.spec();
  return x >= s.left && x < s.left + s.width && y >= s.top && y < s.top + s.height;
}

Container inner(const Control& frame) { return frame.spec().name == "Frame1" ? Container::Frame1 : Container::Frame2; }

Control* hit(Window& window, Container container, int x, int y) {
  for (Control* c : stacking_order(window, container)) {
    if (!c->Visible() || !contains(*c, x, y)) continue;
    if (c->spec().kind != Kind::Frame) return c;
    Control* own = hit(window, inner(*c), x - c->spec().left, y - c->spec().top);
    return own ? own : c;
  }
  return nullptr;
}

bool shown(Window& window, const Control& c) {
  for (const Control* p = &c; p; p = window.container_of(*p))
    if (!p->Visible()) return false;
  return true;
}

bool takes_focus(const Control& c) {
  switch (c.spec().kind) {
    case Kind::CommandButton:
    case Kind::TextBox:
    case Kind::PictureBox:
      return c.spec().tab_stop;
    case Kind::OptionButton:
      return c.spec().tab_stop && c.Value();
    case Kind::Label:
    case Kind::Frame:
      return false;
  }
  return false;
}

bool by_tab_index(const Control* a, const Control* b) { return a->spec().tab_index < b->spec().tab_index; }

char16_t upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool has_access_key(const Control& c, char16_t letter) {
  const std::u16string& caption = c.Caption();
  for (std::size_t i = caption.find(u'&'); i != std::u16string::npos && i + 1 < caption.size();
       i = caption.find(u'&', i + 2)) {
    if (caption[i + 1] != u'&') return upper(caption[i + 1]) == upper(letter);
  }
  return false;
}

}  // namespace

std::vector<Control*> stacking_order(Window& window, Container container) {
  std::vector<Control*> order;
  for (Control& c : window.controls())
    if (c.spec().container == container) order.push_back(&c);
  std::stable_partition(order.begin(), order.end(), [](const Control* c) { return c->spec().kind != Kind::Label; });
  return order;
}

Control* control_at(Window& window, int x, int y) { return hit(window, Container::Form1, x, y); }

std::vector<Control*> tab_order(Window& window) {
  std::vector<Control*> order;
  for (Control& c : window.controls())
    if (takes_focus(c) && shown(window, c)) order.push_back(&c);
  std::sort(order.begin(), order.end(), by_tab_index);
  return order;
}

Control* first_focus(Window& window) {
  const std::vector<Control*> order = tab_order(window);
  return order.empty() ? nullptr : order.front();
}

Control* next_focus(Window& window, const Control* current, Direction direction) {
  const std::vector<Control*> order = tab_order(window);
  if (order.empty()) return nullptr;
  const auto at = std::find(order.begin(), order.end(), current);
  if (at == order.end()) return direction == Direction::Forward ? order.front() : order.back();
  const std::size_t i = static_cast<std::size_t>(at - order.begin());
  const std::size_t n = order.size();
  return order[direction == Direction::Forward ? (i + 1) % n : (i + n - 1) % n];
}

Control* next_option(Window& window, const Control& current, Direction direction) {
  std::vector<Control*> group;
  for (Control& c : window.controls())
    if (c.spec().kind == Kind::OptionButton && c.spec().name == current.spec().name) group.push_back(&c);
  std::sort(group.begin(), group.end(), [](const Control* a, const Control* b) { return a->spec().index < b->spec().index; });
  const std::size_t i = static_cast<std::size_t>(std::find(group.begin(), group.end(), &current) - group.begin());
  const std::size_t n = group.size();
  return group[direction == Direction::Forward ? (i + 1) % n : (i + n - 1) % n];
}

Control* ClickPairing::release(Control* target) {
  Control* const pressed = std::exchange(pressed_, nullptr);
  return target == pressed ? target : nullptr;
}

Control* access_key_target(Window& window, char16_t letter) {
  std::vector<Control*> buttons;
  for (Control& c : window.controls())
    if (c.spec().kind == Kind::CommandButton && shown(window, c) && has_access_key(c, letter)) buttons.push_back(&c);
  const auto first = std::min_element(buttons.begin(), buttons.end(), by_tab_index);
  return first == buttons.end() ? nullptr : *first;
}

}  // namespace velorin
