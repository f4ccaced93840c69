// What a screen reader sees of a report view: a read-only multi-line text,
// its selection and its cursor, through Qt's accessible text interface.
#include "gui/berichtsansicht.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace saldino::gui {

namespace {

class ZugangBerichtsansicht : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ZugangBerichtsansicht(Berichtsansicht* ansicht)
        : QAccessibleWidget(ansicht, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType art) override {
        if (art == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(art);
    }

    QAccessible::State state() const override {
        QAccessible::State zustand = QAccessibleWidget::state();
        zustand.readOnly = true;
        zustand.multiLine = true;
        zustand.selectableText = true;
        return zustand;
    }

    void selection(int nummer, int* anfang, int* ende) const override {
        *anfang = *ende = 0;
        if (nummer == 0 && selectionCount() == 1) {
            const auto a = ansicht()->versatz(ansicht()->cursor());
            const auto b = ansicht()->versatz(anker());
            *anfang = static_cast<int>(std::min(a, b));
            *ende = static_cast<int>(std::max(a, b));
        }
    }
    int selectionCount() const override { return ansicht()->markierter_text().isEmpty() ? 0 : 1; }
    void addSelection(int anfang, int ende) override { setSelection(0, anfang, ende); }
    void removeSelection(int) override {
        const Textstelle hier = ansicht()->cursor();
        ansicht()->markiere(hier, hier);
    }
    void setSelection(int, int anfang, int ende) override {
        ansicht()->markiere(ansicht()->stelle(anfang), ansicht()->stelle(ende));
    }
    int cursorPosition() const override {
        return static_cast<int>(ansicht()->versatz(ansicht()->cursor()));
    }
    void setCursorPosition(int position) override {
        const Textstelle stelle = ansicht()->stelle(position);
        ansicht()->markiere(stelle, stelle);
    }
    QString text(int anfang, int ende) const override {
        const Textstelle a = ansicht()->stelle(anfang);
        const Textstelle b = ansicht()->stelle(ende);
        QStringList zeilen;
        for (std::int64_t z = a.zeile; z <= b.zeile; ++z) {
            zeilen.append(ansicht()->zeilentext(z));
        }
        if (zeilen.isEmpty()) {
            return {};
        }
        zeilen.back().truncate(b.spalte);
        zeilen.front().remove(0, a.spalte);
        return zeilen.join(QLatin1Char('\n'));
    }
    int characterCount() const override { return static_cast<int>(ansicht()->zeichenzahl()); }
    QRect characterRect(int versatz) const override {
        const QRect innen = ansicht()->zeichenrechteck(ansicht()->stelle(versatz));
        return QRect(ansicht()->viewport()->mapToGlobal(innen.topLeft()), innen.size());
    }
    int offsetAtPoint(const QPoint& punkt) const override {
        const QPoint innen = ansicht()->viewport()->mapFromGlobal(punkt);
        return static_cast<int>(ansicht()->versatz(ansicht()->stelle_bei(innen)));
    }
    void scrollToSubstring(int anfang, int) override { setCursorPosition(anfang); }
    QString attributes(int versatz, int* anfang, int* ende) const override {
        *anfang = *ende = versatz;
        return {};
    }

    // Lines, and words and characters within their line, without the whole text.
    QString textAtOffset(int versatz, QAccessible::TextBoundaryType grenze, int* anfang,
                         int* ende) const override {
        const Textstelle stelle = ansicht()->stelle(versatz);
        const QString zeile = ansicht()->zeilentext(stelle.zeile);
        const auto zeilenanfang = static_cast<int>(ansicht()->versatz({stelle.zeile, 0}));
        if (grenze == QAccessible::NoBoundary) {
            *anfang = 0;
            *ende = characterCount();
            return text(0, *ende);
        }
        if (grenze != QAccessible::CharBoundary && grenze != QAccessible::WordBoundary) {
            *anfang = zeilenanfang;
            *ende = zeilenanfang + static_cast<int>(zeile.size());
            return zeile;
        }
        QTextBoundaryFinder finder(grenze == QAccessible::WordBoundary
                                       ? QTextBoundaryFinder::Word
                                       : QTextBoundaryFinder::Grapheme,
                                   zeile);
        finder.setPosition(static_cast<qsizetype>(stelle.spalte));
        const qsizetype bis = finder.toNextBoundary() < 0 ? zeile.size() : finder.position();
        finder.setPosition(static_cast<qsizetype>(stelle.spalte));
        const qsizetype von = finder.isAtBoundary()             ? stelle.spalte
                              : finder.toPreviousBoundary() < 0 ? 0
                                                                : finder.position();
        *anfang = zeilenanfang + static_cast<int>(von);
        *ende = zeilenanfang + static_cast<int>(bis);
        return zeile.mid(von, bis - von);
    }

private:
    Berichtsansicht* ansicht() const { return static_cast<Berichtsansicht*>(widget()); }
    Textstelle anker() const { return ansicht()->anker(); }
};

QAccessibleInterface* fabrik(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String("saldino::gui::Berichtsansicht") && objekt != nullptr &&
        objekt->isWidgetType()) {
        return new ZugangBerichtsansicht(static_cast<Berichtsansicht*>(objekt));
    }
    return nullptr;
}

} // namespace

void zugang_einrichten() {
    static const bool eingerichtet = [] {
        QAccessible::installFactory(fabrik);
        return true;
    }();
    (void)eingerichtet;
}

std::int64_t Berichtsansicht::zeichenzahl() const {
    versatz({0, 0});
    return std::max<std::int64_t>(0, anfaenge_.back() - 1);
}

std::int64_t Berichtsansicht::versatz(Textstelle stelle) const {
    if (anfaenge_.empty()) {
        std::int64_t summe = 0;
        quelle_->alle([&](std::string_view zeile) {
            anfaenge_.push_back(summe);
            summe += static_cast<std::int64_t>(zeile.size()) + 1;
        });
        anfaenge_.push_back(summe); // one past the last line's end
    }
    const auto zeile =
        std::clamp<std::int64_t>(stelle.zeile, 0, static_cast<std::int64_t>(anfaenge_.size()) - 1);
    return anfaenge_[static_cast<std::size_t>(zeile)] + stelle.spalte;
}

Textstelle Berichtsansicht::stelle(std::int64_t versatz_) const {
    versatz({0, 0});
    const auto nach = std::upper_bound(anfaenge_.begin(), anfaenge_.end() - 1, versatz_);
    const auto zeile = std::max<std::int64_t>(0, (nach - anfaenge_.begin()) - 1);
    return {zeile, versatz_ - anfaenge_[static_cast<std::size_t>(zeile)]};
}

} // namespace saldino::gui
