#pragma once

#include <QString>

#include <string>
#include <string_view>

// The edge between the core's Windows-1252 texts and Qt's QString.
namespace saldino::gui {

QString als_qstring(std::string_view cp1252);

// A character that Windows-1252 cannot hold becomes '?'.
std::string als_cp1252(const QString& text);

// A text of the message catalogue or another UTF-8 literal of the core.
QString aus_utf8(std::string_view utf8);

} // namespace saldino::gui
