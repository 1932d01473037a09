#include "platform/qt/main_window.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleFactory>
#include <QToolTip>
#include <ranges>

#include "app/routing.h"
#include "platform/qt/artwork.h"
#include "platform/qt/convert.h"

namespace velorin::qt {
namespace {

// Wine's "MS Sans Serif" holds one bitmap size, regular only: the window font
// (8 pt, 13 pixels) on an unscaled screen. Bold and larger text, which it
// cannot draw, takes Liberation Sans, which has Arial's metrics, as Windows'
// own substitute does; so does the window font on a scaled screen, where the
// bitmap would keep its size and only the spacing would grow.
QFont qfont(Font font) {
  const QString ms_sans_serif = QStringLiteral("MS Sans Serif");
  const bool drawable = QFontDatabase::isSmoothlyScalable(ms_sans_serif) ||
                        (font == fonts::WindowFont && qGuiApp->devicePixelRatio() == 1.0);
  QFont f;
  f.setFamilies(drawable ? QStringList{ms_sans_serif, QStringLiteral("Liberation Sans")}
                         : QStringList{QStringLiteral("Liberation Sans")});
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(font.points());
  f.setBold(font.bold);
  return f;
}

QWidget* make_widget(const Control& control, QWidget* parent) {
  const ControlSpec& s = control.spec();
  switch (s.kind) {
    case Kind::Frame:
      return new QGroupBox(parent);
    case Kind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case Kind::CommandButton: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(true);  // Enter presses the focused button, as on Windows
      return button;
    }
    case Kind::TextBox: {
      auto* edit = new QLineEdit(parent);
      edit->setFrame(s.look == Look::ThreeD);
      return edit;
    }
    case Kind::PictureBox: {
      auto* box = new QLabel(parent);
      box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      box->setPixmap(picture(s.picture));
      box->setFocusPolicy(Qt::TabFocus);
      return box;
    }
    case Kind::OptionButton:
      return new QRadioButton(parent);
  }
  return new QWidget(parent);
}

// Wine ships an outline "MS Sans Serif"; without it Qt substitutes a sans-serif face.
constexpr char kMsSansSerif[] = "/usr/share/wine/fonts/ms_sans_serif.ttf";

}  // namespace

void install_look() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  if (QFile::exists(QString::fromLatin1(kMsSansSerif)))
    QFontDatabase::addApplicationFont(QString::fromLatin1(kMsSansSerif));
}

MainWindow::MainWindow(Form1& form) : form_(form) {
  setObjectName(QStringLiteral("Form1"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setWindowTitle(qstring(std::u16string(form_spec().caption)));
  setWindowIcon(window_icon());
  setFont(qfont(form_spec().font));
  QToolTip::setFont(font());  // not Qt's own tooltip face, which may be monospace
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, qcolor(form_spec().back));
  setPalette(p);
  apply_client_size();
  create_native_controls();
  setMouseTracking(true);
  installEventFilter(this);
  form_.window().set_observer(this);
  form_.set_search_wait(this);
}

MainWindow::~MainWindow() {
  form_.window().set_observer(nullptr);
  form_.set_search_wait(nullptr);
}

// Qt lays later siblings on top, so each container's controls are made
// bottom first; the frames come before what they hold.
void MainWindow::create_native_controls() {
  Window& model = form_.window();
  for (Container container : {Container::Form1, Container::Frame1, Container::Frame2}) {
    for (Control* c : stacking_order(model, container) | std::views::reverse) {
      Control* frame = model.container_of(*c);
      create_native_control(*c, frame ? widgets_.at(frame) : this);
    }
  }
}

QWidget* MainWindow::create_native_control(Control& control, QWidget* parent) {
  QWidget* w = make_widget(control, parent);
  widgets_[&control] = w;
  controls_[w] = &control;
  const ControlSpec& s = control.spec();
  w->setObjectName(QString::fromStdString(control.name()));
  w->setGeometry(pixel_rect(s));
  w->setFont(qfont(s.font));
  w->setCursor(qt::cursor(s.pointer));
  if (!s.tab_stop) w->setFocusPolicy(Qt::NoFocus);
  for (Property property : {Property::Caption, Property::Visible, Property::BackColor, Property::ToolTipText,
                            Property::Value})
    property_changed(&control, property);
  connect_events(control, w);
  return w;
}

QWidget* MainWindow::widget(const Control& control) const {
  const auto it = widgets_.find(&control);
  return it == widgets_.end() ? nullptr : it->second;
}

void MainWindow::start() {
  if (const QScreen* screen = this->screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  show();
  activateWindow();
  if (const Control* first = first_focus(form_.window())) widget(*first)->setFocus(Qt::OtherFocusReason);
}

}  // namespace velorin::qt
