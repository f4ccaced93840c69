#include "reports/kontenblattseite.h"

#include "gui/berichtsansicht.h"
#include "gui/dialoge.h"
#include "gui/programm.h"
#include "gui/qtext.h"
#include "masterdata/kontenplan.h"
#include "reports/kontenblatt.h"
#include "runtime/meldungen.h"

#include <QListWidget>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace saldino::reports {

KontenblattSeite::KontenblattSeite(gui::Programm& programm, QWidget* eltern)
    : QWidget(eltern), programm_(programm) {
    setObjectName(QStringLiteral("TabSheet10"));
    auto* rahmen = new QVBoxLayout(this);
    rahmen->setContentsMargins(0, 0, 0, 0);
    Splitter2 = new QSplitter(Qt::Horizontal, this);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    // The sheet and its command row on the left, the list of accounts on the right.
    auto* links = new QWidget(Splitter2);
    auto* spalte = new QVBoxLayout(links);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    Memo3 = new gui::Berichtsansicht(links, "Memo3", {"Courier New", 13, false});
    Memo3->setAccessibleName(QStringLiteral("Kontenblatt"));
    Memo3->drucken_einrichten(programm, [this] {
        const QListWidgetItem* konto = ListBox1->currentItem();
        return konto == nullptr ? QStringLiteral("Kontenblatt")
                                : QStringLiteral("Kontenblatt ") + konto->text();
    });
    spalte->addWidget(Memo3, 1);
    leiste = gui::berichtsleiste(links, Memo3);
    spalte->addWidget(leiste);
    TKonto = gui::leistenknopf(leiste, "TKonto", QStringLiteral("T-Konto"));
    TKonto->setCheckable(true);
    TKonto->setToolTip(QStringLiteral("Das Konto als T-Konto zeigen: Soll links, Haben rechts"));
    connect(TKonto, &QToolButton::toggled, this, [this] {
        if (ListBox1->currentItem() != nullptr) {
            programm_.befehl([this] { ListBox1Click(); });
        }
    });
    ListBox1 = new QListWidget(Splitter2);
    ListBox1->setAccessibleName(QStringLiteral("Konten"));
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    Splitter2->addWidget(links);
    Splitter2->addWidget(ListBox1);
    Splitter2->setStretchFactor(0, 1);
    Splitter2->setSizes({480, 185});
    rahmen->addWidget(Splitter2);

    // A selection by mouse or by the arrow keys builds the sheet.
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (zeile >= 0) {
            programm_.befehl([this] { ListBox1Click(); });
        }
    });
    programm.registriere_zeige_handler(this, [this] { TabSheet10Show(); });
}

void KontenblattSeite::TabSheet10Show() {
    ListBox1->clear();
    Memo3->leeren();
    if (programm_.kontenplan_nr == 0) {
        programm_.dialoge().meldung(gui::aus_utf8(runtime::meldungen::kein_kontenplan));
        return;
    }
    const masterdata::Kontenplan kontenplan(programm_.kontenplan_nr);
    QStringList namen;
    for (const auto& konto : kontenplan.konten()) {
        namen.append(gui::als_qstring(konto.bezeichnung));
    }
    ListBox1->addItems(namen);
}

void KontenblattSeite::ListBox1Click() {
    const std::string konto = gui::als_cp1252(ListBox1->currentItem()->text());
    const bool t = TKonto->isChecked();
    const std::int32_t jahr = programm_.buchungsjahr;
    gui::fuelle(*Memo3, programm_.dialoge(), [&konto, t, jahr](const Zeilenziel& ziel) {
        if (t) {
            t_kontenblatt(konto, ziel);
        } else {
            kontenblatt(konto, ziel, jahr);
        }
        return std::optional<std::string>();
    });
}

} // namespace saldino::reports
