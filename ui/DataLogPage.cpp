#include "DataLogPage.h"

#include "DataLogView.h"
#include "log/DataLogPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace {

QPushButton* NamedButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

void FillDataLogPage(QWidget* page) {
    QPushButton* logSwitch = NamedButton(page, "spbtnEnableLog", kStartLogCaption);
    logSwitch->setCheckable(true);

    // The view holds what the data log keeps for it; Save writes every line.
    auto* log = new DataLogView(page);
    log->setObjectName(QStringLiteral("MemoDataLog"));

    auto* command = new QLineEdit(page);
    command->setObjectName(QStringLiteral("LabeledEditCommandText"));
    command->setMaxLength(kCommandTextMaxLength);
    auto* commandLabel = new QLabel(QStringLiteral("Enter Command"), page);
    commandLabel->setBuddy(command);

    auto* layout = new QGridLayout(page);
    layout->addWidget(logSwitch, 0, 0);
    layout->addWidget(NamedButton(page, "btnClearLog", "Clear Log"), 0, 1);
    layout->addWidget(NamedButton(page, "btnSaveLog", "Save to File"), 0, 2);
    layout->addWidget(log, 1, 0, 1, 4);
    layout->addWidget(commandLabel, 2, 0, 1, 4);
    layout->addWidget(command, 3, 0, 1, 3);
    layout->addWidget(NamedButton(page, "btnSendCommand", "Send Command"), 3, 3);
    layout->setColumnStretch(3, 1);
}
