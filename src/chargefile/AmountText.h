#pragma once

#include "document/Currency.h"

#include <cstddef>
#include <string>

namespace drovan {

// Appends the same text as amount.toFixed2() (two decimals, rounded half to even, a point, no
// group separators, never shortened) without building temporary strings, for the writer's
// million-line files.
void appendFixed2(std::string &out, Currency amount);

// The longest text appendFixed2 can give: a sign, nineteen digits, a point and two decimals.
inline constexpr std::size_t kMaxFixed2Length = 24;

// Writes that text at `out`, which has room for kMaxFixed2Length characters; returns its end.
char *writeFixed2(char *out, Currency amount);

} // namespace drovan
