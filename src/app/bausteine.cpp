#include "app/bausteine.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

namespace saldino::app {

QToolButton* flacher_knopf(QWidget* eltern, const char* name, const QString& text,
                           const QRect& ort) {
    auto* knopf = new QToolButton(eltern);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setText(text);
    knopf->setAutoRaise(true);
    knopf->setFocusPolicy(Qt::NoFocus);
    knopf->setToolButtonStyle(Qt::ToolButtonTextOnly);
    knopf->setGeometry(ort);
    return knopf;
}

QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text, int links, int oben) {
    auto* label = new QLabel(text, eltern);
    label->setObjectName(QString::fromLatin1(name));
    label->move(links, oben);
    label->adjustSize();
    return label;
}

QLineEdit* eingabefeld(QWidget* eltern, const char* name, const QRect& ort) {
    auto* feld = new QLineEdit(eltern);
    feld->setObjectName(QString::fromLatin1(name));
    feld->setGeometry(ort);
    return feld;
}

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text, const QRect& ort) {
    auto* knopf = new QPushButton(text, eltern);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setGeometry(ort);
    return knopf;
}

QTableWidget* gitter(QWidget* eltern, const char* name, int spalten, int zeilen,
                     std::initializer_list<int> breiten, const QRect& ort) {
    auto* tabelle = new QTableWidget(zeilen, spalten, eltern);
    tabelle->setObjectName(QString::fromLatin1(name));
    tabelle->setGeometry(ort);
    tabelle->verticalHeader()->hide();
    tabelle->verticalHeader()->setDefaultSectionSize(15);
    tabelle->verticalHeader()->setMinimumSectionSize(15);
    tabelle->horizontalHeader()->setHighlightSections(false);
    // A heading wider than its column shows its beginning.
    tabelle->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    int spalte = 0;
    for (int breite : breiten) {
        tabelle->setColumnWidth(spalte++, breite);
    }
    for (int s = 0; s < spalten; ++s) {
        tabelle->setHorizontalHeaderItem(s, new QTableWidgetItem());
    }
    return tabelle;
}

} // namespace saldino::app
