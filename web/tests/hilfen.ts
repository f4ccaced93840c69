// What the browser tests share: the native saldino-cli as the measure, and
// the page's own commands.
import { execFileSync, spawnSync } from "node:child_process";
import { copyFileSync, mkdtempSync, readdirSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { expect, Page } from "@playwright/test";

export const quelle = resolve(__dirname, "..", "..");
export const daten = join(quelle, "data");
const cli = process.env.SALDINO_CLI ?? join(quelle, "build-test", "src", "saldino-cli");

// A working directory prepared as the program prepares one.
export function arbeitsverzeichnis(): string {
  const ordner = mkdtempSync(join(tmpdir(), "saldino-browser-"));
  for (const name of readdirSync(daten)) {
    if (name.endsWith(".txt") || name.endsWith(".rtf")) {
      copyFileSync(join(daten, name), join(ordner, name));
    }
  }
  return ordner;
}

// The native saldino-cli's standard output in `ordner`.
export function nativ(ordner: string, ...argumente: string[]): string {
  return execFileSync(cli, argumente, { cwd: ordner, encoding: "utf8" });
}

// saldino-cli's output, error output and status, whatever the status.
export function nativ_status(ordner: string, ...argumente: string[]): { aus: string; fehler: string; status: number } {
  const lauf = spawnSync(cli, argumente, { cwd: ordner, encoding: "utf8" });
  return { aus: lauf.stdout, fehler: lauf.stderr, status: lauf.status ?? -1 };
}

export function nativ_bytes(ordner: string, datei: string): Buffer {
  return readFileSync(join(ordner, datei));
}

export async function gestartet(seite: Page, adresse = "/"): Promise<void> {
  await seite.goto(adresse);
  await expect(seite.locator("body")).toHaveAttribute("data-bereit", "ja");
}

// Answers the next box with `knopf` and gives its text.
export async function antworte(seite: Page, knopf: string): Promise<string> {
  const box = seite.locator("dialog.box[open]");
  await expect(box).toBeVisible();
  const text = (await box.locator("p").textContent()) ?? "";
  await box.getByRole("button", { name: knopf, exact: true }).click();
  return text;
}

// "Sicherung laden!" with the file `pfad`, answered Ja.
export async function lade(seite: Page, pfad: string): Promise<void> {
  const auswahl = seite.waitForEvent("filechooser");
  await seite.click("#SpeedButton33");
  await (await auswahl).setFiles(pfad);
  expect(await antworte(seite, "Ja")).toContain("durch die Sicherung ersetzt");
  await fertig(seite);
}

// Until every command has ended (what it changed is stored then) or waits for a box.
export async function fertig(seite: Page): Promise<void> {
  await expect
    .poll(() =>
      seite.evaluate(
        () => !document.body.dataset.beschaeftigt || document.querySelector("dialog.box[open]") !== null,
      ),
    )
    .toBe(true);
}

// "Alles Speichern": the downloaded file's name and bytes.
export async function speichere(seite: Page): Promise<{ name: string; bytes: Buffer }> {
  const laden = seite.waitForEvent("download");
  await seite.click("#SpeedButton30");
  const download = await laden;
  const pfad = await download.path();
  return { name: download.suggestedFilename(), bytes: readFileSync(pfad) };
}

// "Neu", then a booking of `betrag` from `soll` to `haben` on `datum`, and "Buchen".
export async function buche(seite: Page, datum: string, soll: string, haben: string, betrag: string): Promise<void> {
  await seite.click("#SpeedButton8");
  await seite.fill("#Edit14", datum);
  await seite.fill("#ComboBox1", soll);
  await seite.fill("#Edit17", betrag);
  await seite.fill("#ComboBox2", haben);
  await seite.fill("#Edit20", betrag);
  await seite.click("#SpeedButton29");
  await fertig(seite);
}

// A backup of `anzahl` bookings from Kasse to Bank on chart 1, written as
// `name` into a prepared working directory; the directory.
export function lange_sicherung(firma: string, name: string, anzahl: number, datum: string): string {
  const kopf = [firma, "", "", "", "", "", "", "", "1"].join("|");
  const buchungen = Array.from(
    { length: anzahl },
    (_, n) => `${n}|${datum}|Kunde|Fall ${n}|Kasse|${n + 1}|0|Bank|0|${n + 1}||0|0||0|0||0|0|`,
  );
  const ordner = arbeitsverzeichnis();
  writeFileSync(join(ordner, name), `${kopf}\r\n|${buchungen.join("\r\n")}\r\n`, "latin1");
  return ordner;
}

// Exercise 1: its opening balances and its bookings (date, reason, debit, credit, amount).
export const aufgabe1_eroeffnung: [string, string][] = [
  ["Gebäude", "80000"],
  ["Maschinen", "40000"],
  ["Fuhrpark", "25000"],
  ["Betriebs- und Geschäftsausstattung", "15000"],
  ["Waren", "20000"],
  ["Forderungen", "8000"],
  ["Bank", "30000"],
  ["Kasse", "2000"],
  ["Eigenkapital", "150000"],
  ["Darlehen", "50000"],
  ["Verbindlichkeiten", "20000"],
];

export const aufgabe1_buchungen: [string, string, string, string, string][] = [
  ["020104", "Barabhebung", "Kasse", "Bank", "1000"],
  ["05.01.04", "Kunde überweist", "Bank", "Forderungen", "3000"],
  ["08.01.2004", "Schreibtisch", "Betriebs- und Geschäftsausstattung", "Bank", "2500"],
  ["12.01.", "Tilgung", "Darlehen", "Bank", "5000"],
  ["1501", "Lieferantenrechnung", "Verbindlichkeiten", "Bank", "4000"],
  ["20.01.2004", "Wareneinkauf", "Waren", "Verbindlichkeiten", "6000"],
];
