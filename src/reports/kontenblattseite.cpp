#include "reports/kontenblattseite.h"

#include "app/dialoge.h"
#include "app/qtext.h"
#include "app/tform1.h"
#include "masterdata/kontenplan.h"
#include "reports/berichtsseite.h"
#include "reports/kontenblatt.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QVBoxLayout>

namespace saldino::reports {

KontenblattSeite::KontenblattSeite(app::TForm1& form, QWidget* eltern)
    : QWidget(eltern), form_(form) {
    setObjectName(QStringLiteral("TabSheet10"));
    auto* rahmen = new QVBoxLayout(this);
    rahmen->setContentsMargins(0, 0, 0, 0);
    Splitter2 = new QSplitter(Qt::Horizontal, this);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Memo3 = berichtsansicht(Splitter2, "Memo3", {"Courier New", 13, false});
    ListBox1 = new QListWidget(Splitter2);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    Splitter2->addWidget(Memo3);
    Splitter2->addWidget(ListBox1);
    Splitter2->setStretchFactor(0, 1);
    Splitter2->setSizes({480, 185});
    rahmen->addWidget(Splitter2);

    // A selection by mouse or by the arrow keys builds the sheet.
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (zeile >= 0) {
            form_.befehl([this] { ListBox1Click(); });
        }
    });
    form.zeige_handler(this, [this] { TabSheet10Show(); });
}

void KontenblattSeite::TabSheet10Show() {
    ListBox1->clear();
    Memo3->clear();
    if (form_.kontenplan_nr == 0) {
        form_.dialoge().meldung(QStringLiteral("Du hast keinen Kontenplan ausgewählt!"));
        return;
    }
    const masterdata::Kontenplan kontenplan(form_.kontenplan_nr);
    QStringList namen;
    for (const auto& konto : kontenplan.konten()) {
        namen.append(app::alsQString(konto.bezeichnung));
    }
    ListBox1->addItems(namen);
}

void KontenblattSeite::ListBox1Click() {
    const std::string konto = app::alsCp1252(ListBox1->currentItem()->text());
    fuelle(*Memo3, form_, [&konto](const Zeilenziel& ziel) {
        kontenblatt(konto, ziel);
        return std::optional<std::string>();
    });
}

} // namespace saldino::reports
