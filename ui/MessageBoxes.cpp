#include "MessageBoxes.h"

#include <QMessageBox>

namespace {

QMessageBox::StandardButtons ButtonsOf(TMessageButtons buttons) {
    switch (buttons) {
    case TMessageButtons::Ok:
        return QMessageBox::Ok;
    case TMessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case TMessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(TMessageIcon icon) {
    switch (icon) {
    case TMessageIcon::None:
        return QMessageBox::NoIcon;
    case TMessageIcon::Warning:
        return QMessageBox::Warning;
    case TMessageIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

TMessageAnswer ResultOf(int pressed, TMessageButtons buttons) {
    switch (pressed) {
    case QMessageBox::Ok:
        return TMessageAnswer::Ok;
    case QMessageBox::Yes:
        return TMessageAnswer::Yes;
    case QMessageBox::No:
        return TMessageAnswer::No;
    default:
        return buttons == TMessageButtons::YesNo ? TMessageAnswer::No : TMessageAnswer::Cancel;
    }
}

} // namespace

TMessageAnswer AskUser(QWidget* parent, const QString& text, const QString& caption,
                       TMessageButtons buttons, TMessageIcon icon) {
    QMessageBox box(IconOf(icon), caption, text, ButtonsOf(buttons), parent);
    return ResultOf(box.exec(), buttons);
}
