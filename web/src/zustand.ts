// The program-wide values the pages share, as the desktop's window holds them.
export const zustand = {
  anzahl_buchungen: 0,
  aktuelle_buchung: 0,
};
