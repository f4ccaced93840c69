// Saldino in the browser: one tab at a time works in the working directory
// kept in IndexedDB; the window is built as on the desktop.
import { befehl } from "./befehl.js";
import { alles_speichern, ende, hilfe, sicherung_laden } from "./befehle.js";
import { fehler, meldung } from "./dialoge.js";
import { knopf } from "./bausteine.js";
import { einpassen, Panel1, Panel3, seite_zeigen, seitenknopf } from "./fenster.js";
import { arbeitsverzeichnis, kern, lade_kern, sichere } from "./kern.js";
import { berichtsseiten, zoom_anwenden } from "./seiten/berichte.js";
import { aufgabenseite } from "./seiten/aufgaben.js";
import { buchungsseite } from "./seiten/buchung.js";
import { eroeffnungsseite } from "./seiten/eroeffnung.js";
import { einstellungsseite, firmenseite, kontenplanseite } from "./seiten/einstellungen.js";
import { speicherwarnung_zeigen, startseite } from "./seiten/start.js";
import { allein } from "./ein_tab.js";
import { dauerhaft, service_worker } from "./offline.js";
import { tasten_einrichten } from "./tastatur.js";
import { verlaufstasten } from "./verlauf.js";
import { zustand } from "./zustand.js";

// The commands of the two panels.
function panels(kontenplan_wechseln: () => void, einstellungen: () => Promise<void>): void {
  const zeige = (id: string) => () => seite_zeigen(id);
  const links: [string, string, number, number, () => void | Promise<void>][] = [
    ["SpeedButton2", "Eröffnungsbuchungen", 0, 49, zeige("TabSheet3")],
    ["SpeedButton3", "Buchungen", 48, 49, zeige("TabSheet4")],
    ["SpeedButton4", "Bilanz und GuV", 96, 49, zeige("TabSheet5")],
    ["SpeedButton1", "Betriebsergebnis", 144, 49, zeige("TabSheet11")],
    ["SpeedButton5", "Journal", 192, 49, zeige("TabSheet6")],
    ["SpeedButton6", "Kontenblätter", 240, 49, zeige("TabSheet10")],
    ["SpeedButton30", "Alles Speichern", 288, 49, alles_speichern],
    ["SpeedButton31", "Ende", 336, 41, ende],
    ["SpeedButton33", "Sicherung laden!", 376, 41, sicherung_laden],
    ["SpeedButton34", "Hilfe", 416, 41, hilfe],
  ];
  for (const [id, text, oben, hoehe, aktion] of links) {
    knopf(Panel1, id, text, { links: 0, oben, breite: 129, hoehe }, () => befehl(aktion));
  }
  const seiten: [string, string][] = [
    ["SpeedButton2", "TabSheet3"],
    ["SpeedButton3", "TabSheet4"],
    ["SpeedButton4", "TabSheet5"],
    ["SpeedButton1", "TabSheet11"],
    ["SpeedButton5", "TabSheet6"],
    ["SpeedButton6", "TabSheet10"],
    ["SpeedButton22", "TabSheet8"],
    ["SpeedButton23", "TabSheet9"],
    ["SpeedButton24", "TabSheet7"],
    ["SpeedButton35", "TabSheet2"],
  ];
  const oben: [string, string, number, number, number, number][] = [
    ["SpeedButton22", "Aufgaben", -1, 0, 74, 89],
    ["SpeedButton23", "Kontenplan", 72, 0, 73, 89],
    ["SpeedButton24", "Einstellungen", 144, 0, 73, 89],
    ["SpeedButton35", "Grundeinstellungen", -8, 88, 225, 57],
  ];
  const befehle: Record<string, () => void | Promise<void>> = {
    SpeedButton22: () => befehl(() => seite_zeigen("TabSheet8")),
    SpeedButton23: kontenplan_wechseln,
    SpeedButton24: () => befehl(einstellungen),
    SpeedButton35: () => befehl(() => seite_zeigen("TabSheet2")),
  };
  for (const [id, text, x, y, breite, hoehe] of oben) {
    knopf(Panel3, id, text, { links: x, oben: y, breite, hoehe }, befehle[id]);
  }
  for (const [knopf_id, seite] of seiten) {
    seitenknopf(document.getElementById(knopf_id) as HTMLElement, seite);
  }
}

async function starten(): Promise<void> {
  const ohne_speicher = await lade_kern();
  const antwort = kern().starten(arbeitsverzeichnis, "/vorrat");
  await sichere();
  const journal = kern().buchungsseite();
  zustand.anzahl_buchungen = zustand.aktuelle_buchung = journal.anzahl ?? 0;
  const wechseln = kontenplanseite();
  firmenseite();
  panels(() => wechseln.click(), einstellungsseite());
  berichtsseiten();
  buchungsseite();
  eroeffnungsseite();
  await aufgabenseite();
  zoom_anwenden();
  tasten_einrichten();
  verlaufstasten();
  await startseite();
  speicherwarnung_zeigen(!(await dauerhaft()));
  document.body.dataset.bereit = "ja";
  if (antwort.fehler) {
    await fehler(antwort.fehler);
  }
  if (ohne_speicher) {
    await fehler(ohne_speicher);
  }
  for (const hinweis of antwort.hinweise ?? []) {
    await meldung(hinweis);
  }
}

window.addEventListener("resize", einpassen);
void service_worker();
einpassen();
allein(starten, async () => {
  document.body.dataset.bereit = "ja";
  await meldung("Saldino ist bereits in einem anderen Tab geöffnet.");
});
