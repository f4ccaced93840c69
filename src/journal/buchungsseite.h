#pragma once

#include "journal/buchung.h"
#include "runtime/ort.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace saldino::gui {
class Programm;
}

namespace saldino::journal {

class Buchungshinweise;

// The booking page: a form of date, payer/payee, reason and five account
// lines. Two states: showing a stored booking ("&Buchen" disabled) and new
// entry ("&Buchen" enabled, "Ändern" disabled).
class BuchungsSeite : public QWidget {
    Q_OBJECT

public:
    BuchungsSeite(gui::Programm& programm, QWidget* eltern);
    Q_DISABLE_COPY_MOVE(BuchungsSeite)

    void TabSheet4Show();
    void buchung_anzeigen(std::int32_t n);
    void buchungsformular_loeschen();
    // Copies the form into the working record; false (after a message) when
    // it may not be stored.
    bool buchungssatz_uebernehmen();

    void SpeedButton8Click();  // "Neu"
    void SpeedButton9Click();  // "|<"
    void SpeedButton25Click(); // "<"
    void SpeedButton26Click(); // ">"
    void SpeedButton27Click(); // ">|"
    void SpeedButton28Click(); // "Ändern"
    void SpeedButton29Click(); // "&Buchen"
    void SpeedButton36Click(); // "Löschen"

    // ComboBox1Exit to ComboBox5Exit, `zeile` 0 to 4.
    void ComboBoxExit(std::size_t zeile);
    void Edit14Exit();
    // Edit17Exit to Edit26Exit.
    void BetragExit(QLineEdit* feld);

    bool neueingabe() const;

    QToolButton* SpeedButton8 = nullptr;
    QToolButton* SpeedButton9 = nullptr;
    QToolButton* SpeedButton25 = nullptr;
    QToolButton* SpeedButton26 = nullptr;
    QToolButton* SpeedButton27 = nullptr;
    QToolButton* SpeedButton28 = nullptr;
    QToolButton* SpeedButton36 = nullptr;
    QToolButton* Rueckgaengig = nullptr; // the history's last step taken back
    QToolButton* SpeedButton29 = nullptr;
    QLabel* Label44 = nullptr; // "Buchung:", hidden
    QLabel* Label45 = nullptr; // position text, hidden
    QLabel* Label26 = nullptr; // booking number
    QLabel* Label31 = nullptr; // beside "Betrag::": the booking's debit total
    QLineEdit* Edit14 = nullptr;
    QLineEdit* Edit15 = nullptr;
    QLineEdit* Edit16 = nullptr;
    std::array<QComboBox*, zeilen_je_buchung> ComboBox{}; // ComboBox1 to ComboBox5
    std::array<QLineEdit*, zeilen_je_buchung> Soll{};     // Edit17, Edit19, ..., Edit25
    std::array<QLineEdit*, zeilen_je_buchung> Haben{};    // Edit18, Edit20, ..., Edit26
    QWidget* Panel5 = nullptr;
    Buchungshinweise* hinweise = nullptr; // running totals and the account hint

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    QToolButton* befehlsknopf(const char* name, const QString& text, const QRect& ort,
                              void (BuchungsSeite::*handler)());
    void befehlsleiste_anlegen();
    void kopf_anlegen();
    void kontozeilen_anlegen();
    void zeige_und_setze(std::int32_t neue_position);
    void zustand_anzeigen();

    gui::Programm& programm_;
    TBuchung buchung_; // the working record
    // The journal file as it was when the form showed a booking of it.
    runtime::Dateistand journalstand_;
    void journalstand_merken();
    bool journal_ersetzt() const;
};

} // namespace saldino::journal
