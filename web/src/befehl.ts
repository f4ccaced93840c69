// Commands run one at a time to completion, as on the desktop: a focus-leave
// handler that shows a box finishes before the button that took the focus runs.
let kette: Promise<void> = Promise.resolve();

// While commands wait or run, the page says so (data-beschaeftigt), so that
// a script driving it knows when a change is done and stored.
let offen = 0;

export function befehl(schritt: () => void | Promise<void>): Promise<void> {
  ++offen;
  document.body.dataset.beschaeftigt = "ja";
  kette = kette
    .then(schritt)
    .catch((grund) => console.error(grund))
    .finally(() => {
      if (--offen === 0) {
        delete document.body.dataset.beschaeftigt;
      }
    });
  return kette;
}
