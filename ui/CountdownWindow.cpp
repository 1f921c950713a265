// The countdown dialog: no border, no title bar, always on top, at the centre of the
// screen, with one large label. The controller counts down on the dialog's timer
// (TTimer::CountdownTick) and hides the dialog at 0, which ends its modal show.
#include "AuxiliaryWindows.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 471;
constexpr int kHeight = 188;
constexpr int kPointSize = 20;

class CountdownDialog : public QDialog {
public:
    explicit CountdownDialog(QWidget* parent)
        : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {}

protected:
    void showEvent(QShowEvent* event) override {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect area = screen->geometry();
            move(area.x() + (area.width() - width()) / 2,
                 area.y() + (area.height() - height()) / 2);
        }
        QDialog::showEvent(event);
    }
    // Only the countdown closes it; Escape does not.
    void reject() override {}
};

} // namespace

void CreateCountdownDialog(QWidget* mainWindow) {
    auto* dialog = new CountdownDialog(mainWindow);
    dialog->setObjectName(QStringLiteral("Form2"));
    dialog->setFixedSize(kWidth, kHeight);

    auto* label = new QLabel(dialog);
    label->setObjectName(QStringLiteral("LabelTimerRemain"));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(kPointSize);
    label->setFont(font);

    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(label);
}
