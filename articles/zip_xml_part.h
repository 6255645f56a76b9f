#pragma once

#include <string>

#include "articles/sheet_fault.h"
#include "articles/xml_stream.h"
#include "articles/zip_archive.h"

// Unpacks one XML part of a workbook straight into its reader.
SheetFault ReadXmlPart(ZipArchive& zip, const std::string& name, XmlEvents& events);
