#pragma once
// The Qt rendering of the window model: one widget per control, kept in step
// with the model, and native events handed to the core. What a click or a
// key does, and which control a point belongs to, is the core's to decide.

#include <QWidget>
#include <unordered_map>

#include "app/form1.h"
#include "app/routing.h"

namespace velorin::qt {

// The application-wide look the window is drawn for: the Fusion style, and
// the "MS Sans Serif" face where it is installed.
void install_look();

class MainWindow final : public QWidget, private WindowObserver, private SearchWait {
 public:
  explicit MainWindow(Form1& form);
  ~MainWindow() override;

  // Shows the window centred and gives the first focus, as start-up does.
  void start();

  QWidget* widget(const Control& control) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // main_window.cpp
  void create_native_controls();
  QWidget* create_native_control(Control& control, QWidget* parent);
  // control_sync.cpp
  void property_changed(const Control* control, Property property) override;
  void unloaded() override;
  void apply_colours(const Control& control, QWidget* widget);
  void apply_client_size();
  // events.cpp
  void connect_events(Control& control, QWidget* widget);
  void wait(std::function<void()> search, const std::function<bool()>& tick) override;
  bool input_while_searching(QWidget* widget, QEvent* event);
  bool access_key(const QKeyEvent* key);
  bool key_press(Control& focused, const QKeyEvent* key);
  void on_mouse_button(QWidget* widget, QEvent* event);
  void on_mouse_move(QWidget* widget, QEvent* event);

  Form1& form_;
  std::unordered_map<const Control*, QWidget*> widgets_;
  std::unordered_map<const QWidget*, Control*> controls_;
  ClickPairing clicks_;
  // The last movement handed on: Qt passes a movement a widget ignores on to
  // its parents, and the core is to see it once.
  quint64 last_move_time_ = 0;
  QPoint last_move_at_;
};

}  // namespace velorin::qt
