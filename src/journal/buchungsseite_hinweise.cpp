#include "journal/buchungsseite_hinweise.h"

#include "gui/bausteine.h"
#include "gui/qtext.h"
#include "journal/buchungspruefung.h"
#include "masterdata/kontenplan.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace saldino::journal {

namespace {

// A field whose text cannot be read as an amount: it counts 0 in the totals.
void markieren(QLineEdit* feld, bool unlesbar) {
    if (unlesbar == feld->property("unlesbar").toBool()) {
        return;
    }
    feld->setProperty("unlesbar", unlesbar);
    if (unlesbar) {
        gui::festfarben(feld, QColor(0xFF, 0xC8, 0xC8));
        feld->setToolTip(QStringLiteral("Kein gültiger Betrag: zählt als 0,00"));
    } else {
        feld->setPalette(QPalette());
        feld->setToolTip(QString());
    }
}

QLabel* anzeige(QWidget* seite, const char* name, int oben) {
    QLabel* label = gui::beschriftung(seite, name, QString(), 480, oben);
    label->resize(185, label->height());
    return label;
}

} // namespace

Buchungshinweise::Buchungshinweise(QWidget* seite,
                                   const std::array<QComboBox*, zeilen_je_buchung>& konten,
                                   const std::array<QLineEdit*, zeilen_je_buchung>& soll,
                                   const std::array<QLineEdit*, zeilen_je_buchung>& haben,
                                   QLabel* betrag)
    : QObject(seite), seite_(seite), konten_(konten), soll_(soll), haben_(haben), betrag_(betrag) {
    summe_soll = anzeige(seite, "SummeSoll", 184);
    summe_haben = anzeige(seite, "SummeHaben", 200);
    differenz = anzeige(seite, "Differenz", 216);
    differenz_normal_ = differenz->palette();
    kontohinweis = gui::beschriftung(seite, "Kontohinweis", QString(), 32, 312);
    kontohinweis->resize(560, kontohinweis->height());

    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        for (QLineEdit* feld : {soll_[i], haben_[i]}) {
            connect(feld, &QLineEdit::textChanged, this, &Buchungshinweise::summen_zeigen);
        }
        connect(konten_[i], &QComboBox::editTextChanged, this, [this, i] {
            if (aktive_box_ == i) {
                hinweis_zeigen();
            }
        });
    }
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* neu) { fokus_gewechselt(neu); });
    summen_zeigen();
}

Buchungshinweise::~Buchungshinweise() = default;

void Buchungshinweise::kontenplan_setzen(std::unique_ptr<masterdata::Kontenplan> kontenplan) {
    kontenplan_ = std::move(kontenplan);
    hinweis_zeigen();
}

void Buchungshinweise::summen_zeigen() {
    Betragsfelder soll;
    Betragsfelder haben;
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        soll[i] = gui::als_cp1252(soll_[i]->text());
        haben[i] = gui::als_cp1252(haben_[i]->text());
    }
    const Formularsummen summen = formularsummen(soll, haben);
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        markieren(soll_[i], summen.soll_unlesbar[i]);
        markieren(haben_[i], summen.haben_unlesbar[i]);
    }
    gui::ansage(summe_soll, QStringLiteral("Summe Soll: ") + gui::als_qstring(summen.soll));
    betrag_->setText(gui::als_qstring(summen.soll));
    gui::ansage(summe_haben, QStringLiteral("Summe Haben: ") + gui::als_qstring(summen.haben));
    gui::ansage(differenz, QStringLiteral("Differenz: ") + gui::als_qstring(summen.differenz));
    QPalette farbe = differenz_normal_;
    if (!summen.ausgeglichen) {
        farbe.setColor(differenz->foregroundRole(), QColor(0xC0, 0, 0));
    }
    differenz->setPalette(farbe);
}

void Buchungshinweise::fokus_gewechselt(QWidget* neu) {
    if (neu == nullptr || !seite_->isAncestorOf(neu)) {
        return; // a message box or another page: the hint stays
    }
    aktive_box_.reset();
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        if (neu == konten_[i] || konten_[i]->isAncestorOf(neu)) {
            aktive_box_ = i;
        }
    }
    hinweis_zeigen();
}

void Buchungshinweise::hinweis_zeigen() {
    const masterdata::TKonto* konto = nullptr;
    if (aktive_box_ && kontenplan_) {
        konto = kontenplan_->konto(gui::als_cp1252(konten_[*aktive_box_]->currentText()));
    }
    gui::ansage(kontohinweis,
                konto == nullptr ? QString() : gui::als_qstring(masterdata::kontohinweis(*konto)));
}

} // namespace saldino::journal
