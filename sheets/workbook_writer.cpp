#include "sheets/workbook_writer.h"

#include <xlsxwriter.h>

#include "files/replace_file.h"
#include "files/scratch_folder.h"
#include "files/whole_file.h"

namespace {

const char* const ScratchName = "workbook.xlsx";
const char* const TextNumberFormat = "@";
const char* const TwoDecimalsNumberFormat = "0.00";

lxw_format* NumberFormat(lxw_workbook* workbook, const char* pattern) {
    lxw_format* format = workbook_add_format(workbook);
    if (format != nullptr) {
        format_set_num_format(format, pattern);
    }
    return format;
}

} // namespace

struct WorkbookWriter::Book {
    ScratchFolder Scratch;
    std::string LibraryFolder;        // the scratch folder, as libxlsxwriter takes it
    lxw_workbook* Workbook = nullptr; // null once closed, or when it could not be made
    lxw_worksheet* Sheet = nullptr;   // the one written to
    lxw_format* TextFormat = nullptr;
    lxw_format* TwoDecimalsFormat = nullptr;
    bool Failed = false;

    void Keep(lxw_error error) { Failed = Failed || error != LXW_NO_ERROR; }

    // The format, or null for General; a format that could not be made fails the book.
    lxw_format* Of(CellFormat format) {
        lxw_format* made = format == CellFormat::Text          ? TextFormat
                           : format == CellFormat::TwoDecimals ? TwoDecimalsFormat
                                                               : nullptr;
        Failed = Failed || (format != CellFormat::General && made == nullptr);
        return made;
    }

    // The sheet to write to; null, failing the book, when there is none.
    lxw_worksheet* Target() {
        Failed = Failed || Sheet == nullptr;
        return Sheet;
    }
};

WorkbookWriter::WorkbookWriter() : B(std::make_unique<Book>()) {
    if (B->Scratch.Path().empty()) {
        return;
    }
    // Named as the C library's narrow calls take names, in which libxlsxwriter opens them.
    B->LibraryFolder = B->Scratch.Path();
    lxw_workbook_options options{};
    options.tmpdir = B->LibraryFolder.data();
    B->Workbook = workbook_new_opt(B->Scratch.File(ScratchName).c_str(), &options);
    if (B->Workbook != nullptr) {
        B->TextFormat = NumberFormat(B->Workbook, TextNumberFormat);
        B->TwoDecimalsFormat = NumberFormat(B->Workbook, TwoDecimalsNumberFormat);
    }
}

WorkbookWriter::~WorkbookWriter() {
    if (B->Workbook != nullptr) {
        workbook_close(B->Workbook); // frees it; the file goes with the scratch folder
    }
}

void WorkbookWriter::AddSheet(const std::string& name) {
    B->Sheet = B->Workbook != nullptr ? workbook_add_worksheet(B->Workbook, name.c_str()) : nullptr;
}

void WorkbookWriter::SetColumn(Column column, double width, CellFormat format) {
    if (lxw_worksheet* sheet = B->Target()) {
        B->Keep(worksheet_set_column(sheet, column, column, width, B->Of(format)));
    }
}

void WorkbookWriter::Text(Row row, Column column, const std::string& text, CellFormat format) {
    if (lxw_worksheet* sheet = B->Target()) {
        B->Keep(worksheet_write_string(sheet, row, column, text.c_str(), B->Of(format)));
    }
}

void WorkbookWriter::Number(Row row, Column column, double value, CellFormat format) {
    if (lxw_worksheet* sheet = B->Target()) {
        B->Keep(worksheet_write_number(sheet, row, column, value, B->Of(format)));
    }
}

void WorkbookWriter::Formula(Row row, Column column, const std::string& formula,
                             CellFormat format) {
    if (lxw_worksheet* sheet = B->Target()) {
        B->Keep(worksheet_write_formula(sheet, row, column, formula.c_str(), B->Of(format)));
    }
}

void WorkbookWriter::Formula(Row row, Column column, const std::string& formula, double value,
                             CellFormat format) {
    if (lxw_worksheet* sheet = B->Target()) {
        B->Keep(
            worksheet_write_formula_num(sheet, row, column, formula.c_str(), B->Of(format), value));
    }
}

void WorkbookWriter::FreezeRowsAbove(Row row) {
    if (lxw_worksheet* sheet = B->Target()) {
        worksheet_freeze_panes(sheet, row, 0);
    }
}

bool WorkbookWriter::Save(const std::string& path) {
    if (B->Workbook == nullptr) {
        return false;
    }
    // Closing writes the file and frees the workbook, whatever failed before.
    B->Keep(workbook_close(B->Workbook));
    B->Workbook = nullptr;
    std::string content;
    return !B->Failed &&
           ReadWholeFile(B->Scratch.ProgramFile(ScratchName), content) == WholeFileRead::Read &&
           ReplaceFileContent(path, content);
}
