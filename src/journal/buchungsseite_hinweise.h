#pragma once

#include "journal/buchung.h"

#include <QObject>
#include <QPalette>

#include <array>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace saldino::masterdata {
class Kontenplan;
}

namespace saldino::journal {

// What the booking page says while the pupil types: the debit and credit
// totals of the five lines and their difference beside the form, the fields
// that cannot be read marked, and below the account boxes what the account
// in the box with the focus is and on which side it grows.
class Buchungshinweise : public QObject {
    Q_OBJECT

public:
    // `betrag` is the page's figure beside "Betrag::": the booking's debit total.
    Buchungshinweise(QWidget* seite, const std::array<QComboBox*, zeilen_je_buchung>& konten,
                     const std::array<QLineEdit*, zeilen_je_buchung>& soll,
                     const std::array<QLineEdit*, zeilen_je_buchung>& haben, QLabel* betrag);
    ~Buchungshinweise() override;
    Q_DISABLE_COPY_MOVE(Buchungshinweise)

    // The chart the hint line names accounts from; none without a chart.
    void kontenplan_setzen(std::unique_ptr<masterdata::Kontenplan> kontenplan);

    QLabel* summe_soll = nullptr;
    QLabel* summe_haben = nullptr;
    QLabel* differenz = nullptr;
    QLabel* kontohinweis = nullptr;

private:
    void summen_zeigen();
    void hinweis_zeigen();
    void fokus_gewechselt(QWidget* neu);

    QWidget* seite_;
    std::array<QComboBox*, zeilen_je_buchung> konten_;
    std::array<QLineEdit*, zeilen_je_buchung> soll_;
    std::array<QLineEdit*, zeilen_je_buchung> haben_;
    std::optional<std::size_t> aktive_box_;
    std::unique_ptr<masterdata::Kontenplan> kontenplan_;
    QPalette differenz_normal_;
    QLabel* betrag_;
};

} // namespace saldino::journal
