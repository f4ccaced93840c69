// The window: the top panel with the exercise list, the left command panel
// and the page stack, of which exactly one page is visible. A page's show
// handler runs each time it becomes the visible page, and only then.
import { bereich } from "./bausteine.js";

const handler = new Map<string, () => void | Promise<void>>();
// The page buttons: "pressed" while their page is shown, as on the desktop.
const seitenknoepfe = new Map<string, HTMLElement>();
let sichtbar = "TabSheet1";

export const fenster = document.getElementById("Form1") as HTMLElement;
export const Panel2 = bereich(fenster, "Panel2", "panel");
export const Panel3 = bereich(Panel2, "Panel3", "panel");
export const Panel1 = bereich(fenster, "Panel1", "panel");
export const PageControl1 = bereich(fenster, "PageControl1", "seitenstapel");

const CheckListBox1 = document.createElement("ul");
CheckListBox1.id = "CheckListBox1";
CheckListBox1.setAttribute("role", "list");
CheckListBox1.setAttribute("aria-label", "Aufgabe");
Panel2.append(CheckListBox1);

export function seite(id: string, beschriftung: string): HTMLElement {
  const s = bereich(PageControl1, id, "seite");
  s.setAttribute("role", "region");
  s.setAttribute("aria-label", beschriftung);
  s.hidden = id !== sichtbar;
  return s;
}

export function seitenknopf(knopf: HTMLElement, id: string): void {
  seitenknoepfe.set(id, knopf);
  knopf.setAttribute("aria-pressed", String(id === sichtbar));
}

export function registriere_zeige_handler(id: string, zeige: () => void | Promise<void>): void {
  handler.set(id, zeige);
}

export async function seite_zeigen(id: string): Promise<void> {
  if (id === sichtbar) {
    return;
  }
  (document.getElementById(sichtbar) as HTMLElement).hidden = true;
  (document.getElementById(id) as HTMLElement).hidden = false;
  sichtbar = id;
  for (const [seite, knopf] of seitenknoepfe) {
    knopf.setAttribute("aria-pressed", String(seite === id));
  }
  await handler.get(id)?.();
}

// Runs the visible page's handler again, after a command changed the data.
export async function sichtbare_neu_zeigen(): Promise<void> {
  await handler.get(sichtbar)?.();
}

// Scales the 808 x 627 window to the browser's window, keeping its shape.
export function einpassen(): void {
  const faktor = Math.min(window.innerWidth / 800, window.innerHeight / 593);
  fenster.style.transform = `scale(${Math.max(faktor, 0.5)})`;
}
