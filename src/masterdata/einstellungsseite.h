#pragma once

#include "masterdata/einstellungen.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace saldino::gui {
class Programm;
}

namespace saldino::masterdata {

// The settings page, reached only with the access word.
class EinstellungsSeite : public QWidget {
    Q_OBJECT

public:
    EinstellungsSeite(gui::Programm& programm, QWidget* eltern);
    Q_DISABLE_COPY_MOVE(EinstellungsSeite)

    void werte_in(Einstellungen& werte) const;
    void zeige(const Einstellungen& werte);

    // The disabled radio group shows the selected chart: -1 marks no item.
    int RadioGroup1ItemIndex() const { return radio_index_; }
    void setzeRadioGroup1ItemIndex(int index);

    void SpeedButton24Click();
    void Button1Click();
    void Button2Click();
    void CheckBox1Click();

    QCheckBox* CheckBox1 = nullptr;
    QLabel* Label22 = nullptr;
    QLineEdit* Edit13 = nullptr;
    QLabel* Label23 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QLineEdit* Edit28 = nullptr;
    // The exercise folder (aufgabenordner.txt, not einstellungen.txt); empty
    // for the working directory.
    QLineEdit* Aufgabenordner = nullptr;
    std::array<QLineEdit*, 4> Edit9bis12{}; // Edit9 to Edit12
    QGroupBox* RadioGroup1 = nullptr;
    std::array<QRadioButton*, 4> RadioGroup1Items{};
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

private:
    gui::Programm& programm_;
    int radio_index_ = 0;
};

} // namespace saldino::masterdata
