#include "support_articles.h"

#include <QFile>

#include <cstdlib>

#include "emulator/talon_emulator.h"

namespace {

constexpr char Separator = '\xFE';
constexpr char Tab = '\t';
const QString LineEnd = QStringLiteral("\r\n");

} // namespace

const std::string ReadPrefix = "$b";
const std::string WritePrefix = std::string("#r5") + Separator + "1" + Separator;
const std::string DeletePrefix = std::string("#d5") + Separator;

TalonPLUItem MakeArticle(const char* name, const char* code, double price, int taxRate) {
    TalonPLUItem item;
    item.SetDescription(ECRString(name));
    item.SetCode(ECRString(code));
    item.SetPrice(price);
    item.SetTaxRate(taxRate);
    return item;
}

QByteArray Utf16LE(const QString& text) {
    QByteArray bytes;
    for (const QChar unit : text) {
        bytes.append(static_cast<char>(unit.unicode() & 0xFF));
        bytes.append(static_cast<char>(unit.unicode() >> 8));
    }
    return bytes;
}

void WriteArticleFile(const QString& path, const QStringList& lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qFatal("cannot write %s", qPrintable(path));
    }
    for (const QString& line : lines) {
        file.write(Utf16LE(line + LineEnd));
    }
}

QString ArticleLine(const QString& name, const QString& code, const QString& price) {
    return QStringList{name, code, price, "0", "0", "0", "0", "0", "0", "0", "0", "0"}.join(
        QChar(Tab));
}

std::vector<int> CommandNumbers(const std::vector<std::string>& commands,
                                const std::string& prefix) {
    std::vector<int> numbers;
    for (const std::string& command : commands) {
        if (command.compare(0, prefix.size(), prefix) == 0) {
            numbers.push_back(std::atoi(command.c_str() + prefix.size()));
        }
    }
    return numbers;
}

TalonPLUItem ArticleFromLine(const char* line) {
    TalonPLUItem item;
    item.FromFileText(ECRString(line), Tab);
    return item;
}

QString ArticleFields(const TalonPLUItem& item) {
    return QStringList{QString::fromLatin1(item.GetDescription().Text()),
                       QString::fromLatin1(item.GetCode().Text()),
                       QString::number(item.GetPrice(), 'f', 3),
                       QString::number(item.GetTaxRate()),
                       QString::number(item.GetDepartment()),
                       QString::number(item.GetContainer()),
                       QString::number(item.GetPriceFixed()),
                       QString::number(item.GetMaxPrice()),
                       QString::number(item.GetMinPrice()),
                       QString::number(item.GetMeasurement()),
                       QString::number(item.GetQuantitySold(), 'f', 3),
                       QString::number(item.GetTurnover(), 'f', 3)}
        .join('|');
}

TalonPLUItem ArticleWithThisID(const char* name, const char* code, int thisId, int hundredths,
                               int taxRate) {
    const std::string sep(1, Separator);
    const std::string reply = std::string(name) + "\n" + code + "\n" + std::to_string(hundredths) +
                              Tab + std::to_string(taxRate) + sep + "0" + sep + "0" + sep + "0" +
                              sep + "0" + sep + "0" + sep + "0" + sep + "0" + Tab + "0" + Tab +
                              std::to_string(thisId) + Tab + "0" + Tab;
    TalonPLUItem item;
    item.FromECRText(ECRString(reply.c_str()));
    return item;
}

void ProgramNumbered(TalonEmulator& emulator, const std::vector<int>& locations) {
    for (const int location : locations) {
        const std::string name = "A" + std::to_string(location);
        const std::string code = std::to_string(1000 + location);
        emulator.SetArticle(location, MakeArticle(name.c_str(), code.c_str(), location + 0.5, 1));
    }
}

QStringList ListedRows(const QList<int>& locations) {
    QStringList rows;
    for (const int location : locations) {
        rows << QStringLiteral("%1|A%1|%2|%3|1")
                    .arg(location)
                    .arg(1000 + location)
                    .arg(QString::number(location + 0.5, 'f', 2));
    }
    return rows;
}
