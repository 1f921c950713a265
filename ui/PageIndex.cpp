#include "PageIndex.h"

#include <QTabWidget>
#include <QVariant>

namespace {

constexpr char kPageIndex[] = "t360kvPageIndex";

int PageIndexOf(const QWidget* page) {
    QVariant index = page != nullptr ? page->property(kPageIndex) : QVariant();
    return index.isValid() ? index.toInt() : -1;
}

} // namespace

void SetPageIndex(QWidget* page, int index) {
    page->setProperty(kPageIndex, index);
}

int ActivePageIndex(const QTabWidget* pages) {
    return PageIndexOf(pages->currentWidget());
}

int TabOfPage(const QTabWidget* pages, int index) {
    for (int tab = 0; tab < pages->count(); ++tab)
        if (PageIndexOf(pages->widget(tab)) == index)
            return tab;
    return -1;
}
