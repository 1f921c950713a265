#include "SortedComboBox.h"

void SortedComboBox::AddSorted(const QString& text) {
    int position = 0;
    while (position < count() &&
           QString::compare(itemText(position), text, Qt::CaseInsensitive) <= 0)
        ++position;
    bool hadSelection = currentIndex() >= 0;
    insertItem(position, text);
    if (!hadSelection)
        setCurrentIndex(-1);
}
