#pragma once

// The Serbian Latin letters that Windows-1251 lacks, as the plain letters they become
// without their diacritic: "C" for Č, "Dz" for the one-character digraph ǅ. Null for any
// other character. One table for every platform, so conversions cannot drift apart.
const char* SerbianLatinPlain(char16_t letter);
