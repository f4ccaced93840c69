import { fehler } from "./dialoge.js";

// The core as the pages see it: the WebAssembly module with the session's
// commands, and the working directory in the browser's IndexedDB.

export interface Antwort {
  meldung: string; // the program's own message for a box, "" for none
  fehler: string; // the runtime's error, "" for none
}

export interface Bericht extends Antwort {
  text: string; // the report's lines, each followed by "\n"
  hinweis: string; // the red line above the report (an opening that does not balance), "" for none
}

export interface RtfLauf {
  text: string;
  fett: boolean;
  kursiv: boolean;
  unterstrichen: boolean;
  halbpunkte: number;
}

export interface Formular {
  datum: string;
  person: string;
  grund: string;
  konto: string[];
  soll: string[];
  haben: string[];
}

export interface Summen {
  soll: string;
  haben: string;
  differenz: string;
  ausgeglichen: boolean;
  sollUnlesbar: boolean[];
  habenUnlesbar: boolean[];
}

export interface Seitenwerte {
  mitMwst: boolean;
  mwstSatz: string;
  nullkonten: boolean;
  jahr: string;
  namen: string[];
  index: number;
}

interface Dateisystem {
  writeFile(pfad: string, daten: Uint8Array): void;
  readFile(pfad: string): Uint8Array<ArrayBuffer>;
  unlink(pfad: string): void;
  mkdirTree(pfad: string): void;
}

export interface Modul {
  FS: Dateisystem;
  speicher_oeffnen(pfad: string): Promise<void>;
  speicher_sichern(): Promise<void>;
  version(): string;
  nicht_gespeichert(grund: string): string;
  tasten(): [string, string, string][];
  anleitung_fehlt(pdf: string, grund: string): string;
  starten(arbeitsverzeichnis: string, vorrat: string): Antwort & { hinweise?: string[] };
  bericht(art: string, konto: string): Bericht;
  konten(): Antwort & { konten: string[] };
  journal_oeffnen(): Antwort & { anzahl?: number; breite?: number };
  journal_zeilen(erste: number, menge: number): string;
  sicherungsname(): string;
  sichern(pfad: string): Antwort;
  laden(pfad: string, name: string): Antwort;
  hinweis(): Antwort & { absaetze?: RtfLauf[][] };
  buchungsseite(): Antwort & { anzahl: number; konten: string[] };
  buchung(k: number): Antwort & Formular & { nr: number };
  uebernehmen(
    formular: Formular,
    k: number,
    trotzdem: boolean,
  ): Antwort & {
    soll?: string[];
    haben?: string[];
    frage?: string;
    anzahl?: number;
    gespeichert?: boolean;
    feld?: string;
  };
  loeschen(k: number): Antwort & { anzahl?: number };
  kontoeingabe(
    zeile: number,
    text: string,
  ): Antwort & { text: string; kein_kontenplan: boolean; nicht_gefunden: boolean };
  betrag(text: string): Antwort & { text?: string };
  summen(soll: string[], haben: string[]): Summen;
  kontohinweis(name: string): string;
  navigiere(richtung: number, aktuelle: number, anzahl: number): number;
  einstellungen(): { firma: string[]; kontenplan: number };
  zugang(firmenname: string): boolean;
  einstellungsseite(): Seitenwerte;
  grundeinstellungen(firma: string[], seite: Seitenwerte): Seitenwerte;
  einstellungen_speichern(firma: string[], seite: Seitenwerte): Antwort;
  firmendaten_sichern(firma: string[]): Antwort;
  kontenplan_wechseln(): Antwort;
  kontenplan(nummer: number, waehlen: boolean): Antwort & { zeilen?: string[][] };
  eroeffnungsseite(): Antwort & { konten?: string[]; betraege?: string[] };
  eroeffnungssummen(
    zellen: string[],
  ): Antwort & { aktiva: string; passiva: string; ausgeglichen: boolean; frage: string; unlesbar?: boolean[] };
  eroeffnung_pruefen(zellen: string[], datum: string): Antwort & { datumsfrage: string; frage: string };
  eroeffnung_buchen(
    zellen: string[],
    datum: string,
    nur: boolean,
  ): Antwort & { zellen?: string[]; anzahl?: number };
  aufgaben(): Antwort & { nummern: number[]; titel: string[]; aufgabe: number; erledigt: boolean[] };
  aufgabe_oeffnen(n: number, sichern: boolean): Antwort & { liste: string[] };
  haken_sichern(n: number, erledigt: boolean[]): Antwort;
  pruefen(n: number, titel: string): Antwort & { zeilen?: string[] };
  aufgabe_lesen(n: number, firmenname: string): Antwort & { nummer: number; titel: string; punkte: string[] };
  aufgabe_speichern(
    n: number,
    titel: string,
    punkte: string,
    ersetzen: boolean,
    offen: number,
  ): Antwort & { frage?: string; nochmal?: boolean };
  loesung_speichern(n: number, speichern: boolean, firmenname: string): Antwort & { frage?: string };
  aufgabenordner(): string;
  aufgabenordner_speichern(ordner: string): Antwort & { neu: boolean };
  aufgaben_uebernehmen(quelle: string, ziel: string): Antwort & { anzahl?: number };
  rueckgaengig_frage(): Antwort & { frage: string };
  verlaufsschritt(zurueck: boolean): Antwort & { buchung: number; nichts: boolean };
}

declare const SaldinoModul: (einstellungen: object) => Promise<Modul>;

export const arbeitsverzeichnis = "/saldino";

let modul: Modul | undefined;

export function kern(): Modul {
  if (!modul) {
    throw new Error("Der Kern ist noch nicht geladen.");
  }
  return modul;
}

// Where the browser gives no storage (IndexedDB switched off), the pupil
// works in memory, told so once.
let ohne_speicher = false;

// Loads the module and the working directory kept in IndexedDB. The notice
// to show once the page stands, "" for none.
export async function lade_kern(): Promise<string> {
  modul = await SaldinoModul({ locateFile: (name: string) => name });
  try {
    await modul.speicher_oeffnen(arbeitsverzeichnis);
    return "";
  } catch (grund) {
    ohne_speicher = true;
    return (
      `Dieser Browser gibt Saldino keinen Speicher (${grund instanceof Error ? grund.message : String(grund)}). ` +
      "Du kannst arbeiten, aber beim Schließen des Tabs geht alles verloren – sichere deine Arbeit mit „Alles Speichern“."
    );
  }
}

// Writes the changes of the working directory to IndexedDB: a change counts
// as done only once this has finished. Where the browser refuses (no space,
// private mode), the pupil is told, as the desktop tells of a failed flush.
export async function sichere(): Promise<void> {
  if (ohne_speicher) {
    return;
  }
  try {
    await kern().speicher_sichern();
  } catch (grund) {
    await fehler(kern().nicht_gespeichert(grund instanceof Error ? grund.message : String(grund)));
  }
}
