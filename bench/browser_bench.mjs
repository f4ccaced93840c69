// The browser edition's speed against the native program, in one run:
// for a journal of 1 000 and 100 000 bookings (generated as a backup of
// chart 1), the time of "Bilanz und GuV" and of the journal page in
// Debian's chromium, of one booking until it is stored in IndexedDB, of
// "Prüfen" of exercise 1, of a reload (from the service worker's cache), of
// saldino-cli bilanz natively and as WebAssembly under Node, and the size of
// the download. Needs ./run-tests (or the presets test and wasm) first.
// Usage: node bench/browser_bench.mjs
import { execFileSync, spawn } from "node:child_process";
import { copyFileSync, mkdtempSync, readdirSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { gzipSync } from "node:zlib";
import { chromium } from "../web/node_modules/playwright-core/index.mjs";

const quelle = resolve(import.meta.dirname, "..");
const cli = join(quelle, "build-test/src/saldino-cli");
const wasm_cli = join(quelle, "build-wasm/src/saldino-cli.js");
const seiten = join(quelle, "build-wasm/browser");
const port = 8795;

function sicherung(anzahl) {
  const zeilen = ["Bench GmbH|Weg 1|12345 Ort||||||1", "|"];
  const paare = [["Kasse", "Bank"], ["Bank", "Kasse"], ["Waren", "Bank"], ["Bank", "Umsatzerlöse"]];
  for (let n = 0; n < anzahl; ++n) {
    const [soll, haben] = paare[n % paare.length];
    const betrag = String(1 + (n % 97));
    const tag = String(1 + (n % 28)).padStart(2, "0");
    zeilen.push(`${n}|${tag}.01.2004|Kunde|Geschäftsfall ${n}|${soll}|${betrag}|0|${haben}|0|${betrag}||0|0||0|0||0|0|`);
  }
  const text = zeilen.join("\r\n").replace(/^\|\r\n/m, "|") + "\r\n";
  return Buffer.from(text, "latin1");
}

function ordner_mit(sdn) {
  const ordner = mkdtempSync(join(tmpdir(), "saldino-browser-bench-"));
  for (const name of readdirSync(join(quelle, "data"))) {
    if (name.endsWith(".txt")) copyFileSync(join(quelle, "data", name), join(ordner, name));
  }
  writeFileSync(join(ordner, "b.sdn"), sdn);
  return ordner;
}

function ms(start) {
  return Number(process.hrtime.bigint() - start) / 1e6;
}

function zeit(befehl, argumente, ordner) {
  const start = process.hrtime.bigint();
  execFileSync(befehl, argumente, { cwd: ordner, stdio: "ignore" });
  return ms(start);
}

// Clicks the button in the page and gives the time until its command has
// ended (the page shows the result; a change is stored), measured in the page.
function im_browser(seite, knopf) {
  return seite.evaluate(
    (id) =>
      new Promise((fertig) => {
        const start = performance.now();
        const beobachter = new MutationObserver(() => {
          if (!document.body.dataset.beschaeftigt) {
            beobachter.disconnect();
            requestAnimationFrame(() => fertig(performance.now() - start));
          }
        });
        beobachter.observe(document.body, { attributes: true, attributeFilter: ["data-beschaeftigt"] });
        document.getElementById(id).click();
      }),
    knopf,
  );
}

const server = spawn("python3", [join(quelle, "scripts/web_server.py"), String(port), seiten], { stdio: "ignore" });
await new Promise((r) => setTimeout(r, 800));
const browser = await chromium.launch({
  executablePath: "/usr/bin/chromium",
  args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-component-update"],
});
const groesse = ["saldino.wasm", "saldino.js", "saldino.data", "index.html", "saldino.css"]
  .map((n) => gzipSync(readFileSync(join(seiten, n))).length)
  .reduce((a, b) => a + b, 0) +
  readdirSync(join(seiten, "js"), { recursive: true })
    .filter((n) => String(n).endsWith(".js"))
    .map((n) => gzipSync(readFileSync(join(seiten, "js", String(n)))).length)
    .reduce((a, b) => a + b, 0);
console.log(`download (gzip): ${(groesse / 1024).toFixed(0)} KiB`);

for (const anzahl of [1000, 100000]) {
  const sdn = sicherung(anzahl);
  const ordner = ordner_mit(sdn);
  execFileSync(cli, ["laden", "b.sdn"], { cwd: ordner });
  const nativ = Math.min(...[1, 2, 3].map(() => zeit(cli, ["bilanz"], ordner)));
  const als_wasm = Math.min(...[1, 2, 3].map(() => zeit("node", [wasm_cli, "bilanz"], ordner)));

  const kontext = await browser.newContext({ viewport: { width: 800, height: 593 } });
  const seite = await kontext.newPage();
  const start = process.hrtime.bigint();
  await seite.goto(`http://127.0.0.1:${port}/`);
  await seite.waitForSelector("body[data-bereit=ja]");
  const erste_seite = ms(start);
  const auswahl = seite.waitForEvent("filechooser");
  await seite.click("#SpeedButton33");
  await (await auswahl).setFiles(join(ordner, "b.sdn"));
  await seite.click("dialog.box[open] button:text-is('Ja')");
  await seite.waitForFunction(() => !document.body.dataset.beschaeftigt, null, { timeout: 600000 });
  // The fastest of three showings of a page, from the booking page.
  const seitenzeit = async (knopf) => {
    const zeiten = [];
    for (let n = 0; n < 3; ++n) {
      await seite.click("#SpeedButton3");
      await seite.waitForFunction(() => !document.body.dataset.beschaeftigt);
      zeiten.push(await im_browser(seite, knopf));
    }
    return Math.min(...zeiten);
  };
  const bilanz = await seitenzeit("SpeedButton4");
  const journal = await seitenzeit("SpeedButton5");
  await seite.click("#SpeedButton3");
  await seite.click("#SpeedButton8");
  await seite.fill("#Edit14", "0201");
  await seite.fill("#ComboBox1", "Kasse");
  await seite.fill("#Edit17", "10");
  await seite.fill("#ComboBox2", "Bank");
  await seite.fill("#Edit20", "10");
  await seite.waitForFunction(() => !document.body.dataset.beschaeftigt);
  const buchung = await im_browser(seite, "SpeedButton29");
  // Booked: no box, and the button waits for the next new booking.
  const box = await seite.locator("dialog.box[open]").count();
  if (box > 0 || !(await seite.locator("#SpeedButton29").isDisabled())) {
    throw new Error("the booking was not made");
  }
  // "Prüfen" of exercise 1 against its solution, over the whole journal.
  await seite.click("#SpeedButton22");
  await seite.click("#SpeedButton14");
  await seite.waitForFunction(() => !document.body.dataset.beschaeftigt);
  const pruefen = await im_browser(seite, "SpeedButton37");
  const neu = process.hrtime.bigint();
  await seite.reload();
  await seite.waitForSelector("body[data-bereit=ja]");
  const neu_geladen = ms(neu);
  await kontext.close();
  console.log(
    `${anzahl} bookings: bilanz native ${nativ.toFixed(1)} ms, WebAssembly/Node ${als_wasm.toFixed(1)} ms; ` +
      `browser: first page ${erste_seite.toFixed(0)} ms, Bilanz page ${bilanz.toFixed(1)} ms, ` +
      `journal page ${journal.toFixed(1)} ms, one booking stored ${buchung.toFixed(1)} ms, ` +
      `Prüfen ${pruefen.toFixed(1)} ms, ` +
      `reload with the journal stored ${neu_geladen.toFixed(0)} ms`,
  );
}
await browser.close();
server.kill();
