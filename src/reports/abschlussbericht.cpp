// The lines of the page "Abschluss" and of `saldino-cli abschluss`.
#include "journal/eingaberegeln.h"
#include "reports/abschluss.h"
#include "reports/kontensalden.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <algorithm>

namespace saldino::reports {

namespace {

const std::string& strich = t_strich();

std::string text(const char* utf8) {
    return runtime::utf8_nach_cp1252(utf8);
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
