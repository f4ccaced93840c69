#pragma once

#include <QObject>
#include <QString>

namespace saldino::gui {

// The one zoom of every report view, in percent of the report's own font
// size: 50 to 400 in steps of about a tenth. Kept for the run and, once a
// file is named, in that per-user file.
class Berichtszoom : public QObject {
    Q_OBJECT

public:
    static Berichtszoom& instanz();

    static constexpr int kleinster = 50;
    static constexpr int groesster = 400;

    int prozent() const { return prozent_; }
    void setze(int prozent);
    void groesser();
    void kleiner();
    void zuruecksetzen() { setze(100); }

    // Whether no zoom has been chosen yet: the window's file kept none and
    // none was set since. A view then starts at the width of its widest line.
    bool frei() const { return frei_; }

    // Reads the zoom from `pfad` (a missing or unreadable file leaves it)
    // and writes every change there. The window names the file; tests do not.
    void datei_setzen(const QString& pfad);

    // Where the window keeps the zoom: "ansicht.txt" in the user's
    // configuration folder of the program.
    static QString standarddatei();

signals:
    void geaendert();

private:
    Berichtszoom() = default;
    void sichern() const;

    int prozent_ = 100;
    bool frei_ = false;
    QString datei_;
};

} // namespace saldino::gui
