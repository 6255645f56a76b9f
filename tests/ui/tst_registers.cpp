// The page "Kase": the changes of the PC list sent to every ticked till at once, each row
// with its own result, the failed tills tried again, and "Prekini" stopping them all.
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "support_articles.h"
#include "support_window.h"
#include "tills/till.h"
#include "ui/main/form_main.h"
#include "ui/main/registers_model.h"
#include "ui/main/registers_page.h"
#include "ui/progress/progress_box.h"

namespace {

// A register of its own (its fiscal module names its image) and the till saved for it.
struct SavedRegister {
    std::unique_ptr<TalonEmulator> Emulator;
    Till Saved;
};

std::vector<SavedRegister> Registers(const QStringList& names, int baudRate = 0) {
    std::vector<SavedRegister> registers;
    for (const QString& name : names) {
        EmulatorOptions options;
        options.BaudRate = baudRate;
        options.FiscalModule = "TE00010" + std::to_string(registers.size());
        SavedRegister saved{std::make_unique<TalonEmulator>(options), Till{}};
        saved.Emulator->Start();
        saved.Saved.Name = name.toStdString();
        saved.Saved.Port = saved.Emulator->DevicePath();
        registers.push_back(std::move(saved));
    }
    return registers;
}

QStringList Column(TFormMain& form, int column) {
    QStringList cells;
    const QAbstractItemModel& model = form.TabRegisters->Model();
    for (int row = 0; row < model.rowCount(); ++row) {
        cells << model.index(row, column).data().toString();
    }
    return cells;
}

QStringList States(TFormMain& form) {
    return Column(form, RegistersModel::StateColumn);
}

} // namespace

class TestRegisters : public QObject {
    Q_OBJECT

private slots:
    void init();
    void sendsToEveryTillThenRetriesTheSilentOne();
    void stopEndsEveryTill();

private:
    // Saves the tills through "Dodaj", then lists each through the group "Talon" (a
    // double click on its row) so that its image can be trusted.
    void AddAndList(TestWindow& window, const std::vector<SavedRegister>& registers);
    void LoadArticles(TestWindow& window, int count);

    std::unique_ptr<QTemporaryDir> Data;
    QTemporaryDir Files;
};

void TestRegisters::init() {
    Data = std::make_unique<QTemporaryDir>();
    QVERIFY(Data->isValid());
    qputenv("XDG_DATA_HOME", Data->path().toLocal8Bit());
}

void TestRegisters::AddAndList(TestWindow& window, const std::vector<SavedRegister>& registers) {
    TFormMain& form = window.Form();
    QTableView* grid = form.TabRegisters->GridRegisters;
    form.PageControl->setCurrentWidget(form.TabRegisters);
    form.show(); // the grid's rows have their places
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const SavedRegister& saved : registers) {
        form.RunRegisterDialog = [&saved](Till& till, const QStringList&) {
            till = saved.Saved;
            return true;
        };
        form.TabRegisters->ButtonAddRegister->click();
    }
    QCOMPARE(form.TabRegisters->Model().rowCount(), static_cast<int>(registers.size()));
    for (int row = 0; row < static_cast<int>(registers.size()); ++row) {
        const QRect cell = grid->visualRect(grid->model()->index(row, RegistersModel::NameColumn));
        // A real double click: a press and release, then the second press as the double click.
        QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        form.BitBtnConnect->click();
        QVERIFY2(form.Connected, qPrintable(window.LogLines().join(QLatin1Char('\n'))));
        form.BitBtnListClick();
        form.BitBtnDisconnect->click();
    }
    window.ClearLog();
}

void TestRegisters::LoadArticles(TestWindow& window, int count) {
    QStringList lines{ArticleFileHeading};
    for (int article = 1; article <= count; ++article) {
        lines << ArticleLine(QStringLiteral("ARTIKAL %1").arg(article),
                             QString::number(1000 + article), QStringLiteral("1.50"));
    }
    const QString path = Files.filePath(QStringLiteral("artikli.txt"));
    WriteArticleFile(path, lines);
    window.LoadFile(path); // no connection is needed for the saved tills
    QVERIFY(window.Form().PCListLoaded());
}

void TestRegisters::sendsToEveryTillThenRetriesTheSilentOne() {
    std::vector<SavedRegister> registers = Registers(
        {QStringLiteral("Kasa 1"), QString::fromUtf8("Каса 2"), QStringLiteral("Kasa 3")});
    TestWindow window;
    TFormMain& form = window.Form();
    AddAndList(window, registers);
    LoadArticles(window, 3);
    registers[2].Emulator->GoSilentAfter(0);
    form.TabRegisters->ButtonSendChangesAll->click();

    const QString written = QStringLiteral("Upisano 3, isto 0");
    QCOMPARE(States(form), (QStringList{written, written, QStringLiteral("Kasa ne odgovara")}));
    const QStringList last = Column(form, RegistersModel::LastColumn);
    QVERIFY2(last[0].endsWith(QStringLiteral(" OK")), qPrintable(last[0]));
    QVERIFY2(last[2].endsWith(QStringLiteral(" greska")), qPrintable(last[2]));
    QStringList lines = window.LogLines();
    lines.sort();
    QCOMPARE(lines, (QStringList{QStringLiteral("[Kasa 1] ") + written,
                                 QStringLiteral("[Kasa 3] Kasa ne odgovara"),
                                 QString::fromUtf8("[Каса 2] ") + written}));
    QCOMPARE(registers[0].Emulator->Articles().size(), std::size_t{3});
    QCOMPARE(registers[1].Emulator->Articles().size(), std::size_t{3});
    QVERIFY(registers[2].Emulator->Articles().empty());
    QVERIFY(window.Usable());

    registers[2].Emulator->Resume();
    for (SavedRegister& saved : registers) {
        saved.Emulator->ClearReceived();
    }
    QVERIFY(form.TabRegisters->ButtonRetryFailed->isEnabled());
    form.TabRegisters->ButtonRetryFailed->click();
    QVERIFY(registers[0].Emulator->ReceivedFrames().empty());
    QVERIFY(registers[1].Emulator->ReceivedFrames().empty());
    QCOMPARE(CommandNumbers(registers[2].Emulator->ReceivedCommands(), WritePrefix),
             (std::vector<int>{2, 3, 4}));
    QCOMPARE(States(form), (QStringList{written, written, written}));
    QVERIFY(!form.TabRegisters->ButtonRetryFailed->isEnabled());
}

void TestRegisters::stopEndsEveryTill() {
    constexpr int Articles = 40;
    constexpr int PacedBaud = 9600;
    std::vector<SavedRegister> registers =
        Registers({QStringLiteral("Prva"), QStringLiteral("Druga")}, PacedBaud);
    TestWindow window;
    TFormMain& form = window.Form();
    AddAndList(window, registers);
    LoadArticles(window, Articles);
    // "Prekini" as soon as the first article of any till is written.
    QProgressBar* bar = window.Box().ProgressBar;
    const QMetaObject::Connection stopper =
        connect(bar, &QProgressBar::valueChanged, &window.Box(), [&window](int value) {
            if (value == 1) {
                QMetaObject::invokeMethod(
                    window.Box().ButtonStop, [&window] { window.Box().ButtonStop->click(); },
                    Qt::QueuedConnection);
            }
        });
    form.TabRegisters->ButtonSendChangesAll->click();
    disconnect(stopper);

    const QRegularExpression stopped(QStringLiteral("^Prekinuto(: Upisano (\\d+), isto 0)?$"));
    for (const QString& state : States(form)) {
        const QRegularExpressionMatch match = stopped.match(state);
        QVERIFY2(match.hasMatch(), qPrintable(state));
        QVERIFY(match.captured(2).toInt() < Articles);
    }
    for (const QString& last : Column(form, RegistersModel::LastColumn)) {
        QVERIFY2(last.endsWith(QStringLiteral(" prekinuto")), qPrintable(last));
    }
    const QStringList lines = window.LogLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(
        lines.filter(QRegularExpression(QStringLiteral("^\\[(Prva|Druga)\\] Prekinuto"))).size(),
        2);
    QVERIFY(window.Usable());
    QVERIFY(form.TabRegisters->ButtonRetryFailed->isEnabled());
}

QTEST_MAIN(TestRegisters)
#include "tst_registers.moc"
