// The company data (TabSheet2, "Grundeinstellungen") and the chart choice
// (TabSheet9, "Kontenplan"), kept in einstellungen.txt as on the desktop.
import { beschriftung, knopf, platziere } from "../bausteine.js";
import { befehl } from "../befehl.js";
import { frage, zeige_antwort } from "../dialoge.js";
import { registriere_zeige_handler, seite, seite_zeigen } from "../fenster.js";
import { kern, sichere } from "../kern.js";
import { zustand } from "../zustand.js";

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

// The fields show what the settings file holds (at the start and after a load).
export function firmendaten_zeigen(): void {
  const werte = kern().einstellungen();
  felder.forEach((feld, i) => (feld.value = werte.firma[i] ?? ""));
}

export function firmenseite(): void {
  const s = seite("TabSheet2", "Grundeinstellungen");
  const kopf = beschriftung(s, "Label3", "Bitte geben Sie Ihre Firmendaten ein!", { links: 48, oben: 32 });
  kopf.style.fontWeight = "bold";
  for (const [id, labelId, text, links, oben, breite] of firmenfelder) {
    const label = document.createElement("label");
    label.id = labelId;
    label.className = "beschriftung";
    label.textContent = text;
    label.htmlFor = id;
    platziere(label, { links: 48, oben: oben + 3 });
    s.append(label);
    const feld = document.createElement("input");
    feld.id = id;
    feld.className = "feld firmenfeld";
    platziere(feld, { links, oben, breite, hoehe: 21 });
    s.append(feld);
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
  gitter.className = "gitter kontenplangitter";
  const kopf = gitter.createTHead().insertRow();
  for (const text of ["Bezeichnung", "Bilanz", "GuV", "Akt./Pass. bzw. Soll/Haben", ""]) {
    const zelle = document.createElement("th");
    zelle.scope = "col";
    zelle.textContent = text;
    zelle.title = text;
    kopf.append(zelle);
  }
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
        zeile.insertCell().textContent = feld;
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
