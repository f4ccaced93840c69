// The booking page (TabSheet4): the form of one booking with up to five
// account lines, the navigation, "Neu", "Ändern", "Löschen" and "&Buchen",
// the running totals and the account hint. Every rule is the core's.
import { beschriftung, eingabefeld, knopf } from "../bausteine.js";
import { befehl } from "../befehl.js";
import { fehler, frage, meldung, zeige_antwort } from "../dialoge.js";
import { registriere_zeige_handler, seite } from "../fenster.js";
import { Formular, kern, sichere } from "../kern.js";
import { rueckgaengig } from "../verlauf.js";
import { zustand } from "../zustand.js";

const zeilen = 5;
const automatisch = "wird automatisch eingetragen";

interface Felder {
  Label26: HTMLElement;
  Edit14: HTMLInputElement;
  Edit15: HTMLInputElement;
  Edit16: HTMLInputElement;
  konto: HTMLInputElement[];
  soll: HTMLInputElement[];
  haben: HTMLInputElement[];
  Buchen: HTMLButtonElement;
  Aendern: HTMLButtonElement;
  betrag: HTMLElement; // beside "Betrag::": the booking's debit total
  summeSoll: HTMLElement;
  summeHaben: HTMLElement;
  differenz: HTMLElement;
  hinweis: HTMLElement;
}

function feld(s: HTMLElement, id: string, name: string, links: number, oben: number, breite: number): HTMLInputElement {
  return eingabefeld(s, id, { links, oben, breite }, name);
}

function label(s: HTMLElement, id: string, text: string, links: number, oben: number, fuer?: string): HTMLElement {
  return beschriftung(s, id, text, { links, oben }, fuer);
}

function formular(f: Felder): Formular {
  return {
    datum: f.Edit14.value,
    person: f.Edit15.value,
    grund: f.Edit16.value,
    konto: f.konto.map((k) => k.value),
    soll: f.soll.map((k) => k.value),
    haben: f.haben.map((k) => k.value),
  };
}

function neueingabe(f: Felder): boolean {
  return !f.Buchen.disabled;
}

function summen_zeigen(f: Felder): void {
  const s = kern().summen(
    f.soll.map((k) => k.value),
    f.haben.map((k) => k.value),
  );
  f.summeSoll.textContent = `Summe Soll: ${s.soll}`;
  f.betrag.textContent = s.soll;
  f.summeHaben.textContent = `Summe Haben: ${s.haben}`;
  f.differenz.textContent = `Differenz: ${s.differenz}`;
  f.differenz.classList.toggle("rot", !s.ausgeglichen);
  for (let i = 0; i < zeilen; ++i) {
    for (const [feld, unlesbar] of [
      [f.soll[i], s.sollUnlesbar[i]],
      [f.haben[i], s.habenUnlesbar[i]],
    ] as [HTMLInputElement, boolean][]) {
      feld.classList.toggle("unlesbar", unlesbar);
      feld.title = unlesbar ? "Kein gültiger Betrag: zählt als 0,00" : "";
    }
  }
}

function loesche_formular(f: Felder): void {
  f.Label26.textContent = automatisch;
  for (const k of [f.Edit14, f.Edit15, f.Edit16, ...f.konto]) {
    k.value = "";
  }
  for (const k of [...f.soll, ...f.haben]) {
    k.value = "0,00";
  }
  summen_zeigen(f);
}

async function zeige_buchung(f: Felder, n: number): Promise<void> {
  if (n <= 0) {
    return;
  }
  const b = kern().buchung(n);
  if (!(await zeige_antwort(b))) {
    return;
  }
  loesche_formular(f);
  f.Label26.textContent = String(b.nr);
  f.Edit14.value = b.datum;
  f.Edit15.value = b.person;
  f.Edit16.value = b.grund;
  for (let i = 0; i < zeilen; ++i) {
    f.konto[i].value = b.konto[i];
    f.soll[i].value = b.soll[i];
    f.haben[i].value = b.haben[i];
  }
  summen_zeigen(f);
}

function zustand_anzeigen(f: Felder): void {
  f.Buchen.disabled = true;
  f.Aendern.disabled = false;
}

// Takes the form over into booking k (0: a new one), asking before an unreadable date.
async function uebernehmen(f: Felder, k: number): Promise<boolean> {
  let antwort = kern().uebernehmen(formular(f), k, false);
  for (let i = 0; i < zeilen && antwort.soll && antwort.haben; ++i) {
    f.soll[i].value = antwort.soll[i];
    f.haben[i].value = antwort.haben[i];
  }
  summen_zeigen(f);
  if (antwort.frage) {
    if (!(await frage(antwort.frage))) {
      return false;
    }
    antwort = kern().uebernehmen(formular(f), k, true);
  }
  if (antwort.gespeichert) {
    await sichere();
  }
  await zeige_antwort(antwort);
  // An amount that cannot be read: the focus on its field, its text selected.
  const feld = antwort.feld ? (document.getElementById(antwort.feld) as HTMLInputElement | null) : null;
  if (feld) {
    feld.focus();
    feld.select();
  }
  if (antwort.anzahl !== undefined) {
    zustand.anzahl_buchungen = antwort.anzahl;
  }
  return antwort.gespeichert === true;
}

async function buchen(f: Felder): Promise<void> {
  if (!neueingabe(f) || !(await uebernehmen(f, 0))) {
    return;
  }
  zustand.aktuelle_buchung = zustand.anzahl_buchungen;
  zustand_anzeigen(f);
}

async function aendern(f: Felder): Promise<void> {
  if (!(await frage("Möchtest du den Buchungssatz wirklich ändern?"))) {
    return;
  }
  if (zustand.aktuelle_buchung > 0) {
    await uebernehmen(f, zustand.aktuelle_buchung);
  }
}

async function loeschen(f: Felder): Promise<void> {
  if (neueingabe(f) || zustand.aktuelle_buchung <= 0) {
    return;
  }
  if (!(await frage("Möchtest du den Buchungssatz wirklich löschen?"))) {
    return;
  }
  const antwort = kern().loeschen(zustand.aktuelle_buchung);
  await sichere();
  if (!(await zeige_antwort(antwort))) {
    return;
  }
  zustand.anzahl_buchungen = antwort.anzahl ?? zustand.anzahl_buchungen - 1;
  zustand.aktuelle_buchung = Math.min(zustand.aktuelle_buchung, zustand.anzahl_buchungen);
  if (zustand.aktuelle_buchung > 0) {
    await zeige_buchung(f, zustand.aktuelle_buchung);
  } else {
    loesche_formular(f);
  }
}

async function navigiere(f: Felder, richtung: number): Promise<void> {
  const neu = kern().navigiere(richtung, zustand.aktuelle_buchung, zustand.anzahl_buchungen);
  await zeige_buchung(f, neu);
  zustand.aktuelle_buchung = neu;
  zustand_anzeigen(f);
}

// A focus-leave handler runs when the focus goes to another control of the
// window, not when a box of the program takes it.
function beim_verlassen(eingabe: HTMLInputElement, handler: () => Promise<void>): void {
  eingabe.addEventListener("blur", (ereignis) => {
    const wohin = ereignis.relatedTarget as Node | null;
    if (wohin && (wohin as Element).closest?.("dialog")) {
      return;
    }
    void befehl(handler);
  });
}

async function konto_verlassen(f: Felder, i: number): Promise<void> {
  const box = f.konto[i];
  const antwort = kern().kontoeingabe(i, box.value);
  if (antwort.fehler) {
    await fehler(antwort.fehler);
    return;
  }
  box.value = antwort.text;
  if (antwort.kein_kontenplan) {
    await meldung("Du hast keinen Kontenplan ausgewählt!");
  }
  if (antwort.nicht_gefunden) {
    await meldung("Konto nicht gefunden!");
  }
}

export function buchungsseite(): void {
  const s = seite("TabSheet4", "Buchungen");
  const k = (id: string, text: string, links: number, breite: number, handler: () => Promise<void>) =>
    knopf(s, id, text, { links, oben: 0, breite, hoehe: 22 }, () => befehl(handler));
  label(s, "Label25", "Buchungs-Nummer:", 32, 48);
  const Label26 = label(s, "Label26", "0", 160, 48);
  label(s, "Label27", "Buchungsdatum:", 32, 67, "Edit14");
  const Edit14 = feld(s, "Edit14", "Buchungsdatum", 160, 64, 121);
  label(s, "Label50", "(Format: TT.MM.JJ oder TT.MM.JJJJ oder TTMMJJ)", 304, 67);
  label(s, "Label28", "Einzahler/Empfänger:", 32, 91, "Edit15");
  const Edit15 = feld(s, "Edit15", "Einzahler/Empfänger", 160, 88, 217);
  label(s, "Label29", "Zahlungsgrund:", 32, 115, "Edit16");
  const Edit16 = feld(s, "Edit16", "Zahlungsgrund", 160, 112, 217);
  label(s, "Label30", "Betrag::", 32, 144);
  const Label31 = label(s, "Label31", "0,00", 160, 144);
  label(s, "Label32", "Konto:", 32, 168);
  label(s, "Label33", "Sollbetrag:", 232, 168);
  label(s, "Label34", "Habenbetrag::", 368, 168);
  const liste = document.createElement("datalist");
  liste.id = "Kontenliste";
  s.append(liste);
  const konto: HTMLInputElement[] = [];
  const soll: HTMLInputElement[] = [];
  const haben: HTMLInputElement[] = [];
  for (let i = 0; i < zeilen; ++i) {
    const oben = 184 + 24 * i;
    const box = feld(s, `ComboBox${i + 1}`, `Konto ${i + 1}`, 32, oben, 185);
    box.setAttribute("list", "Kontenliste");
    konto.push(box);
    soll.push(feld(s, `Edit${17 + 2 * i}`, `Sollbetrag ${i + 1}`, 232, oben, 81));
    haben.push(feld(s, `Edit${18 + 2 * i}`, `Habenbetrag ${i + 1}`, 368, oben, 81));
  }
  // The running sums and the hint are read out when they change.
  const ansage = (element: HTMLElement) => {
    element.setAttribute("aria-live", "polite");
    return element;
  };
  const anzeige = (id: string, oben: number) => ansage(label(s, id, "", 480, oben));
  const f: Felder = {
    Label26,
    Edit14,
    Edit15,
    Edit16,
    konto,
    soll,
    haben,
    Buchen: document.createElement("button"),
    Aendern: document.createElement("button"),
    betrag: Label31,
    summeSoll: anzeige("SummeSoll", 184),
    summeHaben: anzeige("SummeHaben", 200),
    differenz: anzeige("Differenz", 216),
    hinweis: ansage(label(s, "Kontohinweis", "", 32, 312)),
  };
  k("SpeedButton8", "Neu", 32, 41, async () => {
    loesche_formular(f);
    f.Buchen.disabled = false;
    f.Aendern.disabled = true;
  });
  k("SpeedButton9", "|<", 72, 33, () => navigiere(f, 0));
  k("SpeedButton25", "<", 104, 33, () => navigiere(f, 1));
  k("SpeedButton26", ">", 136, 33, () => navigiere(f, 2));
  k("SpeedButton27", ">|", 168, 33, () => navigiere(f, 3));
  f.Aendern = k("SpeedButton28", "Ändern", 200, 57, () => aendern(f));
  k("SpeedButton36", "Löschen", 256, 57, () => loeschen(f));
  k("Rueckgaengig", "Rückgängig", 312, 81, rueckgaengig).title =
    "Letzte Änderung rückgängig machen (Strg+Z)";
  f.Buchen = knopf(s, "SpeedButton29", "Buchen", { links: 480, oben: 240, breite: 105, hoehe: 62 }, () =>
    befehl(() => buchen(f)),
  );
  f.Buchen.classList.add("buchen");
  f.Buchen.accessKey = "b";
  f.Buchen.innerHTML = "<u>B</u>uchen";
  f.Buchen.disabled = true;
  f.hinweis.style.width = "560px";

  for (let i = 0; i < zeilen; ++i) {
    beim_verlassen(konto[i], () => konto_verlassen(f, i));
    const zeige_hinweis = () => {
      f.hinweis.textContent = kern().kontohinweis(konto[i].value);
    };
    konto[i].addEventListener("focus", zeige_hinweis);
    konto[i].addEventListener("input", zeige_hinweis);
    for (const betrag of [soll[i], haben[i]]) {
      beim_verlassen(betrag, async () => {
        const antwort = kern().betrag(betrag.value);
        if (antwort.text !== undefined) {
          betrag.value = antwort.text;
        }
        summen_zeigen(f);
        await zeige_antwort(antwort);
      });
      betrag.addEventListener("input", () => summen_zeigen(f));
      // A click selects the whole amount while nothing was typed since the
      // field got the focus (also when it gets it back after a box).
      let ungetippt = false;
      betrag.addEventListener("focus", () => {
        ungetippt = true;
        betrag.select();
      });
      betrag.addEventListener("keydown", () => (ungetippt = false));
      betrag.addEventListener("mousedown", (ereignis) => {
        if (ungetippt && document.activeElement === betrag) {
          ereignis.preventDefault();
          betrag.select();
        }
      });
    }
  }

  registriere_zeige_handler("TabSheet4", async () => {
    const antwort = kern().buchungsseite();
    if (!neueingabe(f)) {
      Label26.textContent = String(antwort.anzahl ?? 0);
    }
    liste.replaceChildren(...antwort.konten.map((name) => new Option(name)));
    if (!(await zeige_antwort(antwort)) || antwort.meldung) {
      return;
    }
    if (!neueingabe(f)) {
      await zeige_buchung(f, zustand.aktuelle_buchung);
    }
  });
  loesche_formular(f);
  Label26.textContent = "0";
}
