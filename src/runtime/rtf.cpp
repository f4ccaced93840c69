#include "runtime/rtf.h"

#include "runtime/text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace saldino::runtime {

namespace {

struct Gruppe {
    RtfFormat format;
    bool ueberspringen = false;
    int ersatzzeichen = 1; // \ucN: characters that follow \uN as its fallback
};

bool ist_buchstabe(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int hexwert(char c) {
    if (ist_ziffer(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool ist_uebersprungenes_ziel(std::string_view wort) {
    constexpr std::array<std::string_view, 12> ziele = {
        "fonttbl", "colortbl", "stylesheet", "info",    "pict",    "header",
        "footer",  "headerl",  "headerr",    "footerl", "footerr", "object"};
    return std::find(ziele.begin(), ziele.end(), wort) != ziele.end();
}

class Leser {
public:
    explicit Leser(std::string_view rtf) : rtf_(rtf) { dokument_.absaetze.emplace_back(); }

    RtfDokument lesen() {
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_];
            if (c == '{') {
                ++pos_;
                gruppe_oeffnen();
            } else if (c == '}') {
                ++pos_;
                gruppe_schliessen();
            } else if (c == '\\') {
                ++pos_;
                steuerung();
            } else if (c == '\r' || c == '\n') {
                ++pos_;
            } else {
                ++pos_;
                zeichen(cp1252_zeichen(static_cast<unsigned char>(c)));
            }
        }
        // The mark that ends the last paragraph does not open an empty one.
        if (dokument_.absaetze.size() > 1 && dokument_.absaetze.back().laeufe.empty()) {
            dokument_.absaetze.pop_back();
        }
        return std::move(dokument_);
    }

private:
    Gruppe& aktuell() { return stapel_[static_cast<std::size_t>(tiefe_)]; }

    // A group starts with the state of its parent, so everything inside a
    // skipped destination is skipped too.
    void gruppe_oeffnen() {
        if (tiefe_ + 1 < maximale_tiefe) {
            stapel_[static_cast<std::size_t>(tiefe_ + 1)] = aktuell();
            ++tiefe_;
        } else {
            ++ueberlauf_;
        }
        ungelesene_ersatzzeichen_ = 0;
    }

    void gruppe_schliessen() {
        if (ueberlauf_ > 0) {
            --ueberlauf_;
        } else if (tiefe_ > 0) {
            --tiefe_;
        }
        ungelesene_ersatzzeichen_ = 0;
    }

    void steuerung() {
        if (pos_ >= rtf_.size()) {
            return;
        }
        const char c = rtf_[pos_];
        if (!ist_buchstabe(c)) {
            ++pos_;
            steuerzeichen(c);
            return;
        }
        const std::size_t anfang = pos_;
        while (pos_ < rtf_.size() && ist_buchstabe(rtf_[pos_]) && pos_ - anfang < 32) {
            ++pos_;
        }
        const std::string_view wort = rtf_.substr(anfang, pos_ - anfang);
        bool negativ = false;
        if (pos_ < rtf_.size() && rtf_[pos_] == '-') {
            negativ = true;
            ++pos_;
        }
        bool hat_zahl = false;
        std::int64_t zahl = 0;
        std::size_t ziffern = 0;
        while (pos_ < rtf_.size() && ist_ziffer(rtf_[pos_])) {
            if (ziffern++ < 10) {
                zahl = zahl * 10 + (rtf_[pos_] - '0');
            }
            hat_zahl = true;
            ++pos_;
        }
        if (negativ) {
            zahl = -zahl;
        }
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ') {
            ++pos_;
        }
        steuerwort(wort, hat_zahl, zahl);
    }

    void steuerzeichen(char c) {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            zeichen(static_cast<unsigned char>(c));
            break;
        case '~':
            zeichen(0xA0);
            break;
        case '_':
            zeichen(0x2011);
            break;
        case '*':
            aktuell().ueberspringen = true;
            break;
        case '\'': {
            if (pos_ + 1 < rtf_.size()) {
                const int hoch = hexwert(rtf_[pos_]);
                const int tief = hexwert(rtf_[pos_ + 1]);
                if (hoch >= 0 && tief >= 0) {
                    pos_ += 2;
                    zeichen(cp1252_zeichen(static_cast<unsigned char>(hoch * 16 + tief)));
                }
            }
            break;
        }
        case '\r':
        case '\n':
            absatz();
            break;
        default: // \- (optional hyphen) and unknown symbols show nothing
            break;
        }
    }

    void steuerwort(std::string_view wort, bool hat_zahl, std::int64_t zahl) {
        Gruppe& g = aktuell();
        const bool an = !hat_zahl || zahl != 0;
        if (ist_uebersprungenes_ziel(wort)) {
            g.ueberspringen = true;
        } else if (wort == "par") {
            absatz();
        } else if (wort == "line") {
            zeichen(0x2028);
        } else if (wort == "tab") {
            zeichen('\t');
        } else if (wort == "b") {
            g.format.fett = an;
        } else if (wort == "i") {
            g.format.kursiv = an;
        } else if (wort == "ul") {
            g.format.unterstrichen = an;
        } else if (wort == "ulnone") {
            g.format.unterstrichen = false;
        } else if (wort == "fs") {
            g.format.halbpunkte =
                hat_zahl ? static_cast<int>(std::clamp<std::int64_t>(zahl, 2, 400)) : 24;
        } else if (wort == "plain") {
            g.format = RtfFormat{};
        } else if (wort == "uc") {
            g.ersatzzeichen = static_cast<int>(std::clamp<std::int64_t>(zahl, 0, 10));
        } else if (wort == "u" && hat_zahl) {
            // \uN is a signed 16-bit number: negative values stand for N + 65536.
            const std::int64_t code = zahl < 0 ? zahl + 65536 : zahl;
            zeichen(code > 0 && code < 0x110000 ? static_cast<char32_t>(code) : U'?');
            ungelesene_ersatzzeichen_ = g.ersatzzeichen;
        } else if (wort == "bin" && hat_zahl) {
            const auto laenge = static_cast<std::size_t>(
                std::clamp<std::int64_t>(zahl, 0, static_cast<std::int64_t>(rtf_.size())));
            pos_ = std::min(rtf_.size(), pos_ + laenge);
        }
    }

    void zeichen(char32_t z) {
        if (ungelesene_ersatzzeichen_ > 0) {
            --ungelesene_ersatzzeichen_;
            return;
        }
        if (aktuell().ueberspringen) {
            return;
        }
        auto& laeufe = dokument_.absaetze.back().laeufe;
        if (laeufe.empty() || !(laeufe.back().format == aktuell().format)) {
            laeufe.push_back(RtfLauf{{}, aktuell().format});
        }
        utf8_anhaengen(laeufe.back().text, z);
    }

    void absatz() {
        if (aktuell().ueberspringen) {
            return;
        }
        dokument_.absaetze.emplace_back();
    }

    std::string_view rtf_;
    std::size_t pos_ = 0;
    std::array<Gruppe, maximale_tiefe> stapel_{};
    int tiefe_ = 0;
    int ueberlauf_ = 0;
    int ungelesene_ersatzzeichen_ = 0;
    RtfDokument dokument_;
};

} // namespace

RtfDokument lies_rtf(std::string_view rtf) {
    return Leser(rtf).lesen();
}

} // namespace saldino::runtime
