#include "reports/tkonto.h"

#include "journal/eingaberegeln.h"

#include <algorithm>

namespace saldino::reports {

const std::string& t_strich() {
    static const std::string strich(2 * seitenbreite + 3, '-');
    return strich;
}

std::string name_spalte(std::string_view name) {
    std::string spalte = printr(name, static_cast<std::int32_t>(namensbreite) - 1);
    spalte.resize(namensbreite, ' ');
    return spalte;
}

std::string betrag_spalte(double betrag, std::size_t breite) {
    const std::string zahl = journal::betragstext(betrag);
    return std::string(breite > zahl.size() ? breite - zahl.size() : 0, ' ') + zahl;
}

double summe(const Kontoseite& seite) {
    double ergebnis = 0;
    for (const auto& [_, betrag] : seite) {
        ergebnis += betrag;
    }
    return ergebnis;
}

void t_konto(const Zeilenziel& ziel, std::string_view titel, const Kontoseite& soll,
             const Kontoseite& haben) {
    const std::size_t breite = t_strich().size();
    // "Soll", "Haben" and at least one blank on each side of the title.
    const std::size_t platz = breite - 4 - 5 - 2;
    const std::string name =
        titel.size() > platz ? printr(titel, static_cast<std::int32_t>(platz)) : std::string(titel);
    const std::size_t luecke = breite - 4 - 5 - name.size();
    std::string kopf = "Soll" + std::string(luecke / 2, ' ');
    kopf += name;
    kopf += std::string(luecke - luecke / 2, ' ') + "Haben";
    ziel(kopf);
    ziel(t_strich());
    const auto seite = [](const Kontoseite& eintraege, std::size_t i) {
        return i < eintraege.size()
                   ? name_spalte(eintraege[i].first) + betrag_spalte(eintraege[i].second)
                   : std::string(seitenbreite, ' ');
    };
    for (std::size_t i = 0; i < std::max(soll.size(), haben.size()); ++i) {
        ziel(seite(soll, i) + " | " + seite(haben, i));
    }
    ziel(t_strich());
    ziel(std::string(namensbreite, ' ') + betrag_spalte(summe(soll)) + " | " +
         std::string(namensbreite, ' ') + betrag_spalte(summe(haben)));
    ziel("");
}

} // namespace saldino::reports
