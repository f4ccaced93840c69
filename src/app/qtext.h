#pragma once

#include <QString>

#include <string>
#include <string_view>

// The edge between the core's Windows-1252 texts and Qt's QString.
namespace saldino::app {

QString alsQString(std::string_view cp1252);

// A character that Windows-1252 cannot hold becomes '?'.
std::string alsCp1252(const QString& text);

} // namespace saldino::app
