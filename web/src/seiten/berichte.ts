// The report pages: Bilanz und GuV (TabSheet5, Memo1), Betriebsergebnis
// (TabSheet11, Memo4), Journal (TabSheet6, Memo2), Abschluss (TabSheet13,
// Memo6), the account sheets (TabSheet10, Memo3 and ListBox1) and the
// result of "Prüfen" (TabSheet12, Memo5). Each view
// shows the core's report text as it is; the command row under it prints
// and zooms; "Breite anpassen" zooms so that the widest line fits, and a
// view starts that way while no zoom is kept. The account sheet also shows
// its account as a T ("T-Konto").
import { knopf } from "../bausteine.js";
import { zeige_antwort } from "../dialoge.js";
import { registriere_zeige_handler, seite, seite_zeigen } from "../fenster.js";
import { drucke } from "../druck.js";
import { kern } from "../kern.js";

interface Schrift {
  familie: string;
  pixel: number;
  fett: boolean;
}

const zoomschluessel = "saldino-zoom";
const kleinster = 50;
const groesster = 400;

// All views zoom together, in steps of about ten per cent, kept in the browser.
function zoom(): number {
  return Number(localStorage.getItem(zoomschluessel) ?? "100") || 100;
}

function setze_zoom(prozent: number, merken = true): void {
  const wert = Math.min(groesster, Math.max(kleinster, prozent));
  if (merken) {
    localStorage.setItem(zoomschluessel, String(wert));
  }
  document.documentElement.style.setProperty("--zoom", String(wert / 100));
}

export function zoom_anwenden(): void {
  setze_zoom(zoom(), false);
}

function passt(memo: HTMLElement): boolean {
  return memo.scrollWidth <= memo.clientWidth;
}

// "Breite anpassen": the largest zoom at which the view's widest line fits,
// found from the width measured at the current zoom and then checked step by step.
function breite_anpassen(memo: HTMLElement): void {
  if (memo.clientWidth === 0 || memo.scrollWidth === 0) {
    return;
  }
  let prozent = Math.floor((zoom() * memo.clientWidth) / memo.scrollWidth);
  setze_zoom(prozent);
  while (!passt(memo) && prozent > kleinster) {
    setze_zoom(--prozent);
  }
  while (passt(memo) && prozent < groesster) {
    setze_zoom(++prozent);
    if (!passt(memo)) {
      setze_zoom(--prozent);
      break;
    }
  }
}

// Until a zoom is kept, a report wider than its view starts at its width.
function erster_zoom(memo: HTMLElement): void {
  if (localStorage.getItem(zoomschluessel) === null && !passt(memo)) {
    breite_anpassen(memo);
  }
}

const groesser = () => setze_zoom(Math.max(zoom() + 1, Math.round(zoom() * 1.1)));
const kleiner = () => setze_zoom(Math.min(zoom() - 1, Math.round(zoom() / 1.1)));

// In a view, Ctrl+plus, Ctrl+minus and Ctrl+0 zoom the reports instead of the page.
function zoomtasten(ereignis: KeyboardEvent): void {
  if (!ereignis.ctrlKey || ereignis.altKey) {
    return;
  }
  const memo = ereignis.currentTarget as HTMLElement;
  const aktion = {
    "+": groesser,
    "=": groesser,
    "-": kleiner,
    "0": () => setze_zoom(100),
    // Ctrl+A marks the whole report, not the whole page.
    a: () => getSelection()?.selectAllChildren(memo),
  }[ereignis.key.toLowerCase()];
  if (aktion) {
    ereignis.preventDefault();
    aktion();
  }
}

function ansicht(eltern: HTMLElement, id: string, titel: string, schrift: Schrift): HTMLElement {
  const memo = document.createElement("pre");
  memo.id = id;
  memo.className = "bericht";
  memo.tabIndex = 0;
  memo.setAttribute("role", "document");
  memo.setAttribute("aria-label", titel);
  memo.style.fontFamily = `"${schrift.familie}", "Liberation Mono", monospace`;
  memo.style.setProperty("--pixel", `${schrift.pixel}px`);
  memo.style.fontWeight = schrift.fett ? "bold" : "normal";
  memo.addEventListener("keydown", zoomtasten);
  // Ctrl and the mouse wheel (or a pinch on a touchpad) zoom the reports as well.
  memo.addEventListener(
    "wheel",
    (ereignis) => {
      if (ereignis.ctrlKey) {
        ereignis.preventDefault();
        (ereignis.deltaY < 0 ? groesser : kleiner)();
      }
    },
    { passive: false },
  );
  eltern.append(memo);
  return memo;
}

// The command row under a view; ids carry the page's name, as the desktop
// repeats these object names on every report page.
function leiste(
  eltern: HTMLElement,
  seitenname: string,
  memo: HTMLElement,
  titel: () => string,
  text: () => string = () => memo.textContent ?? "",
): HTMLElement {
  const reihe = document.createElement("div");
  reihe.className = "berichtsleiste";
  reihe.id = `${seitenname}-Berichtsleiste`;
  eltern.append(reihe);
  knopf(reihe, `${seitenname}-Drucken`, "Drucken…", null, () => drucke(titel(), text()));
  // Ctrl+P in the view prints the report, not the page around it.
  memo.addEventListener("keydown", (ereignis) => {
    if (ereignis.ctrlKey && !ereignis.altKey && ereignis.key.toLowerCase() === "p") {
      ereignis.preventDefault();
      void drucke(titel(), text());
    }
  });
  knopf(reihe, `${seitenname}-AlsPdf`, "Als PDF…", null, () => drucke(titel(), text())).title =
    "Im Druckdialog „Als PDF speichern“ wählen";
  knopf(reihe, `${seitenname}-Groesser`, "Größer", null, groesser);
  knopf(reihe, `${seitenname}-Kleiner`, "Kleiner", null, kleiner);
  knopf(reihe, `${seitenname}-BreiteAnpassen`, "Breite anpassen", null, () =>
    breite_anpassen(memo),
  );
  return reihe;
}

async function fuelle(memo: HTMLElement, art: string, konto = ""): Promise<void> {
  const bericht = kern().bericht(art, konto);
  const hinweis = document.getElementById(`${memo.parentElement?.id ?? ""}Hinweis`);
  if (hinweis) {
    hinweis.textContent = bericht.hinweis;
    hinweis.hidden = !bericht.hinweis;
  }
  memo.textContent = bericht.text;
  memo.scrollTop = 0;
  erster_zoom(memo);
  await zeige_antwort(bericht);
}

// Up to this many lines the journal page holds its whole listing (so that
// it can be searched and read whole); beyond, it makes the lines on screen only.
const ganz_bis = 5000;

// The journal page: the listing counted once when the page is shown, its
// lines made as they scroll into view, as in the desktop's view.
function journalseite(): void {
  const s = seite("TabSheet6", "Journal");
  s.classList.add("berichtsseite");
  const memo = ansicht(s, "Memo2", "Journal", { familie: "Courier New", pixel: 13, fett: false });
  memo.classList.add("zeilenansicht");
  const inhalt = document.createElement("div");
  inhalt.className = "zeilenraum";
  const fenster = document.createElement("pre");
  fenster.className = "zeilenfenster";
  let anzahl = 0;
  leiste(s, "TabSheet6", memo, () => "Journal", () => kern().journal_zeilen(0, anzahl));
  let zeilenhoehe = 0;
  const zeige_fenster = () => {
    const erste = Math.floor(memo.scrollTop / zeilenhoehe);
    const menge = Math.ceil(memo.clientHeight / zeilenhoehe) + 2;
    fenster.style.top = `${erste * zeilenhoehe}px`;
    fenster.textContent = kern().journal_zeilen(erste, menge);
    // A zoom changes the lines' height: the room follows it.
    const gemessen = fenster.getBoundingClientRect().height / Math.max(1, fenster.textContent.split("\n").length - 1);
    if (gemessen > 0 && Math.abs(gemessen - zeilenhoehe) > 0.01) {
      zeilenhoehe = gemessen;
      inhalt.style.height = `${anzahl * zeilenhoehe}px`;
    }
  };
  memo.addEventListener("scroll", () => {
    if (anzahl > ganz_bis) {
      zeige_fenster();
    }
  });
  registriere_zeige_handler("TabSheet6", async () => {
    const antwort = kern().journal_oeffnen();
    anzahl = antwort.anzahl ?? 0;
    memo.scrollTop = 0;
    if (anzahl <= ganz_bis) {
      memo.replaceChildren();
      memo.textContent = kern().journal_zeilen(0, anzahl);
    } else {
      memo.replaceChildren(inhalt);
      inhalt.replaceChildren(fenster);
      fenster.textContent = "X\n";
      zeilenhoehe = fenster.getBoundingClientRect().height || 15;
      inhalt.style.height = `${anzahl * zeilenhoehe}px`;
      inhalt.style.width = `${antwort.breite ?? 0}ch`;
      zeige_fenster();
    }
    erster_zoom(memo);
    await zeige_antwort(antwort);
  });
}

function berichtsseite(
  seitenname: string,
  memoname: string,
  titel: string,
  art: string,
  schrift: Schrift,
): HTMLElement {
  const s = seite(seitenname, titel);
  s.classList.add("berichtsseite");
  // Red above the report when the opening does not balance, as on the desktop.
  const hinweis = document.createElement("p");
  hinweis.id = `${seitenname}Hinweis`;
  hinweis.className = "berichtshinweis";
  hinweis.setAttribute("role", "alert");
  hinweis.hidden = true;
  s.append(hinweis);
  const memo = ansicht(s, memoname, titel, schrift);
  const reihe = leiste(s, seitenname, memo, () => titel);
  registriere_zeige_handler(seitenname, () => fuelle(memo, art));
  return reihe;
}

function kontenblattseite(): void {
  const s = seite("TabSheet10", "Kontenblätter");
  s.classList.add("kontenblattseite");
  const links = document.createElement("div");
  links.className = "links";
  s.append(links);
  const memo = ansicht(links, "Memo3", "Kontenblatt", {
    familie: "Courier New",
    pixel: 13,
    fett: false,
  });
  const reihe = leiste(links, "TabSheet10", memo, () =>
    liste.value ? `Kontenblatt ${liste.value}` : "Kontenblatt",
  );
  const liste = document.createElement("select");
  liste.id = "ListBox1";
  liste.size = 20;
  liste.setAttribute("aria-label", "Konten");
  s.append(liste);
  // "T-Konto" pressed: the sheet drawn as a T instead of the two lists.
  const t_konto = knopf(reihe, "TKonto", "T-Konto", null, () => {
    t_konto.setAttribute("aria-pressed", String(t_konto.getAttribute("aria-pressed") !== "true"));
    if (liste.value) {
      void blatt();
    }
  });
  t_konto.setAttribute("aria-pressed", "false");
  t_konto.title = "Das Konto als T-Konto zeigen: Soll links, Haben rechts";
  const blatt = () =>
    fuelle(
      memo,
      t_konto.getAttribute("aria-pressed") === "true" ? "t_kontenblatt" : "kontenblatt",
      liste.value,
    );
  liste.addEventListener("change", () => void blatt());
  registriere_zeige_handler("TabSheet10", async () => {
    liste.replaceChildren();
    memo.textContent = "";
    const antwort = kern().konten();
    for (const name of antwort.konten) {
      liste.append(new Option(name, name));
    }
    await zeige_antwort(antwort);
  });
}

// "Prüfergebnis" (TabSheet12, Memo5): the lines "Prüfen" gives; they are
// sentences, not columns, and wrap.
let pruefmemo: HTMLElement | undefined;

export async function pruefergebnis_zeigen(zeilen: string[]): Promise<void> {
  if (pruefmemo) {
    pruefmemo.textContent = zeilen.map((zeile) => `${zeile}\n`).join("");
    await seite_zeigen("TabSheet12");
    pruefmemo.scrollTop = 0;
  }
}

function pruefergebnisseite(): void {
  const s = seite("TabSheet12", "Prüfergebnis");
  s.classList.add("berichtsseite");
  pruefmemo = ansicht(s, "Memo5", "Prüfergebnis", { familie: "Courier New", pixel: 16, fett: true });
  pruefmemo.classList.add("umbruch");
  leiste(s, "TabSheet12", pruefmemo, () => "Prüfergebnis");
}

export function berichtsseiten(): void {
  const bilanzleiste = berichtsseite("TabSheet5", "Memo1", "Bilanz und GuV", "bilanz", {
    familie: "Courier",
    pixel: 16,
    fett: true,
  });
  const abschluss = knopf(bilanzleiste, "Abschluss", "Abschluss", null, () =>
    seite_zeigen("TabSheet13"),
  );
  abschluss.title =
    "Der Jahresabschluss: Abschlussbuchungen, GuV-Konto und Schlussbilanzkonto";
  journalseite();
  berichtsseite("TabSheet11", "Memo4", "Betriebsergebnis", "betriebsergebnis", {
    familie: "Courier New",
    pixel: 16,
    fett: true,
  });
  berichtsseite("TabSheet13", "Memo6", "Abschluss", "abschluss", {
    familie: "Courier New",
    pixel: 13,
    fett: false,
  });
  kontenblattseite();
  pruefergebnisseite();
}
