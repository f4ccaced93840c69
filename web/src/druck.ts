// Printing a report view through the browser's print dialog, laid out as the
// desktop prints it: A4, the company at the top left and the report's title
// at the top right above a line, "Seite n von m" at the foot, the report in
// Courier at most 10 points and smaller where its widest line would not fit,
// and no line cut across pages. "Als PDF…" is the same dialog; its target
// "Als PDF speichern" writes the file.
import { kern } from "./kern.js";

// The strings of the page's margin boxes, quoted for CSS.
function css_text(text: string): string {
  return `"${text.replace(/[\\"]/g, (z) => `\\${z}`).replace(/\n/g, " ")}"`;
}

// The report's text to print: the whole of it, also where the view shows
// only the lines on screen (the journal).
export async function drucke(titel: string, text: string): Promise<void> {
  const bereich = document.getElementById("Druckbereich") as HTMLElement;
  const stil = document.getElementById("Druckseite") as HTMLStyleElement;
  const zeilen = text.split("\n");
  const breite = Math.max(1, ...zeilen.map((zeile) => zeile.length));
  const firma = kern().einstellungen().firma[0] ?? "";
  stil.textContent = `@page {
  size: A4;
  margin: 18mm 15mm;
  @top-left { content: ${css_text(firma)}; }
  @top-right { content: ${css_text(titel)}; }
  @bottom-center { content: "Seite " counter(page) " von " counter(pages); }
}
#Druckbereich { --breite: ${breite}; }`;
  bereich.textContent = text;
  document.title = titel;
  try {
    window.print();
  } finally {
    document.title = "Saldino";
  }
}
