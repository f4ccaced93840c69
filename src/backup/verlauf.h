#pragma once

#include "masterdata/einstellungen.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The history of changes to the journal and the settings, so that each can
// be taken back ("Rückgängig") and made again ("Wiederholen"). It lives in
// ".saldino/verlauf" of the working directory and lasts across runs. A step
// never copies the journal: an append keeps the old length and the record, a
// change of a record the old and the new record, and a command that replaces
// a file keeps the old file itself under a second name (a hard link).
namespace saldino::backup {

inline constexpr const char* verlaufsordner = ".saldino/verlauf";
inline constexpr std::size_t hoechstens_schritte = 20;
inline constexpr std::int64_t hoechstens_bytes = 200LL * 1024 * 1024;

enum class Schrittart { angehaengt, geaendert, ersetzt };

namespace verlaufsdatei {
struct Schritt;
struct Verlaufsdaten;
// Finishes a change or a save of the settings that was being made when a
// command ended: completed when the files changed, dropped when not.
void aenderung_beenden(Verlaufsdaten& daten);
// The record at `position` of the journal.
std::string lies_satz(std::int64_t position);
} // namespace verlaufsdatei

// One change, recorded before it is made and completed once it was made
// (write-ahead): after a kill at any point the next start finds either no
// change or an undoable one. A change whose step cannot be recorded is made
// all the same, only it cannot be taken back; so nothing here ever stops a
// command.
class Aenderung {
public:
    // "&Buchen": the journal grows by one record.
    static Aenderung anhaengen(std::string beschreibung);
    // "Ändern": record k (1-based) is written anew.
    static Aenderung aendern(std::int32_t k, std::string beschreibung);
    // A command that replaces the journal, the settings or both by new files.
    // `offen` lets the next save of the settings that changes them become part
    // of this step (the chart chosen after the journal was emptied).
    static Aenderung ersetzen(bool journal, bool einstellungen, std::string beschreibung,
                              bool offen = false);
    // A save of the settings: a step of its own, part of an open step, or
    // none at all when the settings do not change.
    static Aenderung einstellungen(const std::string& neuer_text, std::string beschreibung);

    Aenderung(Aenderung&& andere) noexcept;
    Aenderung& operator=(Aenderung&&) = delete;
    Aenderung(const Aenderung&) = delete;
    Aenderung& operator=(const Aenderung&) = delete;
    // Without festhalten() the step is completed when the files changed all
    // the same (a change made, only reported as not safely on disk), and
    // dropped when they did not.
    ~Aenderung();

    // After the change was made: it becomes the newest step; steps taken back
    // before are gone, and the oldest when there are more than 20 or they
    // hold more than 200 MB.
    void festhalten();

    // Whether the settings need to be written at all.
    bool noetig() const { return noetig_; }

private:
    Aenderung() = default;
    void vorbereiten(verlaufsdatei::Schritt schritt, const std::string* alter_satz);

    bool noetig_ = true;
    bool aktiv_ = false;
    std::int64_t nummer_ = 0;
};

// Saves the settings as a change that can be taken back; nothing at all
// when the file already holds them.
void einstellungen_sichern(const masterdata::Einstellungen& werte, const std::string& beschreibung);

// A step as the history lists it: what it was, and whether it was taken back.
struct Verlaufseintrag {
    std::string beschreibung; // Windows-1252
    bool zurueckgenommen = false;
};

std::vector<Verlaufseintrag> verlauf();

// What the next undo or redo would do, if anything.
std::optional<std::string> rueckgaengig_beschreibung();
std::optional<std::string> wiederholen_beschreibung();

// The result of taking a step back or making it again: what it was and which
// booking it concerned (0 for none), for the window to show.
struct Verlaufsschritt {
    std::string beschreibung;
    std::int32_t buchung = 0;
};

// Takes back the newest step, or makes the newest step taken back again.
// Nothing to do: none. A journal or settings file that is no longer as the
// step left it (changed by another program) refuses with a message, and
// nothing changes. A failure part-way puts back what was done.
std::optional<Verlaufsschritt> rueckgaengig();
std::optional<Verlaufsschritt> wiederholen();

// Run at every start with the lock held, after stelle_wieder_her: finishes a
// step or a change a crash interrupted and removes what no step holds. A
// history that no longer fits the journal is laid aside, so that nothing
// stays blocked; the returned notices (Windows-1252) say so.
std::vector<std::string> verlauf_wiederherstellen();

// What every command that takes the lock does first: completes a replacement
// of the journal and the settings that was interrupted, then the history.
std::vector<std::string> unterbrochenes_beenden();

} // namespace saldino::backup
