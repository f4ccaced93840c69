#include "journal/buchungsformular.h"

#include "journal/eingaberegeln.h"
#include "masterdata/kontenplan.h"
#include "runtime/fehler.h"

namespace saldino::journal {

Uebernahme uebernimm(const Buchungsformular& formular, std::int32_t nr, std::int32_t buchungsjahr,
                     std::int32_t kontenplan_nr) {
    Uebernahme u;
    TBuchung& neu = u.buchung;
    neu.Nr = nr;
    neu.Datum = checkdate(formular.datum, buchungsjahr);
    neu.Person = formular.person.substr(0, person_kapazitaet);
    neu.Grund = formular.grund.substr(0, grund_kapazitaet);
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        neu.Konto[i] = formular.konto[i].substr(0, konto_kapazitaet);
    }
    const auto lies = [&u](const std::string& getippt, std::size_t zeile, bool soll,
                           std::string& text, double& wert) {
        try {
            text = checkmoney(getippt);
            wert = lies_betrag(text);
        } catch (const runtime::Laufzeitfehler&) {
            text = getippt;
            if (!u.unlesbar) {
                u.unlesbar = UnlesbarerBetrag{zeile, soll, getippt};
            }
        }
    };
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        lies(formular.soll[i], i, true, u.soll_text[i], neu.Soll[i]);
        lies(formular.haben[i], i, false, u.haben_text[i], neu.Haben[i]);
    }
    if (u.unlesbar) {
        return u;
    }
    u.fehler = pruefe_buchungssatz(neu, kontenplan_nr);
    u.datum_unlesbar = neu.Datum == ungueltiges_datum;
    return u;
}

Buchungsformular formular_von(const TBuchung& buchung) {
    Buchungsformular f;
    f.datum = buchung.Datum;
    f.person = buchung.Person;
    f.grund = buchung.Grund;
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        f.konto[i] = buchung.Konto[i];
        f.soll[i] = betragstext(buchung.Soll[i]);
        f.haben[i] = betragstext(buchung.Haben[i]);
    }
    return f;
}

Kontoeingabe kontoeingabe(std::size_t zeile, std::string text, std::int32_t kontenplan_nr) {
    if (zeile >= 2 && text.empty()) {
        return {text, false};
    }
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    if (kontenplan_nr == 0) {
        return {std::string(), true, true};
    }
    const masterdata::Kontenplan kontenplan(kontenplan_nr);
    if (kontenplan.ist_konto(text)) {
        return {text, false};
    }
    if (const masterdata::TKonto* konto = kontenplan.konto_zur_nummer(text)) {
        return {konto->bezeichnung, false};
    }
    if (const masterdata::TKonto* konto = kontenplan.konto_ohne_nummer(text)) {
        return {konto->bezeichnung, false};
    }
    return {std::string(), true};
}

std::int32_t navigiere(Richtung richtung, std::int32_t aktuelle, std::int32_t anzahl) {
    switch (richtung) {
    case Richtung::erste:
        return aktuelle > 0 ? 1 : aktuelle;
    case Richtung::vorige:
        return aktuelle > 1 ? aktuelle - 1 : aktuelle;
    case Richtung::naechste:
        return aktuelle < anzahl ? aktuelle + 1 : aktuelle;
    case Richtung::letzte:
        break;
    }
    return anzahl;
}

} // namespace saldino::journal
