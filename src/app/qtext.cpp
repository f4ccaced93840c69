#include "app/qtext.h"

#include "runtime/text.h"

#include <QList>

namespace saldino::app {

QString alsQString(std::string_view cp1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252) {
        text.append(
            QChar(static_cast<char16_t>(runtime::cp1252_zeichen(static_cast<unsigned char>(c)))));
    }
    return text;
}

std::string alsCp1252(const QString& text) {
    std::string ergebnis;
    ergebnis.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t zeichen : text.toUcs4()) {
        ergebnis += runtime::cp1252_byte(zeichen);
    }
    return ergebnis;
}

} // namespace saldino::app
