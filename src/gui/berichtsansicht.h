#pragma once

#include "reports/zeilenquelle.h"

#include <QAbstractScrollArea>

class QToolButton;

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace saldino::gui {

class Dialoge;
class Programm;

// The font of a report view.
struct Schrift {
    const char* familie;
    int pixel;
    bool fett;
};

// What heads a printed report: the company and the page.
struct Druckkopf {
    QString firma;
    QString titel;
};

// A builder hands its lines to the sink and returns the program's message, if any.
using Bericht = std::function<std::optional<std::string>(const reports::Zeilenziel&)>;

// A place in the text: line and column, both from 0.
struct Textstelle {
    std::int64_t zeile = 0;
    std::int64_t spalte = 0;

    auto operator<=>(const Textstelle&) const = default;
};

// A report shown read-only in a fixed-pitch font with both scroll bars,
// drawing only the lines on screen from its line source: a report of a
// million lines costs no more to show than one of ten. Selection by mouse
// and keyboard, Ctrl+C, Ctrl+A, Page Up/Down, Home/End; Ctrl+plus, Ctrl+minus,
// Ctrl+0 and Ctrl+wheel zoom every report view together; Ctrl+P prints.
class Berichtsansicht : public QAbstractScrollArea {
    Q_OBJECT
    // The whole text, lines joined by "\n", as a plain text view offers it.
    Q_PROPERTY(QString plainText READ toPlainText)

public:
    Berichtsansicht(QWidget* eltern, const char* name, Schrift schrift);
    ~Berichtsansicht() override;
    Q_DISABLE_COPY_MOVE(Berichtsansicht)

    void setze(std::shared_ptr<const reports::Zeilenquelle> quelle);
    void leeren();
    const reports::Zeilenquelle& quelle() const { return *quelle_; }

    QString toPlainText() const;
    // Lines too long for the width are broken at a blank where there is one.
    void setze_umbruch(bool umbruch);
    bool umbruch() const { return umbruch_; }

    void markiere(Textstelle anker, Textstelle ende);
    // What Ctrl+End does: the cursor to the end of the last line, in sight.
    void bewege_zum_ende();
    void alles_markieren();
    QString markierter_text() const;
    void kopieren() const;
    Textstelle cursor() const { return cursor_; }
    Textstelle anker() const { return anker_; }

    // What Ctrl+P, "Drucken…" and "Als PDF…" need: the program (its dialogs,
    // the company name, the working directory) and the page's title.
    void drucken_einrichten(Programm& programm, std::function<QString()> titel);
    void drucken();
    void als_pdf_speichern();
    Druckkopf druckkopf() const;

    // The font size in pixels at the current zoom.
    int pixelgroesse() const;

    // The width the widest line takes when drawn, as the font lays it out on
    // the view: what the horizontal scroll bar reaches, margins aside.
    qreal textbreite() const;
    // The largest zoom at which the widest line fits the view's width
    // (the smallest zoom when none does).
    int passender_zoom() const;
    // "Breite anpassen": every report view to that zoom.
    void breite_anpassen();

    // The text of one line as shown.
    QString zeilentext(std::int64_t zeile) const;

    // For the accessible text interface: places as offsets into the whole
    // text (lines joined by "\n"), counted once when first asked for.
    std::int64_t zeichenzahl() const;
    std::int64_t versatz(Textstelle stelle) const;
    Textstelle stelle(std::int64_t versatz) const;
    Textstelle stelle_bei(const QPoint& punkt) const;
    QRect zeichenrechteck(Textstelle stelle) const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override;
    void wheelEvent(QWheelEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;

private:
    // A row on screen: a whole line, or one piece of a broken line.
    struct Reihe {
        std::int64_t zeile;
        std::int64_t anfang;
        std::int64_t laenge;
    };

    void schrift_anwenden();
    QFont schrift_bei(int pixel) const;
    void reihen_berechnen();
    void bereiche_setzen();
    std::int64_t reihenzahl() const;
    Reihe reihe(std::int64_t nummer) const;
    std::int64_t reihe_von(Textstelle stelle) const;
    std::int64_t sichtbare_reihen() const;
    void bewege_cursor(Textstelle ziel, bool markieren);
    void cursor_zeigen();
    std::int64_t zeilenlaenge(std::int64_t zeile) const;
    QStringList zeilen(std::int64_t erste, std::int64_t menge) const;

    Schrift schrift_;
    std::shared_ptr<const reports::Zeilenquelle> quelle_;
    bool umbruch_ = false;
    std::vector<Reihe> reihen_; // only with umbruch_
    QFont font_;
    qreal zeichenbreite_ = 1;
    int zeilenhoehe_ = 1;
    Textstelle anker_;
    Textstelle cursor_;
    mutable std::vector<std::int64_t> anfaenge_; // where each line begins in the whole text
    Programm* programm_ = nullptr;
    std::function<QString()> titel_;
};

// Makes the report views known to screen readers; the views call it.
void zugang_einrichten();

// Replaces the view's text by the report's lines, set at once, and shows the
// report's message, if any. When the builder fails part-way, the lines built
// so far are shown; when it fails before its first line, the view keeps its text.
void fuelle(Berichtsansicht& ansicht, Dialoge& dialoge, const Bericht& bericht);

// The slim row of commands under a report view: "Drucken…", "Als PDF…",
// "Größer", "Kleiner", "Breite anpassen".
QWidget* berichtsleiste(QWidget* eltern, Berichtsansicht* ansicht);

// A page's own command at the end of its row, after the four.
QToolButton* leistenknopf(QWidget* leiste, const char* name, const QString& text);

} // namespace saldino::gui
