// The port box's "Emulator" item on Windows: the emulator started on a free TCP port of
// this computer, reached over the tcp:// link, and gone with the window.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <clocale>

// clang-format off
#include "text/windows_api.h"
#include <tlhelp32.h>
// clang-format on

#include "ui/app/application.h"
#include "ui/main/form_main.h"
#include "ui/main/grid_rows.h"
#include "ui/main/port_list.h"

namespace {

constexpr int DemoArticles = 8;

// The emulators this process started that still run.
int ChildEmulators() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        count += entry.th32ParentProcessID == GetCurrentProcessId() &&
                 _wcsicmp(entry.szExeFile, L"talon-emulator.exe") == 0;
    }
    CloseHandle(snapshot);
    return count;
}

QString Log() {
    return FormMain->MemoLog->toPlainText();
}

} // namespace

class TestEmulatorItem : public QObject {
    Q_OBJECT

private slots:
    void connectsListsAndEndsWithTheWindow();
};

void TestEmulatorItem::connectsListsAndEndsWithTheWindow() {
    CreateWindows();
    QComboBox* box = FormMain->ComboBoxPort;
    const int item = box->findText(QString::fromLatin1(EmulatorItemText));
    QVERIFY(IsEmulatorItem(box, item));
    box->setCurrentIndex(item);
    FormMain->BitBtnConnect->click();
    QVERIFY2(FormMain->Connected, qPrintable(Log()));
    QVERIFY(Log().contains(QStringLiteral("Povezano sa emulatorom, ne sa kasom.")));
    FormMain->BitBtnList->click();
    QCOMPARE(GridRowCount(FormMain->StringGridECR) - 1, DemoArticles); // heading left out
    // A disconnect leaves it running: the next connect reaches the same one.
    FormMain->BitBtnDisconnect->click();
    FormMain->BitBtnConnect->click();
    QVERIFY2(FormMain->Connected, qPrintable(Log()));
    QCOMPARE(ChildEmulators(), 1);
    DestroyWindows();
    QCOMPARE(ChildEmulators(), 0);
}

int main(int argc, char* argv[]) {
    Application application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    TestEmulatorItem test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_emulator_item.moc"
