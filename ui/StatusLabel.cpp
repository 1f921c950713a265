#include "StatusLabel.h"

#include <QMouseEvent>

void StatusLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit DoubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}
