// The core's texts are UTF-8 in std::string; the widgets take QString.
#pragma once

#include <QString>
#include <string_view>

namespace pg::ui {

inline QString Q(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace pg::ui
