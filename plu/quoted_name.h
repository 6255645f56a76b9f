#pragma once

#include "text/ecr_string.h"

// An article name in a file field: written between double quotes with every quote inside
// doubled, as spreadsheets write them, so that it loads back exactly.
ECRString QuotedName(const ECRString& name);
// The name a field holds: a field that is one quoted text gives that text with each
// doubled quote made one again; any other field loses every double quote, as the
// program always read names.
ECRString NameFromField(const ECRString& field);
// Cuts the name field off the front of a line: a field that opens with a quote runs to
// the separator after its closing quote (a doubled quote does not close it); any other
// field ends as CutField with the quote ends it.
ECRString CutNameField(ECRString& line, char separator);
