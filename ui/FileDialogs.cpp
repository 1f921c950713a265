#include "FileDialogs.h"

#include "AnsiText.h"

#include <QFile>
#include <QFileDialog>
#include <QStringList>

namespace {

// "Report File (*.TXT)|*.TXT|All (*.*)|*.*" -> {"Report File (*.TXT)", "All (*.*)"}: the
// description of each pair already names its patterns the way Qt reads them.
QStringList QtFilters(const std::string& filter) {
    QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        filters << parts[i];
    return filters;
}

} // namespace

bool AskSaveFileName(QWidget* parent, const TSaveFileRequest& request, std::string& fileName) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters = QtFilters(request.Filter);
    dialog.setNameFilters(filters);
    if (request.FilterIndex >= 1 && request.FilterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.FilterIndex - 1]);
    // File names are in the system's encoding, not the window's.
    dialog.selectFile(QFile::decodeName(request.FileName.c_str()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName = QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
    return true;
}

bool AskOpenFileName(QWidget* parent, const std::string& filter, std::string& fileName) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(QtFilters(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName = QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
    return true;
}
