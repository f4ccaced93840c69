#include "journal/eroeffnungsseite.h"

#include "app/bausteine.h"

#include <QTableWidget>

namespace saldino::journal {

EroeffnungsSeite::EroeffnungsSeite(app::TForm1& /*form*/, QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("TabSheet3"));
    StringGrid2 = app::gitter(this, "StringGrid2", 2, 99, {220, 220}, {24, 64, 462, 300});
}

void EroeffnungsSeite::ueberschriften_setzen() {
    StringGrid2->horizontalHeaderItem(0)->setText(QStringLiteral("Konto"));
    StringGrid2->horizontalHeaderItem(1)->setText(QStringLiteral("Eröffnungsbetrag"));
}

} // namespace saldino::journal
