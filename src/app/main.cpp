#include "app/dialoge.h"
#include "app/qtext.h"
#include "app/symbol.h"
#include "app/tform1.h"
#include "runtime/sperre.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Saldino"));
    QApplication::setApplicationDisplayName(QStringLiteral("Saldino"));
    QApplication::setDesktopFileName(QStringLiteral("saldino"));
    QApplication::setWindowIcon(saldino::app::programmsymbol());
    saldino::app::QtDialoge dialoge;
    // A second window on the same files would overwrite the first one's work.
    const auto sperre = saldino::runtime::Sperre::versuche();
    if (!sperre) {
        dialoge.meldung(saldino::app::alsQString(saldino::runtime::laeuft_bereits()));
        return 1;
    }
    saldino::app::TForm1 Form1(dialoge);
    dialoge.setze_eltern(&Form1);
    Form1.show();
    return QApplication::exec();
}
