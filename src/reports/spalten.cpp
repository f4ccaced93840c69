#include "reports/spalten.h"

#include "journal/eingaberegeln.h"

namespace saldino::reports {

namespace {

enum class Seite { rechts, links };

void spalte_an(std::string& ziel, std::string_view text, std::int32_t breite, Seite fuellung) {
    const auto laenge = static_cast<std::int64_t>(text.size());
    if (laenge == breite) {
        ziel.append(text);
    } else if (laenge < breite) {
        const auto luecke = static_cast<std::size_t>(breite - laenge + 1);
        if (fuellung == Seite::rechts) {
            ziel.append(luecke, ' ');
            ziel.append(text);
        } else {
            ziel.append(text);
            ziel.append(luecke, ' ');
        }
    } else {
        ziel.append(
            text.substr(0, static_cast<std::size_t>(std::max<std::int64_t>(breite - 2, 0))));
        ziel.append("...");
    }
}

} // namespace

void printf_an(std::string& ziel, std::string_view text, std::int32_t breite) {
    spalte_an(ziel, text, breite, Seite::rechts);
}

void printr_an(std::string& ziel, std::string_view text, std::int32_t breite) {
    spalte_an(ziel, text, breite, Seite::links);
}

std::string printf(std::string_view text, std::int32_t breite) {
    std::string ergebnis;
    printf_an(ergebnis, text, breite);
    return ergebnis;
}

std::string printr(std::string_view text, std::int32_t breite) {
    std::string ergebnis;
    printr_an(ergebnis, text, breite);
    return ergebnis;
}

void betragsspalte_an(std::string& ziel, double wert, std::int32_t breite) {
    printf_an(ziel, journal::betragstext(wert), breite);
}

std::string buchungsnummer(std::int32_t nr) {
    return std::to_string(static_cast<std::int64_t>(nr) + 1);
}

void summenblock(const Zeilenziel& ziel, double summe) {
    ziel(trennlinie);
    ziel(betragszeile("Summe: ", summe));
    ziel(trennlinie);
}

void verlust_und_summe(const Zeilenziel& ziel, double ergebnis, double summe) {
    if (ergebnis < 0) {
        ziel(betragszeile("Verlust:", -ergebnis));
        summe += -ergebnis;
    }
    summenblock(ziel, summe);
}

void kopfblock(const Zeilenziel& ziel, std::string_view titel, const Firmendaten& firma) {
    std::string erste(titel);
    erste.append(firma.name);
    ziel(erste);
    ziel(firma.strasse);
    ziel(firma.ort);
}

std::string kontozeile(std::string_view name, double wert) {
    constexpr std::size_t namensbreite = 35;
    constexpr std::size_t betragsbreite = 10;
    std::string zeile(name);
    if (zeile.size() < namensbreite) {
        zeile.append(namensbreite - zeile.size(), ' ');
    }
    const std::string betrag = journal::betragstext(wert);
    if (betrag.size() < betragsbreite) {
        zeile.append(betragsbreite - betrag.size(), ' ');
    }
    zeile.append(betrag);
    return zeile;
}

std::string betragszeile(std::string_view label, double wert) {
    std::string zeile(label);
    printf_an(zeile, journal::betragstext(wert), 44 - static_cast<std::int32_t>(label.size()));
    return zeile;
}

void unterschriften(const Zeilenziel& ziel, const Firmendaten& firma) {
    ziel("");
    ziel("");
    ziel("f.d.R.: " + firma.buchhaltung);
    ziel("");
    ziel("verantw.:" + firma.verantwortlich);
}

} // namespace saldino::reports
