// The main window as the user sees it: the menu bar, the top strip and the page panel,
// every control named as the controller addresses it, the timers, and the about box,
// the progress dialog and the countdown dialog as its children. It holds no
// behaviour of its own; FormWiring connects it to the controller.
#pragma once

#include "view/MainView.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <iterator>

class QTimer;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Stopped at first, with their intervals set; the controller starts them.
    QTimer& Timer(TTimer timer) const;

    // Asked whenever the window is about to close; false keeps it open. Without a
    // query the window closes at once.
    void SetCloseQuery(std::function<bool()> query) { closeQuery_ = std::move(query); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateTimers();

    std::array<QTimer*, std::size(kAllTimers)> timers_{};
    std::function<bool()> closeQuery_;
};
