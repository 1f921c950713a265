#include "StatusLabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

void StatusLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit DoubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

void StatusLabel::paintEvent(QPaintEvent* event) {
    const QString full = text();
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(full, Qt::ElideMiddle, area.width());
    setToolTip(shown == full ? QString() : full);
    if (shown == full) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                          shown, foregroundRole());
}
