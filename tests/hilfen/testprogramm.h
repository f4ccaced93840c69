#pragma once

#include "gui/dialoge.h"
#include "gui/programm.h"
#include "gui/qtext.h"
#include "runtime/fehler.h"

#include <QWidget>

#include <map>

namespace saldino::test {

// The window as a page sees it, without the window: the settings are plain
// values, the cross-page operations are recorded, and showing a page runs
// its show handler as the window does.
class TestProgramm : public gui::Programm {
public:
    explicit TestProgramm(gui::Dialoge& dialoge) : dialoge_(dialoge) {}

    void befehl(const std::function<void()>& schritt) override {
        try {
            schritt();
        } catch (const runtime::Laufzeitfehler& fehler) {
            dialoge_.fehler(gui::als_qstring(fehler.meldung()));
        }
    }
    gui::Dialoge& dialoge() override { return dialoge_; }
    void seite_zeigen(QWidget* seite) override {
        if (seite == sichtbar) {
            return;
        }
        sichtbar = seite;
        if (const auto handler = zeige_handler.find(seite); handler != zeige_handler.end()) {
            befehl(handler->second);
        }
    }
    QWidget* sichtbare_seite() const override { return sichtbar; }
    void registriere_zeige_handler(QWidget* seite, std::function<void()> handler) override {
        zeige_handler[seite] = std::move(handler);
    }
    masterdata::Einstellungen einstellungen() const override { return werte; }
    QString firmenname() const override { return gui::als_qstring(werte.firma[0]); }
    int kontenplan_index() const override { return werte.kontenplan_index; }
    void setze_kontenplan_index(int index) override { werte.kontenplan_index = index; }
    void position_schreiben() override {
        position = QString::number(aktuelle_buchung) + u'/' + QString::number(anzahl_buchungen);
    }
    void aufgabenliste_fuellen(const std::vector<std::string>& zeilen) override {
        aufgabenliste = zeilen;
    }
    void pruefergebnis_zeigen(const std::vector<std::string>& zeilen) override {
        pruefergebnis = zeilen;
    }
    void rueckgaengig() override { ++rueckgaengig_gerufen; }
    void wiederholen() override { ++wiederholen_gerufen; }
    void abschluss_zeigen() override { ++abschluss_gerufen; }
    void aufgaben_neu_lesen() override {}

    masterdata::Einstellungen werte;
    QWidget* sichtbar = nullptr;
    QString position;
    std::vector<std::string> aufgabenliste;
    std::vector<std::string> pruefergebnis;
    int rueckgaengig_gerufen = 0;
    int wiederholen_gerufen = 0;
    int abschluss_gerufen = 0;
    std::map<QWidget*, std::function<void()>> zeige_handler;

private:
    gui::Dialoge& dialoge_;
};

} // namespace saldino::test
