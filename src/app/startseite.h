#pragma once

#include <QWidget>

class QLabel;
class QTextEdit;

namespace saldino::gui {
class Programm;
}

namespace saldino::app {

// The start page: title picture, title and version line, and the notice
// document "Wichtiger Hinweis.rtf".
class StartSeite : public QWidget {
    Q_OBJECT

public:
    StartSeite(gui::Programm& programm, QWidget* eltern);
    Q_DISABLE_COPY_MOVE(StartSeite)

    void TabSheet1Show();

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr; // title line
    QLabel* Label2 = nullptr; // version line
    QTextEdit* RichEdit1 = nullptr;
};

} // namespace saldino::app
