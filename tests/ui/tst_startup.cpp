// The main window as start-up leaves it, and the log operations.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "serial/ecr_error.h"
#include "support_window.h"
#include "text/ecr_string.h"
#include "ui/app/application.h"
#include "ui/edit/edit_plu.h"
#include "ui/main/form_main.h"
#include "ui/main/history_page.h"
#include "ui/main/registers_page.h"
#include "ui/progress/progress_box.h"

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void CaptionAndWindow();
    void StartState();
    void ConnectionGroupValues();
    void ControlsNamedAndCaptioned_data();
    void ControlsNamedAndCaptioned();
    void ControlsInTheirGroupsAndOrder();
    void EveryControlFoundByItsName();
    void DialogsNamedAndPagesInOrder();
    void GridsSetUp();
    void WindowGrowsWithGridsAndLog();
    void PageButtonsShareTheirColumnWidth();
    void ProgressBoxStaysOverTheMainWindow();
    void EmptyTextAddsEmptyLineAndClearEmpties();
    void RegisterTextAndLinkErrorLines();
};

void TestStartup::CaptionAndWindow() {
    TestWindow window;
    TFormMain& form = window.Form();
    QCOMPARE(form.windowTitle(), QStringLiteral("TalonSendPLU 1.02.0002 [release]"));
    QCOMPARE(form.size(), QSize(705, 535));
    // It opens at its design size and can be made larger, maximised too.
    QVERIFY(form.maximumWidth() > 705 && form.maximumHeight() > 535);
    QVERIFY(form.minimumSizeHint().width() <= 705 && form.minimumSizeHint().height() <= 535);
    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.Connected, false);
    QCOMPARE(form.objectName(), QStringLiteral("FormMain"));
}

// Only the welcome line, only "Otvori" and "Obrisi" among the buttons, both grids hidden.
void TestStartup::StartState() {
    TestWindow window;
    TFormMain& form = window.Form();
    QCOMPARE(window.LogLines(), QStringList{QStringLiteral("Dobrodosli!")});
    QStringList enabled;
    for (const QPushButton* button : form.findChildren<QPushButton*>()) {
        if (button->isEnabled() && button->objectName().startsWith(QLatin1String("BitBtn"))) {
            enabled << button->objectName();
        }
    }
    enabled.sort();
    QCOMPARE(enabled,
             (QStringList{QStringLiteral("BitBtnClearLog"), QStringLiteral("BitBtnConnect")}));
    QVERIFY(!form.CheckBoxPrint->isEnabled());
    QVERIFY(form.ComboBoxPort->isEnabled());
    QVERIFY(form.ComboBoxSpeed->isEnabled());
    QVERIFY(form.EditPassword->isEnabled());
    QVERIFY(form.PageControl->isEnabled());
    QVERIFY(form.StringGridPC->isHidden());
    QVERIFY(form.StringGridECR->isHidden());
}

void TestStartup::ConnectionGroupValues() {
    TestWindow window;
    TFormMain& form = window.Form();
    QCOMPARE(form.ComboBoxSpeed->count(), 2);
    QCOMPARE(form.ComboBoxSpeed->itemText(0), QStringLiteral("9600"));
    QCOMPARE(form.ComboBoxSpeed->itemText(1), QStringLiteral("19200"));
    QCOMPARE(form.ComboBoxSpeed->currentText(), QStringLiteral("9600"));
    for (int item = 0; item < 4; ++item) {
        QCOMPARE(form.ComboBoxPort->itemText(item), QString::number(item + 1));
    }
    QCOMPARE(form.ComboBoxPort->currentText(), QStringLiteral("1"));
    QCOMPARE(form.EditPassword->text(), QStringLiteral("7351"));
    QCOMPARE(form.EditPassword->echoMode(), QLineEdit::Password);
    QVERIFY(form.EditPassword->styleSheet().contains(QLatin1String("password-character: 42")));
    QVERIFY(!form.CheckBoxPrint->isChecked());
    QCOMPARE(form.CheckBoxPrint->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(form.PageControl->currentWidget(), form.PC);
}

void TestStartup::ControlsNamedAndCaptioned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    const auto row = [](const char* name, const char* caption, const char* hint) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                            << QString::fromLatin1(hint);
    };
    row("BitBtnConnect", "Otvori", "Otvara konekciju prema Talon kasi");
    row("BitBtnDisconnect", "Zatvori", "Zatvara konekciju sa Talon kasom");
    row("CheckBoxPrint", "Stampanje na kasi",
        "Ukljucuje / iskljucuje stampanje rezultata na Talon kasi");
    row("BitBtnClearLog", "Obrisi", "Brise sve ispisane informacije");
    row("BitBtnStatus", "Status", "Prikazuje status Talon kase");
    row("BitBtnOpen", "Ucitaj", "Otvara unicode txt fajl sa artiklima");
    row("BitBtnSend", "Posalji", "Salje artikle u Talon kasu");
    row("BitBtnSort", "Rasporedi",
        "Rasporedjuje artikle na osnovu njihovih barkodova (PLU sa barkodom 100 se smesta na "
        "memorijsku lokaciju 100)");
    row("BitBtnList", "Prikazi", "Ucitava artikle iz Talon kase i prikazuje ih u programu");
    row("BitBtnSave", "Snimi", "Snima primljene artikle u unicode tekstualni fajl");
    row("BitBtnErase", "Obrisi", "Brise oznacene artikle iz Talon kase");
    row("BitBtnEraseAll", "Obrisi sve",
        "Brise sve artikle u Talon kasi, osim artikla na memorijskoj lokaciji 1");
    row("ComboBoxSpeed", "", "Brzina komunikacije sa Talon kasom (fabricka vrednost je 9600)");
    row("ComboBoxPort", "", "COM port PC na koji je prikljucena Talon kasa");
    row("EditPassword", "", "\"SEF\" lozinka na Talon kasi");
    row("Label1", "Brzina", "");
    row("Label2", "Port", "");
    row("Label3", "Lozinka", "");
}

void TestStartup::ControlsNamedAndCaptioned() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    TestWindow window;
    auto* control = window.Form().findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->toolTip(), hint);
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QCOMPARE(button->text(), caption);
        if (qobject_cast<QPushButton*>(button)) {
            QVERIFY(!button->icon().isNull());
        }
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), caption);
    }
}

void TestStartup::ControlsInTheirGroupsAndOrder() {
    TestWindow window;
    TFormMain& form = window.Form();
    form.show(); // the layouts place the controls when the window is shown
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.GroupBoxSerial->title(), QStringLiteral("Talon"));
    QCOMPARE(form.GroupBoxInfo->title(), QStringLiteral("Informacije"));
    for (QWidget* control :
         {static_cast<QWidget*>(form.ComboBoxSpeed), static_cast<QWidget*>(form.ComboBoxPort),
          static_cast<QWidget*>(form.EditPassword), static_cast<QWidget*>(form.CheckBoxPrint),
          static_cast<QWidget*>(form.BitBtnConnect),
          static_cast<QWidget*>(form.BitBtnDisconnect)}) {
        QCOMPARE(control->parentWidget(), form.GroupBoxSerial);
    }
    QCOMPARE(form.MemoLog->parentWidget(), form.GroupBoxInfo);
    QCOMPARE(form.BitBtnClearLog->parentWidget(), form.GroupBoxInfo);
    QCOMPARE(form.BitBtnStatus->parentWidget(), form.GroupBoxInfo);
    // Speed, port, password, check box down one column; the two buttons to their right.
    QVERIFY(form.ComboBoxSpeed->y() < form.ComboBoxPort->y());
    QVERIFY(form.ComboBoxPort->y() < form.EditPassword->y());
    QVERIFY(form.EditPassword->y() < form.CheckBoxPrint->y());
    QVERIFY(form.BitBtnConnect->y() < form.BitBtnDisconnect->y());
    QVERIFY(form.BitBtnConnect->x() > form.ComboBoxSpeed->geometry().right());
    QVERIFY(form.GroupBoxSerial->x() < form.GroupBoxInfo->x());
    QVERIFY(form.PageControl->y() > form.GroupBoxSerial->geometry().bottom());
    QVERIFY(form.Image1->y() > form.PageControl->geometry().bottom());
    QCOMPARE(form.Image1->size(), QSize(343, 71));
    QVERIFY(form.geometry().contains(form.Image1->geometry()));
    QCOMPARE(form.BitBtnOpen->parentWidget(), form.PC);
    QVERIFY(form.BitBtnOpen->y() < form.BitBtnSend->y());
    QVERIFY(form.BitBtnSend->y() < form.BitBtnExamine->y());
    QVERIFY(form.BitBtnExamine->y() < form.BitBtnSort->y());
    form.PageControl->setCurrentWidget(form.Talon);
    QCOMPARE(form.BitBtnList->parentWidget(), form.Talon);
    QVERIFY(form.BitBtnList->y() < form.BitBtnSave->y());
    QVERIFY(form.BitBtnSave->y() < form.BitBtnErase->y());
    QVERIFY(form.BitBtnErase->y() < form.BitBtnEraseAll->y());
}

void TestStartup::EveryControlFoundByItsName() {
    TestWindow window;
    TFormMain& f = window.Form();
    const std::pair<const char*, QWidget*> controls[] = {
        {"GroupBoxSerial", f.GroupBoxSerial},
        {"Label1", f.Label1},
        {"ComboBoxSpeed", f.ComboBoxSpeed},
        {"Label2", f.Label2},
        {"ComboBoxPort", f.ComboBoxPort},
        {"Label3", f.Label3},
        {"EditPassword", f.EditPassword},
        {"BitBtnConnect", f.BitBtnConnect},
        {"BitBtnDisconnect", f.BitBtnDisconnect},
        {"CheckBoxPrint", f.CheckBoxPrint},
        {"GroupBoxInfo", f.GroupBoxInfo},
        {"MemoLog", f.MemoLog},
        {"BitBtnClearLog", f.BitBtnClearLog},
        {"BitBtnStatus", f.BitBtnStatus},
        {"PageControl", f.PageControl},
        {"PC", f.PC},
        {"BitBtnOpen", f.BitBtnOpen},
        {"BitBtnSend", f.BitBtnSend},
        {"BitBtnExamine", f.BitBtnExamine},
        {"BitBtnSort", f.BitBtnSort},
        {"StringGridPC", f.StringGridPC},
        {"Talon", f.Talon},
        {"BitBtnList", f.BitBtnList},
        {"BitBtnSave", f.BitBtnSave},
        {"BitBtnErase", f.BitBtnErase},
        {"BitBtnEraseAll", f.BitBtnEraseAll},
        {"StringGridECR", f.StringGridECR},
        {"TabHistory", f.TabHistory},
        {"BitBtnNivelacija", f.TabHistory->BitBtnNivelacija},
        {"GridHistory", f.TabHistory->GridHistory},
        {"TabRegisters", f.TabRegisters},
        {"GridRegisters", f.TabRegisters->GridRegisters},
        {"Image1", f.Image1},
    };
    for (const auto& [name, control] : controls) {
        QVERIFY2(control != nullptr, name);
        QCOMPARE(f.findChildren<QWidget*>(QString::fromLatin1(name)), QList<QWidget*>{control});
    }
}

void TestStartup::DialogsNamedAndPagesInOrder() {
    TestWindow window;
    QCOMPARE(window.Box().objectName(), QStringLiteral("ProgressBox"));
    QVERIFY(window.Edit() != nullptr);
    QCOMPARE(window.Edit()->objectName(), QStringLiteral("EditPLU"));
    QTabWidget* pages = window.Form().PageControl;
    QCOMPARE(pages->count(), 4);
    QCOMPARE(pages->tabText(0), QStringLiteral("PC"));
    QCOMPARE(pages->tabText(1), QStringLiteral("Talon"));
    QCOMPARE(pages->tabText(2), QStringLiteral("Kase"));
    QCOMPARE(pages->tabText(3), QStringLiteral("Istorija"));
    QCOMPARE(window.Form().StringGridPC->parentWidget(), window.Form().PC);
    QCOMPARE(window.Form().StringGridECR->parentWidget(), window.Form().Talon);
}

void TestStartup::GridsSetUp() {
    TestWindow window;
    const QStringList headings{QStringLiteral("ID"), QStringLiteral("Naziv"),
                               QStringLiteral("Barkod"), QStringLiteral("Cena"),
                               QStringLiteral("Poreska Stopa")};
    const int widths[] = {50, 150, 140, 100, 100};
    for (QTableWidget* grid : {window.Form().StringGridPC, window.Form().StringGridECR}) {
        QCOMPARE(grid->columnCount(), 5);
        for (int column = 0; column < 5; ++column) {
            QCOMPARE(grid->horizontalHeaderItem(column)->text(), headings[column]);
            QCOMPARE(grid->columnWidth(column), widths[column]);
        }
        QCOMPARE(TestWindow::Rows(grid), 2);
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(grid->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    }
}

// At the design size each grid takes the page right of its buttons (as wide as their
// captions need) and at least the design height; a larger window gives the room to the
// grids and the log.
void TestStartup::WindowGrowsWithGridsAndLog() {
    TestWindow window;
    TFormMain& form = window.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (QWidget* page : {form.PC, form.Talon}) {
        form.PageControl->setCurrentWidget(page);
        QTableWidget* grid = page->findChild<QTableWidget*>();
        const QPushButton* button = page->findChild<QPushButton*>();
        grid->show(); // as a load or a listing shows it
        QTRY_VERIFY2(grid->height() >= 209,
                     qPrintable(QStringLiteral("%1x%2").arg(grid->width()).arg(grid->height())));
        QCOMPARE(grid->y(), 16);
        QCOMPARE(grid->x(), button->geometry().right() + 1 + 8);
        QCOMPARE(grid->geometry().right(), page->width() - 1 - 8);
        QVERIFY(grid->width() >= 320);
    }
    const QSize grid = form.StringGridECR->size();
    const QSize log = form.MemoLog->size();
    form.resize(1200, 900);
    QTRY_VERIFY(form.StringGridECR->width() > grid.width() + 400);
    QVERIFY(form.StringGridECR->height() > grid.height() + 200);
    QVERIFY(form.MemoLog->width() > log.width() + 400);
    QVERIFY(form.MemoLog->height() > log.height());
    QVERIFY(form.geometry().contains(form.Image1->geometry()));
}

// As wide as the widest caption needs (at least the design width), whether the grid beside
// them is shown or hidden.
void TestStartup::PageButtonsShareTheirColumnWidth() {
    TestWindow window;
    TFormMain& form = window.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (QWidget* page : {form.PC, form.Talon}) {
        form.PageControl->setCurrentWidget(page);
        const QList<QPushButton*> buttons = page->findChildren<QPushButton*>();
        int column = 88;
        for (const QPushButton* button : buttons) {
            column = qMax(column, button->sizeHint().width());
        }
        // A check box in the column (the PC page's "Proveri posle slanja") widens it too.
        for (const QCheckBox* box : page->findChildren<QCheckBox*>()) {
            column = qMax(column, box->sizeHint().width());
        }
        QTableWidget* grid = page->findChild<QTableWidget*>();
        for (const bool shown : {false, true}) {
            grid->setVisible(shown);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            for (const QPushButton* button : buttons) {
                QCOMPARE(button->width(), column);
            }
        }
    }
}

void TestStartup::ProgressBoxStaysOverTheMainWindow() {
    CreateWindows();
    QCOMPARE(ProgressBox->parentWidget(), FormMain);
    QVERIFY(ProgressBox->isWindow());
    QCOMPARE(EditPLU->parentWidget(), FormMain);
    DestroyWindows();
    QVERIFY(FormMain == nullptr && ProgressBox == nullptr && EditPLU == nullptr);
}

void TestStartup::EmptyTextAddsEmptyLineAndClearEmpties() {
    TestWindow window;
    window.Form().Log(QString());
    window.Form().Log(QStringLiteral("posle"));
    QCOMPARE(window.LogLines(),
             (QStringList{QStringLiteral("Dobrodosli!"), QString(), QStringLiteral("posle")}));
    window.Form().BitBtnClearLog->click();
    QCOMPARE(window.LogLines(), QStringList{});
    QVERIFY(window.Form().MemoLog->toPlainText().isEmpty());
    window.Form().Log(QString());
    window.Form().Log(QStringLiteral("posle"));
    QCOMPARE(window.LogLines(), (QStringList{QString(), QStringLiteral("posle")}));
}

void TestStartup::RegisterTextAndLinkErrorLines() {
    TestWindow window;
    window.ClearLog();
    window.Form().Log(ECRString("\xCA\xE0\xF4\xE0 i \x8A\x9A"));
    for (const std::int32_t code : std::initializer_list<std::int32_t>{
             ErrorTimeout, ErrorWritingPort, ErrorReadingPort, ErrorApplyingSettings, -1,
             ErrorMessageCount, ErrorBadReply}) {
        window.Form().LogLinkError(ECRError(code));
    }
    QCOMPARE(window.LogLines(),
             (QStringList{QStringLiteral("Кафа i Љљ"), LinkTimeoutLine, PortGoneLine, PortGoneLine,
                          QStringLiteral("Greska u komunikaciji: Error aplying port settings"),
                          QStringLiteral("Greska u komunikaciji: ???"),
                          QStringLiteral("Greska u komunikaciji: ???"),
                          QStringLiteral("Greska u komunikaciji: kasa je poslala neispravan "
                                         "odgovor. Pokusajte ponovo.")}));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
