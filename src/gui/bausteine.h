#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <QTableWidget>

class QAbstractItemView;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

// Controls placed at fixed positions on a page, each named by its objectName.
namespace saldino::gui {

// A flat command button (gui::Befehlsknopf): focus by Tab only, runs on Space or Enter.
QToolButton* flacher_knopf(QWidget* eltern, const char* name, const QString& text,
                           const QRect& ort);

QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text, int links, int oben);

QLineEdit* eingabefeld(QWidget* eltern, const char* name, const QRect& ort);

// Shows `text` in a label that follows the user's typing (running sums, the
// account hint) and, when it changed, tells a screen reader, which may read
// it out while the focus stays in the field.
void ansage(QLabel* label, const QString& text);

// Chains the focus through `felder` in this order: Tab goes from each to the next.
void tabfolge(std::initializer_list<QWidget*> felder);

// Chains the focus through the controls of `seite` in reading order: top to
// bottom, then left to right. A control inside another that takes the focus
// (the line of a combo box) belongs to that one.
void lesereihenfolge(QWidget* seite);

// Makes `label` the label of `feld`: a screen reader calls the field by the
// label's text without its colon, and the label's access key reaches it.
void beschrifte(QLabel* label, QWidget* feld);

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text, const QRect& ort);

// A string grid: the header is its fixed row 0, table row k-1 is its row k.
class Gitter : public QTableWidget {
    Q_OBJECT

public:
    using QTableWidget::QTableWidget;

    // Takes over what is typed into a cell that is still being edited, so a
    // command reading the grid sees it.
    void offene_zelle_uebernehmen();

    // The text of a cell, empty where there is no item.
    QString text(int zeile, int spalte) const;
    void setze_text(int zeile, int spalte, const QString& text);

    // Only column `spalte` of the first `zeilen` rows can be edited; an
    // editor opens with its whole text selected, so typing replaces it, and
    // Enter takes the cell over and moves to the cell below.
    void bearbeitbar_nur(int spalte, int zeilen);

    // The text of a cell as it is seen: while it is being edited, what its
    // editor holds.
    QString sichtbarer_text(int zeile, int spalte) const;

signals:
    // A cell was changed, or the text in a cell's editor.
    void eingabe_geaendert();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* ereignis) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hinweis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void eine_zeile_tiefer();

    int bearbeitbare_spalte_ = -1; // -1: every cell, as a plain grid
    int bearbeitbare_zeilen_ = 0;
};

// Makes a line edit select its whole text when it gets the focus by a
// click, as it does for Tab: typing then replaces "0,00" instead of
// extending it.
void ganz_markieren_beim_klick(QLineEdit* feld);

// A string grid with `zeilen` rows below its header.
Gitter* gitter(QWidget* eltern, const char* name, int spalten, int zeilen,
               std::initializer_list<int> breiten, const QRect& ort);

// The colour of the company-data fields.
inline constexpr unsigned himmelblau = 0xA6CAF0;

// Makes every item of a list `hoehe` pixels high, as wide as its text.
void feste_zeilenhoehe(QAbstractItemView* liste, int hoehe);

// Gives a field a fixed background and, with it, black text, so that a dark
// desktop theme does not put light text on the light background.
void festfarben(QWidget* feld, QColor hintergrund);

// Where a window whose frame has the size `aussen` goes: at `wunsch` when it
// fits the screen's available area there, otherwise moved just far enough
// to lie inside it (its top-left corner first when it is larger).
QPoint fensterplatz(const QRect& verfuegbar, const QPoint& wunsch, const QSize& aussen);

} // namespace saldino::gui
