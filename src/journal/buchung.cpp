#include "journal/buchung.h"

#include "runtime/dateien.h"
#include "runtime/fehler.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace saldino::journal {

namespace {

using runtime::Datei;

static_assert(std::endian::native == std::endian::little, "the journal is little-endian");

constexpr std::size_t nr_offset = 0;
constexpr std::size_t datum_offset = 4;
constexpr std::size_t person_offset = 15;
constexpr std::size_t grund_offset = 66;
constexpr std::size_t konto_offset = 117;
constexpr std::size_t soll_offset = 448;
constexpr std::size_t haben_offset = 488;

void schreibe_text(Satz& satz, std::size_t offset, std::size_t kapazitaet, std::string_view text) {
    const std::size_t laenge = std::min(text.size(), kapazitaet);
    satz[offset] = static_cast<unsigned char>(laenge);
    std::memcpy(satz.data() + offset + 1, text.data(), laenge);
}

std::string_view lies_text(const Satz& satz, std::size_t offset, std::size_t kapazitaet) {
    const std::size_t laenge = std::min<std::size_t>(satz[offset], kapazitaet);
    return {reinterpret_cast<const char*>(satz.data() + offset + 1), laenge};
}

template <typename T> void schreibe_wert(Satz& satz, std::size_t offset, T wert) {
    std::memcpy(satz.data() + offset, &wert, sizeof wert);
}

template <typename T> T lies_wert(const Satz& satz, std::size_t offset) {
    T wert;
    std::memcpy(&wert, satz.data() + offset, sizeof wert);
    return wert;
}

std::int32_t satzanzahl(std::int64_t dateigroesse) {
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(dateigroesse / static_cast<std::int64_t>(satzlaenge),
                               std::numeric_limits<std::int32_t>::max()));
}

std::int64_t satzposition(std::int32_t index) {
    return static_cast<std::int64_t>(index) * static_cast<std::int64_t>(satzlaenge);
}

// Record index of booking k, checked against the journal.
std::int32_t vorhandener_index(const Datei& datei, std::int32_t k) {
    if (k < 1 || k > satzanzahl(datei.groesse())) {
        runtime::wirf_dateiende();
    }
    return k - 1;
}

Satz lies_satz(const Datei& datei, std::int32_t index) {
    Satz satz{};
    if (datei.lies(satzposition(index), satz.data(), satz.size()) != satz.size()) {
        runtime::wirf_dateiende();
    }
    return satz;
}

// Writes record `index` in one piece. When the write fails, `rueckgaengig`
// restores what was there before the error is reported.
template <typename Rueckgaengig>
void schreibe_satz(Datei& datei, std::int32_t index, const Satz& satz, Rueckgaengig rueckgaengig) {
    try {
        datei.schreibe(satzposition(index), satz.data(), satz.size());
    } catch (const runtime::Laufzeitfehler&) {
        try {
            rueckgaengig();
        } catch (const runtime::Laufzeitfehler&) {
            // The first error is the one to report.
        }
        throw;
    }
}

} // namespace

Satz als_satz(const Satzfelder& felder) {
    Satz satz{};
    schreibe_wert(satz, nr_offset, felder.Nr);
    schreibe_text(satz, datum_offset, datum_kapazitaet, felder.Datum);
    schreibe_text(satz, person_offset, person_kapazitaet, felder.Person);
    schreibe_text(satz, grund_offset, grund_kapazitaet, felder.Grund);
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        schreibe_text(satz, konto_offset + i * (konto_kapazitaet + 1), konto_kapazitaet,
                      felder.Konto[i]);
        schreibe_wert(satz, soll_offset + i * 8, felder.Soll[i]);
        schreibe_wert(satz, haben_offset + i * 8, felder.Haben[i]);
    }
    return satz;
}

Satz als_satz(const TBuchung& buchung) {
    Satzfelder felder{buchung.Nr, buchung.Datum, buchung.Person, buchung.Grund,
                      {},         buchung.Soll,  buchung.Haben};
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        felder.Konto[i] = buchung.Konto[i];
    }
    return als_satz(felder);
}

TBuchung aus_satz(const Satz& satz) {
    const Satzansicht ansicht(satz);
    TBuchung buchung;
    buchung.Nr = ansicht.nr();
    buchung.Datum = ansicht.datum();
    buchung.Person = ansicht.person();
    buchung.Grund = ansicht.grund();
    for (std::size_t i = 0; i < zeilen_je_buchung; ++i) {
        buchung.Konto[i] = ansicht.konto(i);
        buchung.Soll[i] = ansicht.soll(i);
        buchung.Haben[i] = ansicht.haben(i);
    }
    return buchung;
}

std::int32_t Satzansicht::nr() const {
    return lies_wert<std::int32_t>(satz_, nr_offset);
}

std::string_view Satzansicht::datum() const {
    return lies_text(satz_, datum_offset, datum_kapazitaet);
}

std::string_view Satzansicht::person() const {
    return lies_text(satz_, person_offset, person_kapazitaet);
}

std::string_view Satzansicht::grund() const {
    return lies_text(satz_, grund_offset, grund_kapazitaet);
}

std::string_view Satzansicht::konto(std::size_t zeile) const {
    return lies_text(satz_, konto_offset + zeile * (konto_kapazitaet + 1), konto_kapazitaet);
}

double Satzansicht::soll(std::size_t zeile) const {
    return lies_wert<double>(satz_, soll_offset + zeile * 8);
}

double Satzansicht::haben(std::size_t zeile) const {
    return lies_wert<double>(satz_, haben_offset + zeile * 8);
}

void journal_sichern() {
    if (!runtime::existiert(journaldatei)) {
        runtime::ersetze_datei(journaldatei, {});
    }
}

std::int32_t zaehle_buchungen() {
    Datei datei(journaldatei, Datei::Zugriff::lesen);
    const std::int32_t anzahl = satzanzahl(datei.groesse());
    datei.schliessen();
    return anzahl;
}

TBuchung lies_buchung(std::int32_t k) {
    Datei datei(journaldatei, Datei::Zugriff::lesen);
    const TBuchung buchung = aus_satz(lies_satz(datei, vorhandener_index(datei, k)));
    datei.schliessen();
    return buchung;
}

std::int32_t buchung_anhaengen(TBuchung& buchung) {
    Datei datei(journaldatei, Datei::Zugriff::lesen_und_schreiben);
    const std::int64_t alte_groesse = datei.groesse();
    const std::int32_t anzahl = satzanzahl(alte_groesse);
    if (anzahl == std::numeric_limits<std::int32_t>::max()) {
        runtime::wirf_dateifehler(EFBIG);
    }
    TBuchung neu = buchung;
    neu.Nr = anzahl;
    schreibe_satz(datei, anzahl, als_satz(neu), [&] { datei.kuerze(alte_groesse); });
    datei.auf_platte();
    datei.schliessen();
    buchung.Nr = anzahl;
    return anzahl + 1;
}

void buchung_ueberschreiben(std::int32_t k, TBuchung& buchung) {
    Datei datei(journaldatei, Datei::Zugriff::lesen_und_schreiben);
    const std::int32_t index = vorhandener_index(datei, k);
    const Satz alt = lies_satz(datei, index);
    TBuchung neu = buchung;
    neu.Nr = index;
    schreibe_satz(datei, index, als_satz(neu),
                  [&] { datei.schreibe(satzposition(index), alt.data(), alt.size()); });
    datei.auf_platte();
    datei.schliessen();
    buchung.Nr = index;
}

Satz mit_nummer(Satz satz, std::int32_t nr) {
    schreibe_wert(satz, nr_offset, nr);
    return satz;
}

void journal_leeren() {
    runtime::ersetze_datei(journaldatei, {});
}

void loesche_buchung(std::int32_t k, const runtime::Fortschrittsmeldung& fortschritt) {
    Journalleser leser;
    runtime::Ersatzdatei neu(journaldatei);
    std::int32_t position = 0;
    for (std::int32_t nummer = 1; const Satz* satz = leser.naechster_satz(); ++nummer) {
        if (fortschritt && nummer % 4096 == 0) {
            fortschritt(nummer, leser.anzahl());
        }
        if (nummer == k) {
            continue;
        }
        if (nummer > k && k >= 1) {
            Satz verschoben = *satz;
            schreibe_wert(verschoben, nr_offset, position);
            neu.schreibe({reinterpret_cast<const char*>(verschoben.data()), verschoben.size()});
        } else {
            neu.schreibe({reinterpret_cast<const char*>(satz->data()), satz->size()});
        }
        ++position;
    }
    neu.fertigstellen();
}

struct Journalleser::Datei {
    runtime::Datei datei{journaldatei, runtime::Datei::Zugriff::lesen};
};

Journalleser::Journalleser() : datei_(std::make_unique<Datei>()) {
    anzahl_ = satzanzahl(datei_->datei.groesse());
}

Journalleser::~Journalleser() = default;

const Satz* Journalleser::naechster_satz() {
    if (im_block_ == block_.size()) {
        constexpr std::int32_t saetze_je_block = 128;
        const std::int32_t menge = std::min(saetze_je_block, anzahl_ - gelesen_);
        if (menge <= 0) {
            return nullptr;
        }
        block_.resize(static_cast<std::size_t>(menge));
        const std::size_t bytes = block_.size() * satzlaenge;
        if (datei_->datei.lies(satzposition(gelesen_), block_.data(), bytes) != bytes) {
            runtime::wirf_dateiende();
        }
        gelesen_ += menge;
        im_block_ = 0;
    }
    return &block_[im_block_++];
}

bool Journalleser::naechste(TBuchung& buchung) {
    const Satz* satz = naechster_satz();
    if (satz == nullptr) {
        return false;
    }
    buchung = aus_satz(*satz);
    return true;
}

} // namespace saldino::journal
