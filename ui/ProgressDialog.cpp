// The progress dialog of the restart recovery: a small translucent tool window on top,
// at the centre of the main window, with an italic note and a bar of 10 steps.
#include "AuxiliaryWindows.h"

#include "dialogs/DialogTexts.h"
#include "view/Texts.h"

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 95;
constexpr double kOpacity = 200.0 / 255.0;
constexpr int kSteps = 10;

class ProgressDialog : public QDialog {
public:
    explicit ProgressDialog(QWidget* mainWindow)
        : QDialog(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint) {}

protected:
    void showEvent(QShowEvent* event) override {
        QWidget* owner = parentWidget();
        move(owner->geometry().center() - rect().center());
        QDialog::showEvent(event);
    }
};

} // namespace

void CreateProgressDialog(QWidget* mainWindow) {
    auto* dialog = new ProgressDialog(mainWindow);
    dialog->setObjectName(QStringLiteral("frmWaitingProgress"));
    dialog->setWindowTitle(QString::fromLatin1(kApplicationTitle));
    dialog->setModal(false);
    dialog->setFixedSize(kWidth, kHeight);
    dialog->setWindowOpacity(kOpacity);

    auto* note = new QLabel(QString::fromLatin1(kProgressText), dialog);
    note->setObjectName(QStringLiteral("lblWaitInfo"));
    QFont font = note->font();
    font.setItalic(true);
    note->setFont(font);

    auto* bar = new QProgressBar(dialog);
    bar->setObjectName(QStringLiteral("ProgressBar1"));
    bar->setRange(0, kSteps);
    bar->setValue(0);

    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(note);
    layout->addWidget(bar);
}
