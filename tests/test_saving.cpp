// Saving and opening files as a user meets them: a save that fails for want of room,
// rights or size leaves the earlier file byte for byte and says why in Russian; a
// name typed without its extension is checked for a file to replace before anything
// is replaced; a pipe, a device or a folder is refused without the window waiting.

#include "design_actions.h"
#include "errors.h"
#include "gui_support.h"
#include "report.h"
#include "saved_values.h"
#include "table_window.h"
#include "user_files.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace takton;
using namespace takton::testing;

namespace {

using Writer = std::function<void(const QString& path)>;

// Every kind of file the calculator windows write, through the function its action calls.
const QList<std::pair<const char*, Writer>>& writers()
{
    static const QList<std::pair<const char*, Writer>> all = {
        {"values", [](const QString& path) { saveValuesFile(*registeredWindow("Form11"), path); }},
        {"PDF report", [](const QString& path) { writeReportPdf(*registeredWindow("Form11"), path); }},
        {"HTML report", [](const QString& path) { writeReportHtml(*registeredWindow("Form11"), path); }},
        {"plain text, as the netlist is saved", [](const QString& path) { saveWholeFile(path, "* netlist\nR1 a b 1k\n.end\n"); }},
    };
    return all;
}

QString failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.message();
    }
    return {};
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() || !file.flush())
        qFatal("cannot prepare %s", qPrintable(path));
}

// A small filesystem of its own, where the test can fill the disk or make it
// read-only. Only root may mount one; elsewhere the rows that need it are skipped.
class SmallDisk {
public:
    SmallDisk()
    {
        mounted = geteuid() == 0 &&
                  ::mount("tmpfs", QFile::encodeName(folder.path()).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk()
    {
        if (mounted)
            ::umount2(QFile::encodeName(folder.path()).constData(), MNT_DETACH);
    }
    void fill()
    {
        QFile filler(folder.filePath("filler"));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
    }
    bool makeReadOnly()
    {
        return ::mount("tmpfs", QFile::encodeName(folder.path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                       "size=64k") == 0;
    }
    QTemporaryDir folder;
    bool mounted = false;
};

constexpr uid_t nobody = 65534;

// Runs `action` with the file-size limit set to `bytes` for this process.
void underSizeLimit(rlim_t bytes, const std::function<void()>& action)
{
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit limited = before;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
    action();
    setrlimit(RLIMIT_FSIZE, &before);
}

// The file dialog the action opened, with `typed` in its name field, accepted; then
// the question it asks, if any, answered "No". Returns the question's text.
QString typeNameAndRefuseReplacing(const std::function<void()>& openDialog, const QString& folder,
                                   const QString& typed)
{
    QString question;
    bool typedName = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            question = box->text();
            box->button(QMessageBox::No)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            if (typedName) { // the question was answered: nothing is saved
                dialog->reject();
                return;
            }
            typedName = true;
            dialog->setDirectory(folder);
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
    });
    answer.start(20);
    openDialog();
    return question;
}

} // namespace

class Saving : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { answerFileQuestionsWith({}); }
    void failedSaveLeavesTheEarlierFile_data();
    void failedSaveLeavesTheEarlierFile();
    void savedWholeLeavesNoTemporaryFile_data() { everyWriter(); }
    void savedWholeLeavesNoTemporaryFile();
    void nameWithoutExtensionAsksAboutTheFileItReplaces_data();
    void nameWithoutExtensionAsksAboutTheFileItReplaces();
    void notARegularFileIsRefusedWithoutWaiting_data();
    void notARegularFileIsRefusedWithoutWaiting();

private:
    static void everyWriter();
};

void Saving::everyWriter()
{
    QTest::addColumn<int>("writer");
    for (int k = 0; k < writers().size(); ++k)
        QTest::newRow(writers()[k].first) << k;
}

void Saving::failedSaveLeavesTheEarlierFile_data()
{
    QTest::addColumn<int>("writer");
    QTest::addColumn<QString>("condition");
    for (const char* condition : {"size limit", "full disk", "read-only disk", "read-only folder"})
        for (int k = 0; k < writers().size(); ++k)
            QTest::addRow("%s, %s", writers()[k].first, condition) << k << QString(condition);
}

void Saving::failedSaveLeavesTheEarlierFile()
{
    QFETCH(int, writer);
    QFETCH(QString, condition);
    SmallDisk disk;
    if (condition.contains("disk") && !disk.mounted)
        QSKIP("needs a filesystem of its own, which only root can mount here");
    const QString path = disk.folder.filePath("design.file");
    const QByteArray earlier = "the earlier file, kept byte for byte\n";
    writeBytes(path, earlier);
    const Writer& save = writers()[writer].second;

    QString failure, reason;
    if (condition == "size limit") {
        underSizeLimit(16, [&] { failure = failureOf([&] { save(path); }); });
        reason = "файл больше, чем разрешено записывать";
    } else if (condition == "full disk") {
        disk.fill();
        failure = failureOf([&] { save(path); });
        reason = "нет места на диске";
    } else if (condition == "read-only disk") {
        QVERIFY(disk.makeReadOnly());
        failure = failureOf([&] { save(path); });
        reason = "диск доступен только для чтения";
    } else {
        // Root writes into any folder: the save is then made as an ordinary user.
        const QFileDevice::Permissions readable = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                  QFileDevice::ReadOther | QFileDevice::ExeOther;
        QFile::setPermissions(disk.folder.path(), readable);
        const bool asRoot = geteuid() == 0;
        if (asRoot)
            QCOMPARE(::seteuid(nobody), 0);
        failure = failureOf([&] { save(path); });
        if (asRoot)
            QCOMPARE(::seteuid(0), 0);
        QFile::setPermissions(disk.folder.path(), readable | QFileDevice::WriteOwner);
        reason = "нет прав на запись";
    }
    QCOMPARE(failure, "Не удалось записать файл «design.file»: " + reason);
    QCOMPARE(bytesOf(path), earlier);
    QCOMPARE(QDir(disk.folder.path()).entryList(QDir::Files | QDir::Hidden).filter("design"),
             QStringList{"design.file"});
}

void Saving::savedWholeLeavesNoTemporaryFile()
{
    QFETCH(int, writer);
    QTemporaryDir folder;
    const QString path = folder.filePath("design.file");
    writeBytes(path, "earlier");
    writers()[writer].second(path);
    QVERIFY(bytesOf(path).size() > 20);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"design.file"});
}

// The dialog adds the extension before it looks for a file to replace: the question
// names the file that would be replaced, and "No" leaves it as it was.
void Saving::nameWithoutExtensionAsksAboutTheFileItReplaces_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("replaced");
    QTest::newRow("values") << "SaveValuesAction" << "" << "keep.takton";
    QTest::newRow("PDF report") << "ReportAction" << "Сохранить в PDF…" << "keep.pdf";
    QTest::newRow("HTML report") << "ReportAction" << "Сохранить в HTML…" << "keep.html";
}

void Saving::nameWithoutExtensionAsksAboutTheFileItReplaces()
{
    QFETCH(QString, action);
    QFETCH(QString, menuItem);
    QFETCH(QString, replaced);
    QTemporaryDir folder;
    writeBytes(folder.filePath("keep"), "a file without extension");
    writeBytes(folder.filePath(replaced), "the file the name would replace");
    TableWindow* window = registeredWindow("Form2");
    QTimer menu; // the report's menu: the kind of file
    QObject::connect(&menu, &QTimer::timeout, [&] {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            for (QAction* item : popup->actions())
                if (item->text() == menuItem)
                    popup->setActiveAction(item), QTest::keyClick(popup, Qt::Key_Return);
    });
    menu.start(20);
    const QString question = typeNameAndRefuseReplacing(
        [&] { button(window, action.toLatin1().constData())->click(); }, folder.path(), "keep");
    QVERIFY2(question.contains(replaced), qPrintable(question));
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm"))
        QVERIFY2(question.contains("уже существует"), qPrintable(question));
    QCOMPARE(bytesOf(folder.filePath(replaced)), QByteArray("the file the name would replace"));
    QCOMPARE(bytesOf(folder.filePath("keep")), QByteArray("a file without extension"));
}

void Saving::notARegularFileIsRefusedWithoutWaiting_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("named pipe") << "pipe" << "это именованный канал, а не обычный файл";
    QTest::newRow("folder") << "folder" << "это папка, а не файл";
    QTest::newRow("device") << "device" << "это устройство, а не обычный файл";
    QTest::newRow("socket") << "socket" << "это сокет, а не обычный файл";
}

void Saving::notARegularFileIsRefusedWithoutWaiting()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QString path = folder.filePath("x.takton");
    int socketHandle = -1;
    if (kind == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == "folder")
        QVERIFY(QDir(folder.path()).mkdir("x.takton"));
    else if (kind == "device")
        path = "/dev/zero";
    else {
        socketHandle = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
        QCOMPARE(::bind(socketHandle, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    }
    const QString shown = "«" + QFileInfo(path).fileName() + "»: " + reason;
    alarm(20); // a wait on the pipe ends the test instead of hanging it
    const QString opening = failureOf([&] { loadValuesFile(*registeredWindow("Form2"), path); });
    const QString saving = failureOf([&] { saveValuesFile(*registeredWindow("Form2"), path); });
    alarm(0);
    if (socketHandle >= 0)
        ::close(socketHandle);
    QCOMPARE(opening, "Не удалось открыть файл " + shown);
    QCOMPARE(saving, "Не удалось записать файл " + shown);
    QCOMPARE(QFileInfo(path).isFile(), false); // nothing took its name
}

TAKTON_GUI_TEST_MAIN(Saving)
#include "test_saving.moc"
