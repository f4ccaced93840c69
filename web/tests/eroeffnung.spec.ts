// The opening balances in the browser: the sums by side, the desktop's
// questions and refusal, and the opening records as saldino-cli reads them.
import { writeFileSync } from "node:fs";
import { join } from "node:path";
import { expect, test } from "@playwright/test";
import { antworte, arbeitsverzeichnis, daten, fertig, gestartet, lade, nativ, speichere } from "./hilfen";

test.beforeEach(async ({ page }) => {
  await gestartet(page);
  await lade(page, join(daten, "loesungen", "loesung1.sdn"));
  await page.click("#SpeedButton2");
  await expect(page.locator("#StringGrid2 input").first()).toBeVisible();
});

test("an opening typed by keyboard is booked as the desktop books it", async ({ page }) => {
  const zellen = page.locator("#StringGrid2 input");
  for (let k = 0; k < (await zellen.count()); ++k) {
    await zellen.nth(k).fill("");
  }
  await page.getByRole("textbox", { name: "Bank", exact: true }).fill("5000");
  await page.keyboard.press("Enter");
  await page.getByRole("textbox", { name: "Eigenkapital", exact: true }).fill("5000");
  await expect(page.locator("#SummeAktiva")).toHaveText("Summe Aktiva: 5000,00");
  await expect(page.locator("#SummePassiva")).toHaveText("Summe Passiva: 5000,00");
  await page.fill("#Edit27", "01.01.");
  await page.click("#SpeedButton7");
  expect(await antworte(page, "Ja")).toContain("Es werden alle bisherigen Buchungen gelöscht");
  await fertig(page);

  const ordner = arbeitsverzeichnis();
  writeFileSync(join(ordner, "browser.sdn"), (await speichere(page)).bytes);
  nativ(ordner, "laden", "browser.sdn");
  const journal = nativ(ordner, "journal");
  expect(journal).toContain("01.01.2004");
  await page.click("#SpeedButton5");
  await expect(page.locator("#Memo2")).not.toBeEmpty();
  expect(await page.locator("#Memo2").textContent()).toBe(journal);
});

test("a refused amount comes before any question; an unreadable date and an unbalanced opening are asked", async ({
  page,
}) => {
  const bank = page.getByRole("textbox", { name: "Bank", exact: true });
  await bank.fill("80.00.00");
  await expect(bank).toHaveClass(/unlesbar/);
  await page.click("#SpeedButton7");
  expect(await antworte(page, "OK")).toBe(
    "Der Betrag „80.00.00“ bei „Bank“ ist keine gültige Zahl. Bitte ohne Tausenderpunkte eingeben, zum Beispiel 80000,00.",
  );
  await expect(bank).toHaveValue("80.00.00");
  // Key by key, a pupil's "80.000,00" passes "80." (unreadable) on its way and stays whole.
  await bank.fill("");
  await bank.pressSequentially("80.000,00");
  await expect(bank).toHaveValue("80.000,00");
  await expect(bank).not.toHaveClass(/unlesbar/);
  await page.fill("#Edit27", "1.1.2O04");
  await page.click("#SpeedButton7");
  expect(await antworte(page, "Nein")).toBe("Das Datum „1.1.2O04“ kann nicht gelesen werden. Trotzdem buchen?");
  await page.fill("#Edit27", "1.1.04");
  await page.click("#SpeedButton7");
  expect(await antworte(page, "Nein")).toContain("Die Eröffnungsbilanz ist nicht ausgeglichen");
});

test("only the opening balances are replaced, the other bookings kept", async ({ page }) => {
  const ordner = arbeitsverzeichnis();
  await page.getByRole("textbox", { name: "Kasse", exact: true }).fill("2500");
  await page.getByRole("textbox", { name: "Eigenkapital", exact: true }).fill("150500");
  await page.fill("#Edit27", "01.01.04");
  await page.click("#NurAnfangsbestaende");
  await fertig(page);
  writeFileSync(join(ordner, "browser.sdn"), (await speichere(page)).bytes);
  nativ(ordner, "laden", "browser.sdn");
  const journal = nativ(ordner, "journal");
  expect(journal).toContain("2500,00");
  expect(journal).toContain("Barabhebung vom Bankkonto"); // exercise 1's first booking kept
});
