#include "DataLogPageWidgets.h"

#include "DataLogView.h"
#include "log/DataLogPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>
#include <QValidator>
#include <QWidget>

namespace {

QPushButton* NamedButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// Takes a command of at most kCommandTextMaxLength characters. A paste or a drop that
// would make it longer is refused whole, where a length limit would cut it silently.
class CommandLengthValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return input.size() <= kCommandTextMaxLength ? Acceptable : Invalid;
    }
};

QLineEdit* CommandLine(QWidget* parent) {
    auto* command = new QLineEdit(parent);
    command->setObjectName(QStringLiteral("LabeledEditCommandText"));
    command->setValidator(new CommandLengthValidator(command));
    command->setPlaceholderText(QStringLiteral("At most %1 characters").arg(kCommandTextMaxLength));
    command->setToolTip(QStringLiteral("At most %1 characters, sent as typed with CR LF")
                            .arg(kCommandTextMaxLength));
    QObject::connect(command, &QLineEdit::inputRejected, command, [command] {
        QToolTip::showText(command->mapToGlobal(QPoint(0, command->height())),
                           QStringLiteral("A command holds at most %1 characters; "
                                          "the text was not taken.")
                               .arg(kCommandTextMaxLength),
                           command);
    });
    return command;
}

} // namespace

void FillDataLogPage(QWidget* page) {
    QPushButton* logSwitch = NamedButton(page, "spbtnEnableLog", kStartLogCaption);
    logSwitch->setCheckable(true);

    // The view holds what the data log keeps for it; Save writes every line.
    auto* log = new DataLogView(page);
    log->setObjectName(QStringLiteral("MemoDataLog"));

    QLineEdit* command = CommandLine(page);
    auto* commandLabel = new QLabel(QStringLiteral("Enter Command"), page);
    commandLabel->setBuddy(command);

    auto* layout = new QGridLayout(page);
    layout->addWidget(logSwitch, 0, 0);
    layout->addWidget(NamedButton(page, "btnClearLog", "Clear Log"), 0, 1);
    layout->addWidget(NamedButton(page, "btnSaveLog", "Save to File"), 0, 2);
    layout->addWidget(log, 1, 0, 1, 5);
    layout->addWidget(commandLabel, 2, 0, 1, 5);
    // The command line takes the width, so that a whole sentence shows.
    layout->addWidget(command, 3, 0, 1, 4);
    layout->addWidget(NamedButton(page, "btnSendCommand", "Send Command"), 3, 4);
    layout->setColumnStretch(3, 1);
}
