#include "ui/common/text_convert.h"

#include <string>

#include "text/code_page.h"
#include "text/ecr_string.h"

QString ToQString(const ECRString& text) {
    const std::string bytes(text.Text(), text.GetLength());
    return QString::fromStdU16String(Cp1251ToUtf16(bytes));
}

ECRString ToECRString(const QString& text) {
    const std::string bytes = Utf16ToCp1251(text.toStdU16String());
    return ECRString(bytes.c_str());
}
