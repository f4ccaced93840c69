#pragma once

#include <array>

// The object names of the window's controls, named for what they do, so a
// test says knopf::buchen where the window says "SpeedButton29".
namespace saldino::test {

namespace knopf {
// The left panel.
inline constexpr const char* eroeffnungsbuchungen = "SpeedButton2";
inline constexpr const char* buchungen = "SpeedButton3";
inline constexpr const char* bilanz = "SpeedButton4";
inline constexpr const char* betriebsergebnis = "SpeedButton1";
inline constexpr const char* journal = "SpeedButton5";
inline constexpr const char* kontenblaetter = "SpeedButton6";
inline constexpr const char* alles_speichern = "SpeedButton30";
inline constexpr const char* ende = "SpeedButton31";
inline constexpr const char* sicherung_laden = "SpeedButton33";
inline constexpr const char* hilfe = "SpeedButton34";
// The top panel.
inline constexpr const char* aufgaben = "SpeedButton22";
inline constexpr const char* kontenplan = "SpeedButton23";
inline constexpr const char* einstellungen = "SpeedButton24";
inline constexpr const char* grundeinstellungen = "SpeedButton35";
// The pages.
inline constexpr const char* firma_ok = "SpeedButton32";
inline constexpr const char* eroeffnung_ok = "SpeedButton7";
inline constexpr const char* neu = "SpeedButton8";
inline constexpr const char* erste = "SpeedButton9";
inline constexpr const char* vorige = "SpeedButton25";
inline constexpr const char* naechste = "SpeedButton26";
inline constexpr const char* letzte = "SpeedButton27";
inline constexpr const char* aendern = "SpeedButton28";
inline constexpr const char* loeschen = "SpeedButton36";
inline constexpr const char* buchen = "SpeedButton29";
inline constexpr const char* pruefen = "SpeedButton37";
inline constexpr const char* grundeinstellungen_wiederherstellen = "Button1";
inline constexpr const char* einstellungen_speichern = "Button2";
// Choosing chart n (1 to 4) and opening exercise n (1 to 9).
inline constexpr std::array<const char*, 5> kontenplan_waehlen = {
    nullptr, "SpeedButton10", "SpeedButton11", "SpeedButton12", "SpeedButton13"};
inline constexpr std::array<const char*, 10> aufgabe = {
    nullptr,         "SpeedButton14", "SpeedButton15", "SpeedButton16", "SpeedButton17",
    "SpeedButton18", "SpeedButton19", "SpeedButton20", "SpeedButton21", "SpeedButton38"};
} // namespace knopf

namespace seite {
inline constexpr const char* firma = "TabSheet2";
inline constexpr const char* eroeffnung = "TabSheet3";
inline constexpr const char* buchungen = "TabSheet4";
inline constexpr const char* bilanz = "TabSheet5";
inline constexpr const char* journal = "TabSheet6";
inline constexpr const char* aufgaben = "TabSheet8";
inline constexpr const char* kontenblaetter = "TabSheet10";
inline constexpr const char* betriebsergebnis = "TabSheet11";
} // namespace seite

namespace feld {
inline constexpr const char* firmenname = "Edit1";
inline constexpr const char* kontenplan_gitter = "StringGrid1";
inline constexpr const char* eroeffnung_gitter = "StringGrid2";
inline constexpr const char* aufgabenliste = "CheckListBox1";
} // namespace feld

namespace panel {
inline constexpr const char* befehle = "Panel1";
inline constexpr const char* oben = "Panel2";
inline constexpr const char* aufgabenbefehle = "Panel3";
} // namespace panel

} // namespace saldino::test
