#include "app/dialoge.h"
#include "app/tform1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Saldino"));
    QApplication::setApplicationDisplayName(QStringLiteral("Saldino"));
    saldino::app::QtDialoge dialoge;
    saldino::app::TForm1 Form1(dialoge);
    dialoge.setze_eltern(&Form1);
    Form1.show();
    return QApplication::exec();
}
