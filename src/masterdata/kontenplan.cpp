#include "masterdata/kontenplan.h"

#include "runtime/dateien.h"
#include "runtime/text.h"

#include <algorithm>

namespace saldino::masterdata {

namespace {

// The character at a 0-based position, or 0 beyond the end of the line.
char zeichen_bei(std::string_view zeile, std::size_t position) {
    return position < zeile.size() ? zeile[position] : '\0';
}

} // namespace

bool werte_aus(std::string_view zeile, TKonto& konto) {
    const std::size_t auf = zeile.find('<');
    if (auf == std::string_view::npos) {
        return false;
    }
    const std::size_t zu = zeile.find('>', auf + 1);
    if (zu == std::string_view::npos) {
        return false;
    }
    const std::string_view typ = zeile.substr(auf + 1, std::min(zu - auf - 1, konto_kapazitaet));
    const std::string_view name = zeile.substr(0, std::min(auf, konto_kapazitaet));

    std::string_view bilanz = typ == "B" ? "*" : "";
    std::string_view guv = typ == "B" ? "" : "*";
    if (typ == "V") {
        bilanz = "***";
        guv = "***";
    }
    const bool bilanzkonto = bilanz == "*";
    const bool erfolgskonto = bilanz.empty();

    // The character right after ">" is a separator and not read.
    const char seitenbuchstabe = zeichen_bei(zeile, zu + 2);
    std::string_view seite = "H";
    if (seitenbuchstabe == 'A' && bilanzkonto) {
        seite = "A";
    } else if (seitenbuchstabe == 'P' && bilanzkonto) {
        seite = "P";
    } else if (seitenbuchstabe == 'A' && erfolgskonto) {
        seite = "S";
    }

    const char art = zeichen_bei(zeile, zu + 5);
    std::string_view bn = "N";
    if (art == 'B' && bilanzkonto) {
        bn = "";
    } else if (art == 'N' && bilanzkonto) {
        bn = "Fehler!";
    } else if (art == 'B' && erfolgskonto) {
        bn = "B";
    }
    konto = TKonto{std::string(name), std::string(bilanz), std::string(guv), std::string(seite),
                   std::string(bn)};
    return true;
}

std::string kontenplandatei(std::int32_t kontenplan_nr) {
    std::string name = "Kontenplan";
    name += std::to_string(kontenplan_nr);
    name += ".txt";
    return name;
}

Kontenplan::Kontenplan(std::int32_t kontenplan_nr) {
    if (kontenplan_nr == 0) {
        return;
    }
    const std::string text = runtime::lies_ganz(kontenplandatei(kontenplan_nr));
    for (const std::string& zeile : runtime::teile_zeilen(text)) {
        TKonto konto;
        if (werte_aus(zeile, konto)) {
            konten_.push_back(std::move(konto));
        }
    }
    namen_.reserve(konten_.size());
    for (const TKonto& konto : konten_) {
        // A name listed twice counts for each of its marks.
        Merkmale& merkmale = namen_[konto.bezeichnung];
        merkmale.betrieblich = merkmale.betrieblich || konto.bn == "B";
        merkmale.neutral = merkmale.neutral || konto.bn == "N";
    }
}

const Kontenplan::Merkmale* Kontenplan::suche(std::string_view name) const {
    const auto treffer = namen_.find(name);
    return treffer == namen_.end() ? nullptr : &treffer->second;
}

bool Kontenplan::ist_konto(std::string_view name) const {
    return suche(name) != nullptr;
}

const TKonto* Kontenplan::konto(std::string_view name) const {
    const auto gefunden = std::find_if(konten_.begin(), konten_.end(),
                                       [name](const TKonto& k) { return k.bezeichnung == name; });
    return gefunden == konten_.end() ? nullptr : &*gefunden;
}

const TKonto* Kontenplan::konto_zur_nummer(std::string_view nummer) const {
    if (nummer.empty() || !std::all_of(nummer.begin(), nummer.end(), runtime::ist_ziffer)) {
        return nullptr;
    }
    const TKonto* gefunden = nullptr;
    for (const TKonto& k : konten_) {
        if (k.bezeichnung.size() > nummer.size() && k.bezeichnung.starts_with(nummer) &&
            k.bezeichnung[nummer.size()] == ' ') {
            if (gefunden != nullptr && gefunden->bezeichnung != k.bezeichnung) {
                return nullptr;
            }
            gefunden = &k;
        }
    }
    return gefunden;
}

const TKonto* Kontenplan::konto_ohne_nummer(std::string_view name) const {
    if (name.empty()) {
        return nullptr;
    }
    const TKonto* gefunden = nullptr;
    for (const TKonto& k : konten_) {
        const std::string_view ganz = k.bezeichnung;
        const std::size_t blank = ganz.find(' ');
        if (blank == 0 || blank == std::string_view::npos || ganz.substr(blank + 1) != name ||
            !std::all_of(ganz.begin(), ganz.begin() + static_cast<std::ptrdiff_t>(blank),
                         runtime::ist_ziffer)) {
            continue;
        }
        if (gefunden != nullptr && gefunden->bezeichnung != k.bezeichnung) {
            return nullptr;
        }
        gefunden = &k;
    }
    return gefunden;
}

std::string kontohinweis(const TKonto& konto) {
    const char* art = nullptr;
    if (konto.bezeichnung == runtime::utf8_nach_cp1252("Eröffnungsbilanzkonto")) {
        art = "Hilfskonto der Eröffnung";
    } else if (konto.bilanz == "*") {
        art = konto.seite == "A" ? "Aktivkonto — Zugänge im Soll, Abgänge im Haben"
                                 : "Passivkonto — Zugänge im Haben";
    } else if (konto.guv == "*" && konto.seite == "S") {
        art = konto.bn == "B" ? "Aufwandskonto (betrieblich) — Aufwand im Soll"
                              : "Aufwandskonto (neutral) — Aufwand im Soll";
    } else if (konto.guv == "*") {
        art = konto.bn == "B" ? "Ertragskonto (betrieblich) — Ertrag im Haben"
                              : "Ertragskonto (neutral) — Ertrag im Haben";
    } else {
        art = "Konto vom Typ V";
    }
    return konto.bezeichnung + ": " + runtime::utf8_nach_cp1252(art);
}

bool Kontenplan::IstBetrieblich(std::string_view name) const {
    const Merkmale* merkmale = suche(name);
    return merkmale != nullptr && merkmale->betrieblich;
}

bool Kontenplan::IstNeutral(std::string_view name) const {
    const Merkmale* merkmale = suche(name);
    return merkmale != nullptr && merkmale->neutral;
}

bool IstBetrieblich(std::int32_t kontenplan_nr, std::string_view name) {
    return Kontenplan(kontenplan_nr).IstBetrieblich(name);
}

bool IstNeutral(std::int32_t kontenplan_nr, std::string_view name) {
    return Kontenplan(kontenplan_nr).IstNeutral(name);
}

} // namespace saldino::masterdata
