// Huge, strange and missing article files loaded through the window: the load ends after
// reading the file at most twice (a UTF-8 file is read once to tell its encoding), takes
// at most 2998 articles, tells only what a load tells, and leaves a usable window.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "support_articles.h"
#include "support_window.h"
#include "ui/main/form_main.h"
#include "ui/progress/progress_box.h"

namespace {

constexpr qint64 Megabyte = 1024 * 1024;
constexpr qint64 HugeSize = 100 * Megabyte;
constexpr qint64 LongLineSize = 10 * Megabyte;
constexpr qint64 BinarySize = 1 * Megabyte;
constexpr int MostArticles = 2998; // locations 2 to 2999
constexpr int FirstLocation = 2;
// Reading a file once, even 100 MB under the sanitizers, stays far below this; the guard
// only catches a load that never ends.
constexpr qint64 HangGuardMs = 60000;
constexpr quint32 RandomSeed = 20240611;
const QString LeftOverPrefix = QStringLiteral("Nije ucitano");
const QString HeadingPrefix = QStringLiteral("Prvi red se preskace kao zaglavlje: ");
const QString RefusedPrefix = QStringLiteral("Red ");
const QString MoreRefusedPrefix = QStringLiteral("... i jos ");
const QString NothingTakenPrefix = QStringLiteral("Fajl ");
constexpr int MaxRefusedLines = 20;
const QString LineEnd = QStringLiteral("\r\n");

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// Writes `head`, then `block` over and over until the file holds `size` bytes.
void WriteRepeated(const QString& path, const QByteArray& head, const QByteArray& block,
                   qint64 size) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(head), qint64(head.size()));
    while (file.size() < size) {
        const qint64 room = size - file.size();
        const QByteArray piece = room < block.size() ? block.left(room) : block;
        QCOMPARE(file.write(piece), qint64(piece.size()));
    }
}

// A block of article lines, each with a barcode of its own within the block.
QByteArray ArticleBlock(int lines) {
    QString text;
    for (int i = 0; i < lines; ++i) {
        text += ArticleLine(QStringLiteral("Artikal %1").arg(i), QString::number(100000 + i),
                            QStringLiteral("1.50")) +
                LineEnd;
    }
    return Utf16LE(text);
}

QByteArray RandomBytes(quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(BinarySize, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / sizeof(quint32));
    return bytes;
}

// Loads through the window as the operator does; false when the load did not end in time.
bool LoadThrough(TestWindow& window, const QString& path) {
    window.Form().ChooseOpenFile = [path] { return path; };
    QElapsedTimer clock;
    clock.start();
    window.Form().BitBtnOpen->click();
    return clock.elapsed() < HangGuardMs;
}

// The taken articles stand at 2, 3, ... without a gap, each with a name, a barcode and a
// price above 0; the grid and the page's buttons agree with their number.
int CheckTaken(TestWindow& window) {
    const TFormMain& form = window.Form();
    int taken = 0;
    while (FirstLocation + taken < ArticleTableSize &&
           IsPresent(form.ArticlesPC[FirstLocation + taken])) {
        const TalonPLUItem& item = form.ArticlesPC[FirstLocation + taken];
        if (item.GetCode().GetLength() == 0 || item.GetPrice() <= 0.0) {
            qWarning("entry %d was taken without a barcode or a price", FirstLocation + taken);
            return -1;
        }
        ++taken;
    }
    for (int index = 0; index < ArticleTableSize; ++index) {
        const bool inside = index >= FirstLocation && index < FirstLocation + taken;
        if (!inside && IsPresent(form.ArticlesPC[index])) {
            qWarning("entry %d lies outside the taken run", index);
            return -1;
        }
    }
    const bool shown = !form.StringGridPC->isHidden();
    if (shown != (taken > 0) || form.BitBtnSend->isEnabled() != (taken > 0) ||
        (taken > 0 && TestWindow::Rows(form.StringGridPC) != taken + 1)) {
        qWarning("grid or buttons disagree with %d taken articles", taken);
        return -1;
    }
    return taken;
}

bool WindowUsable(TestWindow& window) {
    return window.Usable() && window.Form().BitBtnOpen->isEnabled();
}

// The log holds only lines a load writes: at most 20 refused lines before the count of
// the rest, the left-over line only for a full table, and "no article" only for none.
void CheckLoadLines(TestWindow& window, int taken) {
    int refused = 0;
    for (const QString& line : window.LogLines()) {
        refused += line.startsWith(RefusedPrefix) ? 1 : 0;
        const bool known = line.startsWith(RefusedPrefix) || line.startsWith(HeadingPrefix) ||
                           line.startsWith(MoreRefusedPrefix) ||
                           (taken == MostArticles && line.startsWith(LeftOverPrefix)) ||
                           (taken == 0 && line.startsWith(NothingTakenPrefix));
        QVERIFY2(known, qPrintable(line));
    }
    QVERIFY(refused <= MaxRefusedLines);
}

} // namespace

class TestStrangeFiles : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void hugeFileTakesTheFirst2998();
    void hugeHoleOfZeros();
    void oneVeryLongLine();
    void utf8FileIsRead();
    void randomBytes();
    void emptyFile();
    void vanishedFileIsNamed();
    void directoryIsNamed();
    void goodLoadAfterStrangeOnes();

private:
    std::unique_ptr<QTemporaryDir> Dir;
    std::unique_ptr<TestWindow> Window;
    QString Path(const char* name) const { return Dir->filePath(QString::fromLatin1(name)); }
    // The load took exactly `taken` articles, logged nothing and left a usable window.
    void CheckQuietLoad(int taken);
    // The load took nothing and logged only that the file holds no article.
    void CheckNothingTaken(const QString& path);
    // The load took nothing and logged one line naming the file.
    void CheckFileNamed(const QString& path);
    // The load took at most 2998 articles and logged at most the left-over line.
    void CheckSomeTaken();
};

void TestStrangeFiles::CheckQuietLoad(int taken) {
    QCOMPARE(CheckTaken(*Window), taken);
    QCOMPARE(Window->LogLines(), QStringList{});
    QVERIFY(WindowUsable(*Window));
}

void TestStrangeFiles::CheckNothingTaken(const QString& path) {
    QCOMPARE(CheckTaken(*Window), 0);
    const QStringList lines = Window->LogLines();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().startsWith(NothingTakenPrefix + path + " "), qPrintable(lines.first()));
    QVERIFY(WindowUsable(*Window));
}

void TestStrangeFiles::CheckFileNamed(const QString& path) {
    QCOMPARE(CheckTaken(*Window), 0);
    const QStringList lines = Window->LogLines();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().contains(path), qPrintable(lines.first()));
    QVERIFY(WindowUsable(*Window));
}

void TestStrangeFiles::CheckSomeTaken() {
    const int taken = CheckTaken(*Window);
    QVERIFY(taken >= 0 && taken <= MostArticles);
    CheckLoadLines(*Window, taken);
    QVERIFY(WindowUsable(*Window));
}

void TestStrangeFiles::init() {
    Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(Dir->isValid());
    Window = std::make_unique<TestWindow>();
    QVERIFY(Window->ConnectFresh());
}

void TestStrangeFiles::cleanup() {
    Window.reset();
    Dir.reset(); // the huge files go with it
}

void TestStrangeFiles::hugeFileTakesTheFirst2998() {
    const QString path = Path("huge.txt");
    const int blockLines = 1000;
    const QByteArray block = ArticleBlock(blockLines);
    WriteRepeated(path, Utf16LE(ArticleFileHeading + LineEnd), block, HugeSize);
    QVERIFY(LoadThrough(*Window, path));

    QCOMPARE(CheckTaken(*Window), MostArticles);
    QVERIFY(WindowUsable(*Window));
    const QStringList lines = Window->LogLines();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().startsWith(LeftOverPrefix), qPrintable(lines.first()));
    QVERIFY2(lines.first().contains(QString::number(MostArticles)), qPrintable(lines.first()));
    // The first article of the file is the first taken; the last taken is the 2998th.
    QCOMPARE(TestWindow::Cell(Window->Form().StringGridPC, 1, 1), QStringLiteral("Artikal 0"));
    QCOMPARE(TestWindow::Cell(Window->Form().StringGridPC, MostArticles, 1),
             QStringLiteral("Artikal %1").arg((MostArticles - 1) % blockLines));
}

void TestStrangeFiles::hugeHoleOfZeros() {
    // Three articles, then 100 MB of zero bytes left as a hole in the file.
    const QString path = Path("hole.txt");
    WriteBytes(path, Utf16LE(ArticleFileHeading + LineEnd) + ArticleBlock(3));
    QFile file(path);
    QVERIFY(file.resize(HugeSize));
    QVERIFY(LoadThrough(*Window, path));
    CheckQuietLoad(3);
}

void TestStrangeFiles::oneVeryLongLine() {
    const QString path = Path("long.txt");
    WriteRepeated(path, QByteArray(), Utf16LE(QStringLiteral("Ime\t7\t2.00\t")), LongLineSize);
    QVERIFY(LoadThrough(*Window, path));
    CheckSomeTaken();
}

void TestStrangeFiles::utf8FileIsRead() {
    // Valid UTF-8 without a NUL byte is read as UTF-8.
    const QString path = Path("utf8.txt");
    const QString text =
        ArticleFileHeading + LineEnd +
        ArticleLine(QStringLiteral("Хлеб бели"), QStringLiteral("5"), QStringLiteral("45.50")) +
        LineEnd + ArticleLine("Mleko", "3", "89.99") + LineEnd;
    WriteBytes(path, text.toUtf8());
    QVERIFY(LoadThrough(*Window, path));
    CheckQuietLoad(2);
    QCOMPARE(TestWindow::DataRows(Window->Form().StringGridPC),
             (QStringList{"2|Хлеб бели|5|45.50|0", "3|Mleko|3|89.99|0"}));
}

void TestStrangeFiles::randomBytes() {
    const QString path = Path("random.bin");
    WriteBytes(path, RandomBytes(RandomSeed));
    QVERIFY(LoadThrough(*Window, path));
    CheckSomeTaken();
}

void TestStrangeFiles::emptyFile() {
    const QString path = Path("empty.txt");
    WriteBytes(path, QByteArray());
    QVERIFY(LoadThrough(*Window, path));
    CheckNothingTaken(path);
}

void TestStrangeFiles::vanishedFileIsNamed() {
    // The dialog chose a file that is gone by the time it is read.
    const QString path = Path("gone.txt");
    WriteArticleFile(path, {ArticleFileHeading, ArticleLine("Hleb", "5", "45.50")});
    Window->Form().ChooseOpenFile = [path] {
        QFile::remove(path);
        return path;
    };
    Window->Form().BitBtnOpen->click();
    CheckFileNamed(path);
}

void TestStrangeFiles::directoryIsNamed() {
    // A directory opens but cannot be read: the same one line naming it.
    const QString path = Path("folder.txt");
    QVERIFY(QDir().mkpath(path));
    QVERIFY(LoadThrough(*Window, path));
    CheckFileNamed(path);
}

void TestStrangeFiles::goodLoadAfterStrangeOnes() {
    // A strange file leaves nothing behind that spoils the next, ordinary load.
    const QString strange = Path("random.bin");
    WriteBytes(strange, RandomBytes(RandomSeed + 1));
    QVERIFY(LoadThrough(*Window, strange));
    Window->ClearLog();

    const QString good = Path("good.txt");
    WriteArticleFile(good, {ArticleFileHeading, ArticleLine("Hleb", "5", "45.50"),
                            ArticleLine("Mleko", "3", "89.99")});
    QVERIFY(LoadThrough(*Window, good));
    CheckQuietLoad(2);
    QCOMPARE(TestWindow::DataRows(Window->Form().StringGridPC),
             (QStringList{"2|Hleb|5|45.50|0", "3|Mleko|3|89.99|0"}));
}

QTEST_MAIN(TestStrangeFiles)
#include "tst_strange_files.moc"
