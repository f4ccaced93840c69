// The company data (TabSheet2, "Grundeinstellungen") and the chart choice
// (TabSheet9, "Kontenplan"), kept in einstellungen.txt as on the desktop.
import { beschriftung, eingabefeld, knopf, platziere } from "../bausteine.js";
import { befehl } from "../befehl.js";
import { frage, meldung, zeige_antwort } from "../dialoge.js";
import { registriere_zeige_handler, seite, seite_zeigen } from "../fenster.js";
import { kern, Seitenwerte, sichere } from "../kern.js";
import { zustand } from "../zustand.js";
import { aufgaben_neu_lesen } from "./aufgaben.js";

const firmenfelder: [string, string, string, number, number, number][] = [
  ["Edit1", "Label4", "Firmen-Name:", 192, 64, 225],
  ["Edit2", "Label5", "Straße und Nr.:", 192, 88, 225],
  ["Edit3", "Label6", "PLZ und Ort:", 192, 112, 225],
  ["Edit4", "Label8", "Konto-Nr.:", 192, 152, 225],
  ["Edit5", "Label9", "BLZ:", 192, 176, 225],
  ["Edit6", "Label10", "Name des Instituts:", 192, 200, 225],
  ["Edit7", "Label11", "Verantwortlich für die Buchhaltung", 240, 240, 177],
  ["Edit8", "Label13", "Verantwortlich für das Unternehmen", 240, 264, 177],
];

const felder: HTMLInputElement[] = [];
let einstellungen_neu = () => undefined as void;

// The fields of both settings pages show what the settings file holds (at
// the start and after a load).
export function firmendaten_zeigen(): void {
  const werte = kern().einstellungen();
  felder.forEach((feld, i) => (feld.value = werte.firma[i] ?? ""));
  einstellungen_neu();
}

// The company-name field as it stands: the access word opens the teacher's pages.
export function firmenname(): string {
  return felder[0]?.value ?? "";
}

export function firmenseite(): void {
  const s = seite("TabSheet2", "Grundeinstellungen");
  const kopf = beschriftung(s, "Label3", "Bitte geben Sie Ihre Firmendaten ein!", { links: 48, oben: 32 });
  kopf.style.fontWeight = "bold";
  for (const [id, labelId, text, links, oben, breite] of firmenfelder) {
    beschriftung(s, labelId, text, { links: 48, oben: oben + 3 }, id);
    const feld = eingabefeld(s, id, { links, oben, breite });
    feld.classList.add("firmenfeld");
    felder.push(feld);
  }
  beschriftung(s, "Label7", "Bankverbindung:", { links: 48, oben: 144 });
  knopf(s, "SpeedButton32", "OK", { links: 368, oben: 352, breite: 49, hoehe: 49 }, () =>
    befehl(async () => {
      const antwort = kern().firmendaten_sichern(felder.map((f) => f.value));
      await sichere();
      await zeige_antwort(antwort);
    }),
  );
  firmendaten_zeigen();
}

export function kontenplanseite(): HTMLButtonElement {
  const s = seite("TabSheet9", "Kontenplan");
  beschriftung(s, "Label12", "Kontenplan bitte auswählen:", { links: 24, oben: 16 });
  const aktuell = beschriftung(s, "Label24", "z.Zt. ausgewählt: 0", { links: 24, oben: 44 });
  const rahmen = document.createElement("div");
  rahmen.className = "gitterrahmen";
  platziere(rahmen, { links: 24, oben: 80, breite: 472, hoehe: 352 });
  const gitter = document.createElement("table");
  gitter.id = "StringGrid1";
  gitter.setAttribute("aria-label", "Konten des Kontenplans");
  gitter.className = "gitter kontenplangitter";
  // The desktop's column widths; a longer text is cut and shown whole as a tip.
  const spalten = gitter.appendChild(document.createElement("colgroup"));
  for (const breite of [204, 67, 57, 64, 58]) {
    spalten.appendChild(document.createElement("col")).style.width = `${breite}px`;
  }
  const kopf = gitter.createTHead().insertRow();
  for (const text of ["Bezeichnung", "Bilanz", "GuV", "Akt./Pass. bzw. Soll/Haben", ""]) {
    const zelle = document.createElement("th");
    zelle.scope = "col";
    zelle.textContent = text;
    zelle.title = text;
    kopf.append(zelle);
  }
  // The last column has no caption on screen; a screen reader names it.
  const bn = document.createElement("span");
  bn.className = "unsichtbar";
  bn.textContent = "Betrieblich oder neutral";
  kopf.lastElementChild?.append(bn);
  const koerper = gitter.createTBody();
  rahmen.append(gitter);
  s.append(rahmen);

  const zeige = async (nummer: number) => {
    const antwort = kern().kontenplan(nummer, true);
    await sichere();
    if (!(await zeige_antwort(antwort))) {
      return;
    }
    koerper.replaceChildren();
    for (const felder of antwort.zeilen ?? []) {
      const zeile = koerper.insertRow();
      for (const feld of felder) {
        const zelle = zeile.insertCell();
        zelle.textContent = zelle.title = feld;
      }
    }
    aktuell.textContent = `Aktuell: ${nummer}`;
  };
  const namen = ["Einfach", "Umfangreich", "Handel", "Industrie"];
  namen.forEach((name, i) => {
    const links = 200 + 160 * Math.floor(i / 2);
    const oben = 8 + 32 * (i % 2);
    const k = knopf(s, `SpeedButton${10 + i}`, String(i + 1), { links, oben, breite: 25, hoehe: 25 }, () =>
      befehl(() => zeige(i + 1)),
    );
    k.setAttribute("aria-label", `Kontenplan ${i + 1}: ${name}`);
    beschriftung(s, `Label${14 + i}`, name, { links: links + 32, oben: oben + 6 });
  });
  registriere_zeige_handler("TabSheet9", async () => {
    const nummer = kern().einstellungen().kontenplan;
    if (nummer >= 1 && nummer <= 4) {
      await zeige(nummer);
    }
  });
  // "Kontenplan" in the top panel: two questions, then the journal is emptied.
  const wechseln = document.createElement("button");
  wechseln.addEventListener("click", () =>
    befehl(async () => {
      if (!(await frage("Neuer Kontenplan bedeutet, dass alle Buchungen gelöscht werden! Wollen Sie weiter?"))) {
        return;
      }
      if (!(await frage("Die Buchungssätze werden jetzt gelöscht!"))) {
        return;
      }
      const antwort = kern().kontenplan_wechseln();
      await sichere();
      if (!(await zeige_antwort(antwort))) {
        return;
      }
      zustand.anzahl_buchungen = zustand.aktuelle_buchung = 0;
      await seite_zeigen("TabSheet9");
    }),
  );
  return wechseln;
}

function kaestchen(s: HTMLElement, id: string, text: string, links: number, oben: number): HTMLInputElement {
  const label = document.createElement("label");
  label.className = "beschriftung kaestchen";
  platziere(label, { links, oben });
  const box = document.createElement("input");
  box.type = "checkbox";
  box.id = id;
  label.append(box, ` ${text}`);
  s.append(label);
  return box;
}

function eingabe(s: HTMLElement, id: string, labelId: string, text: string, links: number, oben: number, breite: number, labelLinks: number, labelOben: number): HTMLInputElement {
  beschriftung(s, labelId, text, { links: labelLinks, oben: labelOben }, id);
  return eingabefeld(s, id, { links, oben, breite });
}

// The settings page (TabSheet7), shown only for the access word as company name.
export function einstellungsseite(): () => Promise<void> {
  const s = seite("TabSheet7", "Einstellungen");
  const CheckBox1 = kaestchen(s, "CheckBox1", "Mit MWSt. buchen", 48, 32);
  const Edit13 = eingabe(s, "Edit13", "Label22", "einheitl. MWST-Satz", 288, 24, 65, 184, 32);
  beschriftung(s, "Label23", "in %", { links: 360, oben: 32 });
  const CheckBox2 = kaestchen(s, "CheckBox2", "Konten mit dem Wert 0,00 in der Bilanz darstellen!", 48, 56);
  const Edit28 = eingabe(s, "Edit28", "Label46", "Jahr der Buchhaltng:", 216, 144, 121, 56, 152);
  const namen: HTMLInputElement[] = [];
  for (let i = 0; i < 4; ++i) {
    const oben = 176 + 24 * i;
    namen.push(eingabe(s, `Edit${9 + i}`, `Label${18 + i}`, `Bezeichnung für Kontenplan ${i + 1}:`, 216, oben, 121, 56, oben + 8));
  }
  const gruppe = document.createElement("fieldset");
  gruppe.id = "RadioGroup1";
  gruppe.className = "radiogruppe";
  gruppe.disabled = true;
  platziere(gruppe, { links: 368, oben: 160, breite: 57, hoehe: 113 });
  const legende = document.createElement("legend");
  legende.textContent = "Aktuell";
  gruppe.append(legende);
  const knoepfe: HTMLInputElement[] = [];
  for (let i = 0; i < 4; ++i) {
    const label = document.createElement("label");
    const knopf = document.createElement("input");
    knopf.type = "radio";
    knopf.name = "RadioGroup1";
    knopf.id = `RadioGroup1Item${i}`;
    label.append(knopf, ` ${i + 1}`);
    gruppe.append(label);
    knoepfe.push(knopf);
  }
  s.append(gruppe);
  let index = 0;
  const mwst_zeigen = () => {
    Edit13.disabled = !CheckBox1.checked;
  };
  CheckBox1.addEventListener("change", mwst_zeigen);
  const zeige = (werte: Seitenwerte) => {
    CheckBox1.checked = werte.mitMwst;
    Edit13.value = werte.mwstSatz;
    CheckBox2.checked = werte.nullkonten;
    Edit28.value = werte.jahr;
    namen.forEach((feld, i) => (feld.value = werte.namen[i]));
    index = werte.index;
    knoepfe.forEach((k, i) => (k.checked = i === index));
    mwst_zeigen();
  };
  const werte = (): Seitenwerte => ({
    mitMwst: CheckBox1.checked,
    mwstSatz: Edit13.value,
    nullkonten: CheckBox2.checked,
    jahr: Edit28.value,
    namen: namen.map((f) => f.value),
    index,
  });
  knopf(s, "Button1", "Grundeinstellungen wiederherstellen", { links: 56, oben: 312, breite: 217, hoehe: 25 }, () =>
    befehl(() => zeige(kern().grundeinstellungen(felder.map((f) => f.value), werte()))),
  ).className = "knopf";
  const ordner = eingabe(s, "Aufgabenordner", "LabelAufgabenordner", "Aufgabenordner:", 216, 352, 321, 56, 360);
  ordner.title = "Ordner, aus dem Saldino die Aufgaben und ihre Lösungen liest (leer: das Arbeitsverzeichnis)";
  const waehlen = knopf(s, "AufgabenordnerWaehlen", "Ordner wählen…", { links: 544, oben: 352, breite: 97, hoehe: 21 }, () =>
    befehl(async () => {
      const name = await aufgabenordner_waehlen();
      if (name !== undefined) {
        ordner.value = name;
      }
    }),
  );
  waehlen.className = "knopf";
  waehlen.title = "Einen Ordner mit Aufgaben und Lösungen (z. B. vom USB-Stick) in den Browser übernehmen";
  knopf(s, "Button2", "Speichern", { links: 304, oben: 312, breite: 75, hoehe: 25 }, () =>
    befehl(async () => {
      const antwort = kern().einstellungen_speichern(felder.map((f) => f.value), werte());
      const gewechselt = kern().aufgabenordner_speichern(ordner.value.trim());
      await sichere();
      await zeige_antwort(antwort);
      if ((await zeige_antwort(gewechselt)) && gewechselt.neu) {
        aufgaben_neu_lesen();
      }
    }),
  ).className = "knopf";
  ordner.addEventListener("keydown", (ereignis) => {
    if (ereignis.key === "Enter") {
      (document.getElementById("Button2") as HTMLButtonElement).click();
    }
  });
  einstellungen_neu = () => {
    zeige(kern().einstellungsseite());
    ordner.value = kern().aufgabenordner();
  };
  einstellungen_neu();
  // "Einstellungen" in the top panel.
  return async () => {
    if (kern().zugang(firmenname())) {
      await seite_zeigen("TabSheet7");
    } else {
      await meldung("Sie haben keine Berechtigung für diesen Menüpunkt!");
    }
  };
}

// The browser sees no folder of the school: "Ordner wählen…" takes the
// exercise files of a folder the pupil or teacher picks (a USB stick, a
// shared drive) into the working directory's folder "aufgabenordner"; its
// name is then the field's value. Undefined when nothing was picked.
const aufgabenziel = "aufgabenordner";

function ordner_waehlen(): Promise<File[]> {
  return new Promise((gewaehlt) => {
    const eingabe = document.createElement("input");
    eingabe.type = "file";
    eingabe.multiple = true;
    eingabe.webkitdirectory = true;
    eingabe.onchange = () => gewaehlt([...(eingabe.files ?? [])]);
    eingabe.oncancel = () => gewaehlt([]);
    eingabe.click();
  });
}

async function aufgabenordner_waehlen(): Promise<string | undefined> {
  const dateien = await ordner_waehlen();
  if (dateien.length === 0) {
    return undefined;
  }
  const zwischen = "/tmp/aufgabenordner";
  kern().FS.mkdirTree(`${zwischen}/loesungen`);
  for (const datei of dateien) {
    // "Ordner/Aufgabe10.txt" or "Ordner/loesungen/loesung10.sdn"; a plain file picker gives the name alone.
    const teile = (datei.webkitRelativePath || datei.name).split("/");
    const rest = teile.length > 1 ? teile.slice(1) : teile;
    if (rest.length === 1 || (rest.length === 2 && rest[0] === "loesungen")) {
      kern().FS.writeFile(`${zwischen}/${rest.join("/")}`, new Uint8Array(await datei.arrayBuffer()));
    }
  }
  const antwort = kern().aufgaben_uebernehmen(zwischen, aufgabenziel);
  await sichere();
  if (!(await zeige_antwort(antwort))) {
    return undefined;
  }
  await meldung(`${antwort.anzahl ?? 0} Aufgabendateien übernommen. „Speichern“ liest die Aufgaben aus diesem Ordner.`);
  return aufgabenziel;
}
