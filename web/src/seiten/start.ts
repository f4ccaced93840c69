// The start page (TabSheet1): the title picture, the title and version
// lines, and the notice "Wichtiger Hinweis.rtf".
import { beschriftung, platziere } from "../bausteine.js";
import { fehler } from "../dialoge.js";
import { seite } from "../fenster.js";
import { kern } from "../kern.js";
import { speicherwarnung } from "../offline.js";

export async function startseite(): Promise<void> {
  const s = seite("TabSheet1", "Start");
  const bild = document.createElement("img");
  bild.id = "Image1";
  bild.src = "titelbild.bmp";
  bild.alt = "Saldino";
  platziere(bild, { links: 112, oben: 16, breite: 417, hoehe: 193 });
  s.append(bild);
  beschriftung(s, "Label1", "Saldino – Buchführung lernen", { links: 112, oben: 248 });
  beschriftung(s, "Label2", `Version ${kern().version()} – doppelte Buchführung für den Unterricht`, {
    links: 144,
    oben: 280,
  });
  const hinweis = document.createElement("div");
  hinweis.id = "RichEdit1";
  hinweis.tabIndex = 0;
  hinweis.setAttribute("role", "document");
  hinweis.setAttribute("aria-label", "Wichtiger Hinweis");
  platziere(hinweis, { links: 40, oben: 312, breite: 593, hoehe: 113 });
  s.append(hinweis);

  const antwort = kern().hinweis();
  if (antwort.fehler) {
    await fehler(antwort.fehler);
    return;
  }
  for (const laeufe of antwort.absaetze ?? []) {
    const absatz = document.createElement("p");
    for (const lauf of laeufe) {
      const teil = document.createElement("span");
      teil.textContent = lauf.text.replaceAll("\u2028", "\n");
      teil.style.fontWeight = lauf.fett ? "bold" : "normal";
      teil.style.fontStyle = lauf.kursiv ? "italic" : "normal";
      teil.style.textDecoration = lauf.unterstrichen ? "underline" : "none";
      teil.style.fontSize = `${(lauf.halbpunkte / 2) * (4 / 3)}px`;
      absatz.append(teil);
    }
    hinweis.append(absatz);
  }
}

// Under the notice, when the browser may delete the working directory later.
export function speicherwarnung_zeigen(zeigen: boolean): void {
  const warnung = beschriftung(document.getElementById("TabSheet1") as HTMLElement, "Speicherwarnung", speicherwarnung, {
    links: 40,
    oben: 428,
  });
  warnung.classList.add("rot");
  warnung.setAttribute("role", "status");
  warnung.hidden = !zeigen;
}
