// The exercise page, "Prüfen", the teacher's commands and undo in the
// browser: the steps of the desktop's window tests, on the same files.
import { copyFileSync, mkdirSync, mkdtempSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { expect, test } from "@playwright/test";
import { antworte, buche, daten, fertig, gestartet, lade } from "./hilfen";

test.beforeEach(async ({ page }) => {
  await gestartet(page);
  await lade(page, join(daten, "loesungen", "loesung1.sdn"));
});

test("Prüfen asks for an exercise first, then checks against the solution", async ({ page }) => {
  await page.click("#SpeedButton22");
  await page.click("#SpeedButton37");
  expect(await antworte(page, "OK")).toBe("Bitte wähle zuerst eine Aufgabe aus!");
  // Exercise 4 needs another chart: the result says which.
  await page.click("#SpeedButton17");
  await page.click("#SpeedButton37");
  await expect(page.locator("#Memo5")).toContainText("Diese Aufgabe braucht den Kontenplan 2");
  await page.click("#SpeedButton22");
  await page.click("#SpeedButton14");
  await page.click("#SpeedButton37");
  await expect(page.locator("#Memo5")).toContainText("Alles richtig gebucht!");
  // The ninth and further exercises scroll below the first eight.
  await page.click("#SpeedButton22");
  await expect(page.locator("#Aufgabenrollbereich #Aufgabenknopf14")).toBeAttached();
  expect(await page.locator("#Aufgabenrollbereich").evaluate((b) => b.scrollHeight > b.clientHeight)).toBe(true);
});

test("a teacher writes an exercise and its solution, and Prüfen agrees", async ({ page }) => {
  await page.click("#SpeedButton22");
  await page.click("#AufgabeBearbeiten");
  expect(await antworte(page, "OK")).toBe("Sie haben keine Berechtigung für diesen Menüpunkt!");
  await page.click("#SpeedButton35");
  const firma = await page.locator("#Edit1").inputValue();
  await page.fill("#Edit1", "Kustos");
  await page.click("#SpeedButton22");
  await page.click("#AufgabeBearbeiten");
  await expect(page.locator("#Aufgabennummer")).toHaveValue("15");
  await page.fill("#Aufgabentitel", "Aufgabe 15: Pfeile → (Kontenplan 1)");
  await page.getByRole("button", { name: "Speichern", exact: true }).click();
  expect(await antworte(page, "OK")).toBe("Das Zeichen „→“ kann in einer Aufgabe nicht gespeichert werden.");
  await page.fill("#Aufgabentitel", "Aufgabe 15: Eigene Aufgabe (Kontenplan 1)");
  await page.fill("#Aufgabenpunkte", "Kontenplan 1 (Einfach) wählen\nKontenblatt „Kasse“ lesen\n\n");
  await page.getByRole("button", { name: "Speichern", exact: true }).click();
  await fertig(page);
  await expect(page.locator("#Aufgabentitel15")).toHaveText("Aufgabe 15: Eigene Aufgabe (Kontenplan 1)");
  await expect(page.locator("#CheckListBox1 li")).toHaveText([
    "Aufgabe 15: Eigene Aufgabe (Kontenplan 1)",
    "Kontenplan 1 (Einfach) wählen",
    "Kontenblatt „Kasse“ lesen",
  ]);
  await page.click("#AlsLoesungSpeichern");
  const zahlen = await antworte(page, "Ja");
  expect(zahlen).toContain("Den Stand als Lösung der Aufgabe 15 speichern (loesung15.sdn)?");
  expect(zahlen).toMatch(/\nKasse: \d+,\d\d/);
  await fertig(page);
  // Kept over a reload; the access word was never saved.
  await page.reload();
  await expect(page.locator("body")).toHaveAttribute("data-bereit", "ja");
  await expect(page.locator("#Edit1")).toHaveValue(firma);
  await page.click("#SpeedButton22");
  await page.click("#Aufgabenknopf15");
  await page.click("#SpeedButton37");
  await expect(page.locator("#Memo5")).toContainText("Aufgabe 15: Eigene Aufgabe (Kontenplan 1)");
  await expect(page.locator("#Memo5")).toContainText("Alles richtig gebucht!");
});

test("Rückgängig and Ctrl+Z take a booking back after asking, Ctrl+Y makes it again", async ({ page }) => {
  await page.click("#SpeedButton3");
  const anzahl = Number(await page.locator("#Label26").textContent());
  await buche(page, "0301", "Kasse", "Bank", "50");
  const letzte = page.locator("#Label26");
  await page.click("#SpeedButton27");
  await expect(letzte).toHaveText(String(anzahl + 1));
  await page.click("#Rueckgaengig");
  expect(await antworte(page, "Nein")).toContain("rückgängig machen: ");
  await page.click("#SpeedButton27");
  await expect(letzte).toHaveText(String(anzahl + 1));
  await page.locator("#SpeedButton3").focus();
  await page.keyboard.press("Control+z");
  await antworte(page, "Ja");
  await fertig(page);
  await page.click("#SpeedButton27");
  await expect(letzte).toHaveText(String(anzahl));
  await page.keyboard.press("Control+y");
  await fertig(page);
  await expect(letzte).toHaveText(String(anzahl + 1));
  await expect(page.locator("#Edit14")).toHaveValue("03.01.2004");
  // Kept in the working directory: after a reload there is nothing to make again.
  await page.reload();
  await expect(page.locator("body")).toHaveAttribute("data-bereit", "ja");
  await page.keyboard.press("Control+y");
  expect(await antworte(page, "OK")).toBe(
    "Es gibt keine rückgängig gemachte Änderung, die wiederholt werden kann.",
  );
});

test("an exercise folder picked on Einstellungen gives its exercises and solutions", async ({ page }) => {
  const ordner = join(mkdtempSync(join(tmpdir(), "saldino-ordner-")), "Klasse8b");
  mkdirSync(join(ordner, "loesungen"), { recursive: true });
  writeFileSync(join(ordner, "Aufgabe20.txt"), "Aufgabe 20: Aus dem Ordner (Kontenplan 1)\r\n", "latin1");
  writeFileSync(join(ordner, "aufgabe20.txt"), "Aufgabe 20: Aus dem Ordner (Kontenplan 1)\r\nBuchen\r\n", "latin1");
  copyFileSync(join(daten, "loesungen", "loesung1.sdn"), join(ordner, "loesungen", "loesung20.sdn"));
  writeFileSync(join(ordner, "notizen.txt"), "nicht übernehmen");
  // Exercise 21's solution is damaged, exercise 22 has none.
  for (const n of [21, 22]) {
    writeFileSync(join(ordner, `Aufgabe${n}.txt`), `Aufgabe ${n} (Kontenplan 1)\r\n`);
    writeFileSync(join(ordner, `aufgabe${n}.txt`), `Aufgabe ${n} (Kontenplan 1)\r\n`);
  }
  writeFileSync(join(ordner, "loesung21.sdn"), "nur eine Zeile\r\n");
  await page.click("#SpeedButton35");
  await page.fill("#Edit1", "Kustos");
  await page.click("#SpeedButton24");
  const auswahl = page.waitForEvent("filechooser");
  await page.click("#AufgabenordnerWaehlen");
  await (await auswahl).setFiles(ordner);
  expect(await antworte(page, "OK")).toMatch(/^8 Aufgabendateien übernommen/);
  await expect(page.locator("#Aufgabenordner")).toHaveValue("aufgabenordner");
  await page.click("#Button2");
  await fertig(page);
  await page.reload();
  await expect(page.locator("body")).toHaveAttribute("data-bereit", "ja");
  await page.click("#SpeedButton22");
  await expect(page.locator("#Aufgabentitel20")).toHaveText("Aufgabe 20: Aus dem Ordner (Kontenplan 1)");
  await page.click("#Aufgabenknopf20");
  await page.click("#SpeedButton37");
  await expect(page.locator("#Memo5")).toContainText("Alles richtig gebucht!");
  await page.click("#SpeedButton22");
  await page.click("#Aufgabenknopf21");
  await page.click("#SpeedButton37");
  expect(await antworte(page, "OK")).toMatch(/loesung21\.sdn ist keine gültige Saldino-Sicherung \(Zeile 1\)\.$/);
  await page.click("#Aufgabenknopf22");
  await page.click("#SpeedButton37");
  expect(await antworte(page, "OK")).toBe("Zu dieser Aufgabe gibt es keine Lösung.");
  await expect(page.locator("#TabSheet8")).toBeVisible();
});

test("Nein to either question of Kontenplan changes nothing", async ({ page }) => {
  for (const antworten of [["Nein"], ["Ja", "Nein"]]) {
    await page.click("#SpeedButton23");
    for (const antwort of antworten) {
      await antworte(page, antwort);
    }
    await fertig(page);
    await page.click("#SpeedButton3");
    await page.click("#SpeedButton27");
    await expect(page.locator("#Label26")).toHaveText("17");
  }
});
