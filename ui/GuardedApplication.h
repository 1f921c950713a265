// The application object. An exception that escapes an event handler is shown to the
// user and the event loop goes on, as the controller's handlers expect of their
// framework (a port that cannot be set up raises, for instance).
#pragma once

#include <QApplication>

#include <exception>

class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows the message of `error` in a message box captioned with the application title.
void ShowException(const std::exception& error);
