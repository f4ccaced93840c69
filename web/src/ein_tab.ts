// One tab at a time works in the working directory: a second one changes
// nothing. Over HTTPS (and on localhost) the browser's Web Locks hold the
// directory for as long as the tab lives. A page served over plain HTTP has
// no Web Locks; there the tabs ask each other over a BroadcastChannel, and
// the tab that works answers for as long as it lives.
const name = "saldino-arbeitsverzeichnis";
const wartezeit = 300; // ms for the tab that works to answer

function ueber_kanal(arbeiten: () => Promise<void>, abweisen: () => Promise<void>): void {
  const kanal = new BroadcastChannel(name);
  let belegt = false;
  let aktiv = false;
  kanal.onmessage = (ereignis) => {
    if (ereignis.data === "wer" && aktiv) {
      kanal.postMessage("belegt");
    } else if (ereignis.data === "belegt") {
      belegt = true;
    }
  };
  kanal.postMessage("wer");
  setTimeout(() => {
    if (belegt) {
      kanal.close();
      void abweisen();
      return;
    }
    aktiv = true;
    void arbeiten();
  }, wartezeit);
}

export function allein(arbeiten: () => Promise<void>, abweisen: () => Promise<void>): void {
  if (!navigator.locks) {
    ueber_kanal(arbeiten, abweisen);
    return;
  }
  void navigator.locks.request(name, { ifAvailable: true }, async (sperre) => {
    if (!sperre) {
      await abweisen();
      return;
    }
    await arbeiten();
    // Held as long as the tab lives.
    await new Promise<never>(() => undefined);
  });
}
