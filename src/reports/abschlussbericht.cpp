// The lines of the page "Abschluss" and of `saldino-cli abschluss`.
#include "journal/eingaberegeln.h"
#include "reports/abschluss.h"
#include "reports/kontensalden.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <algorithm>

namespace saldino::reports {

namespace {

// A T-account line is two sides of 33 columns and " | " between them.
constexpr std::size_t namensbreite = 21;
constexpr std::size_t betragsbreite = 12;
constexpr std::size_t seitenbreite = namensbreite + betragsbreite;
const std::string strich(2 * seitenbreite + 3, '-');

std::string text(const char* utf8) {
    return runtime::utf8_nach_cp1252(utf8);
}

// A name cut as the reports cut it, filled to its column.
std::string name_spalte(std::string_view name) {
    std::string spalte = printr(name, static_cast<std::int32_t>(namensbreite) - 1);
    spalte.resize(namensbreite, ' ');
    return spalte;
}

std::string betrag_spalte(double betrag, std::size_t breite = betragsbreite) {
    const std::string zahl = journal::betragstext(betrag);
    return std::string(breite > zahl.size() ? breite - zahl.size() : 0, ' ') + zahl;
}

void t_konto(const Zeilenziel& ziel, std::string_view titel, const Kontoseite& soll,
             const Kontoseite& haben) {
    const std::size_t breite = strich.size();
    const std::size_t luecke = breite - 4 - 5 - titel.size();
    std::string kopf = "Soll" + std::string(luecke / 2, ' ');
    kopf.append(titel);
    kopf += std::string(luecke - luecke / 2, ' ') + "Haben";
    ziel(kopf);
    ziel(strich);
    const auto seite = [](const Kontoseite& eintraege, std::size_t i) {
        return i < eintraege.size()
                   ? name_spalte(eintraege[i].first) + betrag_spalte(eintraege[i].second)
                   : std::string(seitenbreite, ' ');
    };
    for (std::size_t i = 0; i < std::max(soll.size(), haben.size()); ++i) {
        ziel(seite(soll, i) + " | " + seite(haben, i));
    }
    ziel(strich);
    ziel(std::string(namensbreite, ' ') + betrag_spalte(summe(soll)) + " | " +
         std::string(namensbreite, ' ') + betrag_spalte(summe(haben)));
    ziel("");
}

void zeile_mit_betrag(const Zeilenziel& ziel, const std::string& label, double betrag) {
    std::string zeile = label;
    zeile.resize(std::max<std::size_t>(zeile.size(), seitenbreite), ' ');
    ziel(zeile + betrag_spalte(betrag));
}

void buchungen(const Zeilenziel& ziel, const Abschluss& abschluss) {
    ziel(strich);
    ziel("Abschlussbuchungen");
    ziel(strich);
    std::size_t nummer = 0;
    for (const Abschlussbuchung& b : abschluss.buchungen) {
        std::string zeile = std::to_string(++nummer) + ". ";
        zeile.insert(0, zeile.size() < 5 ? 5 - zeile.size() : 0, ' ');
        zeile += b.soll + " an " + b.haben;
        zeile.resize(std::max(zeile.size() + 1, strich.size() - betragsbreite), ' ');
        ziel(zeile + betrag_spalte(b.betrag));
    }
    if (abschluss.buchungen.empty()) {
        ziel(text("Keine Abschlussbuchungen: alle Konten stehen auf 0,00."));
    }
    for (const std::string& grund : abschluss.entfallen) {
        ziel(grund);
    }
    ziel("");
}

void eigenkapital(const Zeilenziel& ziel, const Abschluss& abschluss) {
    if (!abschluss.hat_eigenkapital) {
        ziel(text("Entwicklung des Eigenkapitals: entfällt, der Kontenplan hat kein "
                  "Eigenkapitalkonto."));
        return;
    }
    ziel("Entwicklung des Eigenkapitals");
    ziel(std::string(seitenbreite + betragsbreite, '-'));
    zeile_mit_betrag(ziel, "Anfangsbestand", abschluss.eigenkapital_anfang);
    zeile_mit_betrag(ziel, "- Privatentnahmen", abschluss.privatentnahmen);
    zeile_mit_betrag(ziel, "+ Privateinlagen", abschluss.privateinlagen);
    if (abschluss.ergebnis < 0) {
        zeile_mit_betrag(ziel, "- Verlust", -abschluss.ergebnis);
    } else {
        zeile_mit_betrag(ziel, "+ Gewinn", abschluss.ergebnis);
    }
    zeile_mit_betrag(ziel, "= Schlussbestand", abschluss.eigenkapital_ende);
}

} // namespace

std::optional<std::string> abschlussbericht(const Berichtsdaten& daten, const Zeilenziel& ziel,
                                            std::string* hinweis) {
    kopfblock(ziel, "Abschluss der ", daten.firma);
    if (daten.kontenplan_nr == 0) {
        return runtime::utf8_nach_cp1252(runtime::meldungen::kein_kontenplan);
    }
    const Abschluss ergebnis = abschluss(masterdata::Kontenplan(daten.kontenplan_nr));
    if (hinweis != nullptr) {
        *hinweis = eroeffnungshinweis(ergebnis.eroeffnungssaldo);
    }
    ziel("");
    buchungen(ziel, ergebnis);
    t_konto(ziel, "GuV-Konto", ergebnis.guv_soll, ergebnis.guv_haben);
    t_konto(ziel, "Schlussbilanzkonto (SBK)", ergebnis.sbk_soll, ergebnis.sbk_haben);
    eigenkapital(ziel, ergebnis);
    if (ergebnis.hat_steuern) {
        ziel("");
        if (ergebnis.vorsteuerueberhang > 0) {
            zeile_mit_betrag(ziel, text("Vorsteuerüberhang (Forderung)"),
                             ergebnis.vorsteuerueberhang);
        } else {
            zeile_mit_betrag(ziel, "Zahllast (an das Finanzamt)", ergebnis.zahllast);
        }
    }
    return std::nullopt;
}

} // namespace saldino::reports
