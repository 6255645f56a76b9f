#pragma once

#include <string>

#include "sheets/sheet_fault.h"
#include "sheets/xml_stream.h"
#include "sheets/zip_archive.h"

// Unpacks one XML part of a workbook straight into its reader.
SheetFault ReadXmlPart(ZipArchive& zip, const std::string& name, XmlEvents& events);
