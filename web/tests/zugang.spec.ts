// What a screen reader meets in the browser: on every page each control has
// a name, as on the desktop.
import { expect, test } from "@playwright/test";
import { join } from "node:path";
import { daten, gestartet, lade } from "./hilfen";

// The pages a pupil opens without a question first.
const seiten = [
  "SpeedButton2",
  "SpeedButton3",
  "SpeedButton4",
  "SpeedButton1",
  "SpeedButton5",
  "SpeedButton6",
  "SpeedButton35",
];
const ohne_namen = /^\s*- (textbox|combobox|button|checkbox|radio|listbox|grid|table|spinbutton)(\s*\[[^\]]*\])?:?\s*$/;

test("every control of every page has a name", async ({ page }) => {
  await gestartet(page);
  await lade(page, join(daten, "loesungen", "loesung1.sdn"));
  for (const knopf of seiten) {
    await page.click(`#${knopf}`);
    await expect(page.locator("body")).not.toHaveAttribute("data-beschaeftigt", "ja");
    const baum = await page.locator("body").ariaSnapshot();
    const namenlos = baum.split("\n").filter((zeile) => ohne_namen.test(zeile));
    expect(namenlos, knopf).toEqual([]);
  }
  // The running sums are read out as they change.
  await page.click("#SpeedButton3");
  await expect(page.locator("#SummeSoll")).toHaveAttribute("aria-live", "polite");
});
