#pragma once

#include <array>
#include <string_view>

// The keys of the commands, one table for the window and the browser: each
// runs the button of that object name when it is shown and enabled, and
// each button's tooltip and the manual's section "Tastatur" name it.
namespace saldino::runtime {

struct Tastenkuerzel {
    std::string_view knopf;   // the button's object name
    std::string_view tasten;  // as Qt and the browser read it: "Ctrl+S"
    std::string_view anzeige; // as the user reads it: "Strg+S"
};

inline constexpr std::array<Tastenkuerzel, 27> tastenkuerzel = {{
    // The program: the manual, saving, loading, the end.
    {"SpeedButton34", "F1", "F1"},
    {"SpeedButton30", "Ctrl+S", "Strg+S"},
    {"SpeedButton33", "Ctrl+O", "Strg+O"},
    {"SpeedButton31", "Ctrl+Q", "Strg+Q"},
    // The first nine page buttons, the left panel first.
    {"SpeedButton2", "Ctrl+1", "Strg+1"},
    {"SpeedButton3", "Ctrl+2", "Strg+2"},
    {"SpeedButton4", "Ctrl+3", "Strg+3"},
    {"SpeedButton1", "Ctrl+4", "Strg+4"},
    {"SpeedButton5", "Ctrl+5", "Strg+5"},
    {"SpeedButton6", "Ctrl+6", "Strg+6"},
    {"SpeedButton22", "Ctrl+7", "Strg+7"},
    {"SpeedButton23", "Ctrl+8", "Strg+8"},
    {"SpeedButton24", "Ctrl+9", "Strg+9"},
    // The commands of the page shown, by a letter of their caption.
    {"SpeedButton8", "Alt+N", "Alt+N"},
    {"SpeedButton28", "Alt+D", "Alt+D"},
    {"SpeedButton36", "Alt+L", "Alt+L"},
    {"SpeedButton29", "Alt+B", "Alt+B"},
    {"SpeedButton32", "Alt+O", "Alt+O"},
    {"SpeedButton7", "Alt+O", "Alt+O"},
    {"Button2", "Alt+S", "Alt+S"},
    {"Button1", "Alt+G", "Alt+G"},
    {"SpeedButton37", "Alt+P", "Alt+P"},
    {"Abschluss", "Alt+A", "Alt+A"},
    {"SpeedButton10", "Alt+1", "Alt+1"},
    {"SpeedButton11", "Alt+2", "Alt+2"},
    {"SpeedButton12", "Alt+3", "Alt+3"},
    {"SpeedButton13", "Alt+4", "Alt+4"},
}};

} // namespace saldino::runtime
