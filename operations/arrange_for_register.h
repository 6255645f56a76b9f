#pragma once

#include "articles/article_table.h"

class TalonECR;

// Arranges the table by barcode within the location limit of the register's version,
// which it asks with a status request. A broken link leaves the table as it was.
void ArrangeForRegister(TalonECR& ecr, ArticleTable& table);
