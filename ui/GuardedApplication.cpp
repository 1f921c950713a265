#include "GuardedApplication.h"

#include "AnsiText.h"
#include "view/Texts.h"

#include <QMessageBox>

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
        return false;
    }
}

void ShowException(const std::exception& error) {
    QMessageBox::critical(QApplication::activeWindow(), QString::fromLatin1(kApplicationTitle),
                          ToQString(error.what()));
}
