#include "backup/aufgabenseite.h"

#include "app/bausteine.h"
#include "app/qtext.h"
#include "app/tform1.h"

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
}

void AufgabenSeite::aufgabe_oeffnen(int n) {
    form_.CheckListBox1->clear();
    for (const std::string& zeile : lies_aufgabenliste(n)) {
        auto* eintrag = new QListWidgetItem(app::alsQString(zeile), form_.CheckListBox1);
        eintrag->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        eintrag->setCheckState(Qt::Unchecked);
        eintrag->setSizeHint(QSize(eintrag->sizeHint().width(), 15));
    }
}

void AufgabenSeite::titel_setzen(int n, const QString& titel) {
    QLabel* label = Label36bis43[static_cast<std::size_t>(n - 1)];
    label->setText(titel);
    label->adjustSize();
}

} // namespace saldino::backup
