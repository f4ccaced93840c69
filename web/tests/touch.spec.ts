// On a tablet: Chromium's touch emulation at iPad sizes, landscape and
// portrait. Every command of every page lies on the screen and is the
// element a finger meets there, and a pupil's path works by taps alone.
import { join } from "node:path";
import { expect, Page, test } from "@playwright/test";
import { antworte, daten, fertig, gestartet, lade } from "./hilfen";

const seiten = ["SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton1", "SpeedButton5", "SpeedButton6", "SpeedButton22", "SpeedButton35"];

// The visible buttons and fields whose centre is off the screen or covered.
function unerreichbar(seite: Page): Promise<string[]> {
  return seite.evaluate(() =>
    [...document.querySelectorAll<HTMLElement>("button, input, select, textarea")]
      .filter((e) => e.offsetParent !== null && !e.closest("#Aufgabenrollbereich"))
      .filter((e) => {
        const r = e.getBoundingClientRect();
        const x = r.left + r.width / 2;
        const y = r.top + r.height / 2;
        if (x < 0 || y < 0 || x > innerWidth || y > innerHeight) {
          return true;
        }
        const oben = document.elementFromPoint(x, y);
        return oben !== e && !e.contains(oben) && !(oben instanceof HTMLLabelElement && oben.control === e);
      })
      .map((e) => e.id || e.getAttribute("aria-label") || e.tagName),
  );
}

for (const [lage, viewport] of [
  ["landscape", { width: 1024, height: 768 }],
  ["portrait", { width: 768, height: 1024 }],
] as const) {
  test.describe(lage, () => {
    test.use({ hasTouch: true, isMobile: true, viewport });

    test(`every page's controls can be tapped (${lage})`, async ({ page }) => {
      await gestartet(page);
      await lade(page, join(daten, "loesungen", "loesung1.sdn"));
      for (const knopf of seiten) {
        await page.tap(`#${knopf}`);
        await fertig(page);
        expect(await unerreichbar(page), knopf).toEqual([]);
      }
    });

    test(`a booking, a check and a report by taps (${lage})`, async ({ page }) => {
      await gestartet(page);
      await lade(page, join(daten, "loesungen", "loesung1.sdn"));
      await page.tap("#SpeedButton22");
      await page.tap("#SpeedButton14");
      await page.locator("#CheckListBox1 input").first().tap();
      await expect(page.locator("#CheckListBox1 input").first()).toBeChecked();
      await page.tap("#SpeedButton3");
      await page.tap("#SpeedButton8");
      for (const [feld, text] of [["#Edit14", "3001"], ["#ComboBox1", "Kasse"], ["#Edit17", "20"], ["#ComboBox2", "Bank"], ["#Edit20", "20"]]) {
        await page.tap(feld);
        await page.locator(feld).fill(text);
      }
      await page.tap("#SpeedButton29");
      await expect(page.locator("#SpeedButton29")).toBeDisabled();
      await page.tap("#Rueckgaengig");
      await antworte(page, "Ja");
      await page.tap("#SpeedButton22");
      await page.tap("#SpeedButton37");
      await expect(page.locator("#Memo5")).toContainText("Alles richtig gebucht!");
      await page.tap("#SpeedButton6");
      await page.locator("#ListBox1").selectOption("Kasse");
      await page.tap("#TKonto");
      await expect(page.locator("#Memo3")).toContainText("Kasse");
      await page.tap("#TabSheet10-Groesser");
    });
  });
}
