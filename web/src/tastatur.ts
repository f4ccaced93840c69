// The commands' keys, from the same table as the desktop's: each runs the
// button of its id when that is shown and enabled, and each button's tooltip
// names its key. The browser keeps some keys for itself (Ctrl+1 … Ctrl+9 and
// Ctrl+Q in most): there the button is reached by Tab.
import { kern } from "./kern.js";

// "Ctrl+Alt+S" as the table writes it, from a key event.
function tasten_von(ereignis: KeyboardEvent): string {
  const taste = ereignis.key.length === 1 ? ereignis.key.toUpperCase() : ereignis.key;
  return (ereignis.ctrlKey ? "Ctrl+" : "") + (ereignis.altKey ? "Alt+" : "") + taste;
}

// With Alt, some keyboards give another character ("Alt+N" as "ñ"): the key's place counts.
function taste_am_platz(ereignis: KeyboardEvent): string {
  const platz = /^(Key|Digit)(.)$/.exec(ereignis.code);
  return platz ? (ereignis.ctrlKey ? "Ctrl+" : "") + (ereignis.altKey ? "Alt+" : "") + platz[2] : "";
}

export function tasten_einrichten(): void {
  const befehle = new Map<string, string[]>();
  for (const [id, tasten, anzeige] of kern().tasten()) {
    const knopf = document.getElementById(id);
    if (knopf) {
      knopf.title = `${knopf.title || (knopf.textContent ?? "").replace("&", "")} (${anzeige})`;
      knopf.setAttribute("aria-keyshortcuts", tasten.replace("Ctrl", "Control"));
    }
    befehle.set(tasten, [...(befehle.get(tasten) ?? []), id]);
  }
  document.addEventListener("keydown", (ereignis) => {
    if (document.querySelector("dialog.box[open]")) {
      return;
    }
    const ids = befehle.get(tasten_von(ereignis)) ?? befehle.get(taste_am_platz(ereignis)) ?? [];
    for (const id of ids) {
      const knopf = document.getElementById(id) as HTMLButtonElement | null;
      if (knopf && !knopf.disabled && knopf.offsetParent !== null) {
        ereignis.preventDefault();
        knopf.click();
        return;
      }
    }
  });
}
