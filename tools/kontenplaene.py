#!/usr/bin/env python3
"""Writes the four supplied charts of accounts into data/ (Windows-1252, CR LF).

Each section lists (name, type, side letter, B/N letter). Balance-sheet
accounts are type "B", profit-and-loss accounts type "G"; expenses carry the
side letter "A", revenues "E".
"""
import pathlib

EBK = ("Eröffnungsbilanzkonto", "B", "A", "B")


def aktiv(*namen):
    return [(n, "B", "A", "B") for n in namen]


def passiv(*namen):
    return [(n, "B", "P", "B") for n in namen]


def aufwand(*namen, neutral=False):
    return [(n, "G", "A", "N" if neutral else "B") for n in namen]


def ertrag(*namen, neutral=False):
    return [(n, "G", "E", "N" if neutral else "B") for n in namen]


EINFACH = (
    aktiv("Gebäude", "Maschinen", "Fuhrpark", "Betriebs- und Geschäftsausstattung", "Waren", "Forderungen",
          "Bank", "Kasse")
    + passiv("Eigenkapital", "Darlehen", "Verbindlichkeiten")
    + aufwand("Aufwendungen für Waren", "Löhne und Gehälter", "Mietaufwand", "Büromaterial")
    + aufwand("Zinsaufwendungen", neutral=True)
    + ertrag("Umsatzerlöse", "Provisionserträge")
    + ertrag("Zinserträge", neutral=True)
)

UMFANGREICH = (
    aktiv("Grundstücke", "Gebäude", "Maschinen", "Fuhrpark", "Betriebs- und Geschäftsausstattung", "Waren",
          "Forderungen", "Vorsteuer", "Bank", "Kasse")
    + passiv("Eigenkapital", "Privat", "Hypothekenschulden", "Darlehen", "Verbindlichkeiten", "Umsatzsteuer")
    + aufwand("Aufwendungen für Waren", "Löhne", "Gehälter", "Soziale Abgaben", "Mieten", "Büromaterial",
              "Werbung", "Abschreibungen", "Versicherungen", "Kfz-Kosten", "Porto und Telefon", "Energie",
              "Instandhaltung", "Reisekosten")
    + aufwand("Zinsaufwendungen", "Aufwendungen aus Anlagenabgängen", "Periodenfremde Aufwendungen", neutral=True)
    + ertrag("Umsatzerlöse", "Provisionserträge", "Sonstige Erlöse")
    + ertrag("Mieterträge", "Zinserträge", "Erträge aus Anlagenabgängen", neutral=True)
)

HANDEL = (
    aktiv("0500 Unbebaute Grundstücke", "0530 Betriebsgebäude", "0700 Technische Anlagen", "0840 Fuhrpark",
          "0860 Büromaschinen", "0870 Büromöbel und Geschäftsausst.", "0890 Geringwertige Wirtschaftsgüter",
          "2280 Waren", "2400 Forderungen a. LL", "2600 Vorsteuer", "2800 Bank", "2880 Kasse",
          "2900 Aktive Rechnungsabgrenzung")
    + passiv("3000 Eigenkapital", "3001 Privat", "3900 Sonstige Rückstellungen",
             "4250 Langfristige Bankverbindlichk.", "4400 Verbindlichkeiten a. LL", "4800 Umsatzsteuer",
             "4830 Verbindlichkeiten Finanzamt", "4840 Verbindlichkeiten Sozialvers.",
             "4900 Passive Rechnungsabgrenzung")
    + aufwand("6080 Aufwendungen für Waren", "6081 Bezugskosten", "6140 Ausgangsfrachten", "6160 Fremdinstandhaltung",
              "6200 Löhne", "6300 Gehälter", "6400 AG-Anteil Sozialversicherung", "6520 Abschreibungen auf Sachanl.",
              "6700 Mieten und Pachten", "6750 Kosten des Geldverkehrs", "6800 Büromaterial", "6820 Portokosten",
              "6850 Reisekosten", "6870 Werbung", "6900 Versicherungsbeiträge", "7000 Betriebliche Steuern")
    + aufwand("6960 Verluste aus Anlagenabgängen", "7510 Zinsaufwendungen", neutral=True)
    + ertrag("5100 Umsatzerlöse für Waren", "5101 Erlösberichtigungen", "5400 Nebenerlöse")
    + ertrag("5410 Mieterträge", "5460 Erträge aus Anlagenabgängen", "5710 Zinserträge", neutral=True)
)

INDUSTRIE = (
    aktiv("0510 Bebaute Grundstücke", "0530 Betriebsgebäude", "0700 Technische Anlagen und Masch.",
          "0840 Fuhrpark", "0860 Büromaschinen", "0870 Büromöbel und Geschäftsausst.",
          "0890 Geringwertige Wirtschaftsgüter", "1500 Wertpapiere des AV", "2000 Rohstoffe",
          "2010 Vorprodukte/Fremdbauteile", "2020 Hilfsstoffe", "2030 Betriebsstoffe",
          "2100 Unfertige Erzeugnisse", "2200 Fertige Erzeugnisse", "2280 Handelswaren",
          "2400 Forderungen a. LL", "2600 Vorsteuer", "2700 Wertpapiere des UV", "2800 Bank", "2880 Kasse",
          "2900 Aktive Rechnungsabgrenzung")
    + passiv("3000 Eigenkapital", "3001 Privat", "3700 Pensionsrückstellungen", "3900 Sonstige Rückstellungen",
             "4250 Langfristige Bankverbindlichk.", "4400 Verbindlichkeiten a. LL", "4800 Umsatzsteuer",
             "4830 Verbindlichkeiten Finanzamt", "4840 Verbindlichkeiten Sozialvers.",
             "4900 Passive Rechnungsabgrenzung")
    + aufwand("6000 Aufwendungen für Rohstoffe", "6010 Aufwendungen für Vorprodukte",
              "6020 Aufwendungen für Hilfsstoffe", "6030 Aufwendungen für Betriebsst.",
              "6050 Aufwendungen für Energie", "6080 Aufwendungen für Handelswaren", "6140 Ausgangsfrachten",
              "6160 Fremdinstandhaltung", "6200 Löhne", "6300 Gehälter", "6400 AG-Anteil Sozialversicherung",
              "6520 Abschreibungen auf Sachanl.", "6700 Mieten und Pachten", "6750 Kosten des Geldverkehrs",
              "6800 Büromaterial", "6820 Portokosten", "6850 Reisekosten", "6870 Werbung",
              "6900 Versicherungsbeiträge", "7000 Betriebliche Steuern")
    + aufwand("6960 Verluste aus Anlagenabgängen", "7460 Verluste aus Wertpapieren", "7510 Zinsaufwendungen",
              neutral=True)
    + ertrag("5000 Umsatzerlöse für Erzeugnisse", "5100 Umsatzerlöse für Handelswaren",
             "5200 Bestandsveränderungen", "5300 Aktivierte Eigenleistungen", "5400 Nebenerlöse")
    + ertrag("5410 Mieterträge", "5460 Erträge aus Anlagenabgängen", "5650 Erträge aus Wertpapieren",
             "5710 Zinserträge", neutral=True)
)


def schreibe(nummer, konten):
    zeilen = [f"{name}<{typ}> {seite}  {bn}" for name, typ, seite, bn in konten + [EBK]]
    for name, *_ in konten:
        assert len(name) <= 35 and "|" not in name, name
    assert len({z.split("<")[0] for z in zeilen}) == len(zeilen)
    ziel = pathlib.Path(__file__).resolve().parent.parent / "data" / f"Kontenplan{nummer}.txt"
    ziel.write_bytes("".join(z + "\r\n" for z in zeilen).encode("cp1252"))
    print(ziel.name, len(zeilen), "Zeilen")


for nummer, konten in enumerate([EINFACH, UMFANGREICH, HANDEL, INDUSTRIE], 1):
    schreibe(nummer, konten)
