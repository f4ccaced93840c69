#pragma once

#include <QObject>

#include <functional>
#include <map>

class QWidget;

namespace saldino::gui {

class Befehlslaeufer;

// Runs a field's focus-leave handler (through the command runner) when the
// focus moves from the field to another control of the window: by Tab,
// Backtab, mouse, shortcut or a page command. A popup or another window
// taking the focus does not count.
class Fokusverlust : public QObject {
    Q_OBJECT

public:
    Fokusverlust(Befehlslaeufer& laeufer, QObject* eltern);

    void beobachte(QWidget* feld, std::function<void()> handler);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    static bool ausgeliehen(const QWidget* feld);

    Befehlslaeufer& laeufer_;
    std::map<QObject*, std::function<void()>> handler_;
};

} // namespace saldino::gui
