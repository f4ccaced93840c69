#pragma once

#include <cstdint>
#include <vector>

// The exercise the pupil opened last and the ticks of its checklist, kept
// in ".saldino/aufgabe" so that both survive a restart: the exercise's
// number on the first line, then "1" (ticked) or "0" per checklist line.
namespace saldino::backup {

struct Aufgabenstand {
    std::int32_t aufgabe = 0; // 0: none chosen
    std::vector<bool> erledigt;
};

// What was kept; none chosen when nothing was, or it cannot be read.
Aufgabenstand lies_aufgabenstand();

// Keeps `stand`, replacing the file whole (never half written).
void schreibe_aufgabenstand(const Aufgabenstand& stand);

} // namespace saldino::backup
