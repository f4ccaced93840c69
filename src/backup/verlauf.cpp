#include "backup/verlauf.h"

#include "backup/verlaufsdatei.h"
#include "journal/buchung.h"
#include "masterdata/einstellungen.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"

#include <algorithm>
#include <utility>

namespace saldino::backup {

namespace {

using namespace verlaufsdatei;

std::string datei_im_schritt(std::int64_t nummer, const char* wann, const std::string& name) {
    return ordner(nummer) + '/' + wann + '.' + name;
}

// Whether the files were changed as the step being made says: decided by
// what the change itself does, so that a failed change that only touched a
// file's time (an append cut back) counts as none.
bool geschehen(const Schritt& schritt) {
    switch (schritt.art) {
    case Schrittart::angehaengt:
        return stand_von(journal::journaldatei).groesse ==
               schritt.laenge + static_cast<std::int64_t>(journal::satzlaenge);
    case Schrittart::geaendert:
        try {
            return lies_satz(static_cast<std::int64_t>(schritt.satz - 1) * journal::satzlaenge) !=
                   runtime::lies_ganz(ordner(schritt.nummer) + "/satz.alt");
        } catch (const runtime::Laufzeitfehler&) {
            return !ist_wie_vor(schritt);
        }
    case Schrittart::ersetzt:
        break;
    }
    return !ist_wie_vor(schritt);
}

// The step being made becomes the newest step.
void vollende(Verlaufsdaten& daten) {
    Schritt schritt = std::move(*daten.anstehend);
    daten.anstehend.reset();
    if (schritt.art != Schrittart::ersetzt) {
        const std::int64_t position =
            schritt.art == Schrittart::angehaengt
                ? schritt.laenge
                : static_cast<std::int64_t>(schritt.satz - 1) * journal::satzlaenge;
        runtime::ersetze_datei(ordner(schritt.nummer) + "/satz.neu", lies_satz(position));
    }
    stand_nach(schritt);

    std::vector<std::int64_t> weg;
    for (std::size_t i = daten.zeiger; i < daten.schritte.size(); ++i) {
        weg.push_back(daten.schritte[i].nummer);
    }
    daten.schritte.resize(daten.zeiger);
    if (!daten.schritte.empty()) {
        daten.schritte.back().offen = false;
    }
    daten.schritte.push_back(std::move(schritt));
    while (daten.schritte.size() > 1 &&
           (daten.schritte.size() > hoechstens_schritte || belegt(daten) > hoechstens_bytes)) {
        weg.push_back(daten.schritte.front().nummer);
        daten.schritte.erase(daten.schritte.begin());
    }
    daten.zeiger = daten.schritte.size();
    daten.laufend.clear();
    schreibe(daten);
    for (const std::int64_t nummer : weg) {
        entferne_ordner(nummer);
    }
}

void verwirf(Verlaufsdaten& daten) {
    const std::int64_t nummer = daten.anstehend->nummer;
    daten.anstehend.reset();
    daten.laufend.clear();
    schreibe(daten);
    entferne_ordner(nummer);
}

// The settings saved into the newest step: it now ends where they are.
void anschluss_vollenden(Verlaufsdaten& daten) {
    if (!daten.schritte.empty() && daten.schritte.back().nummer == daten.laufend_nummer) {
        stand_nach(daten.schritte.back());
        daten.schritte.back().offen = false;
    }
    daten.laufend.clear();
    schreibe(daten);
}

} // namespace

std::string verlaufsdatei::lies_satz(std::int64_t position) {
    std::string satz(journal::satzlaenge, '\0');
    const runtime::Datei journal(journal::journaldatei, runtime::Datei::Zugriff::lesen);
    if (journal.lies(position, satz.data(), satz.size()) != satz.size()) {
        runtime::wirf_dateiende();
    }
    return satz;
}

void verlaufsdatei::aenderung_beenden(Verlaufsdaten& daten) {
    if (daten.laufend == "anschluss") {
        anschluss_vollenden(daten);
    } else if (daten.anstehend) {
        geschehen(*daten.anstehend) ? vollende(daten) : verwirf(daten);
    }
}

Aenderung::Aenderung(Aenderung&& andere) noexcept
    : noetig_(andere.noetig_), aktiv_(std::exchange(andere.aktiv_, false)),
      nummer_(andere.nummer_) {}

Aenderung::~Aenderung() {
    festhalten();
}

// The step recorded before the change, as the files are now. When it cannot
// be recorded, the change is made all the same, only not undoable.
void Aenderung::vorbereiten(verlaufsdatei::Schritt schritt, const std::string* alter_satz) {
    try {
        Verlaufsdaten daten = lies();
        aenderung_beenden(daten);
        schritt.nummer = naechste_nummer(daten);
        try {
            lege_ordner_an(schritt.nummer);
            if (alter_satz != nullptr) {
                runtime::ersetze_datei(ordner(schritt.nummer) + "/satz.alt", *alter_satz);
            }
            if (schritt.art == Schrittart::ersetzt) {
                for (const std::string& name : dateien(schritt)) {
                    if (runtime::existiert(name)) {
                        runtime::verknuepfe(name, datei_im_schritt(schritt.nummer, "vor", name));
                    }
                }
            }
            stand_vor(schritt);
            daten.laufend = "aendern";
            daten.laufend_nummer = schritt.nummer;
            daten.anstehend = schritt;
            schreibe(daten);
        } catch (const runtime::Laufzeitfehler&) {
            entferne_ordner(schritt.nummer);
            throw;
        }
        aktiv_ = true;
        nummer_ = schritt.nummer;
    } catch (const runtime::Laufzeitfehler&) {
        // Without its step the change cannot be taken back, and the steps
        // before it no longer lead to the files: the history starts anew.
        try {
            schreibe(Verlaufsdaten{});
        } catch (const runtime::Laufzeitfehler&) {
        }
    }
}

Aenderung Aenderung::anhaengen(std::string beschreibung) {
    Aenderung aenderung;
    Schritt schritt;
    schritt.art = Schrittart::angehaengt;
    schritt.beschreibung = std::move(beschreibung);
    schritt.journal = true;
    const auto stand = runtime::stand_von(journal::journaldatei);
    schritt.laenge = stand.groesse;
    if (stand.regulaer && stand.groesse % static_cast<std::int64_t>(journal::satzlaenge) == 0) {
        aenderung.vorbereiten(std::move(schritt), nullptr);
    }
    return aenderung;
}

Aenderung Aenderung::aendern(std::int32_t k, std::string beschreibung) {
    Aenderung aenderung;
    Schritt schritt;
    schritt.art = Schrittart::geaendert;
    schritt.beschreibung = std::move(beschreibung);
    schritt.journal = true;
    schritt.satz = k;
    try {
        if (k >= 1) {
            const std::string alt =
                lies_satz(static_cast<std::int64_t>(k - 1) * journal::satzlaenge);
            aenderung.vorbereiten(std::move(schritt), &alt);
        }
    } catch (const runtime::Laufzeitfehler&) {
    }
    return aenderung;
}

Aenderung Aenderung::ersetzen(bool journal, bool einstellungen, std::string beschreibung,
                              bool offen) {
    Aenderung aenderung;
    Schritt schritt;
    schritt.beschreibung = std::move(beschreibung);
    schritt.journal = journal;
    schritt.einstellungen = einstellungen;
    schritt.offen = offen;
    aenderung.vorbereiten(std::move(schritt), nullptr);
    return aenderung;
}

Aenderung Aenderung::einstellungen(const std::string& neuer_text, std::string beschreibung) {
    try {
        if (runtime::lies_ganz(masterdata::einstellungsdatei) == neuer_text) {
            Aenderung keine;
            keine.noetig_ = false;
            return keine;
        }
    } catch (const runtime::Laufzeitfehler&) {
    }
    try {
        Verlaufsdaten daten = lies();
        aenderung_beenden(daten);
        if (daten.zeiger > 0 && daten.zeiger == daten.schritte.size()) {
            const Schritt& neuester = daten.schritte.back();
            if (neuester.offen && neuester.einstellungen && ist_wie_nach(neuester)) {
                daten.laufend = "anschluss";
                daten.laufend_nummer = neuester.nummer;
                schreibe(daten);
                Aenderung anschluss;
                anschluss.aktiv_ = true;
                anschluss.nummer_ = neuester.nummer;
                return anschluss;
            }
        }
    } catch (const runtime::Laufzeitfehler&) {
    }
    return ersetzen(false, true, std::move(beschreibung));
}

void Aenderung::festhalten() {
    if (!aktiv_) {
        return;
    }
    aktiv_ = false;
    try {
        Verlaufsdaten daten = lies();
        if ((daten.anstehend && daten.anstehend->nummer == nummer_) ||
            (daten.laufend == "anschluss" && daten.laufend_nummer == nummer_)) {
            aenderung_beenden(daten);
        }
    } catch (const std::exception&) {
        // The next start finishes it.
    }
}

void einstellungen_sichern(const masterdata::Einstellungen& werte,
                           const std::string& beschreibung) {
    auto aenderung = Aenderung::einstellungen(masterdata::einstellungen_text(werte), beschreibung);
    if (!aenderung.noetig()) {
        return; // the file already says so
    }
    masterdata::schreibe_einstellungen(werte);
    aenderung.festhalten();
}

std::vector<Verlaufseintrag> verlauf() {
    const Verlaufsdaten daten = lies();
    std::vector<Verlaufseintrag> eintraege;
    for (std::size_t i = 0; i < daten.schritte.size(); ++i) {
        eintraege.push_back({daten.schritte[i].beschreibung, i >= daten.zeiger});
    }
    return eintraege;
}

std::optional<std::string> rueckgaengig_beschreibung() {
    const Verlaufsdaten daten = lies();
    if (daten.zeiger == 0) {
        return std::nullopt;
    }
    return daten.schritte[daten.zeiger - 1].beschreibung;
}

std::optional<std::string> wiederholen_beschreibung() {
    const Verlaufsdaten daten = lies();
    if (daten.zeiger >= daten.schritte.size()) {
        return std::nullopt;
    }
    return daten.schritte[daten.zeiger].beschreibung;
}

} // namespace saldino::backup
