#include "gui/qtext.h"

#include "runtime/text.h"

#include <QList>

namespace saldino::gui {

QString als_qstring(std::string_view cp1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252) {
        text.append(
            QChar(static_cast<char16_t>(runtime::cp1252_zeichen(static_cast<unsigned char>(c)))));
    }
    return text;
}

std::string als_cp1252(const QString& text) {
    std::string ergebnis;
    ergebnis.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t zeichen : text.toUcs4()) {
        ergebnis += runtime::cp1252_byte(zeichen);
    }
    return ergebnis;
}

QString aus_utf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace saldino::gui
