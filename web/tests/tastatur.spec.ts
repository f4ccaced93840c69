// Exercise 1 with the keyboard alone, as a pupil without a mouse works: Tab
// to a command and Enter, the arrows in the grid, the desktop's Alt keys;
// the bookings equal the solution's and "Prüfen" says so for them.
import { expect, Page, test } from "@playwright/test";
import { aufgabe1_buchungen, aufgabe1_eroeffnung, fertig, gestartet } from "./hilfen";

const aktiv = (seite: Page) =>
  seite.evaluate(() => {
    const e = document.activeElement as HTMLElement | null;
    return { id: e?.id ?? "", name: e?.getAttribute("aria-label") ?? "" };
  });

// Tab (forwards) until the control `id` has the focus.
async function tab_zu(seite: Page, id: string): Promise<void> {
  for (let i = 0; i < 200; ++i) {
    if ((await aktiv(seite)).id === id) {
      return;
    }
    await seite.keyboard.press("Tab");
  }
  throw new Error(`${id} ist mit Tab nicht erreichbar`);
}

async function druecke(seite: Page, id: string): Promise<void> {
  await tab_zu(seite, id);
  await seite.keyboard.press("Enter");
  await fertig(seite);
}

// A box: its first button (Ja, OK) has the focus.
async function bestaetige(seite: Page, text: RegExp): Promise<void> {
  await expect(seite.locator("dialog.box[open] p")).toHaveText(text);
  await seite.keyboard.press("Enter");
  await fertig(seite);
}

const eroeffnung = aufgabe1_eroeffnung;
const buchungen = aufgabe1_buchungen.slice(0, 3);

test("exercise 1's opening and first bookings with the keyboard alone", async ({ page }) => {
  await gestartet(page);
  await druecke(page, "SpeedButton22");
  await druecke(page, "SpeedButton14");
  await druecke(page, "SpeedButton35");
  await tab_zu(page, "Edit1");
  await page.keyboard.type("Fahrrad Müller KG");
  await page.keyboard.press("Alt+O");
  await fertig(page);
  await druecke(page, "SpeedButton23");
  await bestaetige(page, /^Neuer Kontenplan/);
  await bestaetige(page, /^Die Buchungssätze werden jetzt gelöscht!$/);
  await page.keyboard.press("Alt+1");
  await expect(page.locator("#Label24")).toHaveText("Aktuell: 1");

  await druecke(page, "SpeedButton2");
  await tab_zu(page, (await page.locator("#StringGrid2 input").first().getAttribute("id")) ?? "");
  for (const [konto, betrag] of eroeffnung) {
    for (let i = 0; i < 60 && (await aktiv(page)).name !== konto; ++i) {
      await page.keyboard.press("ArrowDown");
    }
    expect((await aktiv(page)).name).toBe(konto);
    await page.keyboard.type(betrag);
  }
  await tab_zu(page, "Edit27");
  await page.keyboard.type("01.01.2004");
  await page.keyboard.press("Alt+O");
  await bestaetige(page, /Es werden alle bisherigen Buchungen gelöscht/);

  await druecke(page, "SpeedButton3");
  for (const [datum, grund, soll, haben, betrag] of buchungen) {
    await page.keyboard.press("Alt+N");
    await tab_zu(page, "Edit14");
    await page.keyboard.type(datum);
    await tab_zu(page, "Edit16");
    await page.keyboard.type(grund);
    await page.keyboard.press("Tab");
    await page.keyboard.type(soll);
    await page.keyboard.press("Tab");
    await page.keyboard.type(betrag);
    await tab_zu(page, "ComboBox2");
    await page.keyboard.type(haben);
    await tab_zu(page, "Edit20");
    await page.keyboard.type(betrag);
    await page.keyboard.press("Alt+B");
    await fertig(page);
    await expect(page.locator("#SpeedButton29")).toBeDisabled();
  }

  // The three bookings are right; the other three are missing.
  await druecke(page, "SpeedButton22");
  await page.keyboard.press("Alt+P");
  await fertig(page);
  const ergebnis = (await page.locator("#Memo5").textContent()) ?? "";
  expect(ergebnis).toContain("14 von 17 Buchungen richtig");
  expect(ergebnis.match(/Buchung fehlt/g)?.length).toBe(3);
  expect(ergebnis).not.toMatch(/falsch/);
});
