// Native events in, handler calls out. Buttons report their own clicks (the
// mouse, Space and access keys alike); every other click is placed by the
// core's stacking rule, which sees labels beneath buttons and the frames
// beneath their controls.

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "app/routing.h"
#include "platform/qt/convert.h"
#include "platform/qt/main_window.h"

namespace velorin::qt {

void MainWindow::connect_events(Control& control, QWidget* w) {
  w->installEventFilter(this);
  w->setMouseTracking(true);
  if (auto* button = qobject_cast<QPushButton*>(w)) {
    connect(button, &QPushButton::clicked, this, [this, &control] { form_.Click(control); });
  } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
    connect(option, &QRadioButton::toggled, this, [&control](bool on) {
      if (on) control.set_Value(true);
    });
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    connect(edit, &QLineEdit::textEdited, this, [&control](const QString& text) { control.set_Text(u16string(text)); });
    connect(edit, &QLineEdit::cursorPositionChanged, this,
            [&control](int, int position) { control.set_SelStart(position); });
  }
}

// The search on a thread of its own, the events here meanwhile, until it
// ends or the core waits no longer. The thread tells its end to the event
// dispatcher as long as someone waits; after a cancel, to no one.
void MainWindow::wait(std::function<void()> search, const std::function<bool()>& tick) {
  struct Ending final {
    std::mutex mutex;
    QAbstractEventDispatcher* waiting = QAbstractEventDispatcher::instance();
    bool ended = false;
  };
  const auto ending = std::make_shared<Ending>();
  const auto run = [ending](std::function<void()> search) {
    search();
    search = nullptr;  // a search waited for is freed by the window's thread
    const std::lock_guard lock(ending->mutex);
    ending->ended = true;
    if (ending->waiting) ending->waiting->wakeUp();
  };
  try {
    std::thread(run, search).detach();
  } catch (const std::system_error&) {
    run(search);  // no thread to be had: the window waits for the search
  }
  const auto ended = [&] {
    const std::lock_guard lock(ending->mutex);
    return ending->ended;
  };
  QTimer ticks;
  bool waiting = true;
  connect(&ticks, &QTimer::timeout, this, [&] { waiting = tick(); });
  ticks.start(50);
  // At least once: what the user did while the search held the window is
  // heard as done during the search.
  do {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  } while (waiting && !ended());
  const std::lock_guard lock(ending->mutex);
  ending->waiting = nullptr;
}

// While a search runs, the keys and clicks the core does not take go
// nowhere; Esc and "Abbrechen" (by click or Alt+A) reach it. True when the
// event is not to go on.
bool MainWindow::input_while_searching(QWidget* w, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) form_.Escape();
      return true;
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
      return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
      const auto it = controls_.find(w);
      return it == controls_.end() || !form_.takes_input(*it->second);
    }
    default:
      return false;
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* w = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::KeyPress && access_key(static_cast<QKeyEvent*>(event))) return true;
  if (form_.searching() && input_while_searching(w, event)) return true;
  if (event->type() == QEvent::MouseMove && w) on_mouse_move(w, event);
  const auto it = controls_.find(w);
  if (it == controls_.end()) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn:
      form_.GotFocus(*it->second);
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
      if (!qobject_cast<QPushButton*>(w)) on_mouse_button(w, event);
      break;
    case QEvent::KeyPress:
      if (key_press(*it->second, static_cast<QKeyEvent*>(event))) return true;
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

// Alt and a letter clicks the button it is the access key of, where the
// core takes input now. True when the key goes no further: it named a
// button, or a search runs.
bool MainWindow::access_key(const QKeyEvent* key) {
  if (key->modifiers() != Qt::AltModifier || key->key() < Qt::Key_A || key->key() > Qt::Key_Z) return false;
  Control* target = access_key_target(form_.window(), static_cast<char16_t>(u'A' + (key->key() - Qt::Key_A)));
  if (target && form_.takes_input(*target)) static_cast<QAbstractButton*>(widget(*target))->click();
  return target || form_.searching();
}

// The arrows in an option group, by the core's rules; true when the key was taken.
bool MainWindow::key_press(Control& focused, const QKeyEvent* key) {
  if (focused.spec().kind != Kind::OptionButton) return false;
  Direction direction;
  switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
      direction = Direction::Backward;
      break;
    case Qt::Key_Down:
    case Qt::Key_Right:
      direction = Direction::Forward;
      break;
    default:
      return false;
  }
  Control* target = next_option(form_.window(), focused, direction);
  widget(*target)->setFocus(Qt::OtherFocusReason);
  static_cast<QAbstractButton*>(widget(*target))->click();
  return true;
}

void MainWindow::on_mouse_button(QWidget* w, QEvent* event) {
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton) return;
  const QPoint at = w->mapTo(this, mouse->position().toPoint());
  Control* target = control_at(form_.window(), twips(at.x()), twips(at.y()));
  if (event->type() == QEvent::MouseButtonPress) {
    clicks_.press(target);
  } else if (Control* clicked = clicks_.release(target)) {
    form_.Click(*clicked);
  }
}

// Every movement inside the client area goes to the control the core places
// under the pointer, or to the window itself.
void MainWindow::on_mouse_move(QWidget* w, QEvent* event) {
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint at = w->mapTo(this, mouse->position().toPoint());
  if (mouse->timestamp() == last_move_time_ && at == last_move_at_) return;
  last_move_time_ = mouse->timestamp();
  last_move_at_ = at;
  if (!rect().contains(at)) return;
  form_.MouseMove(control_at(form_.window(), twips(at.x()), twips(at.y())));
}

// During a search the window goes once the search is cancelled.
void MainWindow::closeEvent(QCloseEvent* event) {
  form_.Unload();
  if (form_.unloaded()) event->accept();
  else event->ignore();
}

bool MainWindow::focusNextPrevChild(bool next) {
  Control* current = nullptr;
  if (const auto it = controls_.find(focusWidget()); it != controls_.end()) current = it->second;
  Control* target = next_focus(form_.window(), current, next ? Direction::Forward : Direction::Backward);
  if (!target) return false;
  widget(*target)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

}  // namespace velorin::qt
