#include "QtMainView.h"

#include "AnsiText.h"
#include "CheckIcons.h"
#include "CoveragePlot.h"
#include "DataLogView.h"
#include "FileDialogs.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "PageIndex.h"
#include "SkyMapWidget.h"
#include "SnrChartView.h"
#include "SortedComboBox.h"
#include "StationDetailsWindow.h"
#include "StationTableView.h"
#include "view/Texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QtDebug>

namespace {

// The page control that holds `page` as one of its pages; null for any other object.
QTabWidget* TabsOfPage(QObject* page) {
    auto* widget = qobject_cast<QWidget*>(page);
    // A page's parent is the page control's stack, whose parent is the page control.
    QWidget* stack = widget != nullptr ? widget->parentWidget() : nullptr;
    auto* tabs = stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    return tabs != nullptr && tabs->indexOf(widget) >= 0 ? tabs : nullptr;
}

// The port selector lists the ports by their names in the system, which are UTF-8
// whatever the window's language: a USB device's product string, a simulator's link name.
bool HoldsSystemNames(TControl list) {
    return list == TControl::cbxDeviceComEnum;
}

QString ItemToQString(TControl list, const std::string& item) {
    if (HoldsSystemNames(list))
        return QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size()));
    return ToQString(item);
}

std::string ItemFromQString(TControl list, const QString& text) {
    return HoldsSystemNames(list) ? text.toUtf8().toStdString() : ToAnsi(text);
}

} // namespace

QObject* QtMainView::Find(TControl control) const {
    const QString name = QString::fromLatin1(ControlName(control));
    if (auto* menu = window_.findChild<QMenu*>(name))
        return menu->menuAction();
    if (auto* object = window_.findChild<QObject*>(name))
        return object;
    qWarning("The main window has no control named %s", ControlName(control));
    return nullptr;
}

template <class Kind> Kind* QtMainView::FindAs(TControl control) const {
    QObject* object = Find(control);
    auto* found = qobject_cast<Kind*>(object);
    if (object != nullptr && found == nullptr)
        qWarning("%s is a %s, not a %s", ControlName(control), object->metaObject()->className(),
                 Kind::staticMetaObject.className());
    return found;
}

void QtMainView::ShowMessage(const std::string& text) {
    MessageBox(text, kApplicationTitle, TMessageButtons::Ok);
}

TMessageAnswer QtMainView::MessageBox(const std::string& text, const std::string& caption,
                                      TMessageButtons buttons, TMessageIcon icon) {
    if (answer_)
        return answer_(text, caption, buttons, icon);
    return AskUser(&window_, ToQString(text), ToQString(caption), buttons, icon);
}

void QtMainView::SetText(TControl control, const std::string& text) {
    QObject* object = Find(control);
    const QString value = ToQString(text);
    if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(value);
    else if (auto* edit = qobject_cast<QLineEdit*>(object))
        edit->setText(value);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(object))
        memo->setPlainText(value);
    else if (auto* group = qobject_cast<QGroupBox*>(object))
        group->setTitle(value);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setText(value);
    else if (QTabWidget* tabs = TabsOfPage(object))
        tabs->setTabText(tabs->indexOf(qobject_cast<QWidget*>(object)), value);
    else if (object != nullptr)
        qWarning("%s has no text to set", ControlName(control));
}

void QtMainView::SetEnabled(TControl control, bool enabled) {
    QObject* object = Find(control);
    if (auto* widget = qobject_cast<QWidget*>(object))
        widget->setEnabled(enabled);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setEnabled(enabled);
}

void QtMainView::SetVisible(TControl control, bool visible) {
    QObject* object = Find(control);
    if (auto* widget = qobject_cast<QWidget*>(object))
        widget->setVisible(visible);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setVisible(visible);
}

void QtMainView::SetChecked(TControl control, bool checked) {
    QObject* object = Find(control);
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setChecked(checked);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setChecked(checked);
}

void QtMainView::SetFontColor(TControl control, TFontColor color) {
    if (auto* widget = FindAs<QWidget>(control)) {
        QPalette palette = widget->palette();
        palette.setColor(widget->foregroundRole(), color == TFontColor::Red ? Qt::red : Qt::black);
        widget->setPalette(palette);
    }
}

void QtMainView::ListClear(TControl list) {
    QObject* object = Find(list);
    if (auto* combo = qobject_cast<QComboBox*>(object))
        combo->clear();
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(object))
        memo->clear();
}

void QtMainView::ListAdd(TControl list, const std::string& item) {
    auto* combo = FindAs<QComboBox>(list);
    if (combo == nullptr)
        return;
    if (auto* sorted = qobject_cast<SortedComboBox*>(combo)) {
        sorted->AddSorted(ItemToQString(list, item));
        return;
    }
    // Adding leaves the selection as it was, also in an empty list.
    const bool hadSelection = combo->currentIndex() >= 0;
    combo->addItem(ItemToQString(list, item));
    if (!hadSelection)
        combo->setCurrentIndex(-1);
}

int QtMainView::ListCount(TControl list) {
    auto* combo = FindAs<QComboBox>(list);
    return combo != nullptr ? combo->count() : 0;
}

std::string QtMainView::ListItem(TControl list, int index) {
    auto* combo = FindAs<QComboBox>(list);
    return combo != nullptr ? ItemFromQString(list, combo->itemText(index)) : std::string();
}

int QtMainView::ItemIndex(TControl list) {
    auto* combo = FindAs<QComboBox>(list);
    return combo != nullptr ? combo->currentIndex() : -1;
}

void QtMainView::SetItemIndex(TControl list, int index) {
    if (auto* combo = FindAs<QComboBox>(list))
        combo->setCurrentIndex(index);
}

void QtMainView::DropDown(TControl list) {
    if (auto* combo = FindAs<QComboBox>(list))
        combo->showPopup();
}

int QtMainView::ActivePage(TControl pages) {
    auto* control = FindAs<QTabWidget>(pages);
    return control != nullptr ? ActivePageIndex(control) : -1;
}

void QtMainView::SetActivePage(TControl pages, int index) {
    auto* control = FindAs<QTabWidget>(pages);
    // A page that is not offered as a tab is never brought to the front.
    int tab = control != nullptr ? TabOfPage(control, index) : -1;
    if (tab < 0)
        return;
    // A page chosen by the controller is no page change by the user: the change
    // handlers run only for the user's choice, and the controller follows up itself.
    const QSignalBlocker quiet(control);
    control->setCurrentIndex(tab);
}

void QtMainView::AppendLine(TControl memo, const std::string& line) {
    if (auto* dataLog = qobject_cast<DataLogView*>(Find(memo)))
        dataLog->AppendLine(ToQString(line));
    else if (auto* text = FindAs<QPlainTextEdit>(memo))
        text->appendPlainText(ToQString(line));
}

void QtMainView::SetTimerEnabled(TTimer timer, bool enabled) {
    QTimer& qtimer = window_.Timer(timer);
    // Enabling a running timer keeps its phase, as the controller expects.
    if (!enabled)
        qtimer.stop();
    else if (!qtimer.isActive())
        qtimer.start();
}

void QtMainView::CloseWindow() {
    window_.close();
}

bool QtMainView::Checked(TControl control) {
    auto* button = FindAs<QAbstractButton>(control);
    return button != nullptr && button->isChecked();
}

QWidget* QtMainView::FindWindow(TWindow window) const {
    auto* found = window_.findChild<QWidget*>(QString::fromLatin1(WindowName(window)));
    if (found == nullptr)
        qWarning("The main window has no window named %s", WindowName(window));
    return found;
}

void QtMainView::ShowWindow(TWindow window) {
    if (QWidget* widget = FindWindow(window)) {
        widget->show();
        widget->raise();
        widget->activateWindow();
    }
}

void QtMainView::ShowModal(TWindow window) {
    // exec() runs the event loop, so timers and received lines go on meanwhile; hiding
    // the dialog ends it.
    if (auto* dialog = qobject_cast<QDialog*>(FindWindow(window)))
        dialog->exec();
}

void QtMainView::HideWindow(TWindow window) {
    if (QWidget* widget = FindWindow(window))
        widget->hide();
}

void QtMainView::SetProgressMax(TControl bar, int maximum) {
    if (auto* progress = FindAs<QProgressBar>(bar))
        progress->setMaximum(maximum);
}

void QtMainView::SetProgressPosition(TControl bar, int position) {
    if (auto* progress = FindAs<QProgressBar>(bar))
        progress->setValue(position);
}

void QtMainView::SetImageIndex(TControl image, int index) {
    if (auto* label = FindAs<QLabel>(image))
        label->setPixmap(CheckIcon(index));
}

bool QtMainView::PromptSaveFile(const TSaveFileRequest& request, std::string& fileName) {
    if (saveAnswer_)
        return saveAnswer_(request, fileName);
    return AskSaveFileName(&window_, request, fileName);
}

bool QtMainView::PromptOpenFile(const std::string& filter, std::string& fileName) {
    if (openAnswer_)
        return openAnswer_(fileName);
    return AskOpenFileName(&window_, filter, fileName);
}

std::string QtMainView::EditText(TControl edit) {
    auto* line = FindAs<QLineEdit>(edit);
    return line != nullptr ? ToAnsi(line->text()) : std::string();
}

// Qt picks the glyphs for every script itself; what the language changes here is how the
// 8-bit texts are read.
void QtMainView::SetTextLanguage(TLanguage language) {
    WindowTextLanguage() = language;
}

void QtMainView::ShowSatelliteViews(const TSatelliteViewData& views) {
    if (auto* chart = window_.findChild<SnrChartView*>(QStringLiteral("Chart1")))
        chart->ShowBars(views.Bars, views.ValueMarksVisible);
    if (auto* map = window_.findChild<TPaintSatelliteChart*>(QStringLiteral("SatelliteMap")))
        map->ShowSymbols(views.Symbols);
}

void QtMainView::SetStationRows(const TStationRows& rows) {
    if (auto* table = FindAs<StationTableView>(TControl::GridStations))
        table->SetRows(rows);
}

void QtMainView::StationRowsChanged(const TStationRowChanges& changes) {
    if (auto* table = FindAs<StationTableView>(TControl::GridStations))
        table->RowsChanged(changes);
}

void QtMainView::ShowCoverage(const TCoverageView& coverage) {
    if (auto* plot = FindAs<CoveragePlot>(TControl::PaintBoxCoverage))
        plot->Show(coverage);
}

// Made at the first station asked for and kept: the next station replaces its lines.
void QtMainView::ShowStationDetails(const std::string& title,
                                    const std::vector<TStationDetail>& details) {
    auto* window = window_.findChild<StationDetailsWindow*>();
    if (window == nullptr)
        window = new StationDetailsWindow(&window_);
    window->ShowDetails(title, details);
}
