#pragma once

#include "articles/article_table.h"
#include "operations/run_tills.h"

// Ready jobs for running on many tills at once.

// The register's status and article count: "Povezano, artikala: N".
TillJob StatusJob();

// Brings the register up to date with the list as sync does: only what differs from its
// image, nothing when the image is not trusted. The list is shared by every till and must
// outlive the run; it is only read.
TillJob SyncJob(const ArticleTable& articles);
