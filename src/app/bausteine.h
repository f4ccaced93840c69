#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;
class QWidget;

// Controls placed at fixed positions on a page, each named by its objectName.
namespace saldino::app {

// A flat command button that never takes the focus.
QToolButton* flacher_knopf(QWidget* eltern, const char* name, const QString& text,
                           const QRect& ort);

QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text, int links, int oben);

QLineEdit* eingabefeld(QWidget* eltern, const char* name, const QRect& ort);

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text, const QRect& ort);

// A string grid whose row 0 is the header: `zeilen` rows below it.
QTableWidget* gitter(QWidget* eltern, const char* name, int spalten, int zeilen,
                     std::initializer_list<int> breiten, const QRect& ort);

// The colour of the company-data fields.
inline constexpr unsigned himmelblau = 0xA6CAF0;

} // namespace saldino::app
