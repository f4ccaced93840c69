// What a screen reader, a keyboard and a finger meet in the browser: on every
// page each control has a name, axe-core finds no violation, and exercise 1
// is booked with keys alone.
import { expect, Page, test } from "@playwright/test";
import { join } from "node:path";
import { antworte, daten, fertig, gestartet, lade } from "./hilfen";

// Every page, by the button that shows it; Kontenplan, Einstellungen and the
// closing, the check result ones by their own steps below.
const seiten = [
  "SpeedButton2",
  "SpeedButton3",
  "SpeedButton4",
  "SpeedButton1",
  "SpeedButton5",
  "SpeedButton6",
  "SpeedButton22",
  "SpeedButton35",
];
const ohne_namen = /^\s*- (textbox|combobox|button|checkbox|radio|listbox|grid|table|spinbutton)(\s*\[[^\]]*\])?:?\s*$/;

async function axe_verstoesse(seite: Page): Promise<string[]> {
  await seite.addScriptTag({ path: require.resolve("axe-core/axe.min.js") });
  return seite.evaluate(async () => {
    const ergebnis = await (
      window as unknown as { axe: { run(ziel: Document): Promise<{ violations: { id: string; nodes: { target: string[] }[] }[] }> } }
    ).axe.run(document);
    return ergebnis.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`);
  });
}

test("every control of every page has a name, and axe-core finds nothing", async ({ page }) => {
  await gestartet(page);
  expect(await axe_verstoesse(page), "Start").toEqual([]);
  await lade(page, join(daten, "loesungen", "loesung1.sdn"));
  const pruefe = async (name: string) => {
    await fertig(page);
    const baum = await page.locator("body").ariaSnapshot();
    const namenlos = baum.split("\n").filter((zeile) => ohne_namen.test(zeile));
    expect(namenlos, name).toEqual([]);
    expect(await axe_verstoesse(page), name).toEqual([]);
  };
  for (const knopf of seiten) {
    await page.click(`#${knopf}`);
    await pruefe(knopf);
  }
  await page.click("#SpeedButton22");
  await page.click("#SpeedButton14");
  await page.click("#SpeedButton37");
  await pruefe("Prüfergebnis");
  await page.click("#SpeedButton4");
  await page.click("#Abschluss");
  await pruefe("Abschluss");
  await page.click("#SpeedButton6");
  await page.locator("#ListBox1").selectOption("Bank");
  await pruefe("Kontenblatt");
  await page.click("#SpeedButton35");
  await page.fill("#Edit1", "Kustos");
  await page.click("#SpeedButton24");
  await pruefe("Einstellungen");
  await page.click("#SpeedButton23");
  await antworte(page, "Ja");
  await antworte(page, "Ja");
  await page.click("#SpeedButton10");
  await pruefe("Kontenplan");
  // The running sums are read out as they change; the page button is pressed.
  await page.click("#SpeedButton3");
  await expect(page.locator("#SpeedButton3")).toHaveAttribute("aria-pressed", "true");
  await expect(page.locator("#SpeedButton23")).toHaveAttribute("aria-pressed", "false");
  await expect(page.locator("#SummeSoll")).toHaveAttribute("aria-live", "polite");
});
