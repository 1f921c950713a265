// A drop-down list that keeps its items in alphabetical order as they are added, and
// leaves the selection alone while doing so (an empty list does not select its first
// new item, as a plain QComboBox would).
#pragma once

#include <QComboBox>

class SortedComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    // Inserts `text` after every item that sorts before or equal to it, ignoring case.
    void AddSorted(const QString& text);
};
