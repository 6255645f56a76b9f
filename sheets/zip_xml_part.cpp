#include "sheets/zip_xml_part.h"

#include "sheets/sheet_fault_of.h"

SheetFault ReadXmlPart(ZipArchive& zip, const std::string& name, XmlEvents& events) {
    XmlStream stream(events);
    const ZipFault unpacked = zip.Read(
        name, [&stream](const char* data, std::size_t size) { return stream.Feed(data, size); });
    const XmlFault read = stream.Finish();
    return unpacked != ZipFault::None ? SheetFaultOf(unpacked) : SheetFaultOf(read);
}
