#include "platform/qt/artwork.h"

#include <QBitmap>

#include "platform/artwork/hand_cursor.xbm"
#include "platform/artwork/hand_cursor_mask.xbm"

namespace velorin::qt {

QIcon window_icon() { return QIcon(QStringLiteral(":/artwork/icon.png")); }

QPixmap picture(Picture picture) {
  switch (picture) {
    case Picture::None:
      return {};
    case Picture::Insect:
      return QPixmap(QStringLiteral(":/artwork/insect.gif"));
    case Picture::OcxArchive:
      return QPixmap(QStringLiteral(":/artwork/ocx.jpg"));
  }
  return {};
}

QCursor cursor(Pointer pointer) {
  switch (pointer) {
    case Pointer::Default:
      return QCursor(Qt::ArrowCursor);
    case Pointer::VerticalResize:
      return QCursor(Qt::SizeVerCursor);
    case Pointer::Hand: {
      static const QSize size(hand_cursor_width, hand_cursor_height);
      static const QBitmap shape = QBitmap::fromData(size, hand_cursor_bits, QImage::Format_MonoLSB);
      static const QBitmap mask = QBitmap::fromData(size, hand_cursor_mask_bits, QImage::Format_MonoLSB);
      return QCursor(shape, mask, hand_cursor_x_hot, hand_cursor_y_hot);
    }
  }
  return QCursor(Qt::ArrowCursor);
}

}  // namespace velorin::qt
