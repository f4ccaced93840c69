// Offline and installable: after the first visit the edition opens and works
// with the network cut off; a new version is offered, not swapped in; the
// manifest names the app and its icon.
import { ChildProcess, spawn } from "node:child_process";
import { cpSync, mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { createServer } from "node:net";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { expect, Page, test } from "@playwright/test";
import { antworte, buche, fertig, quelle } from "./hilfen";

// A copy of the built edition on a server of its own, so that a test can
// put a new version in its place.
let ordner = "";
let server: ChildProcess | undefined;
let adresse = "";

function freier_port(): Promise<number> {
  return new Promise((fertig_) => {
    const s = createServer().listen(0, "127.0.0.1", () => {
      const port = (s.address() as { port: number }).port;
      s.close(() => fertig_(port));
    });
  });
}

test.beforeEach(async () => {
  ordner = mkdtempSync(join(tmpdir(), "saldino-web-"));
  cpSync(join(quelle, "build-wasm", "browser"), ordner, { recursive: true });
  const port = await freier_port();
  server = spawn("python3", [join(quelle, "scripts", "web_server.py"), String(port), ordner], { stdio: "ignore" });
  adresse = `http://127.0.0.1:${port}/`;
  await expect.poll(() => fetch(adresse).then((a) => a.ok, () => false)).toBe(true);
});

test.afterEach(() => {
  server?.kill();
});

async function bereit(seite: Page): Promise<void> {
  await expect(seite.locator("body")).toHaveAttribute("data-bereit", "ja");
}

// The first visit: the page runs, and the service worker has kept the edition.
async function erster_besuch(seite: Page): Promise<void> {
  await seite.goto(adresse);
  await bereit(seite);
  await expect.poll(() => seite.evaluate(() => navigator.serviceWorker.controller !== null)).toBe(true);
}

test("with the network cut off the page reloads, books and checks", async ({ page, context }) => {
  await erster_besuch(page);
  await page.click("#SpeedButton22");
  await page.click("#SpeedButton14");
  await fertig(page);
  await context.setOffline(true);
  server?.kill();
  await page.reload();
  await bereit(page);
  // The exercise opened before is still there, and the pages work.
  await expect(page.locator("#CheckListBox1 li").first()).toBeVisible();
  await page.click("#SpeedButton35");
  await page.fill("#Edit1", "Offline GmbH");
  await page.click("#SpeedButton32");
  await page.click("#SpeedButton23");
  await antworte(page, "Ja");
  await antworte(page, "Ja");
  await page.click("#SpeedButton10");
  await page.click("#SpeedButton3");
  await buche(page, "0201", "Kasse", "Bank", "100");
  await expect(page.locator("#SpeedButton29")).toBeDisabled();
  await page.click("#SpeedButton22");
  await page.click("#SpeedButton37");
  await expect(page.locator("#Memo5")).toContainText("von");
  // The manual comes from the cache as well.
  const tab = context.waitForEvent("page");
  await page.click("#SpeedButton34");
  expect((await tab).url()).toContain("Anleitung.pdf");
});

test("a new version is offered and taken over only when the pupil agrees", async ({ page }) => {
  await erster_besuch(page);
  const sw = join(ordner, "sw.js");
  writeFileSync(sw, readFileSync(sw, "utf8").replace(/const version = "[^"]*"/, 'const version = "neu"'));
  await page.reload();
  await bereit(page);
  expect(await antworte(page, "Nein")).toBe("Eine neue Version von Saldino ist da. Neu laden?");
  // Answered Nein: the old version goes on; the next start offers it again.
  await page.reload();
  await bereit(page);
  expect(await antworte(page, "Ja")).toBe("Eine neue Version von Saldino ist da. Neu laden?");
  await page.waitForEvent("load");
  await bereit(page);
  expect(await page.evaluate(() => caches.keys())).toEqual(["saldino-neu"]);
});

test("the manifest makes Saldino installable under its German name", async ({ page }) => {
  await erster_besuch(page);
  const manifest = await page.evaluate(async () => {
    const link = document.querySelector<HTMLLinkElement>('link[rel="manifest"]');
    return (await fetch(link?.href ?? "")).json();
  });
  expect(manifest).toMatchObject({ name: "Saldino – Buchführung lernen", short_name: "Saldino", lang: "de", display: "standalone" });
  for (const symbol of manifest.icons as { src: string; sizes: string }[]) {
    const bild = await page.evaluate(async (src) => {
      const b = await createImageBitmap(await (await fetch(src)).blob());
      return `${b.width}x${b.height}`;
    }, symbol.src);
    expect(bild).toBe(symbol.sizes);
  }
  // Whether the browser keeps the data for good decides the warning on the start page.
  const dauerhaft = await page.evaluate(() => navigator.storage.persisted());
  await expect(page.locator("#Speicherwarnung")).toBeVisible({ visible: !dauerhaft });
  await expect(page.locator("#Speicherwarnung")).toHaveText(
    "Der Browser darf die Daten später löschen — sichere deine Arbeit mit „Alles Speichern“.",
  );
});
