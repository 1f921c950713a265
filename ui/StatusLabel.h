// A label that reports double clicks: the connection status label, whose double click
// lets the user pass the handshake by hand. A text too long for it ("Replaying" and a
// log's name) is shortened in the middle, and whole in its tool tip.
#pragma once

#include <QLabel>

class StatusLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void DoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
