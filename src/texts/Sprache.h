#pragma once

#include <QStringView>
#include <optional>

namespace mi {

// The program's language is fixed when it is built; everything that differs by
// language takes it as a value, so one test build covers all three.
enum class Sprache { DE, EN, FR };

std::optional<Sprache> spracheErkennen(QStringView kuerzel);

}  // namespace mi
