#include "masterdata/kontenplanseite.h"

#include "app/bausteine.h"

#include <QAbstractItemView>
#include <QTableWidget>

namespace saldino::masterdata {

KontenplanSeite::KontenplanSeite(app::TForm1& /*form*/, QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("TabSheet9"));
    StringGrid1 =
        app::gitter(this, "StringGrid1", 5, 99, {204, 67, 57, 64, 58}, {24, 120, 474, 300});
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void KontenplanSeite::ueberschriften_setzen() {
    const QStringList texte = {QStringLiteral("Bezeichnung"), QStringLiteral("Bilanz"),
                               QStringLiteral("GuV"), QStringLiteral("Akt./Pass. bzw. Soll/Haben"),
                               QString()};
    for (int spalte = 0; spalte < texte.size(); ++spalte) {
        StringGrid1->horizontalHeaderItem(spalte)->setText(texte[spalte]);
    }
}

} // namespace saldino::masterdata
