#include "backup/aufgabenseite.h"

#include "app/bausteine.h"
#include "app/dialoge.h"
#include "app/qtext.h"
#include "app/tform1.h"
#include "backup/pruefung.h"
#include "reports/berichtsseite.h"
#include "runtime/dateien.h"

#include <QLabel>
#include <QListWidget>
#include <QToolButton>

namespace saldino::backup {

AufgabenSeite::AufgabenSeite(app::TForm1& form, QWidget* eltern) : QWidget(eltern), form_(form) {
    setObjectName(QStringLiteral("TabSheet8"));
    Label47 =
        app::beschriftung(this, "Label47", QStringLiteral("Bitte wähle eine Aufgabe aus!"), 24, 24);
    for (int n = 1; n <= aufgabenzahl; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        const QByteArray knopfname = "SpeedButton" + QByteArray::number(13 + n);
        const QByteArray labelname = "Label" + QByteArray::number(35 + n);
        SpeedButton14bis21[i] = app::flacher_knopf(this, knopfname.constData(), QString::number(n),
                                                   {24, 64 + 32 * (n - 1), 23, 22});
        connect(SpeedButton14bis21[i], &QToolButton::clicked, this,
                [this, n] { form_.befehl([this, n] { aufgabe_oeffnen(n); }); });
        Label36bis43[i] = app::beschriftung(this, labelname.constData(), QStringLiteral("Label36"),
                                            72, 72 + 32 * (n - 1) - 4);
    }
    SpeedButton37 = app::flacher_knopf(this, "SpeedButton37", QStringLiteral("Prüfen"),
                                       {24, 64 + 32 * aufgabenzahl + 8, 57, 25});
    connect(SpeedButton37, &QToolButton::clicked, this,
            [this] { form_.befehl([this] { SpeedButton37Click(); }); });
}

void AufgabenSeite::aufgabe_oeffnen(int n) {
    letzte_aufgabe_ = n;
    form_.CheckListBox1->clear();
    for (const std::string& zeile : lies_aufgabenliste(n)) {
        auto* eintrag = new QListWidgetItem(app::alsQString(zeile), form_.CheckListBox1);
        eintrag->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        eintrag->setCheckState(Qt::Unchecked);
        eintrag->setSizeHint(QSize(eintrag->sizeHint().width(), 15));
    }
}

void AufgabenSeite::SpeedButton37Click() {
    app::Dialoge& dialoge = form_.dialoge();
    if (letzte_aufgabe_ == 0) {
        dialoge.meldung(QStringLiteral("Bitte wähle zuerst eine Aufgabe aus!"));
        return;
    }
    // A file dialog may have changed the working directory.
    runtime::wechsle_verzeichnis(form_.startverzeichnis.string());
    const std::string loesung = loesungsdatei(letzte_aufgabe_);
    if (!runtime::existiert(loesung)) {
        dialoge.meldung(QStringLiteral("Zu dieser Aufgabe gibt es keine Lösung."));
        return;
    }
    std::vector<std::string> zeilen;
    const Pruefung pruefung =
        pruefe(loesung, form_.kontenplan_nr, form_.einstellungen(),
               [&zeilen](std::string_view zeile) { zeilen.emplace_back(zeile); });
    if (pruefung.ungueltige_zeile != 0) {
        dialoge.meldung(
            QStringLiteral("Die Datei %1 ist keine gültige Saldino-Sicherung (Zeile %2).")
                .arg(app::alsQString(runtime::voller_pfad(loesung)))
                .arg(pruefung.ungueltige_zeile));
        return;
    }
    form_.TabSheet12->zeige([&zeilen](const reports::Zeilenziel& ziel) {
        for (const std::string& zeile : zeilen) {
            ziel(zeile);
        }
        return std::optional<std::string>();
    });
    form_.seite_zeigen(form_.TabSheet12);
}

void AufgabenSeite::titel_setzen(int n, const QString& titel) {
    QLabel* label = Label36bis43[static_cast<std::size_t>(n - 1)];
    label->setText(titel);
    label->adjustSize();
}

} // namespace saldino::backup
