#pragma once

#include "sheets/sheet_fault.h"
#include "sheets/xml_stream.h"
#include "sheets/zip_archive.h"

// The faults of the zip and XML layers as the spreadsheet's: what the log tells.
SheetFault SheetFaultOf(ZipFault fault);
SheetFault SheetFaultOf(XmlFault fault);
