#pragma once

// Why a spreadsheet file could not be read; the log names the reason.
enum class SheetFault {
    None,
    Encrypted,       // a password-protected workbook, or an encrypted zip entry
    OldExcel,        // the binary format of Excel 97-2003 (.xls)
    BrokenZip,       // the zip container cannot be read
    BrokenXml,       // a part is not well-formed XML
    XmlDeclarations, // a part declares a document type or entities
    NoXmlParser,     // no XML parser could be made (memory ran out)
    TooLarge,        // more than MaxUnpackedBytes unpacked
    NoWorksheet,     // the workbook names no worksheet that the file holds
    TooManyRows,     // a row beyond MaxSheetRows holds something
    NotSpreadsheet,  // a zip that is neither an .xlsx nor an .ods workbook
};
