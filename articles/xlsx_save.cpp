#include "articles/xlsx_save.h"

#include <cstdio>
#include <memory>
#include <vector>

#include <xlsxwriter.h>

#include "articles/article_file.h"
#include "files/replace_file.h"
#include "files/scratch_folder.h"
#include "plu/file_decimals.h"
#include "plu/finite_value.h"
#include "text/c_numbers.h"
#include "text/code_page.h"
#include "text/utf8_text.h"

namespace {

const char* const SheetName = "Artikli";
const char* const ScratchName = "artikli.xlsx";
const char* const TextFormat = "@";
const char* const PriceFormat = "0.00";
constexpr char16_t HeadingSeparator = u'\t';

// The columns, in the order of the text file's fields.
enum Column : lxw_col_t {
    NameColumn,
    BarcodeColumn,
    PriceColumn,
    TaxRateColumn,
    DepartmentColumn,
    ContainerColumn,
    PriceFixedColumn,
    MaxPriceColumn,
    MinPriceColumn,
    MeasurementColumn,
    QuantityColumn,
    TurnoverColumn,
};
constexpr double NameWidth = 28;
constexpr double BarcodeWidth = 16;

struct Formats {
    lxw_format* Text = nullptr;
    lxw_format* Price = nullptr;
};

// The amount as the text file writes it, so that both files hold the same values.
double AsWritten(double value, int decimals) {
    return ReadDouble(FormatFixed(FiniteOrZero(value), decimals).c_str());
}

std::string Utf8(const ECRString& text) {
    return Utf16ToUtf8(Cp1251ToUtf16(text.Text()));
}

// The column titles of the text file's heading line.
std::vector<std::string> HeadingTitles() {
    std::vector<std::string> titles;
    std::u16string rest = SavedFileHeading;
    for (std::size_t end = rest.find(HeadingSeparator); end != std::u16string::npos;
         end = rest.find(HeadingSeparator)) {
        titles.push_back(Utf16ToUtf8(rest.substr(0, end)));
        rest.erase(0, end + 1);
    }
    titles.push_back(Utf16ToUtf8(rest));
    return titles;
}

// Each call's outcome is kept; the first failure stands.
class SheetWriter {
public:
    SheetWriter(lxw_worksheet* sheet, const Formats& formats) : Sheet(sheet), Format(formats) {}

    void Text(lxw_row_t row, lxw_col_t column, const std::string& text, lxw_format* format) {
        Keep(worksheet_write_string(Sheet, row, column, text.c_str(), format));
    }
    void Number(lxw_row_t row, lxw_col_t column, double value, lxw_format* format = nullptr) {
        Keep(worksheet_write_number(Sheet, row, column, value, format));
    }
    void Heading() {
        lxw_col_t column = NameColumn;
        for (const std::string& title : HeadingTitles()) {
            Text(0, column++, title, nullptr);
        }
    }
    void Article(lxw_row_t row, const TalonPLUItem& item) {
        Text(row, NameColumn, Utf8(item.GetDescription()), nullptr);
        Text(row, BarcodeColumn, Utf8(item.GetCode()), Format.Text);
        Number(row, PriceColumn, AsWritten(item.GetPrice(), PriceDecimals), Format.Price);
        Number(row, TaxRateColumn, item.GetTaxRate());
        Number(row, DepartmentColumn, item.GetDepartment());
        Number(row, ContainerColumn, item.GetContainer());
        Number(row, PriceFixedColumn, item.GetPriceFixed() ? 1 : 0);
        Number(row, MaxPriceColumn, item.GetMaxPrice() ? 1 : 0);
        Number(row, MinPriceColumn, item.GetMinPrice() ? 1 : 0);
        Number(row, MeasurementColumn, item.GetMeasurement());
        Number(row, QuantityColumn, AsWritten(item.GetQuantitySold(), QuantityDecimals));
        Number(row, TurnoverColumn, AsWritten(item.GetTurnover(), TurnoverDecimals));
    }
    bool Ok() const { return Error == LXW_NO_ERROR; }

private:
    void Keep(lxw_error error) {
        if (Error == LXW_NO_ERROR) {
            Error = error;
        }
    }

    lxw_worksheet* Sheet;
    Formats Format;
    lxw_error Error = LXW_NO_ERROR;
};

// The formats of the text and price cells; either is null when it could not be made.
Formats AddFormats(lxw_workbook* book) {
    Formats formats{workbook_add_format(book), workbook_add_format(book)};
    if (formats.Text != nullptr) {
        format_set_num_format(formats.Text, TextFormat);
    }
    if (formats.Price != nullptr) {
        format_set_num_format(formats.Price, PriceFormat);
    }
    return formats;
}

// Writes the workbook to `file`, a name the C library's narrow calls take; `folder` (the
// same kind of name) takes the library's own temporary files.
bool WriteWorkbook(const std::string& file, std::string folder, const ArticleTable& table) {
    lxw_workbook_options options{};
    options.tmpdir = folder.data();
    lxw_workbook* book = workbook_new_opt(file.c_str(), &options);
    if (book == nullptr) {
        return false;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(book, SheetName);
    const Formats formats = AddFormats(book);
    bool ok = sheet != nullptr && formats.Text != nullptr && formats.Price != nullptr;
    if (ok) {
        worksheet_set_column(sheet, NameColumn, NameColumn, NameWidth, nullptr);
        worksheet_set_column(sheet, BarcodeColumn, BarcodeColumn, BarcodeWidth, formats.Text);
        SheetWriter writer(sheet, formats);
        writer.Heading();
        lxw_row_t row = 1;
        for (const TalonPLUItem& item : table) {
            if (item.GetThisID() > 0) {
                writer.Article(row++, item);
            }
        }
        ok = writer.Ok();
    }
    // Closing writes the file and frees the workbook, whatever came before.
    return workbook_close(book) == LXW_NO_ERROR && ok;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// The whole file, read through the same narrow name the library wrote it under.
bool ReadWhole(const std::string& file, std::string& content) {
    const std::unique_ptr<std::FILE, FileCloser> in(std::fopen(file.c_str(), "rb"));
    if (!in) {
        return false;
    }
    constexpr std::size_t Chunk = 1 << 16;
    std::vector<char> buffer(Chunk);
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), in.get())) > 0) {
        content.append(buffer.data(), got);
    }
    return std::ferror(in.get()) == 0;
}

} // namespace

bool SaveArticlesXlsx(const std::string& path, const ArticleTable& table) {
    const ScratchFolder scratch;
    if (scratch.Path().empty()) {
        return false;
    }
    const std::string file = scratch.File(ScratchName);
    std::string content;
    return WriteWorkbook(file, scratch.Path(), table) && ReadWhole(file, content) &&
           ReplaceFileContent(path, content);
}
