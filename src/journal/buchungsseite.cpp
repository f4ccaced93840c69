#include "journal/buchungsseite.h"

#include "app/bausteine.h"

#include <QLabel>

namespace saldino::journal {

BuchungsSeite::BuchungsSeite(app::TForm1& /*form*/, QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("TabSheet4"));
    Label44 = app::beschriftung(this, "Label44", QStringLiteral("Buchung:"), 400, 24);
    Label45 = app::beschriftung(this, "Label45", QString(), 464, 24);
    Label44->hide();
    Label45->hide();
}

} // namespace saldino::journal
