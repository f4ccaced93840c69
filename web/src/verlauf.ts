// "Rückgängig" (Ctrl+Z) and "Wiederholen" (Ctrl+Y, Ctrl+Shift+Z) on the
// history the desktop keeps in the working directory; in a text field the
// keys stay the field's own.
import { befehl } from "./befehl.js";
import { frage, zeige_antwort } from "./dialoge.js";
import { sichtbare_neu_zeigen } from "./fenster.js";
import { kern, sichere } from "./kern.js";
import { aufgaben_neu_lesen } from "./seiten/aufgaben.js";
import { firmendaten_zeigen } from "./seiten/einstellungen.js";
import { zustand } from "./zustand.js";

// What a changed journal or settings file means for the window: the count,
// the booking shown (the one the step concerned), the fields and the page.
export async function stand_neu_laden(buchung = 0): Promise<void> {
  const anzahl = kern().buchungsseite().anzahl ?? 0;
  zustand.anzahl_buchungen = anzahl;
  zustand.aktuelle_buchung = buchung > 0 ? Math.min(buchung, anzahl) : anzahl;
  firmendaten_zeigen();
  aufgaben_neu_lesen();
  await sichtbare_neu_zeigen();
}

export async function rueckgaengig(): Promise<void> {
  const antwort = kern().rueckgaengig_frage();
  if (!antwort.frage) {
    await zeige_antwort(antwort);
    return;
  }
  if (!(await frage(antwort.frage))) {
    return;
  }
  const schritt = kern().verlaufsschritt(true);
  await sichere();
  if (await zeige_antwort(schritt)) {
    await stand_neu_laden(schritt.buchung);
  }
}

export async function wiederholen(): Promise<void> {
  const schritt = kern().verlaufsschritt(false);
  await sichere();
  if ((await zeige_antwort(schritt)) && !schritt.nichts) {
    await stand_neu_laden(schritt.buchung);
  }
}

function im_textfeld(ziel: EventTarget | null): boolean {
  return (
    ziel instanceof HTMLTextAreaElement ||
    (ziel instanceof HTMLInputElement && !["checkbox", "radio", "button"].includes(ziel.type))
  );
}

export function verlaufstasten(): void {
  document.addEventListener("keydown", (ereignis) => {
    if (!ereignis.ctrlKey || ereignis.altKey || im_textfeld(ereignis.target) || document.querySelector("dialog[open]")) {
      return;
    }
    const taste = ereignis.key.toLowerCase();
    if (taste === "z" && !ereignis.shiftKey) {
      ereignis.preventDefault();
      void befehl(rueckgaengig);
    } else if (taste === "y" || (taste === "z" && ereignis.shiftKey)) {
      ereignis.preventDefault();
      void befehl(wiederholen);
    }
  });
}
