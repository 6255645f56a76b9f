// "Posalji izmene": only what differs from the register's image is written.
#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "support_articles.h"
#include "support_window.h"
#include "ui/main/form_main.h"

namespace {

// The file the PC list is loaded from: DVA's price is the only change.
QStringList FileLines(const QString& dvaPrice) {
    return {ArticleFileHeading, ArticleLine("JEDAN", "5", "1.00"),
            ArticleLine("DVA", "3", dvaPrice), ArticleLine("TRI", "4", "1.00")};
}

} // namespace

class TestSync : public QObject {
    Q_OBJECT

private slots:
    void init();
    void writesOnlyTheChangedArticle();
    void untrustedImageWritesNothing();
    void verifyReadsBackWhatItWrote();
    void aBrokenSendIsTakenUpWhereItStopped();

private:
    QTemporaryDir Data;
    QTemporaryDir Files;
    void Load(TestWindow& window, const QString& dvaPrice);
};

void TestSync::init() {
    QVERIFY(Data.isValid());
    qputenv("XDG_DATA_HOME", Data.path().toLocal8Bit());
}

void TestSync::Load(TestWindow& window, const QString& dvaPrice) {
    const QString path = Files.filePath(QStringLiteral("artikli.txt"));
    WriteArticleFile(path, FileLines(dvaPrice));
    window.LoadFile(path);
}

void TestSync::writesOnlyTheChangedArticle() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    QVERIFY(!form.BitBtnSendChanges->isEnabled());
    QCOMPARE(form.BitBtnSendChanges->toolTip(),
             QStringLiteral("Salje samo artikle koji se razlikuju od onoga sto je u kasi"));
    Load(window, QStringLiteral("1.00"));
    QVERIFY(form.BitBtnSendChanges->isEnabled());
    form.BitBtnSend->click();
    Load(window, QStringLiteral("2.50"));
    window.ClearLog();
    window.ClearReceived();
    form.BitBtnSendChanges->click();

    QCOMPARE(CommandNumbers(window.Commands(), WritePrefix), std::vector<int>{3});
    QCOMPARE(window.LogLines(),
             QStringList{QStringLiteral("Izmene: upisano 1, odbijeno 0, nepromenjeno 2")});
    QCOMPARE(window.Register().Articles().at(3).GetPrice(), 2.5);
    QVERIFY(window.Usable());
}

void TestSync::untrustedImageWritesNothing() {
    TestWindow window;
    window.Register().SetArticle(9, MakeArticle("GAMA", "109", 1.0)); // unknown to any image
    QVERIFY(window.ConnectFresh());
    Load(window, QStringLiteral("1.00"));
    window.Form().BitBtnSend->click();
    window.ClearLog();
    window.ClearReceived();
    window.Form().BitBtnSendChanges->click();

    QVERIFY(CommandNumbers(window.Commands(), WritePrefix).empty());
    QCOMPARE(window.LogLines(),
             QStringList{QStringLiteral(
                 "Slika kase nije pouzdana (broj artikala): potrebno je Prikazi ili Posalji")});
}

void TestSync::verifyReadsBackWhatItWrote() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    QCOMPARE(form.CheckBoxVerify->objectName(), QStringLiteral("CheckBoxVerify"));
    QCOMPARE(form.CheckBoxVerify->text(), QStringLiteral("Proveri posle slanja"));
    QVERIFY(!form.CheckBoxVerify->isChecked());
    Load(window, QStringLiteral("1.00"));
    form.BitBtnSend->click();
    Load(window, QStringLiteral("2.50"));
    form.CheckBoxVerify->setChecked(true);
    window.Register().AlterWrites(3, MakeArticle("DVA", "3", 9.99)); // changed right after
    window.ClearLog();
    form.BitBtnSendChanges->click();

    QCOMPARE(window.LogLines(),
             (QStringList{QStringLiteral("Artikal 3 se razlikuje posle upisa"),
                          QStringLiteral("Izmene: upisano 1, odbijeno 0, nepromenjeno 2")}));
    window.ClearLog();
    form.BitBtnSendChanges->click(); // the image stays untrusted
    QCOMPARE(window.LogLines(),
             QStringList{QStringLiteral("Slika kase nije pouzdana (artikal 3 se razlikuje): "
                                        "potrebno je Prikazi ili Posalji")});
}

void TestSync::aBrokenSendIsTakenUpWhereItStopped() {
    TestWindow window;
    QVERIFY(window.ConnectFresh());
    TFormMain& form = window.Form();
    Load(window, QStringLiteral("1.00"));
    form.BitBtnSend->click();
    const QString path = Files.filePath(QStringLiteral("nove.txt"));
    WriteArticleFile(path, {ArticleFileHeading, ArticleLine("JEDAN", "5", "2.00"),
                            ArticleLine("DVA", "3", "2.50"), ArticleLine("TRI", "4", "3.00")});
    window.LoadFile(path);
    window.Register().GoSilentAfter(1); // JEDAN is answered, DVA is not
    form.BitBtnSend->click();
    window.Register().Resume();
    const bool dvaWritten = window.Register().Articles().at(3).GetPrice() == 2.5;
    window.ClearLog();
    window.ClearReceived();
    form.BitBtnSendChanges->click();

    // Only DVA (unless the register took it before it fell silent) and TRI are written.
    const std::vector<int> left = dvaWritten ? std::vector<int>{4} : std::vector<int>{3, 4};
    QCOMPARE(CommandNumbers(window.Commands(), WritePrefix), left);
    QCOMPARE(window.LogLines().last(),
             QStringLiteral("Izmene: upisano %1, odbijeno 0, nepromenjeno %2")
                 .arg(left.size())
                 .arg(3 - left.size()));
    QCOMPARE(window.Register().Articles().at(2).GetPrice(), 2.0);
    QCOMPARE(window.Register().Articles().at(3).GetPrice(), 2.5);
    QCOMPARE(window.Register().Articles().at(4).GetPrice(), 3.0);
}

QTEST_MAIN(TestSync)
#include "tst_sync.moc"
