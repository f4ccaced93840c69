#include "backup/sicherung.h"

#include "journal/buchung.h"
#include "journal/eingaberegeln.h"
#include "runtime/dateien.h"
#include "runtime/ersetzung.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"
#include "runtime/zahlen.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

namespace saldino::backup {

namespace {

constexpr std::size_t felder_je_buchung = 19;

bool hat_strich(std::string_view text) {
    return text.find('|') != std::string_view::npos;
}

void buchungszeile(std::string& zeile, const journal::Satzansicht& buchung, bool& strich) {
    zeile.clear();
    const auto feld = [&zeile](std::string_view text) {
        zeile.append(text);
        zeile += '|';
    };
    feld(std::to_string(buchung.nr()));
    for (std::string_view text : {buchung.datum(), buchung.person(), buchung.grund()}) {
        strich = strich || hat_strich(text);
        feld(text);
    }
    for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
        strich = strich || hat_strich(buchung.konto(i));
        feld(buchung.konto(i));
        feld(journal::allgemeine_form(buchung.soll(i)));
        feld(journal::allgemeine_form(buchung.haben(i)));
    }
    zeile.append("\r\n");
}

// ---- Reading ----

// A whole number in decimal, as the writer puts `Nr`.
bool lies_nummer(std::string_view text, std::int32_t& wert) {
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    return !text.empty() && text.front() != '+' && fehler == std::errc() &&
           ende == text.data() + text.size();
}

// An amount in the general decimal form: sign, digits, decimal comma, digits,
// exponent, and nothing else.
bool lies_gesicherten_betrag(std::string_view text, double& wert) {
    std::size_t i = 0;
    const auto ziffern = [&] {
        const std::size_t anfang = i;
        while (i < text.size() && runtime::ist_ziffer(text[i])) {
            ++i;
        }
        return i > anfang;
    };
    if (i < text.size() && text[i] == '-') {
        ++i;
    }
    if (!ziffern()) {
        return false;
    }
    if (i < text.size() && text[i] == ',' && (++i, !ziffern())) {
        return false;
    }
    if (i < text.size() && text[i] == 'E') {
        ++i;
        if (i < text.size() && text[i] == '-') {
            ++i;
        }
        if (!ziffern()) {
            return false;
        }
    }
    if (i != text.size()) {
        return false;
    }
    // Any value the journal can hold comes back, not only those a pupil may type.
    std::array<char, 64> zahl{};
    if (text.size() > zahl.size()) {
        return false;
    }
    std::replace_copy(text.begin(), text.end(), zahl.begin(), ',', '.');
    const auto [ende, fehler] =
        runtime::lies_gleitkomma(zahl.data(), zahl.data() + text.size(), wert);
    // An amount the booking page could never hold breaks every report.
    return fehler == std::errc() && ende == zahl.data() + text.size() &&
           std::abs(wert) < journal::betragsgrenze;
}

// Splits a line into `anzahl` fields each ended by "|"; false when the line
// has another shape.
bool teile(std::string_view zeile, std::size_t anzahl, std::vector<std::string_view>& felder) {
    felder.clear();
    std::size_t anfang = 0;
    for (std::size_t n = 0; n < anzahl; ++n) {
        const std::size_t strich = zeile.find('|', anfang);
        if (strich == std::string_view::npos) {
            return false;
        }
        felder.push_back(zeile.substr(anfang, strich - anfang));
        anfang = strich + 1;
    }
    return anfang == zeile.size();
}

bool passt(std::string_view text, std::size_t kapazitaet) {
    return text.size() <= kapazitaet;
}

bool lies_buchung(std::string_view zeile, journal::Satzfelder& buchung) {
    static thread_local std::vector<std::string_view> felder;
    if (!teile(zeile, felder_je_buchung, felder) || !lies_nummer(felder[0], buchung.Nr) ||
        !passt(felder[1], journal::datum_kapazitaet) ||
        !passt(felder[2], journal::person_kapazitaet) ||
        !passt(felder[3], journal::grund_kapazitaet)) {
        return false;
    }
    buchung.Datum = felder[1];
    buchung.Person = felder[2];
    buchung.Grund = felder[3];
    for (std::size_t i = 0; i < journal::zeilen_je_buchung; ++i) {
        const std::size_t f = 4 + 3 * i;
        if (!passt(felder[f], journal::konto_kapazitaet) ||
            !lies_gesicherten_betrag(felder[f + 1], buchung.Soll[i]) ||
            !lies_gesicherten_betrag(felder[f + 2], buchung.Haben[i])) {
            return false;
        }
        buchung.Konto[i] = felder[f];
    }
    return true;
}

} // namespace

bool schreibe_sicherung(const std::string& pfad, const Firma& firma, std::int32_t kontenplan_nr) {
    journal::Journalleser leser;
    runtime::Ersatzdatei datei(pfad);
    bool strich = false;
    std::string zeile;
    for (const std::string& feld : firma) {
        strich = strich || hat_strich(feld);
        zeile.append(feld);
        zeile += '|';
    }
    zeile.append(std::to_string(kontenplan_nr));
    zeile.append("\r\n|");
    datei.schreibe(zeile);
    while (const journal::Satz* satz = leser.naechster_satz()) {
        buchungszeile(zeile, journal::Satzansicht(*satz), strich);
        datei.schreibe(zeile);
    }
    datei.fertigstellen();
    return strich;
}

// No line the program writes comes near this; a longer one is not read whole.
constexpr std::size_t hoechstlaenge = 1024 * 1024;

namespace {

constexpr std::string_view bom = "\xEF\xBB\xBF";

} // namespace

Sicherungsleser::Sicherungsleser(const std::string& pfad) : leser_(pfad, hoechstlaenge) {
    std::string_view zeile;
    std::vector<std::string_view> felder;
    std::string kopfzeile;
    if (naechste_zeile(zeile)) {
        kopfzeile =
            std::string(zeile) + "|"; // nine fields, each ended by "|" like a booking line's
    }
    if (kopfzeile.empty() || !teile(kopfzeile, 9, felder) || felder[8].size() != 1 ||
        felder[8][0] < '0' || felder[8][0] > '4') {
        throw UngueltigeSicherung{1};
    }
    for (std::size_t i = 0; i < 8; ++i) {
        firma_[i] = felder[i];
    }
    kontenplan_nr_ = felder[8][0] - '0';

    // The line after the company line starts with a "|" of its own: alone it
    // closes an empty journal, otherwise the first booking line follows it.
    if (!naechste_zeile(zeile) || zeile.empty() || zeile.front() != '|') {
        throw UngueltigeSicherung{2};
    }
    zeile.remove_prefix(1);
    if (zeile.empty()) {
        std::string_view rest;
        if (naechste_zeile(rest)) {
            throw UngueltigeSicherung{leser_.zeilennummer()};
        }
    } else {
        anstehend_ = zeile;
    }
}

bool Sicherungsleser::naechste_zeile(std::string_view& zeile) {
    try {
        if (!leser_.naechste(zeile)) {
            return false;
        }
    } catch (const runtime::Zeilenleser::ZeileZuLang& fehler) {
        throw UngueltigeSicherung{fehler.zeile};
    }
    // The encoding is the file's: a byte-order mark, or the first line beyond
    // ASCII being valid UTF-8, makes it UTF-8 (an editor saves a file whole).
    if (kodierung_ == Kodierung::offen) {
        if (leser_.zeilennummer() == 1 && zeile.starts_with(bom)) {
            kodierung_ = Kodierung::utf8;
        } else if (const runtime::Utf8 art = runtime::pruefe_utf8(zeile);
                   art != runtime::Utf8::ascii) {
            kodierung_ = art == runtime::Utf8::umlaute ? Kodierung::utf8 : Kodierung::cp1252;
        }
    }
    if (kodierung_ == Kodierung::utf8) {
        if (leser_.zeilennummer() == 1 && zeile.starts_with(bom)) {
            zeile.remove_prefix(bom.size());
        }
        std::optional<std::string> cp1252 = runtime::utf8_streng_nach_cp1252(zeile);
        if (!cp1252) {
            throw UngueltigeSicherung{leser_.zeilennummer()};
        }
        umgewandelt_ = std::move(*cp1252);
        zeile = umgewandelt_;
    }
    return true;
}

bool Sicherungsleser::naechste(journal::Satzfelder& buchung) {
    std::string_view zeile;
    if (anstehend_) {
        zeile = *anstehend_;
        anstehend_.reset();
    } else if (!naechste_zeile(zeile)) {
        return false;
    }
    if (!lies_buchung(zeile, buchung)) {
        throw UngueltigeSicherung{leser_.zeilennummer()};
    }
    return true;
}

static GeladeneSicherung lade_und_ersetze(const std::string& pfad,
                                          masterdata::Einstellungen einstellungen,
                                          const runtime::Fortschrittsmeldung& fortschritt) {
    Sicherungsleser leser(pfad);
    GeladeneSicherung geladen;
    geladen.firma = leser.firma();
    geladen.kontenplan_nr = leser.kontenplan_nr();

    runtime::Ersatzdatei journal(journal::journaldatei);
    journal::Satzfelder buchung;
    while (leser.naechste(buchung)) {
        const journal::Satz satz = journal::als_satz(buchung);
        journal.schreibe({reinterpret_cast<const char*>(satz.data()), satz.size()});
        ++geladen.buchungen;
        if (fortschritt && geladen.buchungen % 4096 == 0) {
            fortschritt(leser.gelesen(), leser.groesse());
        }
    }

    einstellungen.firma = geladen.firma;
    einstellungen.kontenplan_index = geladen.kontenplan_nr - 1;
    runtime::Ersatzdatei einstellungsdatei(masterdata::einstellungsdatei);
    einstellungsdatei.schreibe(masterdata::einstellungen_text(einstellungen));

    journal.abschliessen();
    einstellungsdatei.abschliessen();
    try {
        runtime::ersetze_gemeinsam({&journal, &einstellungsdatei});
    } catch (const runtime::NichtAufPlatte& fehler) {
        geladen.nicht_sicher = runtime::utf8_nach_cp1252(
            runtime::meldungen::geladen_nicht_sicher(runtime::cp1252_nach_utf8(fehler.meldung())));
    }
    return geladen;
}

GeladeneSicherung lade_sicherung(const std::string& pfad,
                                 const masterdata::Einstellungen& einstellungen,
                                 const runtime::Fortschrittsmeldung& fortschritt) {
    try {
        return lade_und_ersetze(pfad, einstellungen, fortschritt);
    } catch (const UngueltigeSicherung& fehler) {
        GeladeneSicherung ungueltig;
        ungueltig.ungueltige_zeile = fehler.zeile;
        return ungueltig;
    }
}

std::string sicherungsname(std::string_view firmenname) {
    std::string name;
    for (const char zeichen : firmenname) {
        const auto byte = static_cast<unsigned char>(zeichen);
        const bool verweigert =
            byte < 0x20 || byte == 0x7F ||
            std::string_view("\\/:*?\"<>|").find(zeichen) != std::string_view::npos;
        name += verweigert ? '_' : zeichen;
    }
    const auto anfang = name.find_first_not_of(" .");
    if (anfang == std::string::npos) {
        return "sicherung.sdn";
    }
    return name.substr(anfang, name.find_last_not_of(" .") + 1 - anfang) + ".sdn";
}

} // namespace saldino::backup
