// The booking page in the browser: the desktop's rules and messages, and
// the journal it writes equals what saldino-cli reads.
import { writeFileSync } from "node:fs";
import { join } from "node:path";
import { expect, Page, test } from "@playwright/test";
import { antworte, arbeitsverzeichnis, daten, gestartet, lade, nativ, speichere } from "./hilfen";

async function neue_buchung(
  seite: Page,
  datum: string,
  zeilen: [string, string, string][],
): Promise<void> {
  await seite.click("#SpeedButton8");
  await seite.fill("#Edit14", datum);
  await seite.fill("#Edit15", "Kunde");
  await seite.fill("#Edit16", "Barverkauf");
  for (const [i, [konto, soll, haben]] of zeilen.entries()) {
    await seite.fill(`#ComboBox${i + 1}`, konto);
    await seite.fill(`#Edit${17 + 2 * i}`, soll);
    await seite.fill(`#Edit${18 + 2 * i}`, haben);
  }
}

test.beforeEach(async ({ page }) => {
  await gestartet(page);
  await lade(page, join(daten, "loesungen", "loesung1.sdn"));
  await page.click("#SpeedButton3");
  await expect(page.locator("#Edit14")).not.toHaveValue("");
});

test("a booking typed as a pupil types it is stored as the desktop stores it", async ({ page }) => {
  const vorher = Number(await page.locator("#Label26").textContent());
  await neue_buchung(page, "0201", [
    ["kasse", "1190", "0"],
    ["Bank", "0", "1190,004"],
  ]);
  await expect(page.locator("#SummeSoll")).toHaveText("Summe Soll: 1190,00");
  await expect(page.locator("#Label31")).toHaveText("1190,00");
  await expect(page.locator("#Differenz")).toHaveText("Differenz: 0,00");
  await page.click("#SpeedButton29");
  await expect(page.locator("#SpeedButton29")).toBeDisabled();
  await expect(page.locator("#ComboBox1")).toHaveValue("Kasse");
  await expect(page.locator("#Edit20")).toHaveValue("1190,00");

  const ordner = arbeitsverzeichnis();
  writeFileSync(join(ordner, "browser.sdn"), (await speichere(page)).bytes);
  nativ(ordner, "laden", "browser.sdn");
  const journal = nativ(ordner, "journal");
  expect(journal).toContain("02.01.2004");
  await page.click("#SpeedButton4");
  await expect(page.locator("#Memo1")).not.toBeEmpty();
  expect(await page.locator("#Memo1").textContent()).toBe(nativ(ordner, "bilanz"));

  // The navigation and the deletion of the booking just made.
  await page.click("#SpeedButton3");
  await page.click("#SpeedButton9");
  await expect(page.locator("#Label26")).toHaveText("1");
  await page.click("#SpeedButton27");
  await expect(page.locator("#Label26")).toHaveText(String(vorher + 1));
  await page.click("#SpeedButton36");
  expect(await antworte(page, "Ja")).toBe("Möchtest du den Buchungssatz wirklich löschen?");
  await expect(page.locator("#Label26")).toHaveText(String(vorher));
});

test("the desktop's messages for a wrong account, unequal sides and an unreadable date", async ({ page }) => {
  await neue_buchung(page, "02.01.", []);
  await page.fill("#ComboBox1", "Kase");
  await page.click("#Edit17");
  expect(await antworte(page, "OK")).toBe("Konto nicht gefunden!");
  await expect(page.locator("#ComboBox1")).toHaveValue("");

  // An amount as pupils write it ("1.190,00") is read, one that is no number
  // is marked and refused, as on the desktop; a comma amount is rounded to
  // the cent when the field is left.
  await page.click("#SpeedButton8");
  await page.fill("#Edit17", "1.190,00");
  await expect(page.locator("#Differenz")).toHaveText("Differenz: 1190,00");
  await page.click("#Edit18");
  await expect(page.locator("#Edit17")).toHaveValue("1190,00");
  await page.fill("#Edit17", "1.19.0");
  await expect(page.locator("#Edit17")).toHaveClass(/unlesbar/);
  await page.click("#Edit18");
  await expect(page.locator("#Edit17")).toHaveValue("1.19.0"); // kept, marked, no box
  await page.click("#SpeedButton29");
  expect(await antworte(page, "OK")).toBe("Der Betrag „1.19.0“ in Zeile 1 ist keine gültige Zahl.");
  await expect(page.locator("#Edit17")).toBeFocused();
  await page.fill("#Edit18", "12,345");
  await page.click("#Edit19");
  await expect(page.locator("#Edit18")).toHaveValue("12,35");
  // Back in a field (as after a box), nothing typed since: a click selects it.
  await page.locator("#Edit18").focus();
  await page.click("#Edit18");
  await page.keyboard.type("1000");
  await expect(page.locator("#Edit18")).toHaveValue("1000");

  await neue_buchung(page, "02.01.", [
    ["Kasse", "10", "0"],
    ["Bank", "0", "9"],
  ]);
  await page.click("#SpeedButton29");
  expect(await antworte(page, "OK")).toBe("Soll und Haben muss stets gleich groß sein!");
  await expect(page.locator("#SpeedButton29")).toBeEnabled();

  await neue_buchung(page, "gestern", [
    ["Kasse", "10", "0"],
    ["Bank", "0", "10"],
  ]);
  await page.click("#SpeedButton29");
  expect(await antworte(page, "Nein")).toBe(
    "Das Datum „gestern“ kann nicht gelesen werden. Trotzdem buchen?",
  );
  await expect(page.locator("#SpeedButton29")).toBeEnabled();
});

// Every form of a date the desktop reads, as the stored booking shows it.
const datumsformen: [string, string][] = [
  ["0301", "03.01.2004"],
  ["04.01.2004", "04.01.2004"],
  ["05.01.04", "05.01.2004"],
  ["06.01.", "06.01.2004"],
  ["070104", "07.01.2004"],
];

test("a date of each form is booked as the desktop books it", async ({ page }) => {
  for (const [eingabe, gebucht] of datumsformen) {
    await neue_buchung(page, eingabe, [
      ["Kasse", "10", "0"],
      ["Bank", "0", "10"],
    ]);
    await page.click("#SpeedButton29");
    await expect(page.locator("#SpeedButton29")).toBeDisabled();
    await page.click("#SpeedButton27");
    await expect(page.locator("#Edit14")).toHaveValue(gebucht);
  }
});

// The desktop's keys: Alt+N starts a booking, Alt+B books it, each button's
// tooltip names its key.
test("a booking made with the desktop's keys", async ({ page }) => {
  await expect(page.locator("#SpeedButton8")).toHaveAttribute("title", "Neu (Alt+N)");
  await page.locator("#Edit14").focus();
  await page.keyboard.press("Alt+N");
  await expect(page.locator("#SpeedButton29")).toBeEnabled();
  await page.locator("#Edit14").fill("0201");
  await page.locator("#ComboBox1").fill("Kasse");
  await page.locator("#Edit17").fill("10");
  await page.locator("#ComboBox2").fill("Bank");
  await page.locator("#Edit20").fill("10");
  await page.keyboard.press("Alt+B");
  await expect(page.locator("#SpeedButton29")).toBeDisabled();
});
