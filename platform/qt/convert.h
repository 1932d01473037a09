#pragma once
// The model's units and values in Qt's terms: twips to logical pixels (15 to
// a pixel at 96 dpi; Qt scales logical pixels to the screen), colour values
// to QColor, the model's UTF-16 text to QString.

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QRect>
#include <QString>
#include <cmath>
#include <string>

#include "app/catalogue.h"

namespace velorin::qt {

inline int pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }
inline int twips(int pixels) { return pixels * 15; }

// Edges are rounded on their own so that neighbouring controls stay flush.
inline QRect pixel_rect(const ControlSpec& s) {
  const int x = pixels(s.left), y = pixels(s.top);
  return QRect(x, y, pixels(s.left + s.width) - x, pixels(s.top + s.height) - y);
}

// System colours are the application's, never a widget's own palette, which
// holds whatever colour the widget was given last.
inline QColor qcolor(Colour c) {
  if (!c.is_system()) return QColor(c.red(), c.green(), c.blue());
  const QPalette system = QGuiApplication::palette();
  switch (c.system_index()) {
    case 5:  // Window
      return system.color(QPalette::Base);
    case 8:  // WindowText
      return system.color(QPalette::Text);
    case 15:  // ButtonFace
      return system.color(QPalette::Button);
    case 18:  // ButtonText
      return system.color(QPalette::ButtonText);
    default:
      return system.color(QPalette::Window);
  }
}

inline QString qstring(const std::u16string& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string u16string(const QString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

}  // namespace velorin::qt
