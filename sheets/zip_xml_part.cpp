#include "sheets/zip_xml_part.h"

SheetFault ReadXmlPart(ZipArchive& zip, const std::string& name, XmlEvents& events) {
    XmlStream stream(events);
    const SheetFault unpacked = zip.Read(
        name, [&stream](const char* data, std::size_t size) { return stream.Feed(data, size); });
    const SheetFault read = stream.Finish();
    return unpacked != SheetFault::None ? unpacked : read;
}
