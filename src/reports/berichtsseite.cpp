#include "reports/berichtsseite.h"

#include "gui/programm.h"
#include "reports/abschluss.h"
#include "reports/betriebsergebnis.h"
#include "reports/bilanz.h"
#include "reports/journalliste.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace saldino::reports {

BerichtsSeite::BerichtsSeite(gui::Programm& programm, QWidget* eltern, const char* seitenname,
                             const char* ansichtsname, gui::Schrift schrift, const QString& titel)
    : QWidget(eltern), programm_(programm) {
    setObjectName(QString::fromLatin1(seitenname));
    auto* rahmen = new QVBoxLayout(this);
    rahmen->setContentsMargins(0, 0, 0, 0);
    rahmen->setSpacing(0);
    Hinweis = new QLabel(this);
    Hinweis->setObjectName(QStringLiteral("%1Hinweis").arg(QLatin1String(seitenname)));
    Hinweis->setTextFormat(Qt::PlainText);
    Hinweis->setWordWrap(true);
    // The window's pages draw text in the button role; the hint in its own red.
    Hinweis->setForegroundRole(QPalette::WindowText);
    QPalette rot = Hinweis->palette();
    rot.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
    Hinweis->setPalette(rot);
    Hinweis->hide();
    rahmen->addWidget(Hinweis);
    Memo = new gui::Berichtsansicht(this, ansichtsname, schrift);
    Memo->setAccessibleName(QStringLiteral("Bericht ") + titel);
    Memo->drucken_einrichten(programm, [titel] { return titel; });
    rahmen->addWidget(Memo, 1);
    leiste = gui::berichtsleiste(this, Memo);
    rahmen->addWidget(leiste);
}

void BerichtsSeite::zeige(const gui::Bericht& bericht) {
    gui::fuelle(*Memo, programm_.dialoge(), bericht);
}

void BerichtsSeite::baue_beim_zeigen(Quelle quelle) {
    programm_.registriere_zeige_handler(this, [this, quelle = std::move(quelle)] {
        const Berichtsdaten daten = programm_.berichtsdaten();
        std::string hinweis;
        Hinweis->hide();
        zeige([&](const Zeilenziel& ziel) { return quelle(daten, ziel, hinweis); });
        Hinweis->setText(QString::fromStdString(hinweis));
        Hinweis->setVisible(!hinweis.empty());
    });
}

BerichtsSeite* bilanzseite(gui::Programm& programm, QWidget* eltern) {
    auto* seite = new BerichtsSeite(programm, eltern, "TabSheet5", "Memo1", {"Courier", 16, true},
                                    QStringLiteral("Bilanz und GuV"));
    seite->baue_beim_zeigen([](const Berichtsdaten& daten, const Zeilenziel& ziel,
                               std::string& hinweis) { return bilanz(daten, ziel, &hinweis); });
    QToolButton* abschluss =
        gui::leistenknopf(seite->leiste, "Abschluss", QStringLiteral("Abschluss"));
    abschluss->setToolTip(QStringLiteral("Der Jahresabschluss: Abschlussbuchungen, GuV-Konto "
                                         "und Schlussbilanzkonto"));
    QObject::connect(abschluss, &QToolButton::clicked, seite, [&programm] {
        programm.befehl([&programm] { programm.abschluss_zeigen(); });
    });
    return seite;
}

BerichtsSeite* journalseite(gui::Programm& programm, QWidget* eltern) {
    auto* seite = new BerichtsSeite(programm, eltern, "TabSheet6", "Memo2",
                                    {"Courier New", 13, false}, QStringLiteral("Journal"));
    // The listing is counted in one pass and its lines made as they are shown.
    programm.registriere_zeige_handler(seite, [seite] {
        const auto liste = std::make_shared<Journalansicht>();
        seite->Memo->setze(liste);
        liste->melde_fehler();
    });
    return seite;
}

BerichtsSeite* betriebsergebnisseite(gui::Programm& programm, QWidget* eltern) {
    auto* seite = new BerichtsSeite(programm, eltern, "TabSheet11", "Memo4",
                                    {"Courier New", 16, true}, QStringLiteral("Betriebsergebnis"));
    seite->baue_beim_zeigen([](const Berichtsdaten& daten, const Zeilenziel& ziel, std::string&) {
        return betriebsergebnis(daten, ziel);
    });
    return seite;
}

BerichtsSeite* abschlussseite(gui::Programm& programm, QWidget* eltern) {
    auto* seite = new BerichtsSeite(programm, eltern, "TabSheet13", "Memo6",
                                    {"Courier New", 13, false}, QStringLiteral("Abschluss"));
    seite->baue_beim_zeigen(
        [](const Berichtsdaten& daten, const Zeilenziel& ziel, std::string& hinweis) {
            return abschlussbericht(daten, ziel, &hinweis);
        });
    return seite;
}

BerichtsSeite* pruefergebnisseite(gui::Programm& programm, QWidget* eltern) {
    auto* seite = new BerichtsSeite(programm, eltern, "TabSheet12", "Memo5",
                                    {"Courier New", 16, true}, QStringLiteral("Prüfergebnis"));
    seite->setWindowTitle(QStringLiteral("Prüfergebnis"));
    seite->setAccessibleName(QStringLiteral("Prüfergebnis"));
    // Its lines are sentences, not columns: the longest would be cut off.
    seite->Memo->setze_umbruch(true);
    return seite;
}

} // namespace saldino::reports
