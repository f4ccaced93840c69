// What the browser tests share: the native saldino-cli as the measure, and
// the page's own commands.
import { execFileSync, spawnSync } from "node:child_process";
import { copyFileSync, mkdtempSync, readdirSync, readFileSync } from "node:fs";
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

export async function gestartet(seite: Page): Promise<void> {
  await seite.goto("/");
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
