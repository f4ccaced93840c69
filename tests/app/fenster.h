#pragma once

#include "app/tform1.h"

#include "hilfen/arbeitsverzeichnis.h"
#include "hilfen/skriptdialoge.h"

#include <QAbstractButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// Lets GoogleTest print a QString as text.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

namespace saldino::test {

// A main window in a fresh working directory, with scripted dialogs.
class FensterTest : public ::testing::Test {
protected:
    using Art = SkriptDialoge::Art;

    // Creates the window (running its start-up) and shows it.
    void starte() {
        form = std::make_unique<app::TForm1>(dialoge);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void TearDown() override {
        form.reset();
        dialoge.pruefe_leer();
    }

    template <typename T = QWidget> T* finde(const char* name) {
        T* widget = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void klicke(const char* name) {
        auto* knopf = finde<QAbstractButton>(name);
        ASSERT_NE(knopf, nullptr);
        QTest::mouseClick(knopf, Qt::LeftButton);
    }

    Arbeitsverzeichnis verzeichnis;
    SkriptDialoge dialoge;
    std::unique_ptr<app::TForm1> form;
};

} // namespace saldino::test
