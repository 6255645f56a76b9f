#include "sheets/sheet_fault_of.h"

SheetFault SheetFaultOf(ZipFault fault) {
    switch (fault) {
    case ZipFault::Broken:
        return SheetFault::BrokenZip;
    case ZipFault::TooLarge:
        return SheetFault::TooLarge;
    case ZipFault::None:
        break;
    }
    return SheetFault::None;
}

SheetFault SheetFaultOf(XmlFault fault) {
    switch (fault) {
    case XmlFault::Broken:
        return SheetFault::BrokenXml;
    case XmlFault::Declarations:
        return SheetFault::XmlDeclarations;
    case XmlFault::NoParser:
        return SheetFault::NoXmlParser;
    case XmlFault::None:
        break;
    }
    return SheetFault::None;
}
