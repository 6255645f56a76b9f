// The article edit dialog and the edit flow of the register grid.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <cstdint>

#include "support_articles.h"
#include "support_window.h"
#include "ui/edit/edit_plu.h"
#include "ui/edit/strict_numbers.h"
#include "ui/main/form_main.h"
#include "ui/main/grid_rows.h"
#include "ui/progress/progress_box.h"

namespace {

// Price 12.5, tax 2, department 3, container 4, price fixed, max price, measurement 6,
// 3 sold, turnover 37.5.
const char* const FiveLine = "\"Pet\"\t505\t12.5\t2\t3\t4\t1\t1\t0\t6\t3\t37.5";

// A register holding the article of FiveLine at 5 and simple ones elsewhere, listed.
void ListedWindow(TestWindow& window, const std::vector<int>& others = {1, 9}) {
    window.Register().SetArticle(5, ArticleFromLine(FiveLine));
    for (const int location : others) {
        const std::string name = "A" + std::to_string(location);
        const std::string code = std::to_string(1000 + location);
        window.Register().SetArticle(location, MakeArticle(name.c_str(), code.c_str(), 1.0));
    }
    QVERIFY(window.ConnectAndList());
}

// Double-clicks the grid row whose ID is given; `answer` plays the operator in the open
// dialog. True when the dialog was opened.
bool EditRow(TFormMain& form, int id, const std::function<bool(TEditPLU&)>& answer) {
    for (int row = 1; row < GridRowCount(form.StringGridECR); ++row) {
        if (GridCell(form.StringGridECR, row, 0).toInt() == id) {
            SelectGridRow(form.StringGridECR, row);
        }
    }
    bool opened = false;
    form.RunEditDialog = [&form, &opened, &answer] {
        opened = true;
        return answer(*form.EditPLU);
    };
    form.StringGridECRDblClick();
    return opened;
}

QString NameInRow(const TFormMain& form, int row) {
    return TestWindow::Cell(form.StringGridECR, row, 1);
}

QString NameAt(const TFormMain& form, int index) {
    return QString::fromLatin1(form.ArticlesECR[index].GetDescription().Text());
}

} // namespace

class TestEdit : public QObject {
    Q_OBJECT

private slots:
    void dialogLooksAsDesigned();
    void keyboardOrderAndFocus();
    void integersAreStrict_data();
    void integersAreStrict();
    void decimalsAreStrict_data();
    void decimalsAreStrict();
    void takeEditsReadsEveryControl();
    void infiniteAmountIsRefused_data();
    void infiniteAmountIsRefused();
    void protectedRowOpensNothing();
    void dialogShowsTheArticle();
    void cancelSendsNothing();
    void badPriceIsShownAndNothingSent_data();
    void badPriceIsShownAndNothingSent();
    void acceptedChangeUpdatesTheSameRow();
    void refusedChangeKeepsTheRow();
    void firstListedArticleIsEditable();
    void idBeyondTableOpensItsEntry();
    void rowWithoutEntryOpensNothing();
    void mouseDoubleClickOpensThatRow();
};

void TestEdit::dialogLooksAsDesigned() {
    TEditPLU dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Promena PLU"));
    QCOMPARE(dialog.objectName(), QStringLiteral("EditPLU"));
    const QStringList labels = {"ThisID",      "Description",  "Code",       "Price",    "TaxRate",
                                "Department",  "Container",    "PriceFixed", "MaxPrice", "MinPrice",
                                "Measurement", "QuantitySold", "Turnover",   "NextID"};
    QStringList shown;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        shown << label->text();
    }
    QCOMPARE(shown, labels);
    const QStringList disabled = {"EditThisID", "EditQuantitySold", "EditTurnover", "EditNextID"};
    for (const QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
        QCOMPARE(!edit->isEnabled(), disabled.contains(edit->objectName()));
    }
    QCOMPARE(dialog.findChildren<QLineEdit*>().size(), 11);
    QCOMPARE(dialog.findChildren<QCheckBox*>().size(), 3);
    QVERIFY(dialog.findChild<QLineEdit*>("EditContainerNumber") != nullptr);
    QVERIFY(dialog.findChild<QCheckBox*>("CheckBoxMinPrice") != nullptr);
    QCOMPARE(dialog.OKBtn->text(), QStringLiteral("Potvrdi"));
    QCOMPARE(dialog.OKBtn->toolTip(), QStringLiteral("Potvrdi promene plu i posalji na Talon"));
    QVERIFY(dialog.OKBtn->isDefault());
    QCOMPARE(dialog.CancelBtn->text(), QStringLiteral("Odustani"));
    QCOMPARE(dialog.CancelBtn->toolTip(),
             QStringLiteral("Odustani od promene plu i sacuvaj prethodnu verziju"));
    QCOMPARE(dialog.size(), QSize(219, 394));
}

void TestEdit::keyboardOrderAndFocus() {
    TEditPLU dialog;
    const QStringList expected = {"EditDescription",
                                  "EditCode",
                                  "EditPrice",
                                  "EditTaxRate",
                                  "EditDepartment",
                                  "EditContainerNumber",
                                  "CheckBoxPriceFixed",
                                  "CheckBoxMaxPrice",
                                  "CheckBoxMinPrice",
                                  "EditMeasurementUnit",
                                  "OKBtn",
                                  "CancelBtn"};
    QStringList order;
    QWidget* widget = dialog.EditThisID;
    for (int i = 0; i < 100 && order.size() < expected.size(); ++i) {
        widget = widget->nextInFocusChain();
        if (widget->isEnabled() && widget->focusPolicy() & Qt::TabFocus) {
            order << widget->objectName();
        }
    }
    QCOMPARE(order, expected);

    // Focus starts in the description; Escape cancels, Enter confirms.
    dialog.FillFrom(ArticleFromLine(FiveLine));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(dialog.EditDescription));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    dialog.show();
    dialog.EditDescription->setFocus();
    QTest::keyClick(dialog.EditDescription, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestEdit::integersAreStrict_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << "42" << true << 42;
    QTest::newRow("minus") << "-7" << true << -7;
    QTest::newRow("plus") << "+3" << true << 3;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("digits then letter") << "12a" << false << 0;
    QTest::newRow("leading blank") << " 12" << false << 0;
    QTest::newRow("decimal") << "1.0" << false << 0;
    QTest::newRow("too large") << "99999999999" << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
}

void TestEdit::integersAreStrict() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    std::int32_t parsed = -99;
    QCOMPARE(ParseStrictInteger(text, parsed), valid);
    QCOMPARE(parsed, valid ? value : -99);
}

void TestEdit::decimalsAreStrict_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("userPoint");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    const auto row = [](const char* name, const char* text, const char* point, bool valid,
                        double value) {
        QTest::newRow(name) << QString(text) << QString(point) << valid << value;
    };
    row("point", "12.50", ".", true, 12.5);
    row("point with comma user", "12.50", ",", true, 12.5);
    row("comma user", "12,5", ",", true, 12.5);
    row("comma for point user", "12,5", ".", false, 0.0);
    row("whole", "7", ".", true, 7.0);
    row("negative", "-3.25", ".", true, -3.25);
    row("empty", "", ".", false, 0.0);
    row("letters", "abc", ".", false, 0.0);
    row("two points", "1.2.3", ".", false, 0.0);
    row("point and comma", "1,2.3", ",", false, 0.0);
    row("exponent", "1e3", ".", false, 0.0);
    row("trailing blank", "12.5 ", ".", false, 0.0);
    row("point only", ".", ".", false, 0.0);
    row("infinity", "inf", ".", false, 0.0);
}

void TestEdit::decimalsAreStrict() {
    QFETCH(QString, text);
    QFETCH(QString, userPoint);
    QFETCH(bool, valid);
    QFETCH(double, value);
    double parsed = -99.0;
    QCOMPARE(ParseStrictDecimal(text, userPoint, parsed), valid);
    QCOMPARE(parsed, valid ? value : -99.0);
}

void TestEdit::takeEditsReadsEveryControl() {
    TEditPLU dialog;
    dialog.FillFrom(ArticleFromLine(FiveLine));
    dialog.EditDescription->setText(QStringLiteral("Кафа"));
    dialog.EditCode->setText(QStringLiteral("999"));
    dialog.EditPrice->setText(QStringLiteral("1.25"));
    dialog.EditTaxRate->setText(QStringLiteral("4"));
    dialog.EditDepartment->setText(QStringLiteral("5"));
    dialog.EditContainerNumber->setText(QStringLiteral("6"));
    dialog.CheckBoxPriceFixed->setChecked(false);
    dialog.CheckBoxMaxPrice->setChecked(false);
    dialog.CheckBoxMinPrice->setChecked(true);
    dialog.EditMeasurementUnit->setText(QStringLiteral("7"));
    const TalonPLUItem* item = dialog.TakeEdits();
    QCOMPARE(item, &dialog.Item);
    QCOMPARE(QByteArray(item->GetDescription().Text()), QByteArray("\xCA\xE0\xF4\xE0"));
    QCOMPARE(ArticleFields(*item), QString::fromLatin1("\xCA\xE0\xF4\xE0") +
                                       QStringLiteral("|999|1.250|4|5|6|0|0|1|7|3.000|37.500"));

    dialog.EditTaxRate->setText(QStringLiteral("x1"));
    try {
        dialog.TakeEdits();
        QFAIL("a letter in TaxRate must not convert");
    } catch (const EditConversionError& error) {
        const QString message = QString::fromStdString(error.what());
        QVERIFY(message.contains("TaxRate") && message.contains("x1"));
    }
}

void TestEdit::infiniteAmountIsRefused_data() {
    QTest::addColumn<QByteArray>("amounts"); // a register reply after the two texts
    QTest::addColumn<QString>("field");
    QTest::newRow("price") << QByteArray("1e999\t1|0|0|0|0|0|0|0\t0\t") << "Price";
    QTest::newRow("quantity") << QByteArray("100\t1|0|0|0|0|0|0|1e999\t0\t") << "QuantitySold";
    QTest::newRow("turnover") << QByteArray("100\t1|0|0|0|0|0|0|0\t-1e999\t") << "Turnover";
}

void TestEdit::infiniteAmountIsRefused() {
    QFETCH(QByteArray, amounts);
    QFETCH(QString, field);
    // Only a broken register reply holds such an amount: the dialog never takes it back.
    amounts.replace('|', '\xFE');
    TalonPLUItem item;
    item.FromECRText(ECRString(("N\nC\n" + amounts + "5\t0").constData()));
    TEditPLU dialog;
    dialog.FillFrom(item);
    try {
        dialog.TakeEdits();
        QFAIL("an infinite amount must not be taken");
    } catch (const EditConversionError& error) {
        const QString message = QString::fromStdString(error.what());
        QVERIFY2(message.contains(field) && message.contains("inf"), qPrintable(message));
    }
}

void TestEdit::protectedRowOpensNothing() {
    TestWindow window;
    ListedWindow(window);
    QVERIFY(!EditRow(window.Form(), 1, [](TEditPLU&) { return true; }));
    QVERIFY(window.Commands().empty());
    QVERIFY(window.LogLines().isEmpty());
}

void TestEdit::dialogShowsTheArticle() {
    TestWindow window;
    ListedWindow(window);
    QStringList shown;
    QVERIFY(EditRow(window.Form(), 5, [&shown](TEditPLU& d) {
        shown = QStringList{d.EditThisID->text(),
                            d.EditDescription->text(),
                            d.EditCode->text(),
                            d.EditPrice->text(),
                            d.EditTaxRate->text(),
                            d.EditDepartment->text(),
                            d.EditContainerNumber->text(),
                            QString::number(d.CheckBoxPriceFixed->isChecked()),
                            QString::number(d.CheckBoxMaxPrice->isChecked()),
                            QString::number(d.CheckBoxMinPrice->isChecked()),
                            d.EditMeasurementUnit->text(),
                            d.EditQuantitySold->text(),
                            d.EditTurnover->text(),
                            d.EditNextID->text()};
        return false;
    }));
    QCOMPARE(shown, (QStringList{"5", "Pet", "505", "12.50", "2", "3", "4", "1", "1", "0", "6",
                                 "3.000", "37.50", "9"}));
}

void TestEdit::cancelSendsNothing() {
    TestWindow window;
    ListedWindow(window);
    QVERIFY(EditRow(window.Form(), 5, [](TEditPLU& d) {
        d.EditDescription->setText(QStringLiteral("Promenjeno"));
        d.EditPrice->setText(QStringLiteral("99"));
        return false;
    }));
    QVERIFY(window.Commands().empty());
    QString name;
    QString price;
    QVERIFY(EditRow(window.Form(), 5, [&](TEditPLU& d) {
        name = d.EditDescription->text();
        price = d.EditPrice->text();
        return false;
    }));
    QCOMPARE(name, QStringLiteral("Pet"));
    QCOMPARE(price, QStringLiteral("12.50"));
    QCOMPARE(NameInRow(window.Form(), 2), QStringLiteral("Pet"));
}

void TestEdit::badPriceIsShownAndNothingSent_data() {
    QTest::addColumn<QString>("price");
    QTest::newRow("letters") << "dvanaest";
    QTest::newRow("empty") << "";
}

void TestEdit::badPriceIsShownAndNothingSent() {
    QFETCH(QString, price);
    TestWindow window;
    ListedWindow(window);
    CapturedErrors errors;
    QVERIFY(EditRow(window.Form(), 5, [&price](TEditPLU& d) {
        d.EditDescription->setText(QStringLiteral("Novo"));
        d.EditPrice->setText(price);
        return true;
    }));
    QCOMPARE(errors.Texts.size(), 1);
    QVERIFY(errors.Texts.first().contains(QStringLiteral("Price")));
    QVERIFY(window.Commands().empty());
    QVERIFY(window.LogLines().isEmpty());
    QCOMPARE(NameInRow(window.Form(), 2), QStringLiteral("Pet"));
    QCOMPARE(NameAt(window.Form(), 5), QStringLiteral("Pet"));
    QVERIFY(window.Usable());
}

void TestEdit::acceptedChangeUpdatesTheSameRow() {
    TestWindow window;
    ListedWindow(window);
    QVERIFY(EditRow(window.Form(), 5, [](TEditPLU& d) {
        d.EditDescription->setText(QStringLiteral("Кафа"));
        d.EditPrice->setText(QStringLiteral("13.75"));
        return true;
    }));
    QCOMPARE(CommandNumbers(window.Commands(), WritePrefix), std::vector<int>{5});
    QVERIFY(window.LogLines().isEmpty());
    TFormMain& form = window.Form();
    QCOMPARE(TestWindow::Row(form.StringGridECR, 2), QStringLiteral("5|Кафа|505|13.75|2"));
    QCOMPARE(TestWindow::Rows(form.StringGridECR), 4);
    QCOMPARE(form.ArticlesECR[5].GetPrice(), 13.75);
    QCOMPARE(form.ArticlesECR[5].GetQuantitySold(), 3.0);
    const TalonPLUItem held = window.Register().Articles().at(5);
    QCOMPARE(QByteArray(held.GetDescription().Text()), QByteArray("\xCA\xE0\xF4\xE0"));
    QVERIFY(window.Usable());
}

void TestEdit::refusedChangeKeepsTheRow() {
    TestWindow window;
    ListedWindow(window);
    QVERIFY(EditRow(window.Form(), 5, [](TEditPLU& d) {
        d.EditDescription->setText(QStringLiteral("Novo ime"));
        d.EditCode->setText(QStringLiteral("1009")); // the barcode of the article at 9
        return true;
    }));
    QCOMPARE(window.LogLines(),
             (QStringList{QStringLiteral("Novo ime"),
                          QStringLiteral("Greska 122: Nije jedinstven bar kod")}));
    QCOMPARE(NameInRow(window.Form(), 2), QStringLiteral("Pet"));
    QCOMPARE(QString(window.Form().ArticlesECR[5].GetCode().Text()), QStringLiteral("505"));
    QVERIFY(window.Usable());
}

void TestEdit::firstListedArticleIsEditable() {
    TestWindow window;
    ListedWindow(window, {9}); // 5 is the first listed article, stored at index 0
    QString id;
    QVERIFY(EditRow(window.Form(), 5, [&id](TEditPLU& d) {
        id = d.EditThisID->text();
        d.EditDescription->setText(QStringLiteral("Prvi"));
        return true;
    }));
    QCOMPARE(id, QStringLiteral("5"));
    QCOMPARE(CommandNumbers(window.Commands(), WritePrefix), std::vector<int>{5});
    QCOMPARE(NameInRow(window.Form(), 1), QStringLiteral("Prvi"));
    QCOMPARE(NameAt(window.Form(), 0), QStringLiteral("Prvi"));
}

void TestEdit::idBeyondTableOpensItsEntry() {
    TestWindow window;
    ListedWindow(window);
    TFormMain& form = window.Form();
    form.ArticlesECR[7] = ArticleWithThisID("Daleko", "3500", 3500);
    form.FillGridECR();
    QString shown;
    QVERIFY(EditRow(form, 3500, [&shown](TEditPLU& d) {
        shown = d.EditDescription->text();
        return false;
    }));
    QCOMPARE(shown, QStringLiteral("Daleko"));
}

void TestEdit::rowWithoutEntryOpensNothing() {
    TestWindow window;
    ListedWindow(window);
    TFormMain& form = window.Form();
    SetGridCell(form.StringGridECR, 2, 0, QStringLiteral("77")); // no entry has ThisID 77
    QVERIFY(!EditRow(form, 77, [](TEditPLU&) { return true; }));
    QVERIFY(window.Commands().empty());
}

void TestEdit::mouseDoubleClickOpensThatRow() {
    TestWindow window;
    ListedWindow(window);
    TFormMain& form = window.Form();
    form.show();
    form.PageControl->setCurrentWidget(form.Talon);
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    int opened = 0;
    QString shown;
    form.RunEditDialog = [&form, &opened, &shown] {
        ++opened;
        shown = form.EditPLU->EditThisID->text();
        return false;
    };
    QTableWidget* grid = form.StringGridECR;
    const QRect cell = grid->visualRect(grid->model()->index(1, 1)); // grid row 2: ID 5
    // A real double click: the first press selects the row, the second comes as a double
    // click.
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QCOMPARE(opened, 1);
    QCOMPARE(shown, QStringLiteral("5"));
    QVERIFY(window.Commands().empty());
}

QTEST_MAIN(TestEdit)
#include "tst_edit.moc"
