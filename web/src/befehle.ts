// The commands of the left panel that are no page: "Alles Speichern",
// "Sicherung laden!", "Ende" and "Hilfe". A backup leaves the browser as a
// download and comes in through a file picker; its bytes are the desktop's.
import { fehler, frage, zeige_antwort } from "./dialoge.js";
import { kern, sichere } from "./kern.js";
import { stand_neu_laden } from "./verlauf.js";

const sicherungspfad = "/tmp/sicherung.sdn";
const ladepfad = "/tmp/laden.sdn";

export async function alles_speichern(): Promise<void> {
  const antwort = kern().sichern(sicherungspfad);
  if (antwort.fehler) {
    await zeige_antwort(antwort);
    return;
  }
  const daten = kern().FS.readFile(sicherungspfad);
  kern().FS.unlink(sicherungspfad);
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([daten], { type: "application/octet-stream" }));
  link.download = kern().sicherungsname();
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60_000);
  await zeige_antwort(antwort);
}

function waehle_datei(): Promise<File | undefined> {
  return new Promise((gewaehlt) => {
    const eingabe = document.getElementById("Sicherungsdatei") as HTMLInputElement;
    eingabe.value = "";
    eingabe.onchange = () => gewaehlt(eingabe.files?.[0]);
    eingabe.oncancel = () => gewaehlt(undefined);
    eingabe.click();
  });
}

export async function sicherung_laden(): Promise<void> {
  const datei = await waehle_datei();
  if (!datei) {
    return;
  }
  if (
    !(await frage(
      "Alle aktuellen Daten (Firmendaten, Kontenplan und Buchungen) werden durch die Sicherung ersetzt! Fortfahren?",
    ))
  ) {
    return;
  }
  kern().FS.writeFile(ladepfad, new Uint8Array(await datei.arrayBuffer()));
  const antwort = kern().laden(ladepfad, datei.name);
  kern().FS.unlink(ladepfad);
  await sichere();
  await zeige_antwort(antwort);
  await stand_neu_laden();
}

export async function ende(): Promise<void> {
  if (await frage("Vor dem Beenden speichern?")) {
    await alles_speichern();
  }
  // A page cannot close its own tab: the program ends, the tab stays.
  document.body.replaceChildren();
  const schluss = document.createElement("p");
  schluss.id = "Beendet";
  schluss.textContent = "Saldino ist beendet. Du kannst den Tab schließen.";
  document.body.append(schluss);
}

// The manual lies beside the pages; it opens in a tab of its own, and only
// when the server has none, a box says so.
export async function hilfe(): Promise<void> {
  const pdf = "Anleitung.pdf";
  const antwort = await fetch(pdf, { method: "HEAD" }).catch((grund: unknown) => String(grund));
  if (typeof antwort !== "string" && antwort.ok) {
    window.open(pdf, "_blank", "noopener");
    return;
  }
  const grund = typeof antwort === "string" ? antwort : `der Server hat sie nicht (Status ${antwort.status})`;
  await fehler(kern().anleitung_fehlt(pdf, grund));
}
