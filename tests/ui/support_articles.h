#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "plu/talon_plu_item.h"

// Article records, article files and command texts for the window tests.

// An article with the given name, barcode, price and tax rate (texts are Windows-1251).
TalonPLUItem MakeArticle(const char* name, const char* code, double price, int taxRate = 0);

// Text as UTF-16LE bytes, without a byte-order mark.
QByteArray Utf16LE(const QString& text);
// Writes lines as the article file format has them: UTF-16LE, CR LF after each line.
void WriteArticleFile(const QString& path, const QStringList& lines);
// One file line of the twelve TAB-separated fields (name, barcode, price; the rest 0).
QString ArticleLine(const QString& name, const QString& code, const QString& price);

// The article numbers of the register commands that begin with `prefix` (the number runs
// up to the TAB that ends it), in the order they were received.
std::vector<int> CommandNumbers(const std::vector<std::string>& commands,
                                const std::string& prefix);
extern const std::string ReadPrefix;   // "$b"
extern const std::string WritePrefix;  // "#r5" SEP "1" SEP
extern const std::string DeletePrefix; // "#d5" SEP

// An article read from one file line (TAB-separated, as the article file has it), so that
// tests can set the counters and flags that have no setter.
TalonPLUItem ArticleFromLine(const char* line);
// Every field but ThisID and NextID, as one comparable text.
QString ArticleFields(const TalonPLUItem& item);

// An article as the register's read reply gives it, with the given ThisID (which may lie
// beyond the table, as a misbehaving register could report it), price in hundredths.
TalonPLUItem ArticleWithThisID(const char* name, const char* code, int thisId, int hundredths = 150,
                               int taxRate = 1);

class TalonEmulator;

// The register holds an article at each location, named "A<location>", with barcode
// 1000 + location, price location + 0.5 and tax rate 1.
void ProgramNumbered(TalonEmulator& emulator, const std::vector<int>& locations);
// The grid rows that a listing of those articles shows, as TestWindow::Row gives them.
QStringList ListedRows(const QList<int>& locations);
