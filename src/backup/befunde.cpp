#include "backup/befunde.h"

#include "journal/eroeffnung.h"
#include "runtime/text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <optional>
#include <set>
#include <utility>

namespace saldino::backup {

namespace {

const std::string null_betrag = "0,00";

std::string text(const char* utf8) {
    return runtime::utf8_nach_cp1252(utf8);
}

// 'S' debit, 'H' credit, 'B' both, '0' neither.
char seite(const Buchungszeile& zeile) {
    const bool soll = zeile.soll != null_betrag;
    const bool haben = zeile.haben != null_betrag;
    if (soll) {
        return haben ? 'B' : 'S';
    }
    return haben ? 'H' : '0';
}

const std::string& betrag(const Buchungszeile& zeile) {
    return seite(zeile) == 'H' ? zeile.haben : zeile.soll;
}

std::vector<Buchungszeile> getauscht(std::vector<Buchungszeile> zeilen) {
    for (Buchungszeile& zeile : zeilen) {
        std::swap(zeile.soll, zeile.haben);
    }
    return zeilen;
}

std::vector<Buchungszeile> sortiert(std::vector<Buchungszeile> zeilen) {
    std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
}

// A pair's diagnosis; the lower the rank, the closer the two bookings:
// 0 exchanged, 1 one account wrong, 2 amounts wrong, 3 exchanged with wrong
// amounts, 4 several accounts wrong, 5 exchanged with wrong accounts.
struct Bewertung {
    int rang = 0;
    Befundart art = Befundart::fehlt;
    std::string text;
};

// The first unused line of `zeilen` for which `passt` holds.
template <typename Passt>
std::optional<std::size_t> finde(const std::vector<Buchungszeile>& zeilen,
                                 std::vector<bool>& benutzt, Passt passt) {
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (!benutzt[i] && passt(zeilen[i])) {
            benutzt[i] = true;
            return i;
        }
    }
    return std::nullopt;
}

// Pairs the lines the two bookings do not share: all by account and side
// (the amounts are wrong), or all by amounts (the accounts are wrong).
std::optional<Bewertung> gleiche_ab(const std::vector<Buchungszeile>& buchung,
                                    const std::vector<Buchungszeile>& loesung) {
    std::vector<bool> gemeinsam(buchung.size(), false);
    std::vector<Buchungszeile> rest; // the solution's lines the booking lacks, in line order
    for (const Buchungszeile& zeile : loesung) {
        if (!finde(buchung, gemeinsam, [&](const Buchungszeile& z) { return z == zeile; })) {
            rest.push_back(zeile);
        }
    }
    if (rest.empty()) {
        return std::nullopt;
    }
    std::vector<bool> benutzt = gemeinsam;
    // Each line of the solution the booking lacks, with the booking's line of its account.
    std::vector<std::pair<const Buchungszeile*, std::size_t>> paare;
    const bool nach_konto = std::all_of(rest.begin(), rest.end(), [&](const Buchungszeile& z) {
        const auto i = finde(buchung, benutzt, [&](const Buchungszeile& b) {
            return b.konto == z.konto && seite(b) == seite(z);
        });
        if (i) {
            paare.emplace_back(&z, *i);
        }
        return i.has_value();
    });
    if (nach_konto) {
        // An opening amount is named at the account it was typed for, not at
        // the Eröffnungsbilanzkonto.
        auto genannt = paare.front();
        for (const auto& paar : paare) {
            if (paar.first->konto != journal::eroeffnungsbilanzkonto()) {
                genannt = paar;
                break;
            }
        }
        const Buchungszeile& falsch = buchung[genannt.second];
        return Bewertung{2, Befundart::falscher_betrag,
                         text("falscher Betrag bei „") + genannt.first->konto + text("“: ") +
                             betrag(falsch) + " statt " + betrag(*genannt.first)};
    }
    benutzt = gemeinsam;
    std::string konten;
    const bool nach_betrag = std::all_of(rest.begin(), rest.end(), [&](const Buchungszeile& z) {
        const auto i = finde(buchung, benutzt, [&](const Buchungszeile& b) {
            return b.soll == z.soll && b.haben == z.haben;
        });
        if (i) {
            konten += (konten.empty() ? "" : "; ") + text("falsches Konto: „") + buchung[*i].konto +
                      text("“ statt „") + z.konto + text("“");
        }
        return i.has_value();
    });
    if (nach_betrag) {
        return Bewertung{rest.size() == 1 ? 1 : 4, Befundart::falsches_konto, konten};
    }
    return std::nullopt;
}

// A booking with one line fewer or more than the solution's, its other
// lines on the same accounts and sides (their amounts may follow from the
// missing line: "Werbung 1160 an Bank 1160" without "Vorsteuer 160").
std::optional<Bewertung> eine_zeile_anders(const std::vector<Buchungszeile>& buchung,
                                           const std::vector<Buchungszeile>& loesung) {
    const bool fehlt = buchung.size() < loesung.size();
    const std::vector<Buchungszeile>& mehr = fehlt ? loesung : buchung;
    const std::vector<Buchungszeile>& weniger = fehlt ? buchung : loesung;
    std::vector<bool> benutzt(mehr.size(), false);
    for (const Buchungszeile& zeile : weniger) {
        // The same line first, else one of the same account and side.
        if (!finde(mehr, benutzt, [&](const Buchungszeile& z) { return z == zeile; }) &&
            !finde(mehr, benutzt, [&](const Buchungszeile& z) {
                return z.konto == zeile.konto && seite(z) == seite(zeile);
            })) {
            return std::nullopt;
        }
    }
    const auto uebrig = std::find(benutzt.begin(), benutzt.end(), false);
    const Buchungszeile& zeile = mehr[static_cast<std::size_t>(uebrig - benutzt.begin())];
    std::string wo = seite(zeile) == '0'   ? text(" ohne Betrag")
                     : seite(zeile) == 'H' ? " " + betrag(zeile) + " im Haben"
                                           : " " + betrag(zeile) + " im Soll";
    return Bewertung{1, Befundart::zeilenzahl,
                     text(fehlt ? "Zeile fehlt: " : "Zeile zu viel: ") + zeile.konto + wo};
}

std::optional<Bewertung> bewerte(const VerglicheneBuchung& buchung,
                                 const VerglicheneBuchung& loesung) {
    if (buchung.zeilen.empty() || loesung.zeilen.empty()) {
        return std::nullopt;
    }
    if (buchung.zeilen.size() + 1 == loesung.zeilen.size() ||
        buchung.zeilen.size() == loesung.zeilen.size() + 1) {
        return eine_zeile_anders(buchung.zeilen, loesung.zeilen);
    }
    if (buchung.zeilen.size() != loesung.zeilen.size()) {
        return std::nullopt;
    }
    const std::vector<Buchungszeile> andersherum = getauscht(buchung.zeilen);
    if (sortiert(andersherum) == sortiert(loesung.zeilen)) {
        return Bewertung{0, Befundart::vertauscht, "Soll und Haben vertauscht"};
    }
    std::optional<Bewertung> gerade = gleiche_ab(buchung.zeilen, loesung.zeilen);
    std::optional<Bewertung> gedreht = gleiche_ab(andersherum, loesung.zeilen);
    if (gedreht) {
        gedreht->rang = gedreht->art == Befundart::falscher_betrag ? 3 : 5;
        gedreht->text = "Soll und Haben vertauscht; " + gedreht->text;
    }
    if (gerade && (!gedreht || gerade->rang <= gedreht->rang)) {
        return gerade;
    }
    return gedreht;
}

// Per account, the debit and the credit in cents; none when an amount does
// not fit.
using Kontosummen = std::map<std::string, std::pair<std::int64_t, std::int64_t>, std::less<>>;

std::optional<std::int64_t> in_cent(const std::string& betrag) {
    std::int64_t wert = 0;
    int ziffern = 0;
    for (const char zeichen : betrag) {
        if (runtime::ist_ziffer(zeichen)) {
            if (++ziffern > 17) {
                return std::nullopt;
            }
            wert = wert * 10 + (zeichen - '0');
        }
    }
    return betrag.starts_with('-') ? -wert : wert;
}

bool addiere(Kontosummen& summen, const std::vector<Buchungszeile>& zeilen) {
    for (const Buchungszeile& zeile : zeilen) {
        const auto soll = in_cent(zeile.soll);
        const auto haben = in_cent(zeile.haben);
        if (!soll || !haben) {
            return false;
        }
        auto& summe = summen[zeile.konto];
        summe.first += *soll;
        summe.second += *haben;
    }
    std::erase_if(summen, [](const auto& eintrag) {
        return eintrag.second.first == 0 && eintrag.second.second == 0;
    });
    return true;
}

// At most this many bookings are tried as the parts of one solution booking.
constexpr std::size_t hoechstens_teile = 16;

// The fewest unassigned bookings, at least two, whose lines add up to the
// solution booking's; each of them uses only accounts and sides it uses.
std::vector<std::size_t> aufteilung(const VerglicheneBuchung& loesung,
                                    const std::vector<VerglicheneBuchung>& uebrig,
                                    const std::vector<bool>& vergeben) {
    Kontosummen ziel;
    if (!addiere(ziel, loesung.zeilen)) {
        return {};
    }
    std::set<std::pair<std::string, char>> erlaubt;
    for (const Buchungszeile& zeile : loesung.zeilen) {
        erlaubt.emplace(zeile.konto, seite(zeile));
    }
    std::vector<std::size_t> kandidaten;
    for (std::size_t i = 0; i < uebrig.size() && kandidaten.size() < hoechstens_teile; ++i) {
        const auto& zeilen = uebrig[i].zeilen;
        if (!vergeben[i] && !zeilen.empty() &&
            std::all_of(zeilen.begin(), zeilen.end(), [&](const Buchungszeile& z) {
                return erlaubt.contains({z.konto, seite(z)});
            })) {
            kandidaten.push_back(i);
        }
    }
    const std::uint32_t alle = 1U << kandidaten.size();
    for (int groesse = 2; groesse <= static_cast<int>(kandidaten.size()); ++groesse) {
        for (std::uint32_t auswahl = 0; auswahl < alle; ++auswahl) {
            if (std::popcount(auswahl) != groesse) {
                continue;
            }
            Kontosummen summe;
            std::vector<std::size_t> teile;
            for (std::size_t k = 0; k < kandidaten.size(); ++k) {
                if ((auswahl >> k & 1U) != 0 && addiere(summe, uebrig[kandidaten[k]].zeilen)) {
                    teile.push_back(kandidaten[k]);
                }
            }
            if (summe == ziel && static_cast<int>(teile.size()) == groesse) {
                return teile;
            }
        }
    }
    return {};
}

std::string kontenbild(const std::vector<Buchungszeile>& zeilen) {
    return zeilenbild(zeilen, [](const Buchungszeile& z) { return z.konto; });
}

std::string betragsbild(const std::vector<Buchungszeile>& zeilen) {
    return zeilenbild(zeilen, [](const Buchungszeile& z) { return z.soll + '|' + z.haben; });
}

} // namespace

std::string zeilenbild(const std::vector<Buchungszeile>& zeilen,
                       std::string (*teil)(const Buchungszeile&)) {
    std::vector<std::string> texte;
    texte.reserve(zeilen.size());
    for (const Buchungszeile& zeile : zeilen) {
        texte.push_back(teil(zeile));
    }
    std::sort(texte.begin(), texte.end());
    std::string bild;
    for (const std::string& text : texte) {
        bild += text;
        bild += '\n';
    }
    return bild;
}

Loesungsnaehe::Loesungsnaehe(const std::vector<VerglicheneBuchung>& loesung) {
    for (const VerglicheneBuchung& buchung : loesung) {
        konten_.insert(kontenbild(buchung.zeilen));
        betraege_.insert(betragsbild(buchung.zeilen));
        betraege_.insert(betragsbild(getauscht(buchung.zeilen)));
        for (const Buchungszeile& zeile : buchung.zeilen) {
            seiten_.emplace(zeile.konto, seite(zeile));
        }
    }
}

bool Loesungsnaehe::koennte_passen(const std::vector<Buchungszeile>& zeilen) const {
    return konten_.contains(kontenbild(zeilen)) || betraege_.contains(betragsbild(zeilen)) ||
           std::all_of(zeilen.begin(), zeilen.end(), [this](const Buchungszeile& zeile) {
               return seiten_.contains(std::pair(zeile.konto, seite(zeile)));
           });
}

Zuordnung ordne_zu(const std::vector<VerglicheneBuchung>& fehlend,
                   const std::vector<VerglicheneBuchung>& uebrig) {
    std::vector<bool> vergeben(uebrig.size(), false);
    std::vector<std::optional<Befund>> befunde(fehlend.size());
    for (std::size_t l = 0; l < fehlend.size(); ++l) {
        const std::vector<std::size_t> teile = aufteilung(fehlend[l], uebrig, vergeben);
        if (teile.empty()) {
            continue;
        }
        Befund befund{Befundart::aufgeteilt,
                      fehlend[l].kopf,
                      {},
                      text("aufgeteilt: diese Buchungen ergeben zusammen die Buchung der Lösung")};
        for (const std::size_t teil : teile) {
            vergeben[teil] = true;
            befund.buchungen.push_back(uebrig[teil].kopf.nummer);
        }
        befunde[l] = std::move(befund);
    }

    struct Paar {
        Bewertung bewertung;
        bool anderes_datum;
        std::size_t loesung;
        std::size_t buchung;
    };
    std::vector<Paar> paare;
    for (std::size_t l = 0; l < fehlend.size(); ++l) {
        for (std::size_t b = 0; b < uebrig.size() && !befunde[l]; ++b) {
            if (vergeben[b]) {
                continue;
            }
            if (auto bewertung = bewerte(uebrig[b], fehlend[l])) {
                paare.push_back(
                    {std::move(*bewertung), uebrig[b].kopf.datum != fehlend[l].kopf.datum, l, b});
            }
        }
    }
    std::sort(paare.begin(), paare.end(), [](const Paar& a, const Paar& b) {
        return std::tie(a.bewertung.rang, a.anderes_datum, a.loesung, a.buchung) <
               std::tie(b.bewertung.rang, b.anderes_datum, b.loesung, b.buchung);
    });
    for (Paar& paar : paare) {
        if (!befunde[paar.loesung] && !vergeben[paar.buchung]) {
            vergeben[paar.buchung] = true;
            befunde[paar.loesung] = Befund{paar.bewertung.art,
                                           fehlend[paar.loesung].kopf,
                                           {uebrig[paar.buchung].kopf.nummer},
                                           std::move(paar.bewertung.text)};
        }
    }

    Zuordnung zuordnung;
    for (std::size_t l = 0; l < fehlend.size(); ++l) {
        zuordnung.befunde.push_back(
            befunde[l] ? std::move(*befunde[l])
                       : Befund{Befundart::fehlt, fehlend[l].kopf, {}, "Buchung fehlt"});
    }
    for (std::size_t b = 0; b < uebrig.size(); ++b) {
        if (!vergeben[b]) {
            zuordnung.ueberzaehlig.push_back(uebrig[b].kopf);
        }
    }
    return zuordnung;
}

} // namespace saldino::backup
