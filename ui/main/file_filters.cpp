#include "ui/main/file_filters.h"

const char* const OpenFileFilters =
    "Tabele i tekst (*.xlsx *.ods *.txt *.csv);;Excel (*.xlsx);;OpenDocument (*.ods);;"
    "Tekst i CSV (*.txt *.csv);;UNICODE (*.txt);;Svi fajlovi (*)";
const char* const SaveFileFilter = "UNICODE (*.txt);;Excel (*.xlsx)";
const char* const NivelacijaFileFilter = "Excel (*.xlsx);;UNICODE (*.txt)";
