// The page "Istorija": the records of changes, and the nivelacija made of them.
#include "ui/main/form_main.h"

#include "operations/history_document.h"
#include "ui/common/native_path.h"
#include "ui/main/history_page.h"

namespace {

// A record gone between the listing and the reading is no fault: it is simply not shown.
QStringList FaultLines(const HistoryRefresh& refresh, const std::string& folder) {
    QStringList lines;
    if (refresh.FolderUnreadable) {
        lines << QStringLiteral("Greska: fasciklu %1 nije moguce procitati")
                     .arg(QString::fromStdString(folder));
    }
    for (const RecordFault& fault : refresh.Faults) {
        if (fault.What == RecordFault::Unreadable) {
            lines << QStringLiteral("Greska: fajl %1 nije moguce procitati")
                         .arg(QString::fromStdString(fault.Path));
        }
    }
    return lines;
}

} // namespace

void TFormMain::RefreshHistory() {
    const HistoryRefresh refresh = TabHistory->Refresh();
    const QStringList faults = FaultLines(refresh, TabHistory->Book()->Folder());
    if (faults != HistoryFaults) {
        for (const QString& fault : faults) {
            Log(fault);
        }
    }
    HistoryFaults = faults;
}

void TFormMain::BitBtnNivelacijaClick() {
    const QString path = ChooseNivelacijaFile ? ChooseNivelacijaFile() : QString();
    if (path.isEmpty()) {
        return;
    }
    RefreshHistory(); // the document holds what the records hold now
    const HistoryDocument document =
        SaveHistoryDocument(NativePath(path), *TabHistory->Book(), TabHistory->Filter());
    for (const std::string& line : HistoryDocumentLines(path.toStdString(), document)) {
        Log(QString::fromStdString(line));
    }
}
