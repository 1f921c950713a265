// A label that reports double clicks: the connection status label, whose double click
// lets the user pass the handshake by hand.
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
};
