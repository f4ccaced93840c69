// The program's boxes, as the desktop shows them: a message and an error
// with the caption "Saldino" and "OK", a question with the caption
// "Bestätigung" and "Ja"/"Nein". Each waits for its answer.

function box(titel: string, text: string, knoepfe: string[], fehler = false): Promise<string> {
  const dialog = document.createElement("dialog");
  dialog.className = fehler ? "box fehlerbox" : "box";
  dialog.setAttribute("aria-labelledby", "BoxTitel");
  dialog.setAttribute("aria-describedby", "BoxText");
  const kopf = document.createElement("h2");
  kopf.id = "BoxTitel";
  kopf.textContent = titel;
  const inhalt = document.createElement("p");
  inhalt.id = "BoxText";
  inhalt.textContent = text;
  const reihe = document.createElement("div");
  reihe.className = "boxknoepfe";
  dialog.append(kopf, inhalt, reihe);
  return new Promise((antwort) => {
    for (const beschriftung of knoepfe) {
      const knopf = document.createElement("button");
      knopf.type = "button";
      knopf.textContent = beschriftung;
      knopf.addEventListener("click", () => {
        dialog.close();
        dialog.remove();
        antwort(beschriftung);
      });
      reihe.append(knopf);
    }
    // Escape answers like the last button (No, or OK).
    dialog.addEventListener("cancel", (ereignis) => {
      ereignis.preventDefault();
      (reihe.lastElementChild as HTMLButtonElement).click();
    });
    document.body.append(dialog);
    dialog.showModal();
    (reihe.firstElementChild as HTMLButtonElement).focus();
  });
}

export async function meldung(text: string): Promise<void> {
  await box("Saldino", text, ["OK"]);
}

export async function fehler(text: string): Promise<void> {
  await box("Saldino", text, ["OK"], true);
}

export async function frage(text: string): Promise<boolean> {
  return (await box("Bestätigung", text, ["Ja", "Nein"])) === "Ja";
}

// What a command of the core answered: its error box, then its message box.
export async function zeige_antwort(antwort: { meldung: string; fehler: string }): Promise<boolean> {
  if (antwort.fehler) {
    await fehler(antwort.fehler);
  }
  if (antwort.meldung) {
    await meldung(antwort.meldung);
  }
  return !antwort.fehler;
}

export interface Aufgabenformular {
  nummer: number;
  titel: string;
  punkte: string;
}

// "Aufgabe bearbeiten": number, title and checklist (one item per line);
// undefined when cancelled.
export function aufgabe_bearbeiten(vorgabe: Aufgabenformular): Promise<Aufgabenformular | undefined> {
  const dialog = document.createElement("dialog");
  dialog.id = "AufgabeBearbeitenDialog";
  dialog.className = "box aufgabendialog";
  dialog.setAttribute("aria-labelledby", "AufgabeBearbeitenTitel");
  const kopf = document.createElement("h2");
  kopf.id = "AufgabeBearbeitenTitel";
  kopf.textContent = "Aufgabe bearbeiten";
  const feld = (id: string, text: string, element: HTMLInputElement | HTMLTextAreaElement) => {
    const zeile = document.createElement("label");
    zeile.textContent = text;
    element.id = id;
    zeile.append(element);
    return zeile;
  };
  const nummer = document.createElement("input");
  nummer.type = "number";
  nummer.min = "1";
  nummer.max = "99";
  nummer.value = String(vorgabe.nummer);
  const titel = document.createElement("input");
  titel.type = "text";
  titel.value = vorgabe.titel;
  const punkte = document.createElement("textarea");
  punkte.rows = 14;
  punkte.value = vorgabe.punkte;
  const reihe = document.createElement("div");
  reihe.className = "boxknoepfe";
  dialog.append(
    kopf,
    feld("Aufgabennummer", "Nummer:", nummer),
    feld("Aufgabentitel", "Titel:", titel),
    feld("Aufgabenpunkte", "Abhakliste (ein Punkt je Zeile):", punkte),
    reihe,
  );
  return new Promise((antwort) => {
    const schliessen = (ergebnis: Aufgabenformular | undefined) => {
      dialog.close();
      dialog.remove();
      antwort(ergebnis);
    };
    const speichern = document.createElement("button");
    speichern.type = "button";
    speichern.textContent = "Speichern";
    speichern.addEventListener("click", () => {
      const n = Math.min(99, Math.max(1, Math.trunc(Number(nummer.value)) || vorgabe.nummer || 1));
      schliessen({ nummer: n, titel: titel.value, punkte: punkte.value });
    });
    const abbrechen = document.createElement("button");
    abbrechen.type = "button";
    abbrechen.textContent = "Abbrechen";
    abbrechen.addEventListener("click", () => schliessen(undefined));
    reihe.append(speichern, abbrechen);
    dialog.addEventListener("cancel", (ereignis) => {
      ereignis.preventDefault();
      schliessen(undefined);
    });
    document.body.append(dialog);
    dialog.showModal();
    titel.focus();
  });
}
