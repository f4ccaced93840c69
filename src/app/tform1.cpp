#include "app/tform1.h"
#include "app/anleitung.h"
#include "app/anwendung.h"
#include "app/startseite.h"
#include "backup/aufgaben.h"
#include "backup/aufgabenseite.h"
#include "backup/aufgabenstand.h"
#include "gui/bausteine.h"
#include "gui/dialoge.h"
#include "gui/qtext.h"
#include "gui/symbol.h"
#include "journal/buchung.h"
#include "journal/buchungsseite.h"
#include "journal/eroeffnungsseite.h"
#include "masterdata/einstellungsseite.h"
#include "masterdata/firmenseite.h"
#include "masterdata/kontenplan.h"
#include "masterdata/kontenplanseite.h"
#include "reports/berichtsseite.h"
#include "reports/kontenblattseite.h"
#include "runtime/fehler.h"
#include "runtime/meldungen.h"
#include "runtime/text.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace saldino::app {

namespace {

// The window's fonts are Windows fonts; on Linux their metric-compatible
// counterparts keep texts within the sizes of the controls.
void schriften_ersetzen() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("Nimbus Sans")});
    for (const QString& courier : {QStringLiteral("Courier New"), QStringLiteral("Courier")}) {
        QFont::insertSubstitutions(courier, {QStringLiteral("Liberation Mono"),
                                             QStringLiteral("Nimbus Mono PS"),
                                             QStringLiteral("DejaVu Sans Mono")});
    }
}

} // namespace

TForm1::TForm1(gui::Dialoge& dialoge, QWidget* eltern) : QWidget(eltern), dialoge_(dialoge) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Saldino"));
    setWindowIcon(gui::programmsymbol());
    schriften_ersetzen();
    QFont schrift(QStringLiteral("MS Sans Serif"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(11);
    setFont(schrift);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    // Client area of an 808 x 627 window with its frame and title bar.
    // The place the window has always had, as long as the screen can hold it there.
    move(gui::fensterplatz(screen()->availableGeometry(), {195, 249}, {808, 627}));
    resize(800, 593);

    panels_anlegen();
    seiten_anlegen();
    kuerzel_anlegen();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::knopf(QWidget* panel, const char* name, const QString& text, const QRect& ort,
                   std::function<void()> befehl_, QWidget* seite) {
    QToolButton* k = gui::flacher_knopf(panel, name, text, ort);
    if (seite != nullptr) {
        // The button of the page shown stays pressed.
        k->setCheckable(true);
        seitenknoepfe_.emplace_back(seite, k);
    }
    connect(k, &QToolButton::clicked, this, [this, befehl_ = std::move(befehl_)] {
        befehl(befehl_);
        seitenknoepfe_markieren();
    });
}

void TForm1::panels_anlegen() {
    auto* gesamt = new QVBoxLayout(this);
    gesamt->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    // Panel2 and the page stack fill the window's height between them; with no
    // width of its own the handle grabs a few pixels of both.
    Splitter1->setHandleWidth(0);
    gesamt->addWidget(Splitter1);

    Panel2 = new QWidget(Splitter1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto* oben = new QHBoxLayout(Panel2);
    oben->setContentsMargins(1, 1, 1, 1);
    oben->setSpacing(0);
    Panel3 = new QWidget(Panel2);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedSize(216, 143);
    oben->addWidget(Panel3);
    CheckListBox1 = new QListWidget(Panel2);
    CheckListBox1->setAccessibleName(QStringLiteral("Aufgabenliste"));
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    QFont liste(QStringLiteral("Courier New"));
    liste.setStyleHint(QFont::TypeWriter);
    liste.setFixedPitch(true);
    liste.setPixelSize(12);
    CheckListBox1->setFont(liste);
    CheckListBox1->setUniformItemSizes(true);
    // A tick is kept for the next start.
    connect(CheckListBox1, &QListWidget::itemChanged, this,
            [this] { befehl([this] { aufgabenstand_sichern(); }); });
    gui::feste_zeilenhoehe(CheckListBox1, 15);
    oben->addWidget(CheckListBox1, 1);

    auto* unten = new QWidget(Splitter1);
    auto* reihe = new QHBoxLayout(unten);
    reihe->setContentsMargins(0, 0, 0, 0);
    reihe->setSpacing(0);
    Panel1 = new QWidget(unten);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(129);
    reihe->addWidget(Panel1);
    PageControl1 = new QStackedWidget(unten);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    reihe->addWidget(PageControl1, 1);

    Splitter1->addWidget(Panel2);
    Splitter1->addWidget(unten);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({145, 448});
}

void TForm1::seiten_anlegen() {
    TabSheet1 = new StartSeite(*this, PageControl1);
    TabSheet2 = new masterdata::FirmenSeite(*this, PageControl1);
    TabSheet3 = new journal::EroeffnungsSeite(*this, PageControl1);
    TabSheet4 = new journal::BuchungsSeite(*this, PageControl1);
    TabSheet5 = reports::bilanzseite(*this, PageControl1);
    TabSheet6 = reports::journalseite(*this, PageControl1);
    TabSheet7 = new masterdata::EinstellungsSeite(*this, PageControl1);
    TabSheet8 = new backup::AufgabenSeite(*this, PageControl1);
    TabSheet9 = new masterdata::KontenplanSeite(*this, PageControl1);
    TabSheet10 = new reports::KontenblattSeite(*this, PageControl1);
    TabSheet11 = reports::betriebsergebnisseite(*this, PageControl1);
    TabSheet12 = reports::pruefergebnisseite(*this, PageControl1);
    TabSheet13 = reports::abschlussseite(*this, PageControl1);
    for (QWidget* seite : std::initializer_list<QWidget*>{
             TabSheet1, TabSheet2, TabSheet3, TabSheet4, TabSheet5, TabSheet6, TabSheet7, TabSheet8,
             TabSheet9, TabSheet10, TabSheet11, TabSheet12, TabSheet13}) {
        PageControl1->addWidget(seite);
    }
    // Connected only now: adding the first page made it current already, and
    // its handler runs when the window is first shown.
    connect(PageControl1, &QStackedWidget::currentChanged, this, &TForm1::seitenwechsel);

    const auto zeige = [this](QWidget* seite) { return [this, seite] { seite_zeigen(seite); }; };
    knopf(Panel1, "SpeedButton2", QStringLiteral("Eröffnungsbuchungen"), {0, 0, 129, 49},
          zeige(TabSheet3), TabSheet3);
    knopf(Panel1, "SpeedButton3", QStringLiteral("Buchungen"), {0, 48, 129, 49}, zeige(TabSheet4),
          TabSheet4);
    knopf(Panel1, "SpeedButton4", QStringLiteral("Bilanz und GuV"), {0, 96, 129, 49},
          zeige(TabSheet5), TabSheet5);
    knopf(Panel1, "SpeedButton1", QStringLiteral("Betriebsergebnis"), {0, 144, 129, 49},
          zeige(TabSheet11), TabSheet11);
    knopf(Panel1, "SpeedButton5", QStringLiteral("Journal"), {0, 192, 129, 49}, zeige(TabSheet6),
          TabSheet6);
    knopf(Panel1, "SpeedButton6", QStringLiteral("Kontenblätter"), {0, 240, 129, 49},
          zeige(TabSheet10), TabSheet10);
    knopf(Panel1, "SpeedButton30", QStringLiteral("Alles Speichern"), {0, 288, 129, 49},
          [this] { SpeedButton30Click(); });
    knopf(Panel1, "SpeedButton31", QStringLiteral("Ende"), {0, 336, 129, 41},
          [this] { SpeedButton31Click(); });
    knopf(Panel1, "SpeedButton33", QStringLiteral("Sicherung laden!"), {0, 376, 129, 41},
          [this] { SpeedButton33Click(); });
    knopf(Panel1, "SpeedButton34", QStringLiteral("Hilfe"), {0, 416, 129, 41},
          [this] { SpeedButton34Click(); });

    knopf(Panel3, "SpeedButton22", QStringLiteral("Aufgaben"), {-1, 0, 74, 89}, zeige(TabSheet8),
          TabSheet8);
    knopf(
        Panel3, "SpeedButton23", QStringLiteral("Kontenplan"), {72, 0, 73, 89},
        [this] { TabSheet9->SpeedButton23Click(); }, TabSheet9);
    knopf(
        Panel3, "SpeedButton24", QStringLiteral("Einstellungen"), {144, 0, 73, 89},
        [this] { TabSheet7->SpeedButton24Click(); }, TabSheet7);
    knopf(Panel3, "SpeedButton35", QStringLiteral("Grundeinstellungen"), {-8, 88, 225, 57},
          zeige(TabSheet2), TabSheet2);
    tabfolge_anlegen();
}

// Tab walks the page shown (the booking page as it is filled in, any other
// in reading order), then the commands of the left and the top panel, then
// the exercise checklist, and round again.
void TForm1::tabfolge_anlegen() {
    for (int i = 0; i < PageControl1->count(); ++i) {
        if (PageControl1->widget(i) != TabSheet4) {
            gui::lesereihenfolge(PageControl1->widget(i));
        }
    }
    QWidget* ende = previousInFocusChain();
    for (QWidget* panel : {Panel1, Panel3}) {
        for (QToolButton* k : panel->findChildren<QToolButton*>()) {
            QWidget::setTabOrder(ende, k);
            ende = k;
        }
    }
    QWidget::setTabOrder(ende, CheckListBox1);
}

void TForm1::befehl(const std::function<void()>& schritt) {
    try {
        schritt();
    } catch (const runtime::Laufzeitfehler& fehler) {
        dialoge_.fehler(gui::als_qstring(fehler.meldung()));
    } catch (const std::bad_alloc&) {
        dialoge_.fehler(gui::aus_utf8(runtime::meldungen::zu_wenig_speicher));
    } catch (const std::exception& fehler) {
        dialoge_.fehler(QString::fromLocal8Bit(fehler.what()));
    }
}

void TForm1::registriere_zeige_handler(QWidget* seite, std::function<void()> handler) {
    zeige_handler_[seite] = std::move(handler);
}

QWidget* TForm1::sichtbare_seite() const {
    return PageControl1->currentWidget();
}

void TForm1::seite_zeigen(QWidget* seite) {
    QWidget* alt = PageControl1->currentWidget();
    if (alt == seite) {
        return;
    }
    QWidget* fokus = QApplication::focusWidget();
    if (fokus != nullptr && alt != nullptr && alt->isAncestorOf(fokus)) {
        fokus->clearFocus();
    }
    PageControl1->setCurrentWidget(seite);
}

void TForm1::seitenknoepfe_markieren() {
    for (const auto& [seite, knopf] : seitenknoepfe_) {
        knopf->setChecked(seite == PageControl1->currentWidget());
    }
}

void TForm1::seitenwechsel(int index) {
    seitenknoepfe_markieren();
    const auto handler = zeige_handler_.find(PageControl1->widget(index));
    if (handler != zeige_handler_.end()) {
        befehl(handler->second);
    }
}

void TForm1::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    if (!erstmals_gezeigt_) {
        erstmals_gezeigt_ = true;
        seitenwechsel(PageControl1->currentIndex());
    }
}

masterdata::Einstellungen TForm1::einstellungen() const {
    masterdata::Einstellungen werte;
    TabSheet2->werte_in(werte);
    TabSheet7->werte_in(werte);
    return werte;
}

void TForm1::lade_einstellungen() {
    masterdata::Einstellungen werte = einstellungen();
    const auto anwenden = [this, &werte] {
        TabSheet2->zeige(werte);
        TabSheet7->zeige(werte);
    };
    try {
        masterdata::lies_einstellungen(werte);
    } catch (const runtime::Laufzeitfehler&) {
        // Lines read before a bad chart line stay applied.
        anwenden();
        buchungsjahr = masterdata::buchungsjahr(werte.jahr);
        throw;
    }
    anwenden();
    kontenplan_nr = TabSheet7->RadioGroup1ItemIndex() + 1;
    buchungsjahr = masterdata::buchungsjahr(werte.jahr);
}

QString TForm1::firmenname() const {
    return TabSheet2->Edit[0]->text();
}

int TForm1::kontenplan_index() const {
    return TabSheet7->RadioGroup1ItemIndex();
}

void TForm1::setze_kontenplan_index(int index) {
    TabSheet7->setzeRadioGroup1ItemIndex(index);
}

void TForm1::pruefergebnis_zeigen(const std::vector<std::string>& zeilen) {
    TabSheet12->zeige([&zeilen](const reports::Zeilenziel& ziel) {
        for (const std::string& zeile : zeilen) {
            ziel(zeile);
        }
        return std::optional<std::string>();
    });
    seite_zeigen(TabSheet12);
}

void TForm1::aufgaben_neu_lesen() {
    TabSheet8->knoepfe_setzen();
    TabSheet8->titel_lesen();
}

void TForm1::abschluss_zeigen() {
    seite_zeigen(TabSheet13);
}

void TForm1::position_schreiben() {
    TabSheet4->Label45->setText(QString::number(aktuelle_buchung) + u'/' +
                                QString::number(anzahl_buchungen));
}

void TForm1::FormCreate() {
    // Each step runs even when one before it failed: a missing exercise file
    // must not leave the journal uncounted, nor the booking year unset.
    befehl([this] { startverzeichnis = std::filesystem::current_path(); });
    programmdaten = programmdatenordner();
    befehl([this] { lade_einstellungen(); });
    TabSheet9->ueberschriften_setzen();
    TabSheet3->ueberschriften_setzen();
    befehl([this] {
        const std::string ordner = backup::lies_aufgabenordner();
        TabSheet7->Aufgabenordner->setText(QString::fromStdString(ordner));
        backup::aufgabenordner_setzen(ordner);
        TabSheet8->knoepfe_setzen();
    });
    for (const int n : TabSheet8->nummern()) {
        befehl([this, n] {
            TabSheet8->titel_setzen(n, gui::als_qstring(backup::lies_aufgabentitel(n)));
        });
    }
    befehl([this] {
        journal::journal_sichern();
        anzahl_buchungen = journal::zaehle_buchungen();
        aktuelle_buchung = anzahl_buchungen;
        position_schreiben();
    });
    befehl([this] { aufgabe_wiederherstellen(); });
    PageControl1->setCurrentWidget(TabSheet1);
}

void TForm1::SpeedButton31Click() {
    if (dialoge_.frage(QStringLiteral("Vor dem Beenden speichern?"))) {
        befehl([this] { SpeedButton30Click(); });
    }
    close();
}

// The manual opens in the desktop's PDF viewer; only when none opens it, a
// box says where it lies.
void TForm1::SpeedButton34Click() {
    const std::filesystem::path pdf = anleitung();
    oeffne(pdf, [fenster = QPointer<TForm1>(this), pdf](const QString&) {
        if (fenster) {
            fenster->dialoge_.fehler(gui::aus_utf8(runtime::meldungen::anleitung_nicht_oeffnbar(
                runtime::name_nach_anzeige(pdf.string()))));
        }
    });
}

} // namespace saldino::app
