// The controller addresses the pages of a page control by their place among all of its
// pages (TMainPage, TConfPage, TDiagnosisPage), including a page that is never offered
// as a tab. Each page widget carries that place, so that tab indices may differ from it.
#pragma once

class QTabWidget;
class QWidget;

void SetPageIndex(QWidget* page, int index);
// The place of the page in front; -1 when there is none.
int ActivePageIndex(const QTabWidget* pages);
// The tab that holds the page at `index`; -1 when no tab does (a page never offered).
int TabOfPage(const QTabWidget* pages, int index);
