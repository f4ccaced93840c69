#include "reports/bilanz.h"

#include "journal/eroeffnung.h"
#include "masterdata/kontenplan.h"
#include "reports/kontensalden.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

namespace saldino::reports {

std::optional<std::string> bilanz(const Berichtsdaten& daten, const Zeilenziel& ziel,
                                  std::string* hinweis) {
    kopfblock(ziel, "Bilanz der ", daten.firma);
    if (daten.kontenplan_nr == 0) {
        return runtime::utf8_nach_cp1252(runtime::meldungen::kein_kontenplan);
    }
    const masterdata::Kontenplan kontenplan(daten.kontenplan_nr);
    const auto& konten = kontenplan.konten();
    const std::vector<double> salden = journalsummen(kontenplan).salden;
    if (hinweis != nullptr) {
        *hinweis = eroeffnungshinweis(eroeffnungssaldo(kontenplan, salden));
    }

    ziel("");
    ziel(trennlinie);
    ziel("                   Bilanz ");
    ziel(trennlinie);
    ziel("Aktiva");
    ziel(trennlinie);

    double abschnittssumme = 0;
    double bilanzdifferenz = 0;
    double ergebnis = 0;
    bool sollseite = true;
    bool guv_begonnen = false;
    const std::string& ebk = journal::eroeffnungsbilanzkonto();

    for (std::size_t k = 0; k < konten.size(); ++k) {
        const masterdata::TKonto& konto = konten[k];
        bool naechste_seite = sollseite;
        if (konto.seite == "P" && sollseite) {
            naechste_seite = false;
        } else if (konto.seite == "S" && !sollseite) {
            naechste_seite = true;
        } else if (konto.seite == "H" && sollseite) {
            naechste_seite = false;
        }
        if (naechste_seite != sollseite) {
            if (konto.seite == "S") {
                ziel(betragszeile("Gewinn-/Verlustvortrag", bilanzdifferenz));
                abschnittssumme += bilanzdifferenz;
                ergebnis = bilanzdifferenz;
            }
            if (konto.seite == "H" && ergebnis > 0) {
                ziel(betragszeile("Gewinn:", ergebnis));
                abschnittssumme += ergebnis;
            }
            summenblock(ziel, abschnittssumme);
            if (konto.seite == "P") {
                ziel("Passiva:");
            }
            if (konto.seite == "H") {
                ziel("Haben:");
            }
            abschnittssumme = 0;
            sollseite = naechste_seite;
        }
        if (!guv_begonnen && konto.guv == "*") {
            ziel(" ");
            ziel("                     GuV                     ");
            ziel(trennlinie);
            ziel("Soll:");
            guv_begonnen = true;
        }

        const double wert = kontowert(konto, salden[k]);
        if (konto.bezeichnung == ebk) {
            continue;
        }
        abschnittssumme += wert;
        if (passivseite(konto)) {
            bilanzdifferenz -= wert;
        } else {
            bilanzdifferenz += wert;
        }
        if (wert != 0 || daten.nullkonten_zeigen) {
            ziel(kontozeile(konto.bezeichnung, wert));
        }
    }

    verlust_und_summe(ziel, ergebnis, abschnittssumme);
    unterschriften(ziel, daten.firma);
    return std::nullopt;
}

} // namespace saldino::reports
