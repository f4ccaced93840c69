#pragma once

#include <QWidget>

class QListWidget;
class QSplitter;
class QToolButton;

namespace saldino::gui {
class Berichtsansicht;
class Programm;
} // namespace saldino::gui

namespace saldino::reports {

// The account-sheet page: the sheet on the left, the accounts of the chart
// on the right, with a splitter between them. "T-Konto" in the command row
// draws the sheet as a T instead of the two lists, until pressed again.
class KontenblattSeite : public QWidget {
    Q_OBJECT

public:
    KontenblattSeite(gui::Programm& programm, QWidget* eltern);
    Q_DISABLE_COPY_MOVE(KontenblattSeite)

    void TabSheet10Show();
    void ListBox1Click();

    QSplitter* Splitter2 = nullptr;
    gui::Berichtsansicht* Memo3 = nullptr;
    QWidget* leiste = nullptr;     // the command row under the sheet
    QToolButton* TKonto = nullptr; // pressed: the sheet drawn as a T
    QListWidget* ListBox1 = nullptr;

private:
    gui::Programm& programm_;
};

} // namespace saldino::reports
