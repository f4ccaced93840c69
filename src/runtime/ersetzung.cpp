#include "runtime/ersetzung.h"

#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <cerrno>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace saldino::runtime {

namespace {

constexpr std::string_view planende = "ende";

using Plan = std::vector<std::pair<std::string, std::string>>;

// The pairs of a complete plan. A plan without its last line was never
// acted on (it is renamed into place whole, so this is only a foreign file):
// it is empty. A plan that cannot be carried out is none at all.
std::optional<Plan> lies_plan() {
    Plan paare;
    std::vector<std::string> zeilen;
    try {
        zeilen = teile_zeilen(lies_ganz(ersetzungsplan));
    } catch (const Laufzeitfehler&) {
        return std::nullopt;
    }
    if (zeilen.empty() || zeilen.back() != planende) {
        return paare;
    }
    for (std::size_t i = 0; i + 1 < zeilen.size(); ++i) {
        const std::size_t tab = zeilen[i].find('\t');
        if (tab == std::string::npos) {
            return paare;
        }
        std::string temporaer = zeilen[i].substr(0, tab);
        std::string ziel = zeilen[i].substr(tab + 1);
        // Only a file of the working directory and its own temporary file:
        // a plan can never move anything elsewhere.
        if (ziel.empty() || ziel.find('/') != std::string::npos || ziel.front() == '.' ||
            !temporaer.starts_with(ziel + std::string(temporaer_kennung)) ||
            temporaer.size() != ziel.size() + temporaer_kennung.size() + 6 ||
            temporaer.find('/') != std::string::npos) {
            return Plan{};
        }
        // A folder (or anything but a file) where a file belongs stops the plan for good.
        for (const std::string* name : {&temporaer, &ziel}) {
            const Dateistand stand = stand_von(*name);
            if (stand.vorhanden && !stand.regulaer) {
                return std::nullopt;
            }
        }
        paare.emplace_back(std::move(temporaer), std::move(ziel));
    }
    return paare;
}

void plan_entfernen() {
    entferne(ersetzungsplan);
    Ort(ersetzungsplan).auf_platte();
}

// Whether `name` is a temporary file or an old copy a crash left.
bool ist_rest(const std::string& name, std::initializer_list<std::string> dateien) {
    const std::size_t stelle = name.rfind(temporaer_kennung);
    if (stelle != std::string::npos && name.size() == stelle + temporaer_kennung.size() + 6) {
        return true;
    }
    if (name.ends_with(".saldino.alt")) {
        return true;
    }
    // The names earlier versions gave their old copy and their temporary files.
    for (const std::string& datei : dateien) {
        if (name == datei + ".alt" ||
            (name.starts_with(datei + ".tmp") && name.size() == datei.size() + 10)) {
            return true;
        }
    }
    return false;
}

void reste_entfernen(const std::string& ordner, std::initializer_list<std::string> dateien) {
    const std::string vorne = ordner == "." ? "" : ordner + '/';
    for (const std::string& name : eintraege(ordner)) {
        if (ist_rest(name, dateien) && stand_von(vorne + name).regulaer) {
            try {
                entferne(vorne + name);
            } catch (const Laufzeitfehler&) {
            }
        }
    }
}

// Renames each file of the plan that is still waiting; one failure is tried
// once more before it is given up.
void fuehre_aus(const std::vector<Ersatzdatei*>& dateien, std::optional<std::string>& unsicher) {
    for (std::size_t i = 0; i < dateien.size(); ++i) {
        for (int versuch = 1;; ++versuch) {
            try {
                dateien[i]->umbenennen();
                break;
            } catch (const NichtAufPlatte& fehler) {
                unsicher = unsicher.value_or(fehler.meldung());
                break;
            } catch (const Laufzeitfehler& fehler) {
                if (versuch == 2) {
                    // The plan stays, and so do the files it names.
                    for (std::size_t k = i; k < dateien.size(); ++k) {
                        dateien[k]->behalten();
                    }
                    throw NichtAufPlatte(fehler.meldung());
                }
            }
        }
    }
}

} // namespace

void ersetze_gemeinsam(std::initializer_list<Ersatzdatei*> dateien) {
    lege_ordner_an(programmordner);
    std::string plan;
    for (const Ersatzdatei* datei : dateien) {
        plan += datei->temporaer() + '\t' + datei->ziel() + "\r\n";
    }
    plan += std::string(planende) + "\r\n";
    std::optional<std::string> unsicher;
    try {
        ersetze_datei(ersetzungsplan, plan);
    } catch (const NichtAufPlatte& fehler) {
        unsicher = fehler.meldung(); // the plan is in place: from here on, only forward
    }
    fuehre_aus(std::vector<Ersatzdatei*>(dateien), unsicher);
    try {
        plan_entfernen();
    } catch (const Laufzeitfehler& fehler) {
        unsicher = unsicher.value_or(fehler.meldung());
    }
    if (unsicher) {
        throw NichtAufPlatte(*unsicher);
    }
}

std::vector<std::string> stelle_wieder_her(std::initializer_list<std::string> dateien) {
    std::vector<std::string> hinweise;
    pruefe_ordner(programmordner);
    const Dateistand plan = stand_von(ersetzungsplan);
    if (plan.vorhanden) {
        const std::optional<Plan> paare = plan.regulaer ? lies_plan() : std::nullopt;
        if (!paare) {
            lege_beiseite(ersetzungsplan);
            hinweise.push_back(utf8_nach_cp1252(meldungen::plan_beiseite));
        } else {
            for (const auto& [temporaer, ziel] : *paare) {
                if (stand_von(temporaer).vorhanden) {
                    benenne_um(temporaer, ziel);
                }
            }
            plan_entfernen();
        }
    }
    reste_entfernen(".", dateien);
    reste_entfernen(programmordner, dateien);
    return hinweise;
}

} // namespace saldino::runtime
