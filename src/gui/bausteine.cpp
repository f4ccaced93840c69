#include "gui/bausteine.h"
#include "gui/befehlsknopf.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace saldino::gui {

namespace {

// The grid's editors open with their whole text selected. A change of the
// item while it is typed into (its red mark, its tip) comes here too: what
// was typed stays, and so does the cursor, or the next key would replace it.
class Ganzauswahl : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* feld = qobject_cast<QLineEdit*>(editor);
        if (feld != nullptr && feld->isModified()) {
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
        if (feld != nullptr) {
            feld->selectAll();
        }
    }
};

// Items of one fixed height and the width their text needs.
class FesteHoehe : public QStyledItemDelegate {
public:
    FesteHoehe(int hoehe, QObject* eltern) : QStyledItemDelegate(eltern), hoehe_(hoehe) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), hoehe_};
    }

private:
    int hoehe_;
};

// The click that gives a field the focus selects its whole text instead of
// placing the cursor, and so does a click into a field that has the focus
// back (after a message box) and has not been typed in since. Qt moves the
// focus before it delivers the press, so the press is taken here, with its
// release.
class Klickauswahl : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        auto* feld = static_cast<QLineEdit*>(objekt);
        switch (ereignis->type()) {
        case QEvent::FocusIn:
            klick_erwartet_ = true;
            break;
        case QEvent::FocusOut:
        case QEvent::KeyPress:
            klick_erwartet_ = false;
            break;
        case QEvent::MouseButtonPress:
            if (klick_erwartet_) {
                klick_erwartet_ = false;
                feld->selectAll();
                loslassen_schlucken_ = true;
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (loslassen_schlucken_) {
                loslassen_schlucken_ = false;
                return true;
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    bool klick_erwartet_ = false;
    bool loslassen_schlucken_ = false;
};

} // namespace

QToolButton* flacher_knopf(QWidget* eltern, const char* name, const QString& text,
                           const QRect& ort) {
    auto* knopf = new Befehlsknopf(eltern);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setText(text);
    knopf->setGeometry(ort);
    return knopf;
}

QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text, int links, int oben) {
    auto* label = new QLabel(eltern);
    label->setObjectName(QString::fromLatin1(name));
    // Titles come from files and names from the user: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
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

void ansage(QLabel* label, const QString& text) {
    if (label->text() == text) {
        return;
    }
    label->setText(text);
    QAccessibleValueChangeEvent ereignis(label, text);
    QAccessible::updateAccessibility(&ereignis);
}

void tabfolge(std::initializer_list<QWidget*> felder) {
    QWidget* vorher = nullptr;
    for (QWidget* feld : felder) {
        if (vorher != nullptr) {
            QWidget::setTabOrder(vorher, feld);
        }
        vorher = feld;
    }
}

void lesereihenfolge(QWidget* seite) {
    const auto eigenes = [seite](const QWidget* feld) {
        for (QWidget* oben = feld->parentWidget(); oben != seite; oben = oben->parentWidget()) {
            if ((oben->focusPolicy() & Qt::TabFocus) != 0) {
                return false;
            }
        }
        return (feld->focusPolicy() & Qt::TabFocus) != 0 && feld->focusProxy() == nullptr;
    };
    std::vector<QWidget*> felder;
    for (QWidget* feld : seite->findChildren<QWidget*>()) {
        if (eigenes(feld)) {
            felder.push_back(feld);
        }
    }
    const auto ort = [seite](const QWidget* feld) { return feld->mapTo(seite, QPoint(0, 0)); };
    std::stable_sort(felder.begin(), felder.end(), [&](const QWidget* a, const QWidget* b) {
        return std::pair(ort(a).y(), ort(a).x()) < std::pair(ort(b).y(), ort(b).x());
    });
    for (std::size_t i = 1; i < felder.size(); ++i) {
        QWidget::setTabOrder(felder[i - 1], felder[i]);
    }
}

void beschrifte(QLabel* label, QWidget* feld) {
    label->setBuddy(feld);
    feld->setAccessibleName(
        QString(label->text()).remove(QLatin1Char('&')).remove(QLatin1Char(':')).trimmed());
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

QString Gitter::sichtbarer_text(int zeile, int spalte) const {
    if (state() == QAbstractItemView::EditingState && currentIndex().row() == zeile &&
        currentIndex().column() == spalte) {
        if (const auto* feld = qobject_cast<const QLineEdit*>(indexWidget(currentIndex()))) {
            return feld->text();
        }
    }
    return text(zeile, spalte);
}

void Gitter::bearbeitbar_nur(int spalte, int zeilen) {
    if (bearbeitbare_spalte_ < 0) {
        setItemDelegate(new Ganzauswahl(this));
        connect(this, &QTableWidget::itemChanged, this, &Gitter::eingabe_geaendert);
    }
    bearbeitbare_spalte_ = spalte;
    bearbeitbare_zeilen_ = zeilen;
}

bool Gitter::edit(const QModelIndex& index, EditTrigger trigger, QEvent* ereignis) {
    if (bearbeitbare_spalte_ >= 0 &&
        (index.column() != bearbeitbare_spalte_ || index.row() >= bearbeitbare_zeilen_)) {
        return false;
    }
    if (!QTableWidget::edit(index, trigger, ereignis)) {
        return false;
    }
    if (auto* feld = qobject_cast<QLineEdit*>(indexWidget(index))) {
        connect(feld, &QLineEdit::textEdited, this, &Gitter::eingabe_geaendert,
                Qt::UniqueConnection);
    }
    return true;
}

// Enter in an editor: the delegate takes the text over and closes it with
// this hint; nothing else closes an editor with it.
void Gitter::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hinweis) {
    QTableWidget::closeEditor(editor, hinweis);
    if (hinweis == QAbstractItemDelegate::SubmitModelCache && bearbeitbare_spalte_ >= 0) {
        eine_zeile_tiefer();
    }
}

void Gitter::keyPressEvent(QKeyEvent* ereignis) {
    const bool enter = ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter;
    if (enter && bearbeitbare_spalte_ >= 0 && state() != QAbstractItemView::EditingState) {
        eine_zeile_tiefer();
        return;
    }
    QTableWidget::keyPressEvent(ereignis);
}

void Gitter::eine_zeile_tiefer() {
    const QModelIndex hier = currentIndex();
    if (hier.isValid() && hier.row() + 1 < bearbeitbare_zeilen_) {
        setCurrentIndex(model()->index(hier.row() + 1, hier.column()));
    }
}

void feste_zeilenhoehe(QAbstractItemView* liste, int hoehe) {
    liste->setItemDelegate(new FesteHoehe(hoehe, liste));
}

void festfarben(QWidget* feld, QColor hintergrund) {
    QPalette farbe = feld->palette();
    for (const QPalette::ColorGroup gruppe : {QPalette::Active, QPalette::Inactive}) {
        farbe.setColor(gruppe, QPalette::Base, hintergrund);
        farbe.setColor(gruppe, QPalette::Text, Qt::black);
    }
    farbe.setColor(QPalette::Disabled, QPalette::Base, hintergrund);
    feld->setPalette(farbe);
}

QPoint fensterplatz(const QRect& verfuegbar, const QPoint& wunsch, const QSize& aussen) {
    if (verfuegbar.contains(QRect(wunsch, aussen))) {
        return wunsch;
    }
    const auto einpassen = [](int wert, int anfang, int laenge, int platz) {
        return std::max(anfang, std::min(wert, anfang + platz - laenge));
    };
    return {einpassen(wunsch.x(), verfuegbar.left(), aussen.width(), verfuegbar.width()),
            einpassen(wunsch.y(), verfuegbar.top(), aussen.height(), verfuegbar.height())};
}

void ganz_markieren_beim_klick(QLineEdit* feld) {
    feld->installEventFilter(new Klickauswahl(feld));
}

Gitter* gitter(QWidget* eltern, const char* name, int spalten, int zeilen,
               std::initializer_list<int> breiten, const QRect& ort) {
    auto* tabelle = new Gitter(zeilen, spalten, eltern);
    tabelle->setObjectName(QString::fromLatin1(name));
    tabelle->setGeometry(ort);
    tabelle->verticalHeader()->hide();
    // Tab leaves the grid for the next control; the arrow keys move in it.
    tabelle->setTabKeyNavigation(false);
    // The minimum first: a default below the style's minimum would be raised to it.
    tabelle->verticalHeader()->setMinimumSectionSize(15);
    tabelle->verticalHeader()->setDefaultSectionSize(15);
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
