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
