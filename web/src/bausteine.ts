// The controls of the pages, placed as on the desktop: each with the desktop
// control's object name as its id, at its place on the 808 x 627 window.

export interface Platz {
  links: number;
  oben: number;
  breite?: number;
  hoehe?: number;
}

export function platziere(element: HTMLElement, platz: Platz): void {
  element.style.left = `${platz.links}px`;
  element.style.top = `${platz.oben}px`;
  if (platz.breite !== undefined) {
    element.style.width = `${platz.breite}px`;
  }
  if (platz.hoehe !== undefined) {
    element.style.height = `${platz.hoehe}px`;
  }
}

// A flat command button.
export function knopf(
  eltern: HTMLElement,
  id: string,
  text: string,
  platz: Platz | null,
  befehl: () => void | Promise<void>,
): HTMLButtonElement {
  const k = document.createElement("button");
  k.type = "button";
  k.id = id;
  k.className = "flach";
  k.textContent = text;
  if (platz) {
    platziere(k, platz);
  }
  k.addEventListener("click", () => void befehl());
  eltern.append(k);
  return k;
}

// A label; with `fuer`, the label of that field.
export function beschriftung(
  eltern: HTMLElement,
  id: string,
  text: string,
  platz: Platz,
  fuer?: string,
): HTMLElement {
  const l = document.createElement(fuer ? "label" : "span");
  l.id = id;
  l.className = "beschriftung";
  l.textContent = text;
  if (fuer) {
    (l as HTMLLabelElement).htmlFor = fuer;
  }
  platziere(l, platz);
  eltern.append(l);
  return l;
}

// A single-line text field, 21 pixels high; `name` for a field without a label.
export function eingabefeld(
  eltern: HTMLElement,
  id: string,
  platz: Platz,
  name?: string,
): HTMLInputElement {
  const f = document.createElement("input");
  f.id = id;
  f.type = "text";
  f.className = "feld";
  if (name) {
    f.setAttribute("aria-label", name);
  }
  platziere(f, { ...platz, hoehe: 21 });
  eltern.append(f);
  return f;
}

export function bereich(eltern: HTMLElement, id: string, klasse: string): HTMLElement {
  const b = document.createElement("div");
  b.id = id;
  b.className = klasse;
  eltern.append(b);
  return b;
}
