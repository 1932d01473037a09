// Applies one change of the model to its widget. Signals stay blocked while
// a widget is written, so that only the user's own edits reach the core.

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "platform/qt/convert.h"
#include "platform/qt/main_window.h"

namespace velorin::qt {
namespace {

QString css(QColor c) { return c.name(QColor::HexRgb); }

// Graphical buttons show their own colour inside a raised edge, light at the
// top and left and dark at the bottom and right whatever their colour, as
// Windows draws them; pressed, the edge sinks. The standard ones keep the
// style's ordinary look in ButtonFace. The focus is a thin dotted rectangle,
// not the style's tint over the whole button.
QString button_style(const ControlSpec& s, QColor back) {
  if (s.look == Look::Flat)
    return QStringLiteral(
               "QPushButton { background-color: %1; color: black; border: 1px solid black;"
               " outline: 1px dotted black; }")
        .arg(css(back));
  return QStringLiteral(
             "QPushButton { background-color: %1; color: black; border: 2px solid;"
             " border-color: palette(light) palette(shadow) palette(shadow) palette(light);"
             " outline: 1px dotted black; }"
             "QPushButton:pressed { border-color: palette(shadow) palette(light) palette(light) palette(shadow); }")
      .arg(css(back));
}

// An etched frame line with the caption set into it at the top left.
QString frame_style(QColor fore, QColor back) {
  return QStringLiteral(
             "QGroupBox { background-color: %2; border: 2px groove #a0a0a0; margin-top: 7px; }"
             "QGroupBox::title { subcontrol-origin: margin; left: 5px; color: %1; background-color: %2; }")
      .arg(css(fore), css(back));
}

void set_text(const Control& control, QWidget* w) {
  const QString text = qstring(control.Text());
  switch (control.spec().kind) {
    case Kind::Frame:
      static_cast<QGroupBox*>(w)->setTitle(text);
      break;
    case Kind::Label:
      static_cast<QLabel*>(w)->setText(text);
      break;
    case Kind::CommandButton:
    case Kind::OptionButton: {
      // Access keys are the core's to route, alike in every binding: Qt's
      // own shortcut from the "&" would move the focus where two share a letter.
      auto* button = static_cast<QAbstractButton*>(w);
      button->setText(text);
      button->setShortcut(QKeySequence());
      break;
    }
    case Kind::TextBox:  // the user's own edit is there already; writing it again would move the caret
      if (auto* edit = static_cast<QLineEdit*>(w); edit->text() != text) edit->setText(text);
      break;
    case Kind::PictureBox:
      break;  // a picture box has no caption
  }
}

}  // namespace

void MainWindow::apply_colours(const Control& control, QWidget* w) {
  const ControlSpec& s = control.spec();
  QPalette p = w->palette();
  const QColor back = qcolor(control.BackColor());
  const QColor fore = qcolor(s.fore);
  if (s.kind == Kind::CommandButton) {
    p.setColor(QPalette::Button, back);
    p.setColor(QPalette::ButtonText, fore);
    w->setPalette(p);
    if (s.style == ButtonStyle::Graphical) w->setStyleSheet(button_style(s, back));
    return;
  }
  if (s.kind == Kind::Frame) w->setStyleSheet(frame_style(fore, back));
  const bool opaque = s.back_style == BackStyle::Opaque;
  p.setColor(QPalette::Window, back);
  p.setColor(QPalette::Base, back);
  p.setColor(QPalette::WindowText, fore);
  p.setColor(QPalette::Text, fore);
  p.setColor(QPalette::ButtonText, fore);
  w->setPalette(p);
  w->setAutoFillBackground(opaque && s.kind != Kind::TextBox);
}

void MainWindow::apply_client_size() { setFixedSize(pixels(form_spec().client_width), pixels(form_.window().client_height())); }

void MainWindow::property_changed(const Control* control, Property property) {
  if (property == Property::Busy) {
    if (form_.window().Busy()) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
    return;
  }
  if (!control) {
    apply_client_size();
    return;
  }
  QWidget* w = widget(*control);
  if (!w) return;
  const QSignalBlocker quiet(w);
  switch (property) {
    case Property::Caption:
    case Property::Text:
      set_text(*control, w);
      break;
    case Property::Visible:
      w->setVisible(control->Visible());
      break;
    case Property::BackColor:
      apply_colours(*control, w);
      break;
    case Property::ToolTipText:
      w->setToolTip(qstring(control->ToolTipText()));
      break;
    case Property::Value:
      if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable())
        button->setChecked(control->Value());
      break;
    case Property::SelStart:
      if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->setCursorPosition(control->SelStart());
      break;
    case Property::Height:
    case Property::Busy:
      break;
  }
}

void MainWindow::unloaded() {
  hide();
  QCoreApplication::exit(0);
}

}  // namespace velorin::qt
