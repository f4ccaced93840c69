// The exercise page (TabSheet8): a button per exercise with its title, the
// ninth and further ones in a scroll area below the first eight; "Prüfen"
// and the teacher's two commands under them. Opening an exercise fills the
// checklist (CheckListBox1); its ticks are kept with the exercise in the
// working directory, as on the desktop.
import { befehl } from "../befehl.js";
import { beschriftung, knopf } from "../bausteine.js";
import { aufgabe_bearbeiten, frage, zeige_antwort } from "../dialoge.js";
import { seite } from "../fenster.js";
import { kern, Modul, sichere } from "../kern.js";
import { pruefergebnis_zeigen } from "./berichte.js";
import { firmenname } from "./einstellungen.js";

const zeilenhoehe = 32;
const feste_zeilen = 8; // above the scroll area
const sichtbare_zeilen = 2; // of the scroll area, before it scrolls

let letzte_aufgabe = 0;
const titel = new Map<number, string>();

// Exercises 1 to 8 keep their object names; the ninth took free ones; from
// the tenth on the names carry the number.
function knopfname(n: number): string {
  return n <= 9 ? `SpeedButton${n <= 8 ? 13 + n : 38}` : `Aufgabenknopf${n}`;
}

function labelname(n: number): string {
  return n <= 9 ? `Label${n <= 8 ? 35 + n : 51}` : `Aufgabentitel${n}`;
}

function liste(): HTMLElement {
  return document.getElementById("CheckListBox1") as HTMLElement;
}

function haken(): boolean[] {
  return [...liste().querySelectorAll("input")].map((k) => k.checked);
}

function liste_fuellen(zeilen: string[], erledigt: boolean[] = []): void {
  const l = liste();
  l.replaceChildren();
  zeilen.forEach((zeile, i) => {
    const eintrag = document.createElement("li");
    const beschriftet = document.createElement("label");
    const kaestchen = document.createElement("input");
    kaestchen.type = "checkbox";
    kaestchen.checked = erledigt[i] ?? false;
    kaestchen.addEventListener("change", () =>
      befehl(async () => {
        await zeige_antwort(kern().haken_sichern(letzte_aufgabe, haken()));
        await sichere();
      }),
    );
    // An empty line of the list is an item all the same, with its box.
    beschriftet.append(kaestchen, zeile || "\u00a0");
    eintrag.append(beschriftet);
    l.append(eintrag);
  });
}

async function oeffnen(n: number, sichern = true, erledigt: boolean[] = []): Promise<void> {
  letzte_aufgabe = n;
  const hinweis = document.getElementById("Label47");
  if (hinweis) {
    hinweis.hidden = true; // "Bitte wähle eine Aufgabe aus!": one is chosen
  }
  const antwort = kern().aufgabe_oeffnen(n, sichern);
  liste_fuellen(antwort.liste, erledigt);
  if (sichern) {
    await sichere();
  }
  await zeige_antwort(antwort);
}

async function pruefen(): Promise<void> {
  const antwort = kern().pruefen(letzte_aufgabe, titel.get(letzte_aufgabe) ?? "");
  if (antwort.zeilen) {
    await pruefergebnis_zeigen(antwort.zeilen);
  }
  await zeige_antwort(antwort);
}

async function bearbeiten(seite_neu: () => void): Promise<void> {
  const vorgabe = kern().aufgabe_lesen(letzte_aufgabe, firmenname());
  if (!(await zeige_antwort(vorgabe)) || vorgabe.meldung) {
    return;
  }
  let formular = { nummer: vorgabe.nummer, titel: vorgabe.titel, punkte: vorgabe.punkte.join("\n") };
  for (;;) {
    const eingabe = await aufgabe_bearbeiten(formular);
    if (!eingabe) {
      return;
    }
    formular = eingabe;
    let antwort = kern().aufgabe_speichern(eingabe.nummer, eingabe.titel.trim(), eingabe.punkte, false, vorgabe.nummer);
    if (antwort.frage) {
      if (!(await frage(antwort.frage))) {
        continue;
      }
      antwort = kern().aufgabe_speichern(eingabe.nummer, eingabe.titel.trim(), eingabe.punkte, true, vorgabe.nummer);
    }
    await sichere();
    await zeige_antwort(antwort);
    if (!antwort.nochmal) {
      break;
    }
  }
  seite_neu();
  await oeffnen(formular.nummer);
}

async function als_loesung_speichern(): Promise<void> {
  const antwort = kern().loesung_speichern(letzte_aufgabe, false, firmenname());
  if (!antwort.frage) {
    await zeige_antwort(antwort);
    return;
  }
  if (await frage(antwort.frage)) {
    const gespeichert = kern().loesung_speichern(letzte_aufgabe, true, firmenname());
    await sichere();
    await zeige_antwort(gespeichert);
  }
}

// Puts up a button and a title per exercise, and the commands below them;
// what the core said of the exercises (the one kept and its ticks too).
function knoepfe_setzen(s: HTMLElement): ReturnType<Modul["aufgaben"]> {
  s.replaceChildren();
  beschriftung(s, "Label47", "Bitte wähle eine Aufgabe aus!", { links: 24, oben: 24 }).hidden =
    letzte_aufgabe !== 0;
  const antwort = kern().aufgaben();
  const nummern = antwort.nummern;
  const oben = 64 + zeilenhoehe * feste_zeilen;
  const weitere = nummern.length - feste_zeilen;
  const hoehe =
    zeilenhoehe * Math.min(weitere, sichtbare_zeilen) + (weitere > sichtbare_zeilen ? zeilenhoehe / 2 : 0);
  const rollbereich = document.createElement("div");
  rollbereich.id = "Aufgabenrollbereich";
  rollbereich.className = "rollbereich";
  rollbereich.setAttribute("role", "group");
  rollbereich.setAttribute("aria-label", "Weitere Aufgaben");
  rollbereich.style.top = `${oben}px`;
  rollbereich.style.height = `${hoehe}px`;
  const inhalt = document.createElement("div");
  inhalt.id = "Aufgabenrollinhalt";
  inhalt.style.height = `${zeilenhoehe * Math.max(weitere, 0)}px`;
  rollbereich.append(inhalt);
  s.append(rollbereich);
  titel.clear();
  nummern.forEach((n, zeile) => {
    const platz = zeile < feste_zeilen ? s : inhalt;
    const y = zeile < feste_zeilen ? 64 + zeilenhoehe * zeile : zeilenhoehe * (zeile - feste_zeilen);
    const k = knopf(platz, knopfname(n), String(n), { links: 24, oben: y, breite: 23, hoehe: 22 }, () =>
      befehl(() => oeffnen(n)),
    );
    const t = antwort.titel[zeile] ?? "Label36";
    titel.set(n, t);
    const l = beschriftung(platz, labelname(n), t, { links: 72, oben: y + 8 });
    k.setAttribute("aria-describedby", l.id);
  });
  const unten = oben + hoehe + 8;
  knopf(s, "SpeedButton37", "Prüfen", { links: 24, oben: unten, breite: 57, hoehe: 25 }, () =>
    befehl(pruefen),
  );
  knopf(s, "AufgabeBearbeiten", "Aufgabe bearbeiten", { links: 96, oben: unten, breite: 121, hoehe: 25 }, () =>
    befehl(() => bearbeiten(() => knoepfe_setzen(s))),
  );
  knopf(s, "AlsLoesungSpeichern", "Als Lösung speichern", { links: 224, oben: unten, breite: 137, hoehe: 25 }, () =>
    befehl(als_loesung_speichern),
  );
  return antwort;
}

// Builds the page and opens the exercise kept from the last visit with its ticks.
export async function aufgabenseite(): Promise<void> {
  const stand = knoepfe_setzen(seite("TabSheet8", "Aufgaben"));
  if (stand.nummern.includes(stand.aufgabe)) {
    await oeffnen(stand.aufgabe, false, stand.erledigt);
    (document.getElementById("Label47") as HTMLElement).hidden = true;
  }
}

// After undo or a loaded backup: the exercises may have changed.
export function aufgaben_neu_lesen(): void {
  knoepfe_setzen(document.getElementById("TabSheet8") as HTMLElement);
}
