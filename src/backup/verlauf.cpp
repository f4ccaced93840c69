#include "backup/verlauf.h"

#include "backup/verlaufsdatei.h"
#include "journal/buchung.h"
#include "masterdata/einstellungen.h"
#include "runtime/dateien.h"
#include "runtime/fehler.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace saldino::backup {

namespace {

using namespace verlaufsdatei;

std::string datei_im_schritt(std::int64_t nummer, const char* wann, const std::string& name) {
    return ordner(nummer) + '/' + wann + '.' + name;
}

std::string lies_satz(std::int64_t position) {
    std::string satz(journal::satzlaenge, '\0');
    const runtime::Datei journal(journal::journaldatei, runtime::Datei::Zugriff::lesen);
    if (journal.lies(position, satz.data(), satz.size()) != satz.size()) {
        runtime::wirf_dateiende();
    }
    return satz;
}

std::int64_t naechste_nummer(const Verlaufsdaten& daten) {
    std::int64_t nummer = 0;
    for (const Schritt& schritt : daten.schritte) {
        nummer = std::max(nummer, schritt.nummer);
    }
    return nummer + 1;
}

} // namespace

Aenderung::Aenderung(Aenderung&& andere) noexcept
    : noetig_(andere.noetig_), aktiv_(std::exchange(andere.aktiv_, false)),
      anschluss_(andere.anschluss_), nummer_(andere.nummer_), art_(andere.art_),
      beschreibung_(std::move(andere.beschreibung_)), journal_(andere.journal_),
      einstellungen_(andere.einstellungen_), offen_(andere.offen_), laenge_(andere.laenge_),
      satz_(andere.satz_), alt_(std::move(andere.alt_)) {}

Aenderung::~Aenderung() {
    if (aktiv_ && art_ == Schrittart::ersetzt && !anschluss_) {
        entferne_ordner(nummer_);
    }
}

Aenderung Aenderung::anhaengen(std::string beschreibung) {
    Aenderung aenderung;
    aenderung.art_ = Schrittart::angehaengt;
    aenderung.beschreibung_ = std::move(beschreibung);
    aenderung.journal_ = true;
    const auto stand = stand_von(journal::journaldatei);
    aenderung.laenge_ = stand.groesse;
    aenderung.aktiv_ =
        stand.vorhanden && stand.groesse % static_cast<std::int64_t>(journal::satzlaenge) == 0;
    return aenderung;
}

Aenderung Aenderung::aendern(std::int32_t k, std::string beschreibung) {
    Aenderung aenderung;
    aenderung.art_ = Schrittart::geaendert;
    aenderung.beschreibung_ = std::move(beschreibung);
    aenderung.journal_ = true;
    aenderung.satz_ = k;
    try {
        aenderung.alt_ = lies_satz(static_cast<std::int64_t>(k - 1) * journal::satzlaenge);
        aenderung.aktiv_ = k >= 1;
    } catch (const runtime::Laufzeitfehler&) {
    }
    return aenderung;
}

Aenderung Aenderung::ersetzen(bool journal, bool einstellungen, std::string beschreibung,
                              bool offen) {
    Aenderung aenderung;
    aenderung.beschreibung_ = std::move(beschreibung);
    aenderung.journal_ = journal;
    aenderung.einstellungen_ = einstellungen;
    aenderung.offen_ = offen;
    try {
        aenderung.nummer_ = naechste_nummer(lies());
        entferne_ordner(aenderung.nummer_);
        std::filesystem::create_directories(ordner(aenderung.nummer_));
        Schritt schritt;
        schritt.journal = journal;
        schritt.einstellungen = einstellungen;
        aenderung.aktiv_ = true;
        for (const std::string& name : dateien(schritt)) {
            verknuepfe(name, datei_im_schritt(aenderung.nummer_, "vor", name));
        }
    } catch (const std::exception&) {
        if (aenderung.aktiv_) {
            entferne_ordner(aenderung.nummer_);
        }
        aenderung.aktiv_ = false;
    }
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
    const Verlaufsdaten daten = lies();
    if (daten.zeiger > 0 && daten.zeiger == daten.schritte.size()) {
        const Schritt& neuester = daten.schritte.back();
        if (neuester.offen && neuester.einstellungen && ist_wie_nach(neuester)) {
            Aenderung anschluss;
            anschluss.anschluss_ = true;
            anschluss.aktiv_ = true;
            return anschluss;
        }
    }
    return ersetzen(false, true, std::move(beschreibung));
}

// A step that cannot be kept leaves the change made, only not undoable.
void Aenderung::festhalten() {
    if (!aktiv_) {
        return;
    }
    try {
        Verlaufsdaten daten = lies();
        if (anschluss_) {
            Schritt& neuester = daten.schritte.back();
            stand_nach(neuester);
            neuester.offen = false;
            schreibe(daten);
            aktiv_ = false;
            return;
        }
        Schritt schritt;
        schritt.nummer = art_ == Schrittart::ersetzt ? nummer_ : naechste_nummer(daten);
        schritt.art = art_;
        schritt.journal = journal_;
        schritt.einstellungen = einstellungen_;
        schritt.offen = offen_;
        schritt.laenge = laenge_;
        schritt.satz = satz_;
        schritt.beschreibung = beschreibung_;
        if (art_ != Schrittart::ersetzt) {
            entferne_ordner(schritt.nummer);
            std::filesystem::create_directories(ordner(schritt.nummer));
            const std::int64_t position =
                art_ == Schrittart::angehaengt
                    ? laenge_
                    : static_cast<std::int64_t>(satz_ - 1) * journal::satzlaenge;
            runtime::ersetze_datei(ordner(schritt.nummer) + "/satz.neu", lies_satz(position));
            if (art_ == Schrittart::geaendert) {
                runtime::ersetze_datei(ordner(schritt.nummer) + "/satz.alt", alt_);
            }
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
        aktiv_ = false;
        for (const std::int64_t nummer : weg) {
            entferne_ordner(nummer);
        }
    } catch (const std::exception&) {
    }
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
