// The browser works on the desktop's files: a backup of saldino-cli loads in
// the browser, every report there equals saldino-cli's to the byte, and the
// browser's backup loads in saldino-cli and gives the same files again.
import { writeFileSync } from "node:fs";
import { join } from "node:path";
import { expect, test } from "@playwright/test";
import {
  antworte,
  arbeitsverzeichnis,
  buche,
  daten,
  fertig,
  gestartet,
  lade,
  lange_sicherung,
  nativ,
  nativ_bytes,
  nativ_status,
  speichere,
} from "./hilfen";

const berichte: [string, string, string][] = [
  ["#SpeedButton4", "#Memo1", "bilanz"],
  ["#SpeedButton1", "#Memo4", "betriebsergebnis"],
  ["#SpeedButton5", "#Memo2", "journal"],
];

for (const aufgabe of [4, 9]) {
  test(`exercise ${aufgabe}: the reports and the backup equal saldino-cli's`, async ({ page }) => {
    const loesung = join(daten, "loesungen", `loesung${aufgabe}.sdn`);
    const ordner = arbeitsverzeichnis();
    nativ(ordner, "laden", loesung);
    nativ(ordner, "sichern", "cli.sdn");

    await gestartet(page);
    await lade(page, join(ordner, "cli.sdn"));
    for (const [knopf, ansicht, befehl] of berichte) {
      await page.click(knopf);
      await expect(page.locator(ansicht)).not.toBeEmpty();
      expect(await page.locator(ansicht).textContent()).toBe(nativ(ordner, befehl));
    }
    await page.click("#SpeedButton4");
    await page.click("#Abschluss");
    await expect(page.locator("#Memo6")).not.toBeEmpty();
    expect(await page.locator("#Memo6").textContent()).toBe(nativ(ordner, "abschluss"));
    await page.click("#SpeedButton6");
    await page.locator("#ListBox1").selectOption("Bank");
    await expect(page.locator("#Memo3")).not.toBeEmpty();
    expect(await page.locator("#Memo3").textContent()).toBe(nativ(ordner, "kontenblatt", "Bank"));

    const sicherung = await speichere(page);
    const firma = new TextDecoder("windows-1252").decode(nativ_bytes(ordner, "cli.sdn")).split("|")[0];
    expect(sicherung.name).toBe(`${firma}.sdn`);
    expect(sicherung.bytes.equals(nativ_bytes(ordner, "cli.sdn"))).toBe(true);
    const zurueck = arbeitsverzeichnis();
    writeFileSync(join(zurueck, "browser.sdn"), sicherung.bytes);
    nativ(zurueck, "laden", "browser.sdn");
    for (const datei of ["buchungen.dat", "einstellungen.txt"]) {
      expect(nativ_bytes(zurueck, datei).equals(nativ_bytes(ordner, datei))).toBe(true);
    }
  });
}

// Also over plain HTTP from a school server (schule.test, see playwright.config.ts),
// where the browser gives no Web Locks and no persistent storage.
for (const unsicher of [false, true]) {
  test(`a reload and a closed tab keep what was loaded, and a second tab is refused${unsicher ? " (plain HTTP)" : ""}`, async ({
    page,
    context,
    baseURL,
  }) => {
    const adresse = unsicher ? (baseURL ?? "").replace("127.0.0.1", "schule.test") : "/";
    await gestartet(page, adresse);
    expect(await page.evaluate(() => isSecureContext)).toBe(!unsicher);
    if (unsicher) {
      await expect(page.locator("#Speicherwarnung")).toBeVisible();
    }
    await lade(page, join(daten, "loesungen", "loesung4.sdn"));
    await page.reload();
    await expect(page.locator("body")).toHaveAttribute("data-bereit", "ja");
    await page.click("#SpeedButton4");
    await expect(page.locator("#Memo1")).toContainText("Bilanz der Fahrrad Müller KG");

    const zweite = await context.newPage();
    await zweite.goto(adresse);
    expect(await antworte(zweite, "OK")).toBe("Saldino ist bereits in einem anderen Tab geöffnet.");
    await expect(zweite.locator("#SpeedButton4")).toHaveCount(0);

    // The first tab closed, a new one works on what it stored.
    await page.close();
    const dritte = await context.newPage();
    await gestartet(dritte, adresse);
    await dritte.click("#SpeedButton4");
    await expect(dritte.locator("#Memo1")).toContainText("Bilanz der Fahrrad Müller KG");
  });
}

test("an invalid backup changes nothing and says which line", async ({ page }) => {
  const ordner = arbeitsverzeichnis();
  writeFileSync(join(ordner, "kaputt.sdn"), "A|B\r\n|");
  await gestartet(page);
  await lade(page, join(ordner, "kaputt.sdn"));
  expect(await antworte(page, "OK")).toBe(
    "Die Datei kaputt.sdn ist keine gültige Saldino-Sicherung (Zeile 1).",
  );
  await page.click("#SpeedButton4");
  expect(await antworte(page, "OK")).toBe("Du hast keinen Kontenplan ausgewählt!");
});

test("a long journal is listed on demand, its first and last lines as saldino-cli's", async ({ page }) => {
  // A backup of 3 000 bookings on chart 1.
  const ordner = lange_sicherung("Lang GmbH", "lang.sdn", 3000, "02.01.2004");
  nativ(ordner, "laden", "lang.sdn");
  const journal = nativ(ordner, "journal").split("\n");
  await gestartet(page);
  await lade(page, join(ordner, "lang.sdn"));
  await page.click("#SpeedButton5");
  const memo = page.locator("#Memo2");
  await expect(memo).toContainText(journal[1]);
  expect((await memo.textContent())?.startsWith(journal.slice(0, 5).join("\n"))).toBe(true);
  await memo.evaluate((e) => (e.scrollTop = e.scrollHeight));
  await expect(memo).toContainText(journal[journal.length - 2]);
});

// The browser stores a changed journal by blocks: a change in the first block,
// a booking at the end (four blocks on) and a deletion, which replaces the
// file, each survive a reload byte for byte.
test("a journal of many blocks keeps a change, a booking and a deletion through reloads", async ({ page }) => {
  const ordner = lange_sicherung("Block GmbH", "block.sdn", 400, "03.01.2004");
  nativ(ordner, "laden", "block.sdn");
  nativ(ordner, "sichern", "cli.sdn");
  await gestartet(page);
  await lade(page, join(ordner, "block.sdn"));
  const neu_geladen = async () => {
    await page.reload();
    await expect(page.locator("body")).toHaveAttribute("data-bereit", "ja");
    await expect(page.locator("dialog.box[open]")).toHaveCount(0);
    return (await speichere(page)).bytes;
  };
  expect((await neu_geladen()).equals(nativ_bytes(ordner, "cli.sdn"))).toBe(true);

  await page.click("#SpeedButton3");
  await page.click("#SpeedButton9");
  await page.click("#SpeedButton26");
  await expect(page.locator("#Label26")).toHaveText("2");
  await page.fill("#Edit16", "Geändert");
  await page.click("#SpeedButton28");
  expect(await antworte(page, "Ja")).toBe("Möchtest du den Buchungssatz wirklich ändern?");
  await fertig(page);
  await buche(page, "0401", "Kasse", "Bank", "5");
  const vorher = (await speichere(page)).bytes;
  const text = vorher.toString("latin1");
  expect(text).toContain("Geändert");
  expect(text).toContain("04.01.2004");
  expect((await neu_geladen()).equals(vorher)).toBe(true);

  await page.click("#SpeedButton3");
  await page.click("#SpeedButton9");
  await page.click("#SpeedButton36");
  expect(await antworte(page, "Ja")).toBe("Möchtest du den Buchungssatz wirklich löschen?");
  await fertig(page);
  const geloescht = (await speichere(page)).bytes;
  expect(geloescht.length).toBeLessThan(vorher.length);
  expect((await neu_geladen()).equals(geloescht)).toBe(true);
});

test("without the browser's storage the pupil is told and works in memory", async ({ page }) => {
  await page.addInitScript(() => Object.defineProperty(window, "indexedDB", { value: undefined }));
  await page.goto("/");
  expect(await antworte(page, "OK")).toContain("Dieser Browser gibt Saldino keinen Speicher");
  await lade(page, join(daten, "loesungen", "loesung1.sdn"));
  await page.click("#SpeedButton4");
  await expect(page.locator("#Memo1")).toContainText("Bilanz der Fahrrad Müller KG");
});

test("Ende asks, downloads the backup and ends the program", async ({ page }) => {
  await gestartet(page);
  await lade(page, join(daten, "loesungen", "loesung1.sdn"));
  const laden = page.waitForEvent("download");
  await page.click("#SpeedButton31");
  expect(await antworte(page, "Ja")).toBe("Vor dem Beenden speichern?");
  expect((await laden).suggestedFilename()).toBe("Fahrrad Müller KG.sdn");
  await expect(page.locator("#Beendet")).toBeVisible();
});

// "Hilfe" opens the manual that lies beside the pages (F1 as well).
test("Hilfe opens the manual in a tab of its own", async ({ page, context }) => {
  await gestartet(page);
  const neu = context.waitForEvent("page");
  await page.keyboard.press("F1");
  const anleitung = await neu;
  expect(anleitung.url()).toMatch(/\/Anleitung\.pdf$/);
});

// An opening one short: the Bilanz page says so in red above the report,
// which still equals saldino-cli's; saldino-cli says it on standard error.
test("an unbalanced opening is named above the balance sheet", async ({ page }) => {
  const kopf = ["Kurz GmbH", "", "", "", "", "", "", "", "1"].join("|");
  const buchungen = [
    "0|01.01.2004|selbst|Eröffnungsbuchung|Bank|600|0|Eröffnungsbilanzkonto|0|600||0|0||0|0||0|0|",
    "1|01.01.2004|selbst|Eröffnungsbuchung|Eröffnungsbilanzkonto|60|0|Eigenkapital|0|60||0|0||0|0||0|0|",
  ];
  const ordner = arbeitsverzeichnis();
  writeFileSync(join(ordner, "kurz.sdn"), `${kopf}\r\n|${buchungen.join("\r\n")}\r\n`, "latin1");
  await gestartet(page);
  await lade(page, join(ordner, "kurz.sdn"));
  await page.click("#SpeedButton4");
  await expect(page.locator("#TabSheet5Hinweis")).toHaveText(
    "Die Eröffnungsbilanz ist nicht ausgeglichen (Differenz 540,00). Gewinn und Summen enthalten diese Differenz.",
  );
  nativ(ordner, "laden", "kurz.sdn");
  const cli = nativ_status(ordner, "bilanz");
  expect(await page.locator("#Memo1").textContent()).toBe(cli.aus);
  expect(cli.status).toBe(1);
  expect(cli.fehler).toContain("Differenz 540,00");
});
