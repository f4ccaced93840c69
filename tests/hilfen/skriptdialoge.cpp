#include "hilfen/skriptdialoge.h"

#include <QPrinter>

#include <gtest/gtest.h>

namespace saldino::test {

namespace {

const char* name(SkriptDialoge::Art art) {
    switch (art) {
    case SkriptDialoge::Art::meldung:
        return "Meldung";
    case SkriptDialoge::Art::fehler:
        return "Fehler";
    case SkriptDialoge::Art::frage:
        return "Frage";
    case SkriptDialoge::Art::speichern:
        return "Speichern";
    case SkriptDialoge::Art::oeffnen:
        return "Oeffnen";
    case SkriptDialoge::Art::drucken:
        return "Drucken";
    case SkriptDialoge::Art::aufgabe:
        return "Aufgabe";
    }
    return "?";
}

} // namespace

QString SkriptDialoge::nimm(Art art) {
    if (gezeigt_.empty()) {
        ADD_FAILURE() << "no " << name(art) << " box was shown";
        return {};
    }
    Box box = gezeigt_.front();
    gezeigt_.pop_front();
    EXPECT_EQ(name(box.art), std::string(name(art))) << box.text.toStdString();
    return box.text;
}

QStringList SkriptDialoge::nimm_alle(Art art) {
    QStringList texte;
    for (auto it = gezeigt_.begin(); it != gezeigt_.end();) {
        if (it->art == art) {
            texte.append(it->text);
            it = gezeigt_.erase(it);
        } else {
            ++it;
        }
    }
    return texte;
}

void SkriptDialoge::pruefe_leer() {
    for (const Box& box : gezeigt_) {
        ADD_FAILURE() << "unexpected " << name(box.art) << " box: " << box.text.toStdString();
    }
    for (const QString& antwort : antworten_) {
        ADD_FAILURE() << "unused answer: " << antwort.toStdString();
    }
    gezeigt_.clear();
    antworten_.clear();
}

QString SkriptDialoge::antwort(Art art, const QString& text) {
    gezeigt_.push_back({art, text});
    if (antworten_.empty()) {
        ADD_FAILURE() << "no answer queued for " << name(art) << ": " << text.toStdString();
        return {};
    }
    QString a = antworten_.front();
    antworten_.pop_front();
    return a;
}

void SkriptDialoge::meldung(const QString& text) {
    gezeigt_.push_back({Art::meldung, text});
}

void SkriptDialoge::fehler(const QString& text) {
    gezeigt_.push_back({Art::fehler, text});
}

bool SkriptDialoge::frage(const QString& text) {
    return antwort(Art::frage, text) == QStringLiteral("&Ja");
}

QString SkriptDialoge::datei_speichern(const gui::Dateiauswahl& auswahl) {
    letzte_auswahl = auswahl;
    return antwort(Art::speichern, auswahl.titel);
}

QString SkriptDialoge::datei_oeffnen(const gui::Dateiauswahl& auswahl) {
    letzte_auswahl = auswahl;
    return antwort(Art::oeffnen, auswahl.titel);
}

bool SkriptDialoge::aufgabe_bearbeiten(gui::Aufgabenformular& formular) {
    gezeigt_.push_back({Art::aufgabe, formular.titel});
    letztes_aufgabenformular = formular;
    if (aufgaben_.empty()) {
        return false;
    }
    formular = aufgaben_.front();
    aufgaben_.pop_front();
    return true;
}

bool SkriptDialoge::drucker_waehlen(QPrinter& drucker) {
    if (antwort(Art::drucken, QStringLiteral("Drucken")) != QStringLiteral("&Ja")) {
        return false;
    }
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(druckdatei);
    return true;
}

namespace {

class Aufzeichnung : public gui::Fortschritt {
public:
    explicit Aufzeichnung(SkriptDialoge::Fortschrittsmeldung& ziel) : ziel_(ziel) {}
    void melde(std::int64_t erledigt, std::int64_t gesamt) override {
        ziel_.erledigt = erledigt;
        ziel_.gesamt = gesamt;
    }

private:
    SkriptDialoge::Fortschrittsmeldung& ziel_;
};

} // namespace

std::unique_ptr<gui::Fortschritt> SkriptDialoge::fortschritt(const QString& text) {
    fortschritte.push_back({text});
    return std::make_unique<Aufzeichnung>(fortschritte.back());
}

} // namespace saldino::test
