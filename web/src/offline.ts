// Offline and installed: the service worker (sw.js) keeps the edition in the
// browser's cache, a new version is taken over only when the pupil agrees,
// and the browser is asked to keep the working directory for good.
import { befehl } from "./befehl.js";
import { frage } from "./dialoge.js";

export const neue_version = "Eine neue Version von Saldino ist da. Neu laden?";
export const speicherwarnung =
  "Der Browser darf die Daten später löschen — sichere deine Arbeit mit „Alles Speichern“.";

let gefragt = false;

function anbieten(wartend: ServiceWorker): void {
  if (gefragt) {
    return;
  }
  gefragt = true;
  void befehl(async () => {
    if (await frage(neue_version)) {
      navigator.serviceWorker.addEventListener("controllerchange", () => location.reload());
      wartend.postMessage("uebernehmen");
    }
  });
}

// A version that is waiting when the page starts, or that arrives while it
// runs, is offered; the first visit installs without asking.
export async function service_worker(): Promise<void> {
  if (!("serviceWorker" in navigator)) {
    return;
  }
  const anmeldung = await navigator.serviceWorker.register("sw.js").catch(() => undefined);
  if (!anmeldung) {
    return;
  }
  if (anmeldung.waiting && navigator.serviceWorker.controller) {
    anbieten(anmeldung.waiting);
  }
  anmeldung.addEventListener("updatefound", () => {
    const neu = anmeldung.installing;
    neu?.addEventListener("statechange", () => {
      if (neu.state === "installed" && navigator.serviceWorker.controller) {
        anbieten(neu);
      }
    });
  });
  // A lesson may keep the tab open for hours: look for a new version now and then.
  setInterval(() => void anmeldung.update().catch(() => undefined), 30 * 60 * 1000);
}

// Whether the browser keeps the data for good (asked once; an installed app
// is usually granted it). A page served over plain HTTP cannot ask: there
// the browser may always delete them.
export async function dauerhaft(): Promise<boolean> {
  const speicher = navigator.storage;
  if (!speicher?.persist) {
    return false;
  }
  return (await speicher.persisted()) || (await speicher.persist().catch(() => false));
}
