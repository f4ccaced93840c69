// The opening balances (TabSheet3): every account of the chart with its
// opening amount in the grid StringGrid2, the date, "OK", and the sums by
// side. "OK" replaces all bookings by one opening record per account.
import { beschriftung, eingabefeld, knopf, platziere } from "../bausteine.js";
import { befehl } from "../befehl.js";
import { frage, zeige_antwort } from "../dialoge.js";
import { registriere_zeige_handler, seite } from "../fenster.js";
import { kern, sichere } from "../kern.js";
import { zustand } from "../zustand.js";

export function eroeffnungsseite(): void {
  const s = seite("TabSheet3", "Eröffnungsbuchungen");
  beschriftung(s, "Label48", "Geben Sie den Anfangsbestand und das Datum der Eröffnungsbilanz an!", {
    links: 24,
    oben: 8,
  });
  const rahmen = document.createElement("div");
  rahmen.className = "gitterrahmen";
  platziere(rahmen, { links: 24, oben: 32, breite: 462, hoehe: 336 });
  const gitter = document.createElement("table");
  gitter.id = "StringGrid2";
  gitter.className = "gitter";
  gitter.setAttribute("aria-label", "Anfangsbestände");
  const kopf = gitter.createTHead().insertRow();
  for (const text of ["Konto", "Eröffnungsbetrag"]) {
    const zelle = document.createElement("th");
    zelle.scope = "col";
    zelle.textContent = text;
    kopf.append(zelle);
  }
  const koerper = gitter.createTBody();
  rahmen.append(gitter);
  s.append(rahmen);
  beschriftung(s, "Label35", "Datum der Eröffnungsbilanz:", { links: 24, oben: 387 }, "Edit27");
  const datum = eingabefeld(s, "Edit27", { links: 184, oben: 384, breite: 121 });
  const aktiva = beschriftung(s, "SummeAktiva", "", { links: 320, oben: 372 });
  const passiva = beschriftung(s, "SummePassiva", "", { links: 320, oben: 390 });
  // Read out when they change, while the focus stays in the grid.
  for (const summe of [aktiva, passiva]) {
    summe.setAttribute("aria-live", "polite");
  }

  const zellen = (): HTMLInputElement[] => Array.from(koerper.querySelectorAll("input"));
  const werte = () => zellen().map((z) => z.value);
  const summen_zeigen = () => {
    const summen = kern().eroeffnungssummen(werte());
    // A cell "OK" would refuse is marked red as it is typed.
    zellen().forEach((zelle, k) => {
      const unlesbar = summen.unlesbar?.[k] === true;
      zelle.classList.toggle("unlesbar", unlesbar);
      zelle.title = unlesbar ? "Kein gültiger Betrag: wird nicht gebucht" : "";
    });
    aktiva.textContent = `Summe Aktiva: ${summen.aktiva ?? "0,00"}`;
    passiva.textContent = `Summe Passiva: ${summen.passiva ?? "0,00"}`;
  };

  // "OK" replaces the whole journal; "Nur Anfangsbestände ersetzen" only the
  // opening records (without the question that all bookings go).
  const buchen = (nur: boolean) =>
    befehl(async () => {
      // A cell that cannot be read stops everything before any question; a
      // date that cannot be read and an opening that does not balance are asked about.
      const pruefung = kern().eroeffnung_pruefen(werte(), datum.value);
      if (pruefung.fehler || pruefung.meldung) {
        await zeige_antwort(pruefung);
        return;
      }
      for (const text of [pruefung.datumsfrage, pruefung.frage]) {
        if (text && !(await frage(text))) {
          return;
        }
      }
      if (
        !nur &&
        !(await frage(
          "Achtung! Es werden alle bisherigen Buchungen gelöscht und nur diese Anfangsbestände gebucht! Fortfahren?",
        ))
      ) {
        return;
      }
      const antwort = kern().eroeffnung_buchen(werte(), datum.value, nur);
      if (antwort.anzahl !== undefined) {
        await sichere();
        zustand.anzahl_buchungen = zustand.aktuelle_buchung = antwort.anzahl;
      }
      antwort.zellen?.forEach((text, k) => (zellen()[k].value = text));
      summen_zeigen();
      await zeige_antwort(antwort);
    });
  knopf(s, "SpeedButton7", "OK", { links: 512, oben: 360, breite: 49, hoehe: 49 }, () => buchen(false));
  knopf(s, "NurAnfangsbestaende", "Nur Anfangsbestände ersetzen", { links: 480, oben: 414, breite: 185, hoehe: 25 }, () =>
    buchen(true),
  );

  registriere_zeige_handler("TabSheet3", async () => {
    const antwort = kern().eroeffnungsseite();
    if (!(await zeige_antwort(antwort)) || antwort.meldung) {
      return;
    }
    koerper.replaceChildren();
    antwort.konten?.forEach((name, k) => {
      const zeile = koerper.insertRow();
      const kopfzelle = document.createElement("th");
      kopfzelle.scope = "row";
      kopfzelle.textContent = name;
      zeile.append(kopfzelle);
      const eingabe = document.createElement("input");
      eingabe.value = antwort.betraege?.[k] ?? "";
      eingabe.setAttribute("aria-label", name);
      eingabe.addEventListener("input", summen_zeigen);
      // As on the desktop, Tab enters and leaves the grid at the cell last
      // used; Enter and the arrow down move to the cell below, the arrow up above.
      eingabe.tabIndex = k === 0 ? 0 : -1;
      eingabe.addEventListener("focus", () => {
        for (const zelle of zellen()) {
          zelle.tabIndex = zelle === eingabe ? 0 : -1;
        }
        eingabe.select();
      });
      eingabe.addEventListener("keydown", (ereignis) => {
        const ziel = { Enter: k + 1, ArrowDown: k + 1, ArrowUp: k - 1 }[ereignis.key];
        if (ziel !== undefined) {
          ereignis.preventDefault();
          zellen()[ziel]?.focus();
        }
      });
      zeile.insertCell().append(eingabe);
    });
    summen_zeigen();
  });
}
