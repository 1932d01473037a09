#pragma once
// The native Win32 rendering of the window model: one child window of the
// usual class per control, kept in step with the model, and native messages
// handed to the core. Each child's ID is 1000 plus its tab index and its
// window text is its caption, so that automation can find it. What a click or
// a key does, and which control a point belongs to, is the core's to decide.

#include <windows.h>

#include <map>
#include <unordered_map>

#include "app/form1.h"
#include "app/routing.h"

namespace velorin::win32 {

// Longer tooltips wrap at this width, in pixels.
inline constexpr int kTooltipWidth = 600;

class MainWindow final : private WindowObserver, private SearchWait {
 public:
  MainWindow(HINSTANCE instance, Form1& form);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // Shows the window centred and gives the first focus, as start-up does.
  void start();
  // Keys the core decides on (Tab, access keys, Enter on a button); true
  // when the message was taken and is not to be dispatched.
  bool pre_translate(const MSG& msg);

 private:
  struct Native {
    Control* control;
    HWND hwnd;
    WNDPROC native_proc;
  };

  // main_window.cpp
  void create_native_controls();
  HWND create_native_control(Control& control, HWND parent);
  HFONT font(Font font);
  HBRUSH brush(COLORREF colour);
  int dpi() const { return dpi_; }
  void apply_client_size();
  // control_sync.cpp
  void property_changed(const Control* control, Property property) override;
  void redraw(const Native& native);
  void unloaded() override;
  void show_pointer();
  // events.cpp
  void connect_events(Control& control, HWND child);
  void wait(std::function<void()> search, const std::function<bool()>& tick) override;
  bool input_while_searching(const MSG& msg);
  bool access_key(WPARAM key);
  bool key_press(WPARAM key);
  static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK child_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT handle_child_message(Native& native, UINT message, WPARAM wparam, LPARAM lparam);
  void on_command(HWND child, int notification);
  HCURSOR pointer(Pointer own) const;
  void on_mouse_move(POINT client);
  void on_mouse_button(POINT client, bool down);
  // painting.cpp
  LRESULT on_colour(HWND child, HDC dc);
  void on_draw_item(const DRAWITEMSTRUCT& item);
  void draw_caption(HDC dc, RECT r, const Control& control);
  void paint_frame(const Native& native);
  void erase_frame(const Native& native, HDC dc);
  LRESULT frame_changed(const Native& native, UINT message, WPARAM wparam, LPARAM lparam);
  // tooltips.cpp
  void create_tooltip();
  void tool(UINT message, const Native& native);
  void relay_to_tooltip(HWND child, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK tooltip_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  int tooltip_width();
  Native* native(HWND hwnd);
  Native* native(const Control& control);
  POINT client_point(HWND from, LPARAM lparam) const;

  HINSTANCE instance_;
  Form1& form_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  WNDPROC tooltip_native_proc_ = nullptr;
  int dpi_ = 96;
  std::unordered_map<HWND, Native> natives_;
  std::unordered_map<const Control*, HWND> hwnds_;
  std::map<Font, HFONT> fonts_;
  std::map<COLORREF, HBRUSH> brushes_;
  ClickPairing clicks_;
  bool applying_ = false;       // the model is being written into the controls
};

}  // namespace velorin::win32
