#include "StationDetailsWindow.h"

#include "AnsiText.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 480;

} // namespace

StationDetailsWindow::StationDetailsWindow(QWidget* mainWindow)
    : QDialog(mainWindow), tree_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("StationDetailsWindow"));
    setModal(false);
    resize(kWidth, kHeight);
    tree_->setObjectName(QStringLiteral("TreeStationDetails"));
    tree_->setColumnCount(2);
    tree_->setHeaderLabels({QStringLiteral("Field"), QStringLiteral("Value")});
    tree_->setRootIsDecorated(true);
    tree_->setAlternatingRowColors(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_);
}

void StationDetailsWindow::ShowDetails(const std::string& title,
                                       const std::vector<TStationDetail>& details) {
    setWindowTitle(ToQString(title));
    tree_->clear();
    // The details come message by message; each message is one branch of its fields.
    QTreeWidgetItem* group = nullptr;
    std::string groupMessage;
    for (const TStationDetail& detail : details) {
        if (group == nullptr || detail.Message != groupMessage) {
            group = new QTreeWidgetItem(tree_, {ToQString(detail.Message)});
            group->setFirstColumnSpanned(true);
            groupMessage = detail.Message;
        }
        new QTreeWidgetItem(group, {ToQString(detail.Field), ToQString(detail.Value)});
    }
    tree_->expandAll();
    tree_->resizeColumnToContents(0);
    show();
    raise();
}
