// Printing a report through the browser's print dialog, as a PDF: the
// desktop's page layout, checked with pdftotext.
import { execFileSync } from "node:child_process";
import { mkdtempSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { expect, Page, test } from "@playwright/test";
import { daten, gestartet, lade, lange_sicherung, nativ } from "./hilfen";

// What "Drucken…" (or "Als PDF…", or Ctrl+P in the view) gives, as text of its pages.
async function drucke(seite: Page, befehl: () => Promise<void>): Promise<string[]> {
  await seite.evaluate(() => {
    window.print = () => document.body.setAttribute("data-gedruckt", "ja");
  });
  await befehl();
  await expect(seite.locator("body")).toHaveAttribute("data-gedruckt", "ja");
  const pdf = join(mkdtempSync(join(tmpdir(), "saldino-druck-")), "bericht.pdf");
  writeFileSync(pdf, await seite.pdf({ preferCSSPageSize: true }));
  return execFileSync("pdftotext", ["-layout", pdf, "-"], { encoding: "utf8" }).split("\f").slice(0, -1);
}

// The report's lines not found whole on a printed line (blanks aside).
function fehlende_zeilen(seiten: string[], bericht: string[]): string[] {
  const ohne_luecken = (zeile: string) => zeile.trim().replace(/\s+/g, " ");
  const gedruckt = new Set(seiten.join("\n").split("\n").map(ohne_luecken));
  return bericht.filter((zeile) => zeile.trim() && !gedruckt.has(ohne_luecken(zeile)));
}

test("a report prints with company, title and page numbers, every line whole", async ({ page }) => {
  await gestartet(page);
  await lade(page, join(daten, "loesungen", "loesung9.sdn"));
  const firma = await page.locator("#Edit1").inputValue();
  await page.click("#SpeedButton4");
  const bilanz = (await page.locator("#Memo1").textContent()) ?? "";
  const seiten = await drucke(page, () => page.click("#TabSheet5-AlsPdf"));
  expect(seiten[0]).toMatch(new RegExp(`^\\s*${firma}\\s+Bilanz und GuV\\s*$`, "m"));
  expect(seiten[0]).toContain(`Seite 1 von ${seiten.length}`);
  expect(fehlende_zeilen(seiten, bilanz.split("\n"))).toEqual([]);

});

// A journal longer than the page holds at once (its view makes only the
// lines on screen) prints whole, over many pages.
test("a long journal prints every line on pages with header and number", async ({ page }) => {
  const ordner = lange_sicherung("Lang GmbH", "lang.sdn", 2600, "02.01.2004");
  nativ(ordner, "laden", "lang.sdn");
  const journal = nativ(ordner, "journal").split("\n").filter((z) => z.trim());
  await gestartet(page);
  await lade(page, join(ordner, "lang.sdn"));
  await page.click("#SpeedButton5");
  await expect(page.locator("#Memo2")).toContainText(journal[1]);
  const seiten = await drucke(page, () => page.locator("#Memo2").press("Control+p"));
  expect(seiten.length).toBeGreaterThan(10);
  seiten.forEach((text, i) => {
    expect(text).toMatch(/^\s*Lang GmbH\s+Journal\s*$/m);
    expect(text).toContain(`Seite ${i + 1} von ${seiten.length}`);
  });
  expect(fehlende_zeilen(seiten, journal)).toEqual([]);
});
