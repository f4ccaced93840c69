#include "masterdata/einstellungen.h"

#include "runtime/dateien.h"
#include "runtime/text.h"
#include "runtime/zahlen.h"

#include <algorithm>

namespace saldino::masterdata {

namespace {

constexpr std::size_t zeilenzahl = 17;

const char* wahrheit(bool wert) {
    return wert ? "true" : "false";
}

} // namespace

void grundeinstellungen_wiederherstellen(Einstellungen& werte) {
    werte.mit_mwst = true;
    werte.nullkonten_zeigen = false;
    werte.jahr = "2004";
    werte.kontenplan_namen = {"Einfach", "Umfangreicher", "Handel", "Industrie"};
}

std::int32_t buchungsjahr(std::string_view jahr) {
    const auto anfang = jahr.find_first_not_of(' ');
    if (anfang == std::string_view::npos) {
        return 2004;
    }
    jahr = jahr.substr(anfang, jahr.find_last_not_of(' ') + 1 - anfang);
    if (jahr.size() != 4 || !std::all_of(jahr.begin(), jahr.end(), runtime::ist_ziffer)) {
        return 2004;
    }
    const std::int32_t wert =
        (jahr[0] - '0') * 1000 + (jahr[1] - '0') * 100 + (jahr[2] - '0') * 10 + (jahr[3] - '0');
    return wert >= 1900 && wert <= 2099 ? wert : 2004;
}

bool ist_zugangswort(const std::string& firmenname) {
    return firmenname == "Kustos";
}

int begrenze_kontenplan_index(int index) {
    return std::clamp(index, -1, 3);
}

void lies_einstellungen(Einstellungen& werte) {
    auto zeilen = runtime::teile_zeilen(runtime::lies_ganz(einstellungsdatei), zeilenzahl);
    zeilen.resize(zeilenzahl);
    std::copy_n(zeilen.begin(), 8, werte.firma.begin());
    werte.mit_mwst = zeilen[8] == "true";
    werte.mwst_satz = zeilen[9];
    werte.nullkonten_zeigen = zeilen[10] == "true";
    werte.jahr = zeilen[11];
    std::copy_n(zeilen.begin() + 12, 4, werte.kontenplan_namen.begin());
    // A chart line that cannot be read selects no chart: keeping the index
    // would make the next save switch the journal to chart 1.
    werte.kontenplan_index = -1;
    werte.kontenplan_index = begrenze_kontenplan_index(runtime::lies_integer(zeilen[16]));
}

std::string einstellungen_text(const Einstellungen& werte) {
    std::string text;
    const auto zeile = [&text](std::string_view wert) {
        text.append(wert);
        text.append("\r\n");
    };
    for (const auto& feld : werte.firma) {
        zeile(feld);
    }
    zeile(wahrheit(werte.mit_mwst));
    zeile(werte.mwst_satz);
    zeile(wahrheit(werte.nullkonten_zeigen));
    zeile(werte.jahr);
    for (const auto& name : werte.kontenplan_namen) {
        zeile(name);
    }
    zeile(std::to_string(werte.kontenplan_index));
    return text;
}

void schreibe_einstellungen(const Einstellungen& werte) {
    runtime::ersetze_datei(einstellungsdatei, einstellungen_text(werte));
}

} // namespace saldino::masterdata
