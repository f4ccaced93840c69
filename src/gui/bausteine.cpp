#include "gui/bausteine.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

namespace saldino::gui {

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

void Gitter::offene_zelle_uebernehmen() {
    if (state() != QAbstractItemView::EditingState) {
        return;
    }
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

QString Gitter::text(int zeile, int spalte) const {
    const QTableWidgetItem* eintrag = item(zeile, spalte);
    return eintrag == nullptr ? QString() : eintrag->text();
}

void Gitter::setze_text(int zeile, int spalte, const QString& text) {
    if (QTableWidgetItem* eintrag = item(zeile, spalte)) {
        eintrag->setText(text);
    } else {
        setItem(zeile, spalte, new QTableWidgetItem(text));
    }
}

Gitter* gitter(QWidget* eltern, const char* name, int spalten, int zeilen,
               std::initializer_list<int> breiten, const QRect& ort) {
    auto* tabelle = new Gitter(zeilen, spalten, eltern);
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

} // namespace saldino::gui
