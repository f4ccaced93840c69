#include "reports/betriebsergebnis.h"

#include "journal/eroeffnung.h"
#include "masterdata/kontenplan.h"
#include "reports/kontensalden.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

namespace saldino::reports {

namespace {

struct Abrechnung {
    std::string_view titel;
    std::string_view merkmal; // "B" or "N"
    double ergebnis;
};

// One statement: the accounts of one mark, Soll side until the first "H"
// account, then Haben side for good.
void abrechnung(const Abrechnung& art, const std::vector<masterdata::TKonto>& konten,
                const std::vector<double>& salden, bool nullkonten_zeigen, const Zeilenziel& ziel) {
    ziel("");
    ziel(trennlinie);
    ziel(art.titel);
    ziel(trennlinie);
    ziel("Soll");
    ziel(trennlinie);

    double ergebnis = art.ergebnis;
    double abschnittssumme = 0;
    bool sollseite = true;
    const std::string& ebk = journal::eroeffnungsbilanzkonto();
    for (std::size_t k = 0; k < konten.size(); ++k) {
        const masterdata::TKonto& konto = konten[k];
        if (konto.bn != art.merkmal) {
            continue;
        }
        if (konto.seite == "H" && sollseite) {
            if (ergebnis > 0) {
                ziel(betragszeile("Gewinn:", ergebnis));
                abschnittssumme += ergebnis;
            }
            summenblock(ziel, abschnittssumme);
            ziel("Haben:");
            abschnittssumme = 0;
            sollseite = false;
        }
        const double wert = kontowert(konto, salden[k]);
        if (konto.bezeichnung == ebk) {
            continue;
        }
        abschnittssumme += wert;
        if (wert != 0 || nullkonten_zeigen) {
            ziel(kontozeile(konto.bezeichnung, wert));
        }
    }

    verlust_und_summe(ziel, ergebnis, abschnittssumme);
}

} // namespace

std::optional<std::string> betriebsergebnis(const Berichtsdaten& daten, const Zeilenziel& ziel) {
    std::optional<masterdata::Kontenplan> kontenplan;
    Journalsummen summen;
    if (daten.kontenplan_nr != 0) {
        kontenplan.emplace(daten.kontenplan_nr);
        summen = journalsummen(*kontenplan);
    }
    kopfblock(ziel, "Betriebsergebnis der ", daten.firma);
    if (!kontenplan) {
        return runtime::utf8_nach_cp1252(runtime::meldungen::kein_kontenplan);
    }
    const auto& konten = kontenplan->konten();
    abrechnung({"               Betriebsergebnis ", "B", summen.gewinn}, konten, summen.salden,
               daten.nullkonten_zeigen, ziel);
    ziel("");
    ziel("");
    ziel("");
    abrechnung({"            Neutrales Ergebnis ", "N", summen.neutral}, konten, summen.salden,
               daten.nullkonten_zeigen, ziel);
    unterschriften(ziel, daten.firma);
    return std::nullopt;
}

double BerechneGewinn(std::int32_t kontenplan_nr) {
    return journalsummen(masterdata::Kontenplan(kontenplan_nr)).gewinn;
}

double BerechneNeutral(std::int32_t kontenplan_nr) {
    return journalsummen(masterdata::Kontenplan(kontenplan_nr)).neutral;
}

} // namespace saldino::reports
