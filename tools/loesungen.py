#!/usr/bin/env python3
"""Writes the solutions of the supplied exercises into data/loesungen/ as backup
files "loesungN.sdn" (Windows-1252, CR LF), as a teacher would by booking each
exercise and saving it with "Alles Speichern".

The opening balances are booked as the program books them (one record per
account, against "Eröffnungsbilanzkonto", in chart order); then the business
transactions. Before writing, every figure the exercise asks the pupil to read
is checked against the balances of the solution.
"""
import pathlib

DATA = pathlib.Path(__file__).resolve().parent.parent / "data"
FIRMA = ["Fahrrad Müller KG", "Hauptstraße 1", "12345 Musterstadt", "", "", "", "", ""]
EBK = "Eröffnungsbilanzkonto"
JAHR = "2004"

# The opening of exercises 10 to 14 (chart 3).
ANFANG_3 = {"0530 Betriebsgebäude": 120000, "0840 Fuhrpark": 30000,
            "0870 Büromöbel und Geschäftsausst.": 18000, "2280 Waren": 25000,
            "2400 Forderungen a. LL": 12000, "2800 Bank": 40000, "2880 Kasse": 3000,
            "3000 Eigenkapital": 188000, "4250 Langfristige Bankverbindlichk.": 40000,
            "4400 Verbindlichkeiten a. LL": 20000}

# Per exercise: chart, opening balances, transactions (date, payer/payee,
# reason, [(account, debit, credit), ...]) and checks (account or "gewinn",
# "betrieb", "neutral") -> value as the reports show it.
AUFGABEN = {
    1: (1, {"Gebäude": 80000, "Maschinen": 40000, "Fuhrpark": 25000,
            "Betriebs- und Geschäftsausstattung": 15000, "Waren": 20000,
            "Forderungen": 8000, "Bank": 30000, "Kasse": 2000,
            "Eigenkapital": 150000, "Darlehen": 50000, "Verbindlichkeiten": 20000}, [
        ("02.01.", "selbst", "Barabhebung vom Bankkonto",
         [("Kasse", 1000, 0), ("Bank", 0, 1000)]),
        ("05.01.", "Kunde", "Kunde überweist eine Rechnung",
         [("Bank", 3000, 0), ("Forderungen", 0, 3000)]),
        ("08.01.", "Möbelhaus", "Kauf eines Schreibtischs",
         [("Betriebs- und Geschäftsausstattung", 2500, 0), ("Bank", 0, 2500)]),
        ("12.01.", "Bank", "Tilgung des Darlehens",
         [("Darlehen", 5000, 0), ("Bank", 0, 5000)]),
        ("15.01.", "Lieferant", "Bezahlung einer Lieferantenrechnung",
         [("Verbindlichkeiten", 4000, 0), ("Bank", 0, 4000)]),
        ("20.01.", "Lieferant", "Einkauf von Waren auf Ziel",
         [("Waren", 6000, 0), ("Verbindlichkeiten", 0, 6000)]),
    ], {"Bank": 20500, "aktiva": 217000}),
    2: (1, {"Waren": 10000, "Bank": 15000, "Kasse": 1000, "Eigenkapital": 21000,
            "Verbindlichkeiten": 5000}, [
        ("03.01.", "Vermieter", "Miete für Januar",
         [("Mietaufwand", 1200, 0), ("Bank", 0, 1200)]),
        ("05.01.", "Kunde", "Verkauf von Waren gegen bar",
         [("Kasse", 800, 0), ("Umsatzerlöse", 0, 800)]),
        ("10.01.", "Schreibwaren", "Kauf von Büromaterial bar",
         [("Büromaterial", 150, 0), ("Kasse", 0, 150)]),
        ("15.01.", "Kunde", "Verkauf von Waren, Zahlung per Bank",
         [("Bank", 2500, 0), ("Umsatzerlöse", 0, 2500)]),
        ("20.01.", "selbst", "Wareneinsatz laut Lager",
         [("Aufwendungen für Waren", 1400, 0), ("Waren", 0, 1400)]),
        ("25.01.", "Kunde", "Provision für eine Vermittlung",
         [("Bank", 300, 0), ("Provisionserträge", 0, 300)]),
        ("31.01.", "Mitarbeiter", "Löhne und Gehälter",
         [("Löhne und Gehälter", 1500, 0), ("Bank", 0, 1500)]),
    ], {"gewinn": -650, "Kasse": 1650, "aufwand": 4250, "ertrag": 3600}),
    3: (1, {"Maschinen": 30000, "Waren": 12000, "Forderungen": 6000, "Bank": 25000,
            "Kasse": 3000, "Eigenkapital": 56000, "Verbindlichkeiten": 20000}, [
        ("04.01.", "Maschinenbau AG", "Kauf einer Maschine",
         [("Maschinen", 12000, 0), ("Bank", 0, 7000), ("Verbindlichkeiten", 0, 5000)]),
        ("09.01.", "Kunde", "Ein Kunde zahlt bar und per Bank",
         [("Kasse", 1000, 0), ("Bank", 3000, 0), ("Forderungen", 0, 4000)]),
        ("14.01.", "Kunde", "Warenverkauf bar und auf Ziel",
         [("Kasse", 500, 0), ("Forderungen", 2500, 0), ("Umsatzerlöse", 0, 3000)]),
        ("19.01.", "Lieferant", "Lieferantenrechnung bezahlt",
         [("Verbindlichkeiten", 6000, 0), ("Bank", 0, 5500), ("Kasse", 0, 500)]),
        ("24.01.", "Vermieter", "Miete und Büromaterial",
         [("Mietaufwand", 900, 0), ("Büromaterial", 100, 0), ("Bank", 0, 1000)]),
        ("29.01.", "selbst", "Wareneinsatz",
         [("Aufwendungen für Waren", 1200, 0), ("Waren", 0, 1200)]),
    ], {"Bank": 14500, "gewinn": 800}),
    4: (2, {"Gebäude": 100000, "Betriebs- und Geschäftsausstattung": 20000, "Waren": 30000,
            "Forderungen": 10000, "Bank": 40000, "Kasse": 2000, "Eigenkapital": 152000,
            "Hypothekenschulden": 40000, "Verbindlichkeiten": 10000}, [
        ("03.01.", "Lieferant", "Einkauf von Waren auf Ziel",
         [("Waren", 5000, 0), ("Vorsteuer", 800, 0), ("Verbindlichkeiten", 0, 5800)]),
        ("07.01.", "Kunde", "Warenverkauf auf Ziel",
         [("Forderungen", 9280, 0), ("Umsatzerlöse", 0, 8000), ("Umsatzsteuer", 0, 1280)]),
        ("10.01.", "Schreibwaren", "Kauf von Büromaterial bar",
         [("Büromaterial", 200, 0), ("Vorsteuer", 32, 0), ("Kasse", 0, 232)]),
        ("15.01.", "Zeitung", "Werbeanzeige",
         [("Werbung", 1000, 0), ("Vorsteuer", 160, 0), ("Bank", 0, 1160)]),
        ("20.01.", "Kunde", "Der Kunde vom 07.01. überweist",
         [("Bank", 9280, 0), ("Forderungen", 0, 9280)]),
        ("25.01.", "Mitarbeiter", "Gehälter",
         [("Gehälter", 3000, 0), ("Bank", 0, 3000)]),
        ("31.01.", "selbst", "Wareneinsatz",
         [("Aufwendungen für Waren", 4000, 0), ("Waren", 0, 4000)]),
    ], {"Vorsteuer": 992, "Umsatzsteuer": 1280, "gewinn": -200}),
    5: (2, {"Grundstücke": 50000, "Gebäude": 120000, "Fuhrpark": 30000, "Bank": 25000,
            "Kasse": 5000, "Eigenkapital": 150000, "Hypothekenschulden": 60000,
            "Darlehen": 20000}, [
        ("02.01.", "Bank", "Aufnahme eines Darlehens",
         [("Bank", 10000, 0), ("Darlehen", 0, 10000)]),
        ("05.01.", "Mieter", "Ein Mieter zahlt die Miete",
         [("Bank", 800, 0), ("Mieterträge", 0, 800)]),
        ("10.01.", "Bank", "Tilgung der Hypothek und Zinsen",
         [("Hypothekenschulden", 2000, 0), ("Zinsaufwendungen", 500, 0), ("Bank", 0, 2500)]),
        ("15.01.", "Käufer", "Verkauf eines Lieferwagens",
         [("Bank", 9000, 0), ("Fuhrpark", 0, 8000), ("Erträge aus Anlagenabgängen", 0, 1000)]),
        ("20.01.", "Werkstatt", "Kfz-Kosten bar",
         [("Kfz-Kosten", 300, 0), ("Kasse", 0, 300)]),
        ("25.01.", "Versicherung", "Versicherungen",
         [("Versicherungen", 600, 0), ("Bank", 0, 600)]),
        ("31.01.", "Bank", "Zinsen für das Darlehen",
         [("Zinsaufwendungen", 150, 0), ("Bank", 0, 150)]),
    ], {"gewinn": 250, "betrieb": -900, "neutral": 1150}),
    6: (3, {"0530 Betriebsgebäude": 90000, "0840 Fuhrpark": 25000, "2280 Waren": 40000,
            "2400 Forderungen a. LL": 15000, "2800 Bank": 35000, "2880 Kasse": 3000,
            "3000 Eigenkapital": 150000, "4400 Verbindlichkeiten a. LL": 58000}, [
        ("04.01.", "Lieferant", "Zieleinkauf von Waren",
         [("6080 Aufwendungen für Waren", 10000, 0), ("2600 Vorsteuer", 1600, 0),
          ("4400 Verbindlichkeiten a. LL", 0, 11600)]),
        ("06.01.", "Spedition", "Fracht für den Einkauf bar",
         [("6081 Bezugskosten", 200, 0), ("2880 Kasse", 0, 200)]),
        ("09.01.", "Kunde", "Zielverkauf",
         [("2400 Forderungen a. LL", 18560, 0), ("5100 Umsatzerlöse für Waren", 0, 16000),
          ("4800 Umsatzsteuer", 0, 2560)]),
        ("12.01.", "Spedition", "Ausgangsfracht",
         [("6140 Ausgangsfrachten", 300, 0), ("2800 Bank", 0, 300)]),
        ("15.01.", "Vermieter", "Miete für das Lager",
         [("6700 Mieten und Pachten", 1500, 0), ("2800 Bank", 0, 1500)]),
        ("20.01.", "Zeitung", "Werbung",
         [("6870 Werbung", 800, 0), ("2800 Bank", 0, 800)]),
        ("25.01.", "Kunde", "Kunde überweist",
         [("2800 Bank", 10000, 0), ("2400 Forderungen a. LL", 0, 10000)]),
        ("28.01.", "Lieferant", "Bezahlung eines Lieferanten",
         [("4400 Verbindlichkeiten a. LL", 11600, 0), ("2800 Bank", 0, 11600)]),
    ], {"gewinn": 3200, "2800 Bank": 30800}),
    7: (4, {"0700 Technische Anlagen und Masch.": 120000, "2000 Rohstoffe": 30000,
            "2200 Fertige Erzeugnisse": 20000, "2400 Forderungen a. LL": 12000,
            "2800 Bank": 48000, "3000 Eigenkapital": 170000,
            "4250 Langfristige Bankverbindlichk.": 40000,
            "4400 Verbindlichkeiten a. LL": 20000}, [
        ("03.01.", "Lieferant", "Zieleinkauf von Rohstoffen",
         [("6000 Aufwendungen für Rohstoffe", 8000, 0), ("2600 Vorsteuer", 1280, 0),
          ("4400 Verbindlichkeiten a. LL", 0, 9280)]),
        ("08.01.", "Kunde", "Zielverkauf von Erzeugnissen",
         [("2400 Forderungen a. LL", 29000, 0),
          ("5000 Umsatzerlöse für Erzeugnisse", 0, 25000), ("4800 Umsatzsteuer", 0, 4000)]),
        ("12.01.", "Mitarbeiter", "Löhne",
         [("6200 Löhne", 9000, 0), ("2800 Bank", 0, 9000)]),
        ("15.01.", "Stadtwerke", "Stromrechnung",
         [("6050 Aufwendungen für Energie", 1200, 0), ("2800 Bank", 0, 1200)]),
        ("20.01.", "Werkstatt", "Reparatur einer Maschine",
         [("6160 Fremdinstandhaltung", 700, 0), ("2800 Bank", 0, 700)]),
        ("25.01.", "selbst", "Abschreibung auf Maschinen",
         [("6520 Abschreibungen auf Sachanl.", 2000, 0),
          ("0700 Technische Anlagen und Masch.", 0, 2000)]),
        ("28.01.", "Bank", "Zinsen für den Bankkredit",
         [("7510 Zinsaufwendungen", 400, 0), ("2800 Bank", 0, 400)]),
    ], {"betrieb": 4100, "neutral": -400, "gewinn": 3700}),
    8: (2, {"Grundstücke": 60000, "Gebäude": 140000, "Maschinen": 50000, "Waren": 25000,
            "Bank": 30000, "Kasse": 5000, "Eigenkapital": 250000, "Darlehen": 60000}, [
        ("05.01.", "Kunde", "Verkauf von Waren",
         [("Bank", 12000, 0), ("Umsatzerlöse", 0, 12000)]),
        ("06.01.", "selbst", "Wareneinsatz",
         [("Aufwendungen für Waren", 7000, 0), ("Waren", 0, 7000)]),
        ("10.01.", "Mitarbeiter", "Löhne und Gehälter",
         [("Löhne", 2500, 0), ("Gehälter", 1500, 0), ("Bank", 0, 4000)]),
        ("12.01.", "Mieter", "Mieterträge für eine Garage",
         [("Bank", 400, 0), ("Mieterträge", 0, 400)]),
        ("15.01.", "Bank", "Zinserträge aus einem Festgeld",
         [("Bank", 250, 0), ("Zinserträge", 0, 250)]),
        ("18.01.", "Stadtwerke", "Energie",
         [("Energie", 600, 0), ("Bank", 0, 600)]),
        ("22.01.", "Bank", "Zinsaufwendungen für das Darlehen",
         [("Zinsaufwendungen", 450, 0), ("Bank", 0, 450)]),
        ("26.01.", "Versicherung", "Nachzahlung einer Versicherung für 2003",
         [("Periodenfremde Aufwendungen", 200, 0), ("Kasse", 0, 200)]),
    ], {"betrieb": 400, "neutral": 0, "gewinn": 400}),
    9: (2, {"Gebäude": 100000, "Betriebs- und Geschäftsausstattung": 20000, "Waren": 30000,
            "Forderungen": 10000, "Bank": 40000, "Kasse": 2000, "Eigenkapital": 152000,
            "Hypothekenschulden": 40000, "Verbindlichkeiten": 10000}, [
        ("03.01.", "Lieferant", "Einkauf von Waren auf Ziel",
         [("Waren", 10000, 0), ("Vorsteuer", 1600, 0), ("Verbindlichkeiten", 0, 11600)]),
        ("08.01.", "Kunde", "Warenverkauf auf Ziel",
         [("Forderungen", 23200, 0), ("Umsatzerlöse", 0, 20000), ("Umsatzsteuer", 0, 3200)]),
        ("12.01.", "Inhaber", "Privatentnahme",
         [("Privat", 1500, 0), ("Bank", 0, 1500)]),
        ("15.01.", "Vermieter", "Mieten",
         [("Mieten", 2000, 0), ("Bank", 0, 2000)]),
        ("18.01.", "Schreibwaren", "Kauf von Büromaterial bar",
         [("Büromaterial", 300, 0), ("Vorsteuer", 48, 0), ("Kasse", 0, 348)]),
        ("20.01.", "Inhaber", "Privateinlage",
         [("Bank", 500, 0), ("Privat", 0, 500)]),
        ("25.01.", "Mitarbeiter", "Löhne",
         [("Löhne", 3000, 0), ("Bank", 0, 3000)]),
        ("31.01.", "selbst", "Wareneinsatz",
         [("Aufwendungen für Waren", 12000, 0), ("Waren", 0, 12000)]),
    ], {"zahllast": 1552, "gewinn": 2700, "ek_ende": 153700, "sbk": 216852}),
    10: (3, ANFANG_3, [
        ("05.01.", "Großhandel Kurz", "Zieleinkauf von Waren",
         [("6080 Aufwendungen für Waren", 8000, 0), ("2600 Vorsteuer", 1280, 0),
          ("4400 Verbindlichkeiten a. LL", 0, 9280)]),
        ("06.01.", "Spedition", "Fracht für den Wareneinkauf bar",
         [("6081 Bezugskosten", 300, 0), ("2600 Vorsteuer", 48, 0), ("2880 Kasse", 0, 348)]),
        ("12.01.", "Kunde", "Zielverkauf von Waren",
         [("2400 Forderungen a. LL", 13920, 0), ("5100 Umsatzerlöse für Waren", 0, 12000),
          ("4800 Umsatzsteuer", 0, 1920)]),
        ("15.01.", "Spedition", "Ausgangsfracht per Bank",
         [("6140 Ausgangsfrachten", 250, 0), ("2600 Vorsteuer", 40, 0), ("2800 Bank", 0, 290)]),
        ("20.01.", "Kunde", "Kunde überweist die Rechnung",
         [("2800 Bank", 13920, 0), ("2400 Forderungen a. LL", 0, 13920)]),
        ("28.01.", "Großhandel Kurz", "Bezahlung der Lieferantenrechnung",
         [("4400 Verbindlichkeiten a. LL", 9280, 0), ("2800 Bank", 0, 9280)]),
    ], {"gewinn": 3450, "zahllast": 552, "2800 Bank": 44350, "2600 Vorsteuer": 1368}),
    11: (3, ANFANG_3, [
        ("02.07.", "Autohaus", "Kauf eines Lieferwagens auf Ziel",
         [("0840 Fuhrpark", 36000, 0), ("2600 Vorsteuer", 5760, 0),
          ("4400 Verbindlichkeiten a. LL", 0, 41760)]),
        ("31.12.", "selbst", "Abschreibung Lieferwagen (zeitanteilig)",
         [("6520 Abschreibungen auf Sachanl.", 3000, 0), ("0840 Fuhrpark", 0, 3000)]),
        ("31.12.", "selbst", "Abschreibung übriger Fuhrpark",
         [("6520 Abschreibungen auf Sachanl.", 5000, 0), ("0840 Fuhrpark", 0, 5000)]),
        ("31.12.", "selbst", "Abschreibung Büromöbel",
         [("6520 Abschreibungen auf Sachanl.", 3000, 0),
          ("0870 Büromöbel und Geschäftsausst.", 0, 3000)]),
        ("31.12.", "selbst", "Abschreibung Betriebsgebäude",
         [("6520 Abschreibungen auf Sachanl.", 3000, 0), ("0530 Betriebsgebäude", 0, 3000)]),
    ], {"6520 Abschreibungen auf Sachanl.": 14000, "0840 Fuhrpark": 58000,
        "0530 Betriebsgebäude": 117000, "gewinn": -14000}),
    12: (3, ANFANG_3, [
        ("01.10.", "Versicherung", "Kfz-Versicherung für ein Jahr im Voraus",
         [("6900 Versicherungsbeiträge", 1200, 0), ("2800 Bank", 0, 1200)]),
        ("01.11.", "Mieter", "Garagenmiete für sechs Monate im Voraus",
         [("2800 Bank", 600, 0), ("5410 Mieterträge", 0, 600)]),
        ("01.12.", "Vermieter", "Lagermiete für drei Monate im Voraus",
         [("6700 Mieten und Pachten", 3000, 0), ("2800 Bank", 0, 3000)]),
        ("31.12.", "selbst", "Abgrenzung der Versicherung",
         [("2900 Aktive Rechnungsabgrenzung", 900, 0), ("6900 Versicherungsbeiträge", 0, 900)]),
        ("31.12.", "selbst", "Abgrenzung der Mieterträge",
         [("5410 Mieterträge", 400, 0), ("4900 Passive Rechnungsabgrenzung", 0, 400)]),
        ("31.12.", "selbst", "Abgrenzung der Lagermiete",
         [("2900 Aktive Rechnungsabgrenzung", 2000, 0), ("6700 Mieten und Pachten", 0, 2000)]),
    ], {"2900 Aktive Rechnungsabgrenzung": 2900, "4900 Passive Rechnungsabgrenzung": 400,
        "6900 Versicherungsbeiträge": 300, "5410 Mieterträge": 200,
        "6700 Mieten und Pachten": 1000, "gewinn": -1100}),
    13: (3, ANFANG_3, [
        ("28.01.", "Mitarbeiter", "Gehälter Januar",
         [("6300 Gehälter", 3000, 0), ("2800 Bank", 0, 1920),
          ("4830 Verbindlichkeiten Finanzamt", 0, 450),
          ("4840 Verbindlichkeiten Sozialvers.", 0, 630)]),
        ("28.01.", "selbst", "Arbeitgeberanteil zu den Gehältern",
         [("6400 AG-Anteil Sozialversicherung", 630, 0),
          ("4840 Verbindlichkeiten Sozialvers.", 0, 630)]),
        ("28.01.", "Mitarbeiter", "Löhne Januar",
         [("6200 Löhne", 4000, 0), ("2800 Bank", 0, 2640),
          ("4830 Verbindlichkeiten Finanzamt", 0, 520),
          ("4840 Verbindlichkeiten Sozialvers.", 0, 840)]),
        ("28.01.", "selbst", "Arbeitgeberanteil zu den Löhnen",
         [("6400 AG-Anteil Sozialversicherung", 840, 0),
          ("4840 Verbindlichkeiten Sozialvers.", 0, 840)]),
        ("10.02.", "Finanzamt", "Lohnsteuer an das Finanzamt",
         [("4830 Verbindlichkeiten Finanzamt", 970, 0), ("2800 Bank", 0, 970)]),
        ("15.02.", "Krankenkasse", "Beiträge zur Sozialversicherung",
         [("4840 Verbindlichkeiten Sozialvers.", 2940, 0), ("2800 Bank", 0, 2940)]),
    ], {"gewinn": -8470, "2800 Bank": 31530, "6400 AG-Anteil Sozialversicherung": 1470,
        "4830 Verbindlichkeiten Finanzamt": 0, "4840 Verbindlichkeiten Sozialvers.": 0}),
    14: (3, ANFANG_3, [
        ("10.01.", "Großhandel Kurz", "Zieleinkauf von Waren",
         [("6080 Aufwendungen für Waren", 20000, 0), ("2600 Vorsteuer", 3200, 0),
          ("4400 Verbindlichkeiten a. LL", 0, 23200)]),
        ("15.02.", "Kunde", "Zielverkauf von Waren",
         [("2400 Forderungen a. LL", 52200, 0), ("5100 Umsatzerlöse für Waren", 0, 45000),
          ("4800 Umsatzsteuer", 0, 7200)]),
        ("01.03.", "Inhaber", "Privatentnahme bar",
         [("3001 Privat", 500, 0), ("2880 Kasse", 0, 500)]),
        ("31.03.", "Vermieter", "Miete für das Lager",
         [("6700 Mieten und Pachten", 1500, 0), ("2800 Bank", 0, 1500)]),
        ("30.04.", "Kunde", "Kunde überweist die Rechnung",
         [("2800 Bank", 52200, 0), ("2400 Forderungen a. LL", 0, 52200)]),
        ("31.05.", "Großhandel Kurz", "Bezahlung der Lieferantenrechnung",
         [("4400 Verbindlichkeiten a. LL", 23200, 0), ("2800 Bank", 0, 23200)]),
        ("30.06.", "Mitarbeiter", "Gehälter",
         [("6300 Gehälter", 6000, 0), ("2800 Bank", 0, 6000)]),
        ("15.09.", "Zeitung", "Werbeanzeige",
         [("6870 Werbung", 1000, 0), ("2600 Vorsteuer", 160, 0), ("2800 Bank", 0, 1160)]),
        ("30.11.", "Bank", "Zinsen für den Bankkredit",
         [("7510 Zinsaufwendungen", 1200, 0), ("2800 Bank", 0, 1200)]),
        ("31.12.", "selbst", "Abschreibungen auf Gebäude und Fuhrpark",
         [("6520 Abschreibungen auf Sachanl.", 8400, 0), ("0530 Betriebsgebäude", 0, 2400),
          ("0840 Fuhrpark", 0, 6000)]),
    ], {"zahllast": 3840, "gewinn": 6900, "ek_ende": 194400, "sbk": 258240}),
}


def kontenplan(nr):
    """The chart as (name, type, side, B/N) in file order."""
    konten = []
    text = (DATA / f"Kontenplan{nr}.txt").read_bytes().decode("cp1252")
    for zeile in text.split("\r\n"):
        if "<" not in zeile:
            continue
        name, rest = zeile.split("<", 1)
        art, rest = rest.split(">", 1)
        konten.append((name, art, rest[1], rest[4]))
    return konten


def betrag(wert):
    """The general decimal form of the amounts used here."""
    text = f"{wert:.2f}".rstrip("0").rstrip(".")
    return text.replace(".", ",")


def buchungszeile(nr, datum, person, grund, zeilen):
    assert len(zeilen) <= 5 and len(grund) <= 50 and len(person) <= 50
    felder = [str(nr), datum, person, grund]
    for konto, soll, haben in list(zeilen) + [("", 0, 0)] * (5 - len(zeilen)):
        felder += [konto, betrag(soll), betrag(haben)]
    return "".join(f + "|" for f in felder)


def pruefe(nr, plan, buchungen, erwartet):
    """Every figure the exercise names, from the balances of the solution."""
    konten = {name: (art, seite, bn) for name, art, seite, bn in plan}
    saldo = {}
    for _, _, _, zeilen in buchungen:
        assert sum(s for _, s, _ in zeilen) == sum(h for _, _, h in zeilen) > 0, zeilen
        for konto, soll, haben in zeilen:
            assert konto in konten, (nr, konto)
            saldo[konto] = saldo.get(konto, 0) + soll - haben
    erfolg = {k: -v for k, v in saldo.items() if konten[k][0] == "G"}
    werte = {
        "gewinn": sum(erfolg.values()),
        "betrieb": sum(v for k, v in erfolg.items() if konten[k][2] == "B"),
        "neutral": sum(v for k, v in erfolg.items() if konten[k][2] == "N"),
        "aufwand": -sum(v for k, v in erfolg.items() if konten[k][1] == "A"),
        "ertrag": sum(v for k, v in erfolg.items() if konten[k][1] == "E"),
        "aktiva": sum(v for k, v in saldo.items()
                      if konten[k][0] == "B" and konten[k][1] == "A" and k != EBK),
    }
    for name, (art, seite, _) in konten.items():
        wert = saldo.get(name, 0)
        werte[name] = -wert if seite in "PE" else wert
    def wert(name):
        """An account by its name, also after an account number ("2600 Vorsteuer")."""
        for konto in konten:
            ohne = konto.split(" ", 1)[1] if konto.split(" ", 1)[0].isdigit() else konto
            if name in (konto, ohne):
                return werte[konto]
        return 0

    # The closing: Privat into Eigenkapital, Vorsteuer against Umsatzsteuer.
    verrechnet = min(wert("Vorsteuer"), wert("Umsatzsteuer"))
    werte["zahllast"] = wert("Umsatzsteuer") - verrechnet
    werte["ek_ende"] = wert("Eigenkapital") + wert("Privat") + werte["gewinn"]
    werte["sbk"] = werte["aktiva"] - verrechnet
    for name, soll in erwartet.items():
        assert abs(werte[name] - soll) < 0.005, (nr, name, werte[name], soll)


def main():
    for nr, (plan_nr, eroeffnung, vorgaenge, erwartet) in AUFGABEN.items():
        plan = kontenplan(plan_nr)
        buchungen = []
        for name, art, seite, _ in plan:
            if name in eroeffnung:
                b = eroeffnung[name]
                zeilen = [(name, b, 0), (EBK, 0, b)] if seite == "A" else [(EBK, b, 0), (name, 0, b)]
                buchungen.append(("01.01." + JAHR, "selbst", "Eröffnungsbuchung", zeilen))
        assert len(buchungen) == len(eroeffnung), nr
        for datum, person, grund, zeilen in vorgaenge:
            buchungen.append((datum + JAHR, person, grund, zeilen))
        pruefe(nr, plan, buchungen, erwartet)

        text = "|".join(FIRMA) + f"|{plan_nr}\r\n|"
        for k, (datum, person, grund, zeilen) in enumerate(buchungen):
            text += buchungszeile(k, datum, person, grund, zeilen) + "\r\n"
        (DATA / "loesungen" / f"loesung{nr}.sdn").write_bytes(text.encode("cp1252"))


if __name__ == "__main__":
    main()
