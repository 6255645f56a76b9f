#pragma once

#include "sheets/sheet_cells.h"
#include "sheets/sheet_fault.h"
#include "sheets/zip_archive.h"

constexpr char OdsContentPart[] = "content.xml";
constexpr char OdsMimetypePart[] = "mimetype";
constexpr char OdsManifestPart[] = "META-INF/manifest.xml";
constexpr char OdsSpreadsheetType[] = "application/vnd.oasis.opendocument.spreadsheet";

// True when the OpenDocument manifest says that parts are encrypted.
SheetFault ReadOdsEncrypted(ZipArchive& zip, bool& encrypted);

// Reads the first table of an OpenDocument spreadsheet's content.xml and hands its rows
// to `sink`: repeated rows and cells expanded, empty ones only counted.
SheetFault ReadOdsRows(ZipArchive& zip, const RowSink& sink);
